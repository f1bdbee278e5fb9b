// Windows only: forwards the file and search calls to kernel32.
#include "platform/Files.h"

#include "Win32.h"

namespace Win {
using Real::As;

HANDLE CreateFileA(const char* fileName, DWORD desiredAccess, DWORD shareMode, void* securityAttributes,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile) {
  return ::CreateFileA(fileName, desiredAccess, shareMode, static_cast<SECURITY_ATTRIBUTES*>(securityAttributes),
                       creationDisposition, flagsAndAttributes, templateFile);
}
BOOL ReadFile(HANDLE file, void* buffer, DWORD bytesToRead, DWORD* bytesRead, void* overlapped) {
  return ::ReadFile(file, buffer, bytesToRead, As<::DWORD>(bytesRead), static_cast<OVERLAPPED*>(overlapped));
}
DWORD GetFileAttributesA(const char* fileName) { return ::GetFileAttributesA(fileName); }
BOOL MoveFileA(const char* existingFileName, const char* newFileName) {
  return ::MoveFileA(existingFileName, newFileName);
}
BOOL DeleteFileA(const char* fileName) { return ::DeleteFileA(fileName); }
HANDLE FindFirstFileA(const char* pattern, WIN32_FIND_DATAA* findData) {
  return ::FindFirstFileA(pattern, As<::WIN32_FIND_DATAA>(findData));
}
BOOL FindNextFileA(HANDLE search, WIN32_FIND_DATAA* findData) {
  return ::FindNextFileA(search, As<::WIN32_FIND_DATAA>(findData));
}
BOOL FindClose(HANDLE search) { return ::FindClose(search); }

}  // namespace Win
