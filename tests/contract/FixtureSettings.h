// The contract fixture's part for the settings program: registry keys, shell link files,
// the Send To folder, the user's rights and the platform's version, windows of the test's
// own, each set up or read by the platform's own means.
#pragma once

#include <optional>
#include <string>

#include "platform/WinTypes.h"

namespace Fixture {

// A new key path of the test's own below HKEY_CURRENT_USER (nothing is created yet);
// removed with its subkeys by RemoveRegistryTree.
std::string NewScratchRegistryKey();
void RemoveRegistryTree(Win::HKEY root, const std::string& keyPath);
void SetRegistryString(Win::HKEY root, const std::string& keyPath, const std::string& valueName,
                       const std::string& text);
bool RegistryKeyExists(Win::HKEY root, const std::string& keyPath);
struct RegistryData {
  Win::DWORD type;
  std::string bytes;
};
std::optional<RegistryData> ReadRegistryValue(Win::HKEY root, const std::string& keyPath,
                                              const std::string& valueName);

struct LinkFields {
  std::string target;
  std::string arguments;
  std::string workingDirectory;
  std::string iconFile;
  int iconIndex;
  int showCommand;
};
void WriteShellLink(const std::string& path, const LinkFields& link);
std::optional<LinkFields> ReadShellLink(const std::string& path);

// The user's Send To folder without a trailing backslash; it exists.
std::string SendToFolder();
bool UserIsAdministrator();
// dwPlatformId, major and minor version.
struct Version {
  Win::DWORD platformId, major, minor;
};
Version PlatformVersion();

// A hidden top-level window of the dialog class with this title; destroyed by DestroyWindow.
Win::HWND NewDialogWindow(const std::string& title);
void DestroyWindow(Win::HWND window);
Win::DWORD ClassStyleOf(Win::HWND window);

}  // namespace Fixture
