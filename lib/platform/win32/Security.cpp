// Windows only: forwards the access-token and security-identifier calls to advapi32 and kernel32.
#include "platform/Security.h"

#include "Win32.h"

namespace Win {
using Real::As;

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

}  // namespace Win
