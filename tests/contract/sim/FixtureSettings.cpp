// Simulation only: the settings part of the contract fixture over the simulation's controls.
#include "FixtureSettings.h"

#include "platform/WinConstants.h"
#include "platform/sim/Sim.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimSecurity.h"
#include "platform/sim/SimShellLink.h"
#include "platform/sim/SimWindow.h"

namespace Fixture {
namespace {
int scratchKeys = 0;
}  // namespace

std::string NewScratchRegistryKey() { return "Software\\VorlaContract\\" + std::to_string(++scratchKeys); }
void RemoveRegistryTree(Win::HKEY, const std::string&) {}  // the next Reset clears the registry
void SetRegistryString(Win::HKEY root, const std::string& keyPath, const std::string& valueName,
                       const std::string& text) {
  Sim::SetRegistryString(root, keyPath, valueName, text);
}
bool RegistryKeyExists(Win::HKEY root, const std::string& keyPath) { return Sim::RegistryKeyExists(root, keyPath); }
std::optional<RegistryData> ReadRegistryValue(Win::HKEY root, const std::string& keyPath,
                                              const std::string& valueName) {
  auto value = Sim::GetRegistryValue(root, keyPath, valueName);
  if (!value) return std::nullopt;
  return RegistryData{value->type, value->data};
}

void WriteShellLink(const std::string& path, const LinkFields& link) {
  Sim::AddShellLink(path, Sim::ShellLinkData{.target = link.target,
                                             .arguments = link.arguments,
                                             .workingDirectory = link.workingDirectory,
                                             .iconFile = link.iconFile,
                                             .iconIndex = link.iconIndex,
                                             .showCommand = link.showCommand});
}
std::optional<LinkFields> ReadShellLink(const std::string& path) {
  auto link = Sim::ReadShellLink(path);
  if (!link) return std::nullopt;
  return LinkFields{link->target, link->arguments, link->workingDirectory, link->iconFile, link->iconIndex,
                    link->showCommand};
}

std::string SendToFolder() {
  std::string folder = Sim::SpecialFolderPath(Win::CSIDL_SENDTO);
  Sim::AddFolder(folder);
  return folder;
}
bool UserIsAdministrator() { return true; }  // the simulation's default user
Version PlatformVersion() { return Version{2, 5, 1}; }

Win::HWND NewDialogWindow(const std::string& title) { return Sim::AddWindow("#32770", title); }
void DestroyWindow(Win::HWND) {}
Win::DWORD ClassStyleOf(Win::HWND) { return Sim::ClassStyle("#32770"); }

}  // namespace Fixture
