// Windows only: the settings part of the contract fixture, through <windows.h> and COM themselves.
#include "FixtureSettings.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <shlobj.h>

#include "win32/ShellLinkFiles.h"

namespace Fixture {
namespace {

int scratchKeys = 0;

::HKEY Key(Win::HKEY key) { return reinterpret_cast<::HKEY>(key); }

}  // namespace

std::string NewScratchRegistryKey() {
  return "Software\\VorlaContract-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++scratchKeys);
}

void RemoveRegistryTree(Win::HKEY root, const std::string& keyPath) {
  RegDeleteTreeA(Key(root), keyPath.c_str());
  RegDeleteKeyA(Key(root), keyPath.c_str());
}

void SetRegistryString(Win::HKEY root, const std::string& keyPath, const std::string& valueName,
                       const std::string& text) {
  HKEY key = nullptr;
  RegCreateKeyExA(Key(root), keyPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegSetValueExA(key, valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  RegCloseKey(key);
}

bool RegistryKeyExists(Win::HKEY root, const std::string& keyPath) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(Key(root), keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::optional<RegistryData> ReadRegistryValue(Win::HKEY root, const std::string& keyPath,
                                              const std::string& valueName) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(Key(root), keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  DWORD type = 0, size = 0;
  std::optional<RegistryData> result;
  if (RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    std::string bytes(size, '\0');
    RegQueryValueExA(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size);
    result = RegistryData{type, bytes};
  }
  RegCloseKey(key);
  return result;
}

void WriteShellLink(const std::string& path, const LinkFields& link) {
  ShellLinkFiles::Write(path, {link.target, link.arguments, link.workingDirectory, link.iconFile, link.iconIndex,
                               link.showCommand});
}

std::optional<LinkFields> ReadShellLink(const std::string& path) {
  auto link = ShellLinkFiles::Read(path);
  if (!link) return std::nullopt;
  return LinkFields{link->target, link->arguments, link->workingDirectory, link->iconFile, link->iconIndex,
                    link->showCommand};
}

std::string SendToFolder() {
  char path[MAX_PATH + 1] = {};
  SHGetSpecialFolderPathA(nullptr, path, CSIDL_SENDTO, FALSE);
  return path;
}

bool UserIsAdministrator() { return IsUserAnAdmin() != FALSE; }

Version PlatformVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  GetVersionExA(&info);
  return Version{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

Win::HWND NewDialogWindow(const std::string& title) {
  return reinterpret_cast<Win::HWND>(
      CreateWindowExA(0, "#32770", title.c_str(), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
}

void DestroyWindow(Win::HWND window) { ::DestroyWindow(reinterpret_cast<HWND>(window)); }

Win::DWORD ClassStyleOf(Win::HWND window) { return GetClassLongA(reinterpret_cast<HWND>(window), GCL_STYLE); }

}  // namespace Fixture
