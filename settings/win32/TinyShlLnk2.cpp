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
#include "platform/Process.h"
#include "platform/ShellLink.h"
#include "platform/WinConstants.h"

namespace TinyShlLnk2 {
namespace {

// One shell link object with the two interfaces the operations use, released at the end.
class TLinkObject {
 public:
  TLinkObject() {
    Win::IUnknown* object = nullptr;
    result_ = Win::CoCreateInstance(Win::CLSID_ShellLink, nullptr, Win::CLSCTX_INPROC_SERVER | Win::CLSCTX_LOCAL_SERVER,
                                    Win::IID_IUnknown, reinterpret_cast<void**>(&object));
    if (result_ != Win::S_OK) return;
    object->QueryInterface(Win::IID_IShellLinkA, reinterpret_cast<void**>(&link_));
    object->QueryInterface(Win::IID_IPersistFile, reinterpret_cast<void**>(&file_));
    object->Release();
    if (!Usable()) result_ = Win::E_NOINTERFACE;
  }
  ~TLinkObject() {
    if (link_ != nullptr) link_->Release();
    if (file_ != nullptr) file_->Release();
  }
  TLinkObject(const TLinkObject&) = delete;
  TLinkObject& operator=(const TLinkObject&) = delete;

  // Both interfaces could be had.
  bool Usable() const { return link_ != nullptr && file_ != nullptr; }
  // S_OK, or why the object or an interface could not be had.
  Win::HRESULT Result() const { return result_; }
  Win::IShellLinkA& Link() { return *link_; }
  Win::IPersistFile& File() { return *file_; }

 private:
  Win::IShellLinkA* link_ = nullptr;
  Win::IPersistFile* file_ = nullptr;
  Win::HRESULT result_ = Win::S_OK;
};

// The error number of a COM result: the system's own for a result that carries one
// (FACILITY_WIN32), else the result itself; 0 for S_OK.
Win::DWORD ErrorOf(Win::HRESULT result) {
  auto bits = static_cast<Win::DWORD>(result);
  return (bits & 0xFFFF0000U) == 0x80070000U ? bits & 0xFFFFU : bits;
}

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
// cannot be had. 0, or the error number of what failed.
Win::DWORD CreateShellLink(const std::string& linkFile, const TShellLinkInfo& info) {
  TLinkObject object;
  if (!object.Usable()) return ErrorOf(object.Result());
  Win::IShellLinkA& link = object.Link();
  link.SetPath(info.Target.c_str());
  link.SetArguments(info.Arguments.c_str());
  if (!info.WorkingDirectory.empty()) link.SetWorkingDirectory(info.WorkingDirectory.c_str());
  if (!info.IconFile.empty()) link.SetIconLocation(info.IconFile.c_str(), info.IconIndex);
  link.SetShowCmd(info.ShowCommand);
  std::u16string wide = ToWide(linkFile);
  if (wide.empty()) return Win::GetLastError();
  return ErrorOf(object.File().Save(wide.c_str(), Win::TRUE));
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

// Deletes the named links of folder; 0, or the error number of the first that failed.
Win::DWORD DeleteLinks(const std::string& folder, const std::vector<std::string>& names) {
  Win::DWORD error = Win::ERROR_SUCCESS;
  for (const std::string& name : names) {
    if (!Win::DeleteFileA((folder + name).c_str()) && error == Win::ERROR_SUCCESS) error = Win::GetLastError();
  }
  return error;
}

}  // namespace

bool ShellLinkExists(const std::string& programFileName) {
  std::string folder = GetSendToFolder();
  if (folder.empty()) return false;
  std::vector<TLinkFile> links = ReadLinks(folder);
  std::string upperProgram = TinyUtils::UpperCase(programFileName);
  return std::any_of(links.begin(), links.end(), [&](const TLinkFile& link) { return PointsAt(link, upperProgram); });
}

Win::DWORD InstallShellLink(const std::string& linkName, const TShellLinkInfo& info) {
  std::string folder = GetSendToFolder();
  if (folder.empty()) return Win::ERROR_PATH_NOT_FOUND;
  TLinkChanges changes = LinkChanges(ReadLinks(folder), linkName, TinyUtils::UpperCase(info.Target), true);
  Win::DWORD deleted = DeleteLinks(folder, changes.Delete);
  Win::DWORD created = changes.Create ? CreateShellLink(folder + linkName, info) : Win::ERROR_SUCCESS;
  return created != Win::ERROR_SUCCESS ? created : deleted;
}

Win::DWORD RemoveShellLinks(const std::string& programFileName) {
  std::string folder = GetSendToFolder();
  if (folder.empty()) return Win::ERROR_SUCCESS;
  return DeleteLinks(folder, LinkChanges(ReadLinks(folder), "", TinyUtils::UpperCase(programFileName), false).Delete);
}

}  // namespace TinyShlLnk2
