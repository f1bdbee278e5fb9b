// Windows only. TinyShlLnk2: shell link objects through COM, and the link files of the
// Send To folder. COM is started by TinyShell's start-up step.
#include "TinyShlLnk2.h"

#include <algorithm>
#include <cstring>

#include "Paths.h"
#include "win32/Files.h"
#include "win32/TextMapping.h"
#include "platform/Files.h"
#include "platform/Locale.h"
#include "platform/ShellLink.h"
#include "platform/WinConstants.h"

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

// The user's Send To folder with a trailing backslash; empty when the shell cannot give
// it (it is not created).
std::string GetSendToFolder() {
  char buffer[261] = {};
  if (!Win::SHGetSpecialFolderPathA(nullptr, buffer, Win::CSIDL_SENDTO, Win::FALSE)) return {};
  return TinyUtils::AddTrailingBackslash(std::string(buffer, strnlen(buffer, sizeof buffer)));
}

// Saves a link file (replacing a file of that name); skipped when the shell link object
// cannot be had.
void CreateShellLink(const std::string& linkFile, const TShellLinkInfo& info) {
  TLinkObject object;
  if (!object.Usable()) return;
  Win::IShellLinkA& link = object.Link();
  link.SetPath(info.Target.c_str());
  link.SetArguments(info.Arguments.c_str());
  if (!info.WorkingDirectory.empty()) link.SetWorkingDirectory(info.WorkingDirectory.c_str());
  if (!info.IconFile.empty()) link.SetIconLocation(info.IconFile.c_str(), info.IconIndex);
  link.SetShowCmd(info.ShowCommand);
  std::u16string wide = ToWide(linkFile);
  if (!wide.empty()) object.File().Save(wide.c_str(), Win::TRUE);
}

// The link's target; empty when it cannot be read (or its path is longer than 260 bytes).
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

// The link files ("*.lnk", folders excluded) of folder, in the order of the file system.
std::vector<TLinkFile> ReadLinks(const std::string& folder) {
  constexpr std::uint32_t kFilesOnly = 0x2F;  // read-only, hidden, system, volume label, archive
  std::vector<TLinkFile> links;
  TinyUtils::TSearchRec search;
  if (TinyUtils::SearchFirst(folder + "*.lnk", kFilesOnly, search) != 0) return links;
  do {
    links.push_back({search.Name, TinyUtils::UpperCase(GetShellLinkTarget(folder + search.Name))});
  } while (TinyUtils::SearchNext(search) == 0);
  TinyUtils::SearchEnd(search);
  return links;
}

// Deletes the links of folder that LinkChanges names; answers whether linkName is to be
// created.
bool DeleteLinks(const std::string& folder, const std::string& linkName, const std::string& target, bool install) {
  TLinkChanges changes = LinkChanges(ReadLinks(folder), linkName, TinyUtils::UpperCase(target), install);
  for (const std::string& name : changes.Delete) Win::DeleteFileA((folder + name).c_str());
  return changes.Create;
}

}  // namespace

bool ShellLinkExists(const std::string& programFileName) {
  std::string folder = GetSendToFolder();
  if (folder.empty()) return false;
  std::vector<TLinkFile> links = ReadLinks(folder);
  std::string upperProgram = TinyUtils::UpperCase(programFileName);
  return std::any_of(links.begin(), links.end(), [&](const TLinkFile& link) { return PointsAt(link, upperProgram); });
}

void InstallShellLink(const std::string& linkName, const TShellLinkInfo& info) {
  std::string folder = GetSendToFolder();
  if (!folder.empty() && DeleteLinks(folder, linkName, info.Target, true)) CreateShellLink(folder + linkName, info);
}

void RemoveShellLinks(const std::string& programFileName) {
  std::string folder = GetSendToFolder();
  if (!folder.empty()) DeleteLinks(folder, "", programFileName, false);
}

}  // namespace TinyShlLnk2
