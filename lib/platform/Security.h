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
// Zero on failure; the SID is freed with FreeSid.
BOOL AllocateAndInitializeSid(const SID_IDENTIFIER_AUTHORITY* authority, BYTE subAuthorityCount,
                              DWORD subAuthority0, DWORD subAuthority1, DWORD subAuthority2,
                              DWORD subAuthority3, DWORD subAuthority4, DWORD subAuthority5,
                              DWORD subAuthority6, DWORD subAuthority7, PSID* sid);
BOOL EqualSid(PSID sid1, PSID sid2);
void* FreeSid(PSID sid);

}  // namespace Win
