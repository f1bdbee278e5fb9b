// Windows only: the settings part of the contract fixture, through <windows.h> and COM themselves.
#include "FixtureSettings.h"

#include <cstring>

#include "Fixture.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

namespace Fixture {
namespace {

int scratchKeys = 0;
const CLSID kShellLinkClass = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

::HKEY Key(Win::HKEY key) { return reinterpret_cast<::HKEY>(key); }

std::wstring Wide(const std::string& text) {
  int count = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(count), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), count);
  wide.pop_back();
  return wide;
}

// Runs use(link, file) on a new shell link object, with COM started around it.
template <typename Use>
bool WithShellLink(Use use) {
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  IPersistFile* file = nullptr;
  bool done = false;
  if (SUCCEEDED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IShellLinkA),
                                 reinterpret_cast<void**>(&link)))) {
    if (SUCCEEDED(link->QueryInterface(__uuidof(IPersistFile), reinterpret_cast<void**>(&file)))) {
      done = use(*link, *file);
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return done;
}

}  // namespace

std::string NewScratchRegistryKey() {
  return "Software\\VorlaContract-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++scratchKeys);
}

void RemoveRegistryTree(Win::HKEY root, const std::string& keyPath) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(Key(root), keyPath.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  char name[256];
  while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS) {
    RemoveRegistryTree(root, keyPath + "\\" + name);
  }
  RegCloseKey(key);
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

void WriteShellLink(const std::string& path, const LinkFields& fields) {
  WithShellLink([&](IShellLinkA& link, IPersistFile& file) {
    link.SetPath(fields.target.c_str());
    link.SetArguments(fields.arguments.c_str());
    link.SetWorkingDirectory(fields.workingDirectory.c_str());
    link.SetIconLocation(fields.iconFile.c_str(), fields.iconIndex);
    link.SetShowCmd(fields.showCommand);
    return SUCCEEDED(file.Save(Wide(path).c_str(), TRUE));
  });
}

std::optional<LinkFields> ReadShellLink(const std::string& path) {
  LinkFields fields{};
  bool read = WithShellLink([&](IShellLinkA& link, IPersistFile& file) {
    if (FAILED(file.Load(Wide(path).c_str(), STGM_READ))) return false;
    char text[MAX_PATH + 1] = {};
    link.GetPath(text, sizeof text, nullptr, SLGP_UNCPRIORITY);
    fields.target = text;
    link.GetArguments(text, sizeof text);
    fields.arguments = text;
    link.GetWorkingDirectory(text, sizeof text);
    fields.workingDirectory = text;
    link.GetIconLocation(text, sizeof text, &fields.iconIndex);
    fields.iconFile = text;
    return true;
  });
  // The show command as the file's header holds it: Wine's GetShowCmd answers 1 after Load.
  std::string header = ReadFile(path);
  if (header.size() < 0x40) return std::nullopt;
  std::memcpy(&fields.showCommand, header.data() + 0x3C, sizeof fields.showCommand);
  return read ? std::optional<LinkFields>(fields) : std::nullopt;
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
