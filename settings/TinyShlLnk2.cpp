// TinyShlLnk2: shell link objects through COM, and the link files of a special folder.
#include "TinyShlLnk2.h"

#include <cstring>

#include "Paths.h"
#include "TinyShellFolders.h"
#include "platform/Files.h"
#include "platform/Locale.h"
#include "platform/Shell.h"
#include "platform/ShellLink.h"
#include "platform/WinConstants.h"
#include "win32/Files.h"
#include "win32/TextMapping.h"

namespace TinyShlLnk2 {
namespace {

// One shell link object with the two interfaces the operations use, released at the end.
class TLinkObject {
 public:
  TLinkObject() {
    Win::IUnknown* object = nullptr;
    if (Win::CoCreateInstance(Win::CLSID_ShellLink, nullptr, Win::CLSCTX_INPROC_SERVER | Win::CLSCTX_LOCAL_SERVER,
                              Win::IID_IUnknown, reinterpret_cast<void**>(&object)) != Win::S_OK) {
      return;
    }
    object->QueryInterface(Win::IID_IShellLinkA, reinterpret_cast<void**>(&link_));
    object->QueryInterface(Win::IID_IPersistFile, reinterpret_cast<void**>(&file_));
    object->Release();
  }
  ~TLinkObject() {
    if (link_ != nullptr) link_->Release();
    if (file_ != nullptr) file_->Release();
  }
  TLinkObject(const TLinkObject&) = delete;
  TLinkObject& operator=(const TLinkObject&) = delete;

  // Both interfaces could be had.
  bool Usable() const { return link_ != nullptr && file_ != nullptr; }
  Win::IShellLinkA& Link() { return *link_; }
  Win::IPersistFile& File() { return *file_; }

 private:
  Win::IShellLinkA* link_ = nullptr;
  Win::IPersistFile* file_ = nullptr;
};

// The whole text in UTF-16, as COM takes file names; empty when it cannot be converted.
std::u16string ToWide(const std::string& text) {
  int count = Win::MultiByteToWideChar(Win::CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (count <= 0) return {};
  // The last unit written is the terminator, which lands on the string's own.
  std::u16string wide(static_cast<std::size_t>(count - 1), u'\0');
  if (Win::MultiByteToWideChar(Win::CP_ACP, 0, text.c_str(), -1, wide.data(), count) != count) return {};
  return wide;
}

bool TargetMatches(const std::string& target, const std::string& programFileName) {
  return TinyUtils::UpperCase(TinyUtils::ExtractName(target)) == TinyUtils::UpperCase(programFileName);
}

std::string LinkFolder(bool sendTo) { return sendTo ? TinyShell::GetSendToFolder() : TinyShell::GetStartupFolder(); }

// Calls visit(name, target) for every link file ("*.lnk", folders excluded) of folder,
// in the order of the file system, until visit answers false.
template <typename Visit>
void ForEachLink(const std::string& folder, Visit visit) {
  constexpr std::uint32_t kFilesOnly = 0x2F;  // read-only, hidden, system, volume label, archive
  TinyUtils::TSearchRec search;
  if (TinyUtils::SearchFirst(folder + "*.lnk", kFilesOnly, search) != 0) return;
  do {
    if (!visit(search.Name, GetShellLinkTarget(folder + search.Name))) break;
  } while (TinyUtils::SearchNext(search) == 0);
  TinyUtils::SearchEnd(search);
}

}  // namespace

void Startup() { Win::CoInitialize(nullptr); }

void End() { Win::CoUninitialize(); }

void CreateShellLink(const std::string& linkFile, const TShellLinkInfo& info) {
  TLinkObject object;
  if (!object.Usable()) return;
  Win::IShellLinkA& link = object.Link();
  link.SetPath(info.Target.c_str());
  link.SetArguments(info.Arguments.c_str());
  if (!info.WorkingDirectory.empty()) link.SetWorkingDirectory(info.WorkingDirectory.c_str());
  if (!info.IconFile.empty()) link.SetIconLocation(info.IconFile.c_str(), info.IconIndex);
  link.SetShowCmd(info.ShowCommand);
  if (!info.Description.empty()) link.SetDescription(info.Description.c_str());
  if (info.HotKey != 0) link.SetHotkey(info.HotKey);
  std::u16string wide = ToWide(linkFile);
  if (!wide.empty()) object.File().Save(wide.c_str(), Win::TRUE);
}

std::string GetShellLinkTarget(const std::string& linkFile) {
  if (linkFile.size() > Win::MAX_PATH) return {};  // no such link can be named through a path buffer
  TLinkObject object;
  std::u16string wide = ToWide(linkFile);
  if (!object.Usable() || wide.empty()) return {};
  object.File().Load(wide.c_str(), Win::STGM_READ);
  char target[261] = {};
  Win::WIN32_FIND_DATAA findData{};
  object.Link().GetPath(target, sizeof target, &findData, Win::SLGP_UNCPRIORITY);
  return std::string(target, strnlen(target, sizeof target));
}

bool ShellLinkExists(const std::string& programFileName, bool sendTo) {
  std::string folder = LinkFolder(sendTo);
  if (folder.empty()) return false;
  bool found = false;
  ForEachLink(folder, [&](const std::string&, const std::string& target) {
    found = TargetMatches(target, programFileName);
    return !found;
  });
  return found;
}

void InstallShellLink(const std::string& linkName, const TShellLinkInfo& info, bool sendTo) {
  std::string folder = LinkFolder(sendTo);
  if (folder.empty()) return;
  bool found = false;
  ForEachLink(folder, [&](const std::string& name, const std::string& target) {
    if (!TargetMatches(target, TinyUtils::ExtractName(info.Target))) return true;
    if (TinyUtils::UpperCase(target) == TinyUtils::UpperCase(info.Target) && name == linkName) {
      found = true;
    } else {
      Win::DeleteFileA((folder + name).c_str());
    }
    return true;
  });
  if (!found) CreateShellLink(folder + linkName, info);
}

void RemoveShellLinks(const std::string& programFileName, bool sendTo) {
  std::string folder = LinkFolder(sendTo);
  if (folder.empty()) return;
  ForEachLink(folder, [&](const std::string& name, const std::string& target) {
    if (TargetMatches(target, programFileName)) Win::DeleteFileA((folder + name).c_str());
    return true;
  });
}

}  // namespace TinyShlLnk2
