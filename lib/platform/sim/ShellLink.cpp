// Simulation only: special folders, change notifications, the shell link object with its
// link files in the simulated file system, and conversion from the ANSI code page to UTF-16.
#include <iconv.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstring>
#include <map>

#include "FileSystem.h"
#include "Machine.h"
#include "SimFiles.h"
#include "SimShell.h"
#include "SimShellLink.h"
#include "platform/Locale.h"
#include "platform/ShellLink.h"
#include "platform/WinConstants.h"

namespace Sim {
namespace Detail {
namespace {

constexpr Win::HRESULT STG_E_FILENOTFOUND = static_cast<Win::HRESULT>(0x80030002);
constexpr Win::HRESULT STG_E_PATHNOTFOUND = static_cast<Win::HRESULT>(0x80030003);
constexpr Win::HRESULT E_ACCESSDENIED = static_cast<Win::HRESULT>(0x80070005);
constexpr Win::HRESULT E_OUTOFMEMORY = static_cast<Win::HRESULT>(0x8007000E);
constexpr Win::HRESULT CLASS_E_NOAGGREGATION = static_cast<Win::HRESULT>(0x80040110);
constexpr Win::HRESULT REGDB_E_CLASSNOTREG = static_cast<Win::HRESULT>(0x80040154);
constexpr Win::HRESULT CO_E_NOTINITIALIZED = static_cast<Win::HRESULT>(0x800401F0);

struct ShellLinkState {
  std::map<int, std::string> specialFolders;
  ShellLinkFailure failure = ShellLinkFailure::None;
  int liveObjects = 0;
  std::vector<ChangeNotification> notifications;
};
ShellLinkState state;

void ResetShellLink() {
  state = ShellLinkState{};
  state.specialFolders[Win::CSIDL_SENDTO] = "C:\\Documents and Settings\\Taro\\SendTo";
  state.specialFolders[Win::CSIDL_STARTUP] = "C:\\Documents and Settings\\Taro\\Start Menu\\Programs\\Startup";
}
[[maybe_unused]] const bool registered = RegisterReset(&ResetShellLink);

// Link files of the simulation: a header line, then one "name=value" line per field.
constexpr const char* kHeader = "[SimShellLink]";

std::string Serialize(const ShellLinkData& link) {
  return std::string(kHeader) + "\nTarget=" + link.target + "\nArguments=" + link.arguments +
         "\nWorkingDirectory=" + link.workingDirectory + "\nIconFile=" + link.iconFile +
         "\nIconIndex=" + std::to_string(link.iconIndex) + "\nShowCommand=" + std::to_string(link.showCommand) +
         "\nDescription=" + link.description + "\nHotkey=" + std::to_string(link.hotkey) + "\n";
}

// A number field of a link file; nothing when it holds anything else or leaves the range.
std::optional<int> NumberField(const std::string& text, int lowest, int highest) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest) return std::nullopt;
  return value;
}

std::optional<ShellLinkData> Parse(const std::string& content) {
  ShellLinkData link;
  std::map<std::string, std::string> fields;
  std::size_t at = 0;
  bool header = true;
  while (at < content.size()) {
    std::size_t end = content.find('\n', at);
    if (end == std::string::npos) return std::nullopt;
    std::string line = content.substr(at, end - at);
    at = end + 1;
    if (header) {
      if (line != kHeader) return std::nullopt;
      header = false;
      continue;
    }
    std::size_t equals = line.find('=');
    if (equals == std::string::npos) return std::nullopt;
    fields[line.substr(0, equals)] = line.substr(equals + 1);
  }
  if (header || fields.size() != 8) return std::nullopt;
  auto iconIndex = NumberField(fields["IconIndex"], INT_MIN, INT_MAX);
  auto showCommand = NumberField(fields["ShowCommand"], INT_MIN, INT_MAX);
  auto hotkey = NumberField(fields["Hotkey"], 0, 0xFFFF);
  if (!iconIndex || !showCommand || !hotkey) return std::nullopt;  // a corrupt file
  link.target = fields["Target"];
  link.arguments = fields["Arguments"];
  link.workingDirectory = fields["WorkingDirectory"];
  link.iconFile = fields["IconFile"];
  link.iconIndex = *iconIndex;
  link.showCommand = *showCommand;
  link.description = fields["Description"];
  link.hotkey = static_cast<Win::WORD>(*hotkey);
  return link;
}

const char* CharsetOf(Win::UINT codePage) {
  if (codePage == Win::CP_ACP) codePage = Win::GetACP();
  return codePage == 932 ? "CP932" : codePage == 1252 ? "CP1252" : nullptr;
}

// Converts bytes with iconv; a sequence the source character set cannot read becomes
// replacement (in the target's bytes), one source byte at a time.
std::string Convert(const char* to, const char* from, std::string input, const std::string& replacement) {
  iconv_t converter = iconv_open(to, from);
  SIM_CHECK(converter != reinterpret_cast<iconv_t>(-1));
  std::string output;
  char* in = input.data();
  std::size_t inLeft = input.size();
  while (inLeft > 0) {
    char buffer[256];
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    output.append(buffer, static_cast<std::size_t>(out - buffer));
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      output += replacement;
      ++in;
      --inLeft;
    }
  }
  iconv_close(converter);
  return output;
}

// A path handed to COM, in the ANSI code page of the simulated file system.
std::string AnsiPath(const Win::WCHAR* wide) {
  std::size_t length = 0;
  while (wide[length] != 0) ++length;
  std::string bytes(reinterpret_cast<const char*>(wide), length * 2);
  return Convert(CharsetOf(Win::CP_ACP), "UTF-16LE", bytes, "?");
}

// GetFullPathNameA: a relative path completed with the current folder.
std::string FullPath(const std::string& path) {
  auto parts = SplitPath(path);
  std::string full = parts[0] + "\\";
  for (std::size_t i = 1; i < parts.size(); ++i) full += (i > 1 ? "\\" : "") + parts[i];
  return full;
}

void CopyOut(const std::string& text, char* buffer, int size) {
  std::size_t count = std::min(text.size(), static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, text.data(), count);
  buffer[count] = 0;
}

class ShellLinkObject final : public Win::IShellLinkA, public Win::IPersistFile {
 public:
  ShellLinkObject() { ++state.liveObjects; }

  Win::HRESULT QueryInterface(const Win::GUID& iid, void** object) override {
    *object = nullptr;
    if (iid == Win::IID_IUnknown) {
      *object = static_cast<Win::IUnknown*>(static_cast<Win::IShellLinkA*>(this));
    } else if (iid == Win::IID_IShellLinkA && state.failure != ShellLinkFailure::ShellLinkInterface) {
      *object = static_cast<Win::IShellLinkA*>(this);
    } else if (iid == Win::IID_IPersistFile && state.failure != ShellLinkFailure::PersistFileInterface) {
      *object = static_cast<Win::IPersistFile*>(this);
    } else {
      return Win::E_NOINTERFACE;
    }
    AddRef();
    return Win::S_OK;
  }
  Win::ULONG AddRef() override { return ++references_; }
  Win::ULONG Release() override {
    Win::ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  Win::HRESULT GetPath(char* file, int size, Win::WIN32_FIND_DATAA* findData, Win::DWORD) override {
    if (size <= 0) return static_cast<Win::HRESULT>(0x80070057);  // E_INVALIDARG
    CopyOut(link_.target, file, size);
    if (findData != nullptr) {
      *findData = Win::WIN32_FIND_DATAA{};
      CopyOut(link_.target.substr(link_.target.rfind('\\') + 1), findData->cFileName, sizeof findData->cFileName);
    }
    return link_.target.empty() ? Win::S_FALSE : Win::S_OK;
  }
  Win::HRESULT SetPath(const char* file) override {
    link_.target = *file == 0 ? "" : FullPath(file);
    return Win::S_OK;
  }
  Win::HRESULT SetArguments(const char* arguments) override { return Set(link_.arguments, arguments); }
  Win::HRESULT SetWorkingDirectory(const char* folder) override { return Set(link_.workingDirectory, folder); }
  Win::HRESULT SetIconLocation(const char* iconFile, int index) override {
    link_.iconIndex = index;
    return Set(link_.iconFile, iconFile);
  }
  Win::HRESULT SetShowCmd(int showCommand) override {
    link_.showCommand = showCommand;
    return Win::S_OK;
  }
  Win::HRESULT SetDescription(const char* description) override { return Set(link_.description, description); }
  Win::HRESULT SetHotkey(Win::WORD hotkey) override {
    link_.hotkey = hotkey;
    return Win::S_OK;
  }

  Win::HRESULT Load(const Win::WCHAR* fileName, Win::DWORD) override {
    FileNode* node = FindNode(AnsiPath(fileName));
    if (node == nullptr) return STG_E_FILENOTFOUND;
    if (node->IsFolder()) return E_ACCESSDENIED;
    auto link = Parse(node->content);
    if (!link) return Win::E_FAIL;
    link_ = *link;
    return Win::S_OK;
  }
  Win::HRESULT Save(const Win::WCHAR* fileName, Win::BOOL) override {
    std::string path = AnsiPath(fileName), name;
    FileNode* folder = FindParent(path, &name);
    if (folder == nullptr) return STG_E_PATHNOTFOUND;
    FileNode* existing = folder->Child(name);
    if (existing != nullptr && (existing->IsFolder() || (existing->attributes & Win::FILE_ATTRIBUTE_READONLY))) {
      return E_ACCESSDENIED;
    }
    AddFile(path, Serialize(link_));
    return Win::S_OK;
  }

 private:
  ~ShellLinkObject() override { --state.liveObjects; }
  static Win::HRESULT Set(std::string& field, const char* value) {
    field = value;
    return Win::S_OK;
  }

  Win::ULONG references_ = 1;
  ShellLinkData link_;
};

}  // namespace
}  // namespace Detail

std::string SpecialFolderPath(int folder) { return Detail::state.specialFolders[folder]; }
void SetSpecialFolderPath(int folder, const std::string& path) { Detail::state.specialFolders[folder] = path; }
void AddShellLink(const std::string& path, const ShellLinkData& link) { AddFile(path, Detail::Serialize(link)); }
std::optional<ShellLinkData> ReadShellLink(const std::string& path) {
  auto content = FileContent(path);
  return content ? Detail::Parse(*content) : std::nullopt;
}
void SetShellLinkFailure(ShellLinkFailure failure) { Detail::state.failure = failure; }
int LiveShellLinkObjects() { return Detail::state.liveObjects; }
const std::vector<ChangeNotification>& ChangeNotifications() { return Detail::state.notifications; }

}  // namespace Sim

namespace Win {
using namespace Sim::Detail;

HRESULT CoCreateInstance(const GUID& classId, IUnknown* outer, DWORD, const GUID& iid, void** object) {
  *object = nullptr;
  if (Sim::ComInitializations() == 0) return CO_E_NOTINITIALIZED;
  if (!(classId == CLSID_ShellLink)) return REGDB_E_CLASSNOTREG;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  if (state.failure == Sim::ShellLinkFailure::CreateInstance) return E_OUTOFMEMORY;
  auto* link = new ShellLinkObject;
  HRESULT result = link->QueryInterface(iid, object);
  link->Release();
  return result;
}

BOOL SHGetSpecialFolderPathA(HWND, char* path, int folder, BOOL create) {
  auto found = state.specialFolders.find(folder);
  if (found == state.specialFolders.end()) return 0;
  FileNode* node = FindNode(found->second);
  if (node == nullptr && create) {
    Sim::AddFolder(found->second);
  } else if (node == nullptr || !node->IsFolder()) {
    return 0;  // the shell verifies that the folder exists
  }
  CopyOut(found->second, path, MAX_PATH);
  return 1;
}

void SHChangeNotify(LONG eventId, UINT flags, const void* item1, const void* item2) {
  state.notifications.push_back(Sim::ChangeNotification{eventId, flags, item1 == nullptr && item2 == nullptr});
}

int MultiByteToWideChar(UINT codePage, DWORD, const char* text, int length, WCHAR* wide, int wideSize) {
  const char* charset = CharsetOf(codePage);
  if (charset == nullptr || text == nullptr || wideSize < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::string input = length < 0 ? std::string(text, std::strlen(text) + 1)
                                  : std::string(text, static_cast<std::size_t>(length));
  // Bytes that are no character of the code page become its default character: the
  // katakana middle dot in 932.
  std::string replacement = std::strcmp(charset, "CP932") == 0 ? std::string("\xFB\x30", 2) : std::string("?\0", 2);
  std::string bytes = Convert("UTF-16LE", charset, input, replacement);
  int needed = static_cast<int>(bytes.size() / 2);
  if (wideSize == 0) return needed;
  if (wideSize < needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::memcpy(wide, bytes.data(), bytes.size());
  return needed;
}

}  // namespace Win
