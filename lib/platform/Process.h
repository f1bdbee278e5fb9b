// Win32 boundary: single instance, command line, process end, program start, pauses,
// environment, handles and run-time loading (kernel32, user32).
#pragma once

#include "platform/WinTypes.h"

namespace Win {

// Returns the mutex handle, or null on failure; GetLastError tells ERROR_ALREADY_EXISTS.
HANDLE CreateMutexA(void* securityAttributes, BOOL initialOwner, const char* name);
BOOL ReleaseMutex(HANDLE mutex);
BOOL CloseHandle(HANDLE handle);
DWORD GetLastError();

// The whole command line as the process was started with it; never null.
char* GetCommandLineA();
// Length written (without the zero), or 0 on failure; a full buffer is cut and zero-ended.
DWORD GetModuleFileNameA(HMODULE module, char* fileName, DWORD size);
[[noreturn]] void ExitProcess(UINT exitCode);

void Sleep(DWORD milliseconds);
// Count written or needed, the zero included; 0 on failure. Too small a buffer leaves it unspecified.
DWORD ExpandEnvironmentStringsA(const char* source, char* destination, DWORD size);

void GetStartupInfoA(STARTUPINFOA* startupInfo);
// Non-zero when the program was started; the handles in information are then to be closed.
BOOL CreateProcessA(const char* applicationName, char* commandLine, void* processAttributes,
                    void* threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                    void* environment, const char* currentDirectory, STARTUPINFOA* startupInfo,
                    PROCESS_INFORMATION* information);
// 0 when the program waits for input; WAIT_TIMEOUT or WAIT_FAILED otherwise.
DWORD WaitForInputIdle(HANDLE process, DWORD milliseconds);

// Null on failure.
HMODULE LoadLibraryA(const char* fileName);
HMODULE GetModuleHandleA(const char* moduleName);
// Null when the module has no such function.
FARPROC GetProcAddress(HMODULE module, const char* procName);
BOOL FreeLibrary(HMODULE module);

}  // namespace Win
