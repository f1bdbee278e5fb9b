// TinyUtils, system half: access-token groups, the version test and class styles.
#include "TinyUtilsSystem.h"

#include <vector>

#include "platform/Locale.h"
#include "platform/Process.h"
#include "platform/Security.h"
#include "platform/WinConstants.h"
#include "platform/Window.h"

namespace TinyUtils {
namespace {

// The token of the calling thread, or of the process when the thread impersonates nobody;
// null when neither can be opened (as on platforms without access tokens).
Win::HANDLE OpenOwnToken() {
  Win::HANDLE token = nullptr;
  if (Win::OpenThreadToken(Win::GetCurrentThread(), Win::TOKEN_QUERY, Win::TRUE, &token)) return token;
  if (Win::GetLastError() != Win::ERROR_NO_TOKEN) return nullptr;
  if (Win::OpenProcessToken(Win::GetCurrentProcess(), Win::TOKEN_QUERY, &token)) return token;
  return nullptr;
}

// The token's group list; empty when it cannot be read. The first request uses 1024 bytes;
// a user with more groups gets a second request at the size the platform reports.
std::vector<Win::BYTE> ReadGroups(Win::HANDLE token) {
  std::vector<Win::BYTE> buffer(1024);
  Win::DWORD needed = 0;
  if (Win::GetTokenInformation(token, Win::TokenGroups, buffer.data(), static_cast<Win::DWORD>(buffer.size()), &needed)) {
    return buffer;
  }
  if (Win::GetLastError() != Win::ERROR_INSUFFICIENT_BUFFER || needed <= buffer.size()) return {};
  buffer.resize(needed);
  if (Win::GetTokenInformation(token, Win::TokenGroups, buffer.data(), needed, &needed)) return buffer;
  return {};
}

}  // namespace

bool IsAdmin() {
  Win::HANDLE token = OpenOwnToken();
  if (token == nullptr) return false;
  std::vector<Win::BYTE> groups = ReadGroups(token);
  Win::CloseHandle(token);
  if (groups.empty()) return false;
  Win::PSID administrators = nullptr;
  if (!Win::AllocateAndInitializeSid(&Win::SECURITY_NT_AUTHORITY, 2, Win::SECURITY_BUILTIN_DOMAIN_RID,
                                     Win::DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators)) {
    return false;
  }
  // Present is enough: the group's attributes (enabled, deny only) are not looked at.
  const auto* list = reinterpret_cast<const Win::TOKEN_GROUPS*>(groups.data());
  bool found = false;
  for (Win::DWORD i = 0; i < list->GroupCount && !found; ++i) {
    found = Win::EqualSid(list->Groups[i].Sid, administrators) != 0;
  }
  Win::FreeSid(administrators);
  return found;
}

bool IsXPOrLater() {
  Win::OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!Win::GetVersionExA(&info)) return false;
  return info.dwPlatformId == Win::VER_PLATFORM_WIN32_NT &&
         (info.dwMajorVersion > 5 || (info.dwMajorVersion == 5 && info.dwMinorVersion >= 1));
}

void EnableDropShadow(Win::HWND window) {
  if (!IsXPOrLater()) return;
  Win::DWORD style = Win::GetClassLongA(window, Win::GCL_STYLE);
  Win::SetClassLongA(window, Win::GCL_STYLE, static_cast<Win::LONG>(style | Win::CS_DROPSHADOW));
}

}  // namespace TinyUtils
