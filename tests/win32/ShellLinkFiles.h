// Windows only: shell link files written and read through the shell's own link object, for
// the Win32 test programs (the contract fixture and the end-to-end tests).
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <cstring>
#include <optional>
#include <string>

namespace ShellLinkFiles {

struct Link {
  std::string target, arguments, workingDirectory, iconFile;
  int iconIndex = 0;
  int showCommand = SW_SHOWNORMAL;
};

namespace Detail {

inline std::wstring Wide(const std::string& text) {
  int count = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(count), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), count);
  wide.pop_back();
  return wide;
}

// Runs use(link, file) on a new shell link object, with COM started around it; its answer,
// or false when the object cannot be had.
template <typename Use>
bool WithShellLink(Use use) {
  const CLSID shellLinkClass = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  IPersistFile* file = nullptr;
  bool done = false;
  if (SUCCEEDED(CoCreateInstance(shellLinkClass, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IShellLinkA),
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

// The show command as the file's header holds it (offset 0x3C of the shell link header).
inline int ShowCommandInHeader(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  BYTE header[0x40] = {};
  DWORD count = 0;
  if (file != INVALID_HANDLE_VALUE) {
    ReadFile(file, header, sizeof header, &count, nullptr);
    CloseHandle(file);
  }
  int showCommand = -1;
  if (count == sizeof header) std::memcpy(&showCommand, header + 0x3C, sizeof showCommand);
  return showCommand;
}

}  // namespace Detail

inline bool Write(const std::string& path, const Link& fields) {
  return Detail::WithShellLink([&](IShellLinkA& link, IPersistFile& file) {
    link.SetPath(fields.target.c_str());
    link.SetArguments(fields.arguments.c_str());
    link.SetWorkingDirectory(fields.workingDirectory.c_str());
    link.SetIconLocation(fields.iconFile.c_str(), fields.iconIndex);
    link.SetShowCmd(fields.showCommand);
    return SUCCEEDED(file.Save(Detail::Wide(path).c_str(), TRUE));
  });
}

// The link in the file; nothing when it cannot be loaded. The show command comes from the
// file's header: Wine's GetShowCmd answers 1 after Load, whatever the file holds.
inline std::optional<Link> Read(const std::string& path) {
  Link fields;
  bool read = Detail::WithShellLink([&](IShellLinkA& link, IPersistFile& file) {
    if (FAILED(file.Load(Detail::Wide(path).c_str(), STGM_READ))) return false;
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
  if (!read) return std::nullopt;
  fields.showCommand = Detail::ShowCommandInHeader(path);
  return fields;
}

}  // namespace ShellLinkFiles
