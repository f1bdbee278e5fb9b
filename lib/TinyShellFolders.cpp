// TinyShell, special folders through SHGetSpecialFolderPathA.
#include "TinyShellFolders.h"

#include <cstring>

#include "Paths.h"
#include "platform/ShellLink.h"
#include "platform/WinConstants.h"

namespace TinyShell {

std::string GetSpecialFolder(int folder) {
  char buffer[261] = {};
  if (!Win::SHGetSpecialFolderPathA(nullptr, buffer, folder, Win::FALSE)) return {};
  return TinyUtils::AddTrailingBackslash(std::string(buffer, strnlen(buffer, sizeof buffer)));
}

std::string GetSendToFolder() { return GetSpecialFolder(Win::CSIDL_SENDTO); }

std::string GetStartupFolder() { return GetSpecialFolder(Win::CSIDL_STARTUP); }

}  // namespace TinyShell
