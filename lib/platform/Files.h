// Win32 boundary: files, file attributes and folder searches (kernel32).
#pragma once

#include "platform/WinTypes.h"

namespace Win {

// INVALID_HANDLE_VALUE on failure (GetLastError: 2, 3, 5, 32, ...).
HANDLE CreateFileA(const char* fileName, DWORD desiredAccess, DWORD shareMode, void* securityAttributes,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile);
// Zero on failure; at the end of the data it succeeds with bytesRead 0.
BOOL ReadFile(HANDLE file, void* buffer, DWORD bytesToRead, DWORD* bytesRead, void* overlapped);
// INVALID_FILE_ATTRIBUTES when the path cannot be reached.
DWORD GetFileAttributesA(const char* fileName);
// Zero on failure; an existing target is never replaced.
BOOL MoveFileA(const char* existingFileName, const char* newFileName);
BOOL DeleteFileA(const char* fileName);

// INVALID_HANDLE_VALUE when nothing matches (GetLastError: 2, 3, 18).
HANDLE FindFirstFileA(const char* pattern, WIN32_FIND_DATAA* findData);
// Zero at the end (GetLastError 18) or on failure.
BOOL FindNextFileA(HANDLE search, WIN32_FIND_DATAA* findData);
BOOL FindClose(HANDLE search);

}  // namespace Win
