// Win32 boundary: where programs are found: a file searched along a list of folders, the
// system's own folders, environment variables and whether a file is an executable
// (kernel32). Every call here only asks; none changes anything.
#pragma once

#include "platform/WinTypes.h"

namespace Win {

// The full path of the first file named fileName in the folders of path (";" between
// them), with extension added when the name has none; a name with a folder part is looked
// up as it stands. Length written, without the zero; when the buffer is too small, the
// size needed with the zero; 0 when nothing is found (GetLastError: 2).
DWORD SearchPathA(const char* path, const char* fileName, const char* extension, DWORD bufferLength, char* buffer,
                  char** filePart);
// Length written, without the zero, or the size needed with it; 0 on failure.
DWORD GetCurrentDirectoryA(DWORD bufferLength, char* buffer);
UINT GetSystemDirectoryA(char* buffer, UINT size);
UINT GetWindowsDirectoryA(char* buffer, UINT size);
// Length written, without the zero, or the size needed with it; 0 when the variable is
// not set (GetLastError: ERROR_ENVVAR_NOT_FOUND).
DWORD GetEnvironmentVariableA(const char* name, char* buffer, DWORD size);
// Non-zero, with the kind of executable (SCS_32BIT_BINARY, ...), when the file is one that
// CreateProcessA can load; zero for any other file and when there is none.
BOOL GetBinaryTypeA(const char* applicationName, DWORD* binaryType);

}  // namespace Win
