// Windows only: forwards the access-token and security-identifier calls to advapi32 and kernel32.
#include "platform/Security.h"

#include "Win32.h"

namespace Win {
using Real::As;

static_assert(sizeof(Win::SID_IDENTIFIER_AUTHORITY) == sizeof(::SID_IDENTIFIER_AUTHORITY));
static_assert(sizeof(Win::SID_AND_ATTRIBUTES) == sizeof(::SID_AND_ATTRIBUTES));
static_assert(offsetof(Win::TOKEN_GROUPS, Groups) == offsetof(::TOKEN_GROUPS, Groups));

HANDLE GetCurrentThread() { return ::GetCurrentThread(); }
HANDLE GetCurrentProcess() { return ::GetCurrentProcess(); }
BOOL OpenThreadToken(HANDLE thread, DWORD desiredAccess, BOOL openAsSelf, HANDLE* token) {
  return ::OpenThreadToken(thread, desiredAccess, openAsSelf, token);
}
BOOL OpenProcessToken(HANDLE process, DWORD desiredAccess, HANDLE* token) {
  return ::OpenProcessToken(process, desiredAccess, token);
}
BOOL GetTokenInformation(HANDLE token, DWORD informationClass, void* information, DWORD length,
                         DWORD* returnLength) {
  return ::GetTokenInformation(token, static_cast<::TOKEN_INFORMATION_CLASS>(informationClass), information, length,
                               As<::DWORD>(returnLength));
}
BOOL AllocateAndInitializeSid(const SID_IDENTIFIER_AUTHORITY* authority, BYTE subAuthorityCount,
                              DWORD subAuthority0, DWORD subAuthority1, DWORD subAuthority2,
                              DWORD subAuthority3, DWORD subAuthority4, DWORD subAuthority5,
                              DWORD subAuthority6, DWORD subAuthority7, PSID* sid) {
  // The platform takes a non-const authority but only reads it.
  auto* realAuthority = const_cast<::SID_IDENTIFIER_AUTHORITY*>(As<::SID_IDENTIFIER_AUTHORITY>(authority));
  return ::AllocateAndInitializeSid(realAuthority, subAuthorityCount, subAuthority0, subAuthority1, subAuthority2,
                                    subAuthority3, subAuthority4, subAuthority5, subAuthority6, subAuthority7, sid);
}
BOOL EqualSid(PSID sid1, PSID sid2) { return ::EqualSid(sid1, sid2); }
void* FreeSid(PSID sid) { return ::FreeSid(sid); }

}  // namespace Win
