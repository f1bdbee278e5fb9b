// Simulation only: file handles: CreateFileA for existing files with access and sharing
// modes, ReadFile in the sizes asked for, injected failures of reads and closes.
#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

#include "FileSystem.h"
#include "Machine.h"
#include "SimFileHandles.h"
#include "platform/Files.h"

namespace Sim {
namespace Detail {
namespace {

constexpr Win::DWORD kGenericRead = 0x80000000, kGenericWrite = 0x40000000;
constexpr Win::DWORD kShareRead = 0x1, kShareWrite = 0x2;

struct ReadFault {
  std::size_t offset;
  Win::DWORD error;
};

struct OpenFile;

struct FileHandlesState {
  std::vector<OpenFile*> open;
  std::vector<const FileNode*> denied;
  std::map<const FileNode*, ReadFault> readFaults;
  std::map<const FileNode*, Win::DWORD> closeFaults;
  std::function<void()> beforeNextOpen;
  std::vector<Win::DWORD> readRequests;
};
FileHandlesState state;

void ResetFileHandles() { state = FileHandlesState{}; }
[[maybe_unused]] const bool registered = RegisterReset(&ResetFileHandles);

// One open handle to a file; the file counts it as in use while it is open.
struct OpenFile : Object {
  OpenFile(FileNode* file, Win::DWORD accessMode, Win::DWORD share)
      : node(file), access(accessMode), shareMode(share) {
    ++node->openHandles;
    state.open.push_back(this);
  }
  ~OpenFile() override {
    --node->openHandles;
    std::erase(state.open, this);
  }
  Win::DWORD CloseError() const override {
    auto fault = state.closeFaults.find(node);
    return fault == state.closeFaults.end() ? 0 : fault->second;
  }

  FileNode* node;
  Win::DWORD access;
  Win::DWORD shareMode;
  std::size_t position = 0;
};

// Whether a new handle with access and shareMode may be opened beside an open one.
bool SharesWith(const OpenFile& other, Win::DWORD access, Win::DWORD shareMode) {
  if ((access & kGenericRead) && !(other.shareMode & kShareRead)) return false;
  if ((access & kGenericWrite) && !(other.shareMode & kShareWrite)) return false;
  if ((other.access & kGenericRead) && !(shareMode & kShareRead)) return false;
  if ((other.access & kGenericWrite) && !(shareMode & kShareWrite)) return false;
  return true;
}


FileNode& ExistingFile(const std::string& path) {
  FileNode* node = FindNode(path);
  SIM_CHECK(node != nullptr && !node->IsFolder());
  return *node;
}

}  // namespace

Win::DWORD OpenError(const FileNode& node, Win::DWORD access, Win::DWORD shareMode) {
  // A folder is no file: without backup semantics Windows refuses it as access denied.
  if (node.IsFolder() || std::count(state.denied.begin(), state.denied.end(), &node) != 0) return 5;
  if ((access & kGenericWrite) && (node.attributes & 0x01)) return 5;  // read-only file
  for (const OpenFile* other : state.open) {
    if (other->node == &node && !SharesWith(*other, access, shareMode)) return 32;  // ERROR_SHARING_VIOLATION
  }
  return 0;
}

}  // namespace Detail

Win::HANDLE OpenElsewhere(const std::string& path, Win::DWORD access, Win::DWORD shareMode) {
  auto& node = Detail::ExistingFile(path);
  SIM_CHECK(Detail::OpenError(node, access, shareMode) == 0);
  return Detail::AddForeignHandle(std::make_shared<Detail::OpenFile>(&node, access, shareMode));
}

void DenyAccess(const std::string& path) { Detail::state.denied.push_back(&Detail::ExistingFile(path)); }

void FailReadsAt(const std::string& path, std::size_t offset, Win::DWORD error) {
  Detail::state.readFaults[&Detail::ExistingFile(path)] = Detail::ReadFault{offset, error};
}

void FailClosing(const std::string& path, Win::DWORD error) {
  Detail::state.closeFaults[&Detail::ExistingFile(path)] = error;
}

void BeforeNextFileOpen(std::function<void()> action) { Detail::state.beforeNextOpen = std::move(action); }

const std::vector<Win::DWORD>& FileReadRequests() { return Detail::state.readRequests; }

int OpenFileHandles(const std::string& path) { return Detail::ExistingFile(path).openHandles; }

}  // namespace Sim

namespace Win {
using namespace Sim::Detail;

HANDLE CreateFileA(const char* fileName, DWORD desiredAccess, DWORD shareMode, void*, DWORD creationDisposition,
                   DWORD, HANDLE) {
  // The programs only open existing files; creating them is not simulated.
  SIM_CHECK(creationDisposition == 3);  // OPEN_EXISTING
  if (auto action = std::exchange(state.beforeNextOpen, nullptr)) action();
  DWORD error = 0;
  FileNode* node = FindNode(fileName, &error);
  if (node != nullptr) error = OpenError(*node, desiredAccess, shareMode);
  if (error != 0) {
    SetLastError(error);
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));  // INVALID_HANDLE_VALUE
  }
  return AddHandle(std::make_shared<OpenFile>(node, desiredAccess, shareMode));
}

BOOL ReadFile(HANDLE file, void* buffer, DWORD bytesToRead, DWORD* bytesRead, void*) {
  *bytesRead = 0;
  auto* open = HandleAs<OpenFile>(file);
  if (open == nullptr) {
    SetLastError(6);  // ERROR_INVALID_HANDLE
    return 0;
  }
  if (!(open->access & kGenericRead)) {
    SetLastError(5);  // ERROR_ACCESS_DENIED
    return 0;
  }
  state.readRequests.push_back(bytesToRead);
  std::size_t end = open->node->content.size();
  if (auto fault = state.readFaults.find(open->node); fault != state.readFaults.end()) {
    if (open->position >= fault->second.offset) {
      SetLastError(fault->second.error);
      return 0;
    }
    end = std::min(end, fault->second.offset);
  }
  std::size_t count = std::min<std::size_t>(bytesToRead, end - std::min(end, open->position));
  std::memcpy(buffer, open->node->content.data() + open->position, count);
  open->position += count;
  *bytesRead = static_cast<DWORD>(count);
  return 1;
}

}  // namespace Win
