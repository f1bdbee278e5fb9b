// Windows only: the access token's groups, the version and the class style asked of the
// platform for the decisions of TinyUtilsSystem.cpp.
#include "TinyUtilsSystem.h"

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
std::vector<Win::BYTE> ReadGroupList(Win::HANDLE token) {
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

// The groups of a TOKEN_GROUPS list. A SID is 8 bytes and 4 for each sub-authority; its
// second byte counts them.
std::vector<TTokenGroup> GroupsOf(const std::vector<Win::BYTE>& list) {
  std::vector<TTokenGroup> groups;
  if (list.empty()) return groups;
  const auto* tokenGroups = reinterpret_cast<const Win::TOKEN_GROUPS*>(list.data());
  for (Win::DWORD i = 0; i < tokenGroups->GroupCount; ++i) {
    const auto* sid = static_cast<const char*>(tokenGroups->Groups[i].Sid);
    groups.push_back({std::string(sid, 8 + 4 * static_cast<std::size_t>(static_cast<unsigned char>(sid[1]))),
                      tokenGroups->Groups[i].Attributes});
  }
  return groups;
}

}  // namespace

bool IsAdmin() {
  Win::HANDLE token = OpenOwnToken();
  if (token == nullptr) return false;
  std::vector<Win::BYTE> list = ReadGroupList(token);
  Win::CloseHandle(token);
  return IsAdmin(GroupsOf(list));
}

void EnableDropShadow(Win::HWND window) {
  Win::OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!Win::GetVersionExA(&info) || !IsXPOrLater(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion)) return;
  Win::DWORD style = Win::GetClassLongA(window, Win::GCL_STYLE);
  Win::SetClassLongA(window, Win::GCL_STYLE, static_cast<Win::LONG>(style | Win::CS_DROPSHADOW));
}

}  // namespace TinyUtils
