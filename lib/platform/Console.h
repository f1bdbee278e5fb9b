// Win32 boundary: the standard handles, the console and the system's message texts
// (kernel32).
#pragma once

#include "platform/WinTypes.h"

namespace Win {

// The handle of STD_INPUT_HANDLE or STD_OUTPUT_HANDLE; null or INVALID_HANDLE_VALUE when
// the program has none.
HANDLE GetStdHandle(DWORD stdHandle);
// Zero on failure; bytesWritten tells how many bytes went out.
BOOL WriteFile(HANDLE file, const void* buffer, DWORD bytesToWrite, DWORD* bytesWritten, void* overlapped);
// Zero when the handle is no console handle (a file or a pipe).
BOOL GetConsoleMode(HANDLE console, DWORD* mode);
// How many processes share this process's console (may be more than processCount); 0
// when it has none.
DWORD GetConsoleProcessList(DWORD* processList, DWORD processCount);
// Waits until the console has input and takes up to length records; zero on failure.
BOOL ReadConsoleInputA(HANDLE input, INPUT_RECORD* buffer, DWORD length, DWORD* eventsRead);
// The system's text for an error number (FORMAT_MESSAGE_FROM_SYSTEM), in the language of
// the thread: length written, without the zero; 0 when there is none (ERROR_MR_MID_NOT_FOUND).
DWORD FormatMessageA(DWORD flags, const void* source, DWORD messageId, DWORD languageId, char* buffer, DWORD size,
                     void* arguments);

}  // namespace Win
