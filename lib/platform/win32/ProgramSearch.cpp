// Windows only: forwards the program-search queries to kernel32.
#include "platform/ProgramSearch.h"

#include "Win32.h"

namespace Win {

DWORD SearchPathA(const char* path, const char* fileName, const char* extension, DWORD bufferLength, char* buffer,
                  char** filePart) {
  return ::SearchPathA(path, fileName, extension, bufferLength, buffer, filePart);
}
DWORD GetCurrentDirectoryA(DWORD bufferLength, char* buffer) { return ::GetCurrentDirectoryA(bufferLength, buffer); }
UINT GetSystemDirectoryA(char* buffer, UINT size) { return ::GetSystemDirectoryA(buffer, size); }
UINT GetWindowsDirectoryA(char* buffer, UINT size) { return ::GetWindowsDirectoryA(buffer, size); }
DWORD GetEnvironmentVariableA(const char* name, char* buffer, DWORD size) {
  return ::GetEnvironmentVariableA(name, buffer, size);
}
BOOL GetBinaryTypeA(const char* applicationName, DWORD* binaryType) {
  return ::GetBinaryTypeA(applicationName, reinterpret_cast<::DWORD*>(binaryType));
}

}  // namespace Win
