// Simulation only: the simulated file system's entries, for the files of this folder.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace Sim::Detail {

struct FileNode {
  std::string name;
  std::string shortName;  // empty when the name is itself a valid 8.3 name
  Win::DWORD attributes = 0;
  std::string content;
  Win::FILETIME lastWrite{};
  FileNode* parent = nullptr;
  std::vector<std::unique_ptr<FileNode>> children;
  int openHandles = 0;  // open file handles; a file in use is neither moved nor deleted

  bool IsFolder() const { return (attributes & 0x10) != 0; }
  FileNode* Child(const std::string& childName) const;  // by long or short name
};

// The entry at path, or null with *error set to ERROR_FILE_NOT_FOUND (the last part is
// missing) or ERROR_PATH_NOT_FOUND (a folder on the way is missing).
FileNode* FindNode(const std::string& path, Win::DWORD* error = nullptr);
// The folder that would hold path and the name it would have there; null folder as above.
FileNode* FindParent(const std::string& path, std::string* name, Win::DWORD* error = nullptr);
// The parts of a path: drive ("C:") first, then the names; "." and ".." resolved, the
// current folder put in front of a relative path.
std::vector<std::string> SplitPath(const std::string& path);
// Whether name matches a Windows wildcard pattern (* and ?), without regard to ASCII case.
bool MatchesWildcard(const std::string& pattern, const std::string& name);
Win::FILETIME Now();

// The folders of the simulated Windows installation.
inline const std::string kWindowsFolder = "C:\\WINDOWS";
inline const std::string kSystemFolder = "C:\\WINDOWS\\system32";
inline const std::string kSystem16Folder = "C:\\WINDOWS\\system";
// The current folder as GetCurrentDirectoryA gives it: "C:\" at a drive's root, else
// without a final backslash.
std::string CurrentFolder();
// The folders of a list such as PATH: ";" between them, empty ones left out.
std::vector<std::string> SplitFolderList(const std::string& list);
// The first file (folders do not count) that name stands for in folders, with extension
// added when the name has none; a name with a folder part is looked up as it stands. path
// gets the folder, a backslash and the name as written; null when nothing is found.
FileNode* SearchFile(const std::vector<std::string>& folders, const std::string& name, const std::string& extension,
                     std::string* path);
// The error an open of the file with access and shareMode would meet (a folder, refused
// access, a read-only file opened for writing, another handle that does not share); 0 when
// it may be opened (FileHandles.cpp).
Win::DWORD OpenError(const FileNode& node, Win::DWORD access, Win::DWORD shareMode);

}  // namespace Sim::Detail
