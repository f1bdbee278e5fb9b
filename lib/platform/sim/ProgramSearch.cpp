// Simulation only: searches for files along folders (SearchPathA, and CreateProcessA's own
// search), the system's folders, the current folder and GetBinaryTypeA.
#include "FileSystem.h"
#include "Machine.h"
#include "platform/ProgramSearch.h"

namespace Sim::Detail {
namespace {

bool HasFolderPart(const std::string& name) { return name.find_first_of("\\/:") != std::string::npos; }

bool HasExtension(const std::string& name) {
  std::size_t dot = name.rfind('.'), slash = name.find_last_of("\\/:");
  return dot != std::string::npos && (slash == std::string::npos || dot > slash);
}

}  // namespace

std::vector<std::string> SplitFolderList(const std::string& list) {
  std::vector<std::string> folders;
  for (std::size_t begin = 0; begin <= list.size();) {
    std::size_t end = std::min(list.find(';', begin), list.size());
    if (end > begin) folders.push_back(list.substr(begin, end - begin));
    begin = end + 1;
  }
  return folders;
}

FileNode* SearchFile(const std::vector<std::string>& folders, const std::string& name, const std::string& extension,
                     std::string* path) {
  if (name.empty()) return nullptr;
  std::string file = HasExtension(name) ? name : name + extension;
  std::vector<std::string> candidates{file};
  if (!HasFolderPart(file)) {
    candidates.clear();
    for (const auto& folder : folders) {
      std::string candidate = folder;
      if (!candidate.ends_with('\\')) candidate += '\\';
      candidates.push_back(candidate.append(file));
    }
  }
  for (const auto& candidate : candidates) {
    FileNode* node = FindNode(candidate);
    if (node != nullptr && !node->IsFolder()) {
      *path = candidate;
      return node;
    }
  }
  return nullptr;
}

}  // namespace Sim::Detail

namespace Win {
using namespace Sim::Detail;

DWORD SearchPathA(const char* path, const char* fileName, const char* extension, DWORD bufferLength, char* buffer,
                  char** filePart) {
  SIM_CHECK(path != nullptr && fileName != nullptr);  // the programs always name the folders
  std::string found;
  if (SearchFile(SplitFolderList(path), fileName, extension ? extension : "", &found) == nullptr) {
    SetLastError(2);  // ERROR_FILE_NOT_FOUND
    return 0;
  }
  DWORD length = CopyOut(found, buffer, bufferLength);
  if (filePart != nullptr && length < bufferLength) *filePart = buffer + found.find_last_of("\\/:") + 1;
  return length;
}

DWORD GetCurrentDirectoryA(DWORD bufferLength, char* buffer) { return CopyOut(CurrentFolder(), buffer, bufferLength); }
UINT GetSystemDirectoryA(char* buffer, UINT size) { return CopyOut(kSystemFolder, buffer, size); }
UINT GetWindowsDirectoryA(char* buffer, UINT size) { return CopyOut(kWindowsFolder, buffer, size); }

BOOL GetBinaryTypeA(const char* applicationName, DWORD* binaryType) {
  DWORD error = 0;
  FileNode* node = FindNode(applicationName, &error);
  if (node == nullptr || node->IsFolder() || !node->content.starts_with("MZ")) {
    SetLastError(node == nullptr ? error : node->IsFolder() ? 5 : 193);  // ERROR_ACCESS_DENIED, ERROR_BAD_EXE_FORMAT
    return 0;
  }
  *binaryType = 0;  // SCS_32BIT_BINARY: the simulation's programs are all 32-bit Windows programs
  return 1;
}

}  // namespace Win
