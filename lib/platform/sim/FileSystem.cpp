// Simulation only: the simulated file system: folders and files with attributes, times
// and 8.3 names; attributes, rename, delete and the long form of a path.
#include "FileSystem.h"

#include <cstring>
#include <map>

#include "Machine.h"
#include "SimFiles.h"
#include "platform/Files.h"

namespace Sim {
namespace Detail {
namespace {

struct FileSystemState {
  std::map<std::string, std::unique_ptr<FileNode>> drives;  // "C:" → root folder
  std::vector<std::string> currentFolder{"C:"};
  std::uint64_t clock = 0x01D0000000000000ull;  // a day in 2015, in 100 ns steps since 1601
};
FileSystemState state;

std::unique_ptr<FileNode> NewFolder(const std::string& name) {
  auto node = std::make_unique<FileNode>();
  node->name = name;
  node->attributes = 0x10;
  node->lastWrite = Now();
  return node;
}

void ResetFileSystem() {
  state = FileSystemState{};
  state.drives["C:"] = NewFolder("C:");
}
[[maybe_unused]] const bool registered = RegisterReset(&ResetFileSystem);

bool IsValidShortName(const std::string& name) {
  auto dot = name.find('.');
  std::string base = name.substr(0, dot);
  std::string extension = dot == std::string::npos ? "" : name.substr(dot + 1);
  if (base.empty() || base.size() > 8 || extension.size() > 3 || extension.find('.') != std::string::npos) {
    return false;
  }
  for (char c : name) {
    if (c == ' ' || c == '+' || c == ',' || c == ';' || c == '=' || c == '[' || c == ']') return false;
  }
  return true;
}

// The made-up 8.3 name of a long name: six characters, "~" and a number, the extension cut
// to three. A name that is a valid 8.3 name, in any letter case, is its own short name.
std::string MakeShortName(const FileNode& folder, const std::string& name) {
  if (IsValidShortName(name)) return {};
  auto dot = name.rfind('.');
  std::string base, extension;
  for (std::size_t i = 0; i < std::min(name.size(), dot); ++i) {
    char c = name[i];
    if (c != ' ' && c != '.' && base.size() < 6) base += c;
  }
  if (dot != std::string::npos) {
    for (std::size_t i = dot + 1; i < name.size() && extension.size() < 3; ++i) extension += name[i];
  }
  for (int number = 1;; ++number) {
    std::string candidate = AsciiUpper(base) + "~" + std::to_string(number);
    if (!extension.empty()) candidate += "." + AsciiUpper(extension);
    if (folder.Child(candidate) == nullptr) return candidate;
  }
}

FileNode* AddChild(FileNode& folder, const std::string& name, std::unique_ptr<FileNode> node) {
  node->name = name;
  node->parent = &folder;
  node->shortName = MakeShortName(folder, name);
  folder.children.push_back(std::move(node));
  return folder.children.back().get();
}

std::unique_ptr<FileNode> Detach(FileNode& node) {
  auto& siblings = node.parent->children;
  for (auto it = siblings.begin(); it != siblings.end(); ++it) {
    if (it->get() == &node) {
      auto owned = std::move(*it);
      siblings.erase(it);
      return owned;
    }
  }
  Fail("entry not in its folder", __FILE__, __LINE__);
}

FileNode& Existing(const std::string& path) {
  FileNode* node = FindNode(path);
  SIM_CHECK(node != nullptr);
  return *node;
}

}  // namespace

FileNode* FileNode::Child(const std::string& childName) const {
  for (const auto& child : children) {
    if (SameName(child->name, childName) || (!child->shortName.empty() && SameName(child->shortName, childName))) {
      return child.get();
    }
  }
  return nullptr;
}

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string current;
  std::size_t i = 0;
  bool absolute = path.size() >= 2 && path[1] == ':';
  if (absolute) {
    parts.push_back(AsciiUpper(path.substr(0, 2)));
    i = 2;
  } else if (!path.empty() && (path[0] == '\\' || path[0] == '/')) {
    parts.push_back(state.currentFolder.front());
  } else {
    parts = state.currentFolder;
  }
  auto flush = [&] {
    if (current == "..") {
      if (parts.size() > 1) parts.pop_back();
    } else if (!current.empty() && current != ".") {
      parts.push_back(current);
    }
    current.clear();
  };
  for (; i < path.size(); ++i) {
    auto byte = static_cast<unsigned char>(path[i]);
    if (IsAnsiLeadByte(byte) && i + 1 < path.size()) {
      current.append(path, i, 2);
      ++i;
    } else if (byte == '\\' || byte == '/') {
      flush();
    } else {
      current += path[i];
    }
  }
  flush();
  return parts;
}

namespace {

// The folder that holds the last of parts, a split path; null when a folder on the way is missing.
FileNode* FolderOf(const std::vector<std::string>& parts, Win::DWORD* error) {
  *error = 3;  // ERROR_PATH_NOT_FOUND
  if (parts.size() < 2) return nullptr;
  auto drive = state.drives.find(parts[0]);
  if (drive == state.drives.end()) return nullptr;
  FileNode* folder = drive->second.get();
  for (std::size_t i = 1; i + 1 < parts.size(); ++i) {
    folder = folder->Child(parts[i]);
    if (folder == nullptr || !folder->IsFolder()) return nullptr;
  }
  *error = 0;
  return folder;
}

}  // namespace

FileNode* FindParent(const std::string& path, std::string* name, Win::DWORD* error) {
  Win::DWORD ignored = 0;
  auto parts = SplitPath(path);
  FileNode* folder = FolderOf(parts, error == nullptr ? &ignored : error);
  if (folder != nullptr) *name = parts.back();
  return folder;
}

FileNode* FindNode(const std::string& path, Win::DWORD* error) {
  Win::DWORD ignored = 0;
  if (error == nullptr) error = &ignored;
  auto parts = SplitPath(path);
  if (parts.size() == 1) {
    auto drive = state.drives.find(parts[0]);
    *error = drive == state.drives.end() ? 3 : 0;
    return drive == state.drives.end() ? nullptr : drive->second.get();
  }
  FileNode* folder = FolderOf(parts, error);
  if (folder == nullptr) return nullptr;
  FileNode* node = folder->Child(parts.back());
  *error = node == nullptr ? 2 : 0;  // ERROR_FILE_NOT_FOUND
  return node;
}

namespace {

// The characters of a name, ASCII letters raised; a double-byte character is one element.
std::vector<std::string> NameCharacters(const std::string& name) {
  std::vector<std::string> characters;
  for (std::size_t i = 0; i < name.size();) {
    std::size_t length = IsAnsiLeadByte(static_cast<unsigned char>(name[i])) && i + 1 < name.size() ? 2 : 1;
    characters.push_back(AsciiUpper(name.substr(i, length)));
    i += length;
  }
  return characters;
}

}  // namespace

bool MatchesWildcard(const std::string& pattern, const std::string& name) {
  // "*.*" and "*" match every name, with or without a dot.
  auto p = NameCharacters(pattern == "*.*" ? "*" : pattern), n = NameCharacters(name);
  std::size_t pi = 0, ni = 0, star = std::string::npos, mark = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == "?" || p[pi] == n[ni])) {
      ++pi;
      ++ni;
    } else if (pi < p.size() && p[pi] == "*") {
      star = pi++;
      mark = ni;
    } else if (star != std::string::npos) {
      pi = star + 1;
      ni = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == "*") ++pi;
  return pi == p.size();
}

Win::FILETIME Now() {
  state.clock += 10'000'000;  // every change a second later than the one before
  return Win::FILETIME{static_cast<Win::DWORD>(state.clock), static_cast<Win::DWORD>(state.clock >> 32)};
}

Win::DWORD GetLongPathNameA(const char* shortPath, char* longPath, Win::DWORD size) {
  std::string path = shortPath;
  Win::DWORD error = 0;
  if (FindNode(path, &error) == nullptr) {
    SetLastError(error);
    return 0;
  }
  // Each part that is an 8.3 name of an entry is replaced by the entry's long name; the
  // path keeps its form otherwise (relative, separators, letter case of long names).
  std::string result;
  std::size_t start = 0;
  FileNode* folder = FindNode(".");  // where a relative path starts
  if (path.size() >= 2 && path[1] == ':') {
    result = path.substr(0, 2);
    folder = FindNode(result + "\\");
    start = 2;
  } else if (!path.empty() && (path[0] == '\\' || path[0] == '/')) {
    folder = FindNode("\\");
  }
  std::string part;
  auto flush = [&](char separator) {
    if (!part.empty() && folder != nullptr) {
      FileNode* child = folder->Child(part);
      if (child != nullptr && !child->shortName.empty() && SameName(child->shortName, part)) part = child->name;
      folder = child;
    }
    result += part;
    if (separator) result += separator;
    part.clear();
  };
  for (std::size_t i = start; i < path.size(); ++i) {
    auto byte = static_cast<unsigned char>(path[i]);
    if (IsAnsiLeadByte(byte) && i + 1 < path.size()) {
      part += path.substr(i, 2);
      ++i;
    } else if (byte == '\\' || byte == '/') {
      flush(path[i]);
    } else {
      part += path[i];
    }
  }
  flush(0);
  return CopyOut(result, longPath, size);
}

}  // namespace Detail

void AddFolder(const std::string& path, Win::DWORD attributes) {
  auto parts = Detail::SplitPath(path);
  auto& root = Detail::state.drives[parts[0]];
  if (!root) root = Detail::NewFolder(parts[0]);
  Detail::FileNode* folder = root.get();
  for (std::size_t i = 1; i < parts.size(); ++i) {
    Detail::FileNode* child = folder->Child(parts[i]);
    if (child == nullptr) child = Detail::AddChild(*folder, parts[i], Detail::NewFolder(parts[i]));
    SIM_CHECK(child->IsFolder());
    folder = child;
  }
  folder->attributes = attributes | 0x10;
}

void AddFile(const std::string& path, const std::string& content, Win::DWORD attributes) {
  std::string name;
  Detail::FileNode* folder = Detail::FindParent(path, &name);
  SIM_CHECK(folder != nullptr);
  Detail::FileNode* node = folder->Child(name);
  if (node == nullptr) node = Detail::AddChild(*folder, name, std::make_unique<Detail::FileNode>());
  SIM_CHECK(!node->IsFolder());
  node->attributes = attributes & ~0x10u;
  node->content = content;
  node->lastWrite = Detail::Now();
}

std::string ShortName(const std::string& path) {
  auto& node = Detail::Existing(path);
  return node.shortName.empty() ? node.name : node.shortName;
}

void SetLastWriteTime(const std::string& path, Win::FILETIME time) { Detail::Existing(path).lastWrite = time; }

std::string Detail::CurrentFolder() {
  std::string folder;
  for (const auto& part : Detail::state.currentFolder) folder += (folder.empty() ? "" : "\\") + part;
  return Detail::state.currentFolder.size() == 1 ? folder + "\\" : folder;
}

void SetCurrentFolder(const std::string& path) {
  SIM_CHECK(Detail::FindNode(path) != nullptr);
  Detail::state.currentFolder = Detail::SplitPath(path);
}

bool PathExists(const std::string& path) { return Detail::FindNode(path) != nullptr; }

std::optional<std::string> FileContent(const std::string& path) {
  Detail::FileNode* node = Detail::FindNode(path);
  if (node == nullptr || node->IsFolder()) return std::nullopt;
  return node->content;
}

}  // namespace Sim

namespace Win {
using namespace Sim::Detail;

DWORD GetFileAttributesA(const char* fileName) {
  DWORD error = 0;
  FileNode* node = FindNode(fileName, &error);
  if (node == nullptr) {
    SetLastError(error);
    return 0xFFFFFFFF;  // INVALID_FILE_ATTRIBUTES
  }
  return node->attributes;
}

BOOL MoveFileA(const char* existingFileName, const char* newFileName) {
  DWORD error = 0;
  FileNode* node = FindNode(existingFileName, &error);
  std::string newName;
  FileNode* target = node == nullptr ? nullptr : FindParent(newFileName, &newName, &error);
  if (node == nullptr || target == nullptr) {
    SetLastError(error);
    return 0;
  }
  FileNode* existing = target->Child(newName);
  if (existing != nullptr && existing != node) {
    SetLastError(183);  // ERROR_ALREADY_EXISTS: MoveFileA never replaces a file
    return 0;
  }
  if (node->openHandles > 0) {
    SetLastError(32);  // ERROR_SHARING_VIOLATION
    return 0;
  }
  AddChild(*target, newName, Detach(*node));
  return 1;
}

BOOL DeleteFileA(const char* fileName) {
  DWORD error = 0;
  FileNode* node = FindNode(fileName, &error);
  if (node == nullptr) {
    SetLastError(error);
    return 0;
  }
  if (node->IsFolder() || (node->attributes & 0x01) != 0) {
    SetLastError(5);  // ERROR_ACCESS_DENIED
    return 0;
  }
  if (node->openHandles > 0) {
    SetLastError(32);  // ERROR_SHARING_VIOLATION
    return 0;
  }
  Detach(*node);
  return 1;
}

}  // namespace Win
