// Simulation only: the shell's special folders, its change notifications and shell link
// files, for host tests. Reset leaves the Send To and Startup folders at their usual
// places (see SpecialFolderPath) but does not create them: a test adds the folders it
// needs, and a folder that does not exist cannot be had.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace Sim {

// The path of a special folder (CSIDL_SENDTO 9, CSIDL_STARTUP 7), without a trailing backslash.
std::string SpecialFolderPath(int folder);
void SetSpecialFolderPath(int folder, const std::string& path);

// The fields of a shell link file.
struct ShellLinkData {
  std::string target{};
  std::string arguments{};
  std::string workingDirectory{};
  std::string iconFile{};
  int iconIndex = 0;
  int showCommand = 1;
  std::string description{};
  Win::WORD hotkey = 0;
  bool operator==(const ShellLinkData&) const = default;
};
// Writes a link file as the shell saves one (its folder must exist).
void AddShellLink(const std::string& path, const ShellLinkData& link);
// The link in a file; nothing when the file is missing or no link file.
std::optional<ShellLinkData> ReadShellLink(const std::string& path);

// Which part of making a shell link object fails.
enum class ShellLinkFailure { None, CreateInstance, ShellLinkInterface, PersistFileInterface };
void SetShellLinkFailure(ShellLinkFailure failure);
// Shell link objects not yet released.
int LiveShellLinkObjects();

struct ChangeNotification {
  Win::LONG eventId;
  Win::UINT flags;
  bool itemsNull;
};
// Every SHChangeNotify call since Reset, in order.
const std::vector<ChangeNotification>& ChangeNotifications();

}  // namespace Sim
