// Win32 boundary: access tokens and security identifiers (advapi32, kernel32).
#pragma once

#include "platform/WinTypes.h"

namespace Win {

// Pseudo handles of the calling thread and process; never closed.
HANDLE GetCurrentThread();
HANDLE GetCurrentProcess();
// Zero on failure; ERROR_NO_TOKEN when the thread does not impersonate anyone.
BOOL OpenThreadToken(HANDLE thread, DWORD desiredAccess, BOOL openAsSelf, HANDLE* token);
// Zero on failure (ERROR_CALL_NOT_IMPLEMENTED on platforms without access tokens).
BOOL OpenProcessToken(HANDLE process, DWORD desiredAccess, HANDLE* token);
// Zero on failure; too small a buffer gives ERROR_INSUFFICIENT_BUFFER and the size needed.
BOOL GetTokenInformation(HANDLE token, DWORD informationClass, void* information, DWORD length,
                         DWORD* returnLength);
}  // namespace Win
