// Windows only: forwards the standard handles, console and message calls to kernel32.
#include "platform/Console.h"

#include "Win32.h"

#include <cstdarg>

namespace Win {
using Real::As;

HANDLE GetStdHandle(DWORD stdHandle) { return ::GetStdHandle(stdHandle); }
BOOL WriteFile(HANDLE file, const void* buffer, DWORD bytesToWrite, DWORD* bytesWritten, void* overlapped) {
  return ::WriteFile(file, buffer, bytesToWrite, reinterpret_cast<::DWORD*>(bytesWritten),
                     static_cast<OVERLAPPED*>(overlapped));
}
BOOL GetConsoleMode(HANDLE console, DWORD* mode) {
  return ::GetConsoleMode(console, reinterpret_cast<::DWORD*>(mode));
}
DWORD GetConsoleProcessList(DWORD* processList, DWORD processCount) {
  return ::GetConsoleProcessList(reinterpret_cast<::DWORD*>(processList), processCount);
}
BOOL ReadConsoleInputA(HANDLE input, INPUT_RECORD* buffer, DWORD length, DWORD* eventsRead) {
  return ::ReadConsoleInputA(input, As<::INPUT_RECORD>(buffer), length, reinterpret_cast<::DWORD*>(eventsRead));
}
DWORD FormatMessageA(DWORD flags, const void* source, DWORD messageId, DWORD languageId, char* buffer, DWORD size,
                     void* arguments) {
  return ::FormatMessageA(flags, source, messageId, languageId, buffer, size, static_cast<va_list*>(arguments));
}

}  // namespace Win
