// Windows only: forwards the process, instance and loading calls to kernel32 and user32.
#include "platform/Process.h"

#include "Win32.h"

namespace Win {
using Real::As;

HANDLE CreateMutexA(void* securityAttributes, BOOL initialOwner, const char* name) {
  return ::CreateMutexA(static_cast<SECURITY_ATTRIBUTES*>(securityAttributes), initialOwner, name);
}
BOOL ReleaseMutex(HANDLE mutex) { return ::ReleaseMutex(mutex); }
BOOL CloseHandle(HANDLE handle) { return ::CloseHandle(handle); }
DWORD GetLastError() { return ::GetLastError(); }
char* GetCommandLineA() { return ::GetCommandLineA(); }
DWORD GetModuleFileNameA(HMODULE module, char* fileName, DWORD size) {
  return ::GetModuleFileNameA(reinterpret_cast<::HMODULE>(module), fileName, size);
}
void ExitProcess(UINT exitCode) { ::ExitProcess(exitCode); }
void Sleep(DWORD milliseconds) { ::Sleep(milliseconds); }
DWORD ExpandEnvironmentStringsA(const char* source, char* destination, DWORD size) {
  return ::ExpandEnvironmentStringsA(source, destination, size);
}
void GetStartupInfoA(STARTUPINFOA* startupInfo) { ::GetStartupInfoA(As<::STARTUPINFOA>(startupInfo)); }
BOOL CreateProcessA(const char* applicationName, char* commandLine, void* processAttributes,
                    void* threadAttributes, BOOL inheritHandles, DWORD creationFlags, void* environment,
                    const char* currentDirectory, STARTUPINFOA* startupInfo,
                    PROCESS_INFORMATION* information) {
  return ::CreateProcessA(applicationName, commandLine, static_cast<SECURITY_ATTRIBUTES*>(processAttributes),
                          static_cast<SECURITY_ATTRIBUTES*>(threadAttributes), inheritHandles, creationFlags,
                          environment, currentDirectory, As<::STARTUPINFOA>(startupInfo),
                          As<::PROCESS_INFORMATION>(information));
}
DWORD WaitForInputIdle(HANDLE process, DWORD milliseconds) { return ::WaitForInputIdle(process, milliseconds); }
HMODULE LoadLibraryA(const char* fileName) { return reinterpret_cast<HMODULE>(::LoadLibraryA(fileName)); }
HMODULE GetModuleHandleA(const char* moduleName) {
  return reinterpret_cast<HMODULE>(::GetModuleHandleA(moduleName));
}
FARPROC GetProcAddress(HMODULE module, const char* procName) {
  return reinterpret_cast<FARPROC>(::GetProcAddress(reinterpret_cast<::HMODULE>(module), procName));
}
BOOL FreeLibrary(HMODULE module) { return ::FreeLibrary(reinterpret_cast<::HMODULE>(module)); }

}  // namespace Win
