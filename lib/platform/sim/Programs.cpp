// Simulation only: program starts (CreateProcessA with Windows' search for the program of
// an unquoted command line), GetStartupInfoA, WaitForInputIdle, Sleep on a virtual clock,
// and the log of what the programs did.
#include <cstring>

#include "FileSystem.h"
#include "Machine.h"
#include "SimFiles.h"
#include "SimPrograms.h"
#include "SimShell.h"
#include "platform/Process.h"
#include "platform/ProgramSearch.h"

namespace Sim {
namespace Detail {
namespace {

struct ProgramsState {
  Win::STARTUPINFOA startupInfo{};
  std::vector<ProcessStart> starts;
  int openProcessHandles = 0;
  Win::DWORD nextProcessId = 0x400;
  Win::DWORD clock = 0;
  std::vector<Win::DWORD> pauses;
  std::function<void()> duringSleep;
  std::vector<std::string> activity;
  std::size_t shellRequestsSeen = 0;
};
ProgramsState state;

void ResetPrograms() {
  state = ProgramsState{};
  state.startupInfo.cb = sizeof(Win::STARTUPINFOA);
  state.startupInfo.wShowWindow = 1;  // SW_SHOWNORMAL, as Wine reports without STARTF_USESHOWWINDOW
}
[[maybe_unused]] const bool registered = RegisterReset(&ResetPrograms);

// The shell's requests since the last entry go first, so the log keeps the order of events.
void Note(const std::string& entry) {
  const auto& requests = ShellRequests();
  for (; state.shellRequestsSeen < requests.size(); ++state.shellRequestsSeen) {
    const auto& request = requests[state.shellRequestsSeen];
    state.activity.push_back(request.verb + " " + request.file);
  }
  if (!entry.empty()) state.activity.push_back(entry);
}

// A process or thread handle of a started program.
struct StartedHandle : Object {
  StartedHandle(std::size_t startIndex, ProgramKind programKind) : start(startIndex), kind(programKind) {
    ++state.openProcessHandles;
  }
  ~StartedHandle() override { --state.openProcessHandles; }
  std::size_t start;
  ProgramKind kind;
};
struct ProcessHandle : StartedHandle {
  using StartedHandle::StartedHandle;
};
struct ThreadHandle : StartedHandle {
  using StartedHandle::StartedHandle;
};

const char* const kWindowProgram = "MZ window program";
const char* const kConsoleProgram = "MZ console program";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The file a program name stands for: ".exe" added when the name has no extension; a
// name without a folder is searched, as Windows does, in the program's own folder, the
// current folder, the system folder, the 16-bit system folder, the Windows folder and the
// folders of PATH.
FileNode* FindProgram(const std::string& name, std::string* path) {
  char module[261] = {}, pathVariable[4096] = {};
  Win::GetModuleFileNameA(nullptr, module, sizeof module);
  std::string own = module;
  std::vector<std::string> folders{own.substr(0, own.rfind('\\')), CurrentFolder(), kSystemFolder, kSystem16Folder,
                                   kWindowsFolder};
  Win::DWORD length = Win::GetEnvironmentVariableA("PATH", pathVariable, sizeof pathVariable);
  for (auto& folder : SplitFolderList(std::string(pathVariable, length < sizeof pathVariable ? length : 0))) {
    folders.push_back(folder);
  }
  return SearchFile(folders, name, ".exe", path);
}

// The program of a command line. A quoted first token names it; an unquoted one is tried
// at every blank, shortest first, as Windows does: "C:\Program Files\A B\b.exe x" tries
// C:\Program.exe, then C:\Program Files\A.exe, then C:\Program Files\A B\b.exe. Like
// Windows, each try ends the name in place with a zero, so the line must be writable.
FileNode* ResolveCommandLine(char* line, std::string* path) {
  char* start = line;
  while (IsBlank(*start)) ++start;
  if (*start == '"') {
    char* close = std::strchr(start + 1, '"');
    std::string name = close ? std::string(start + 1, close) : std::string(start + 1);
    return name.empty() ? nullptr : FindProgram(name, path);
  }
  for (char* end = start;; ++end) {
    if (*end != 0 && !IsBlank(*end)) continue;
    if (end == start) return nullptr;
    char kept = *end;
    *end = 0;
    FileNode* node = FindProgram(start, path);
    *end = kept;
    if (node != nullptr || kept == 0) return node;
  }
}

// The kind of program a file holds, or an error when it holds none.
Win::DWORD ProgramKindOf(const FileNode& node, ProgramKind* kind) {
  std::string upper = AsciiUpper(node.name);
  if (upper.ends_with(".BAT") || upper.ends_with(".CMD")) {
    *kind = ProgramKind::Console;  // run by the command interpreter
    return 0;
  }
  if (!node.content.starts_with("MZ")) return 193;  // ERROR_BAD_EXE_FORMAT
  *kind = node.content == kConsoleProgram ? ProgramKind::Console : ProgramKind::Window;
  return 0;
}

}  // namespace
}  // namespace Detail

void AddProgram(const std::string& path, ProgramKind kind) {
  AddFolder(path.substr(0, path.rfind('\\')));
  AddFile(path, kind == ProgramKind::Console ? Detail::kConsoleProgram : Detail::kWindowProgram);
}

void SetStartupShowWindow(Win::WORD showWindow) {
  Detail::state.startupInfo.dwFlags |= 0x1;  // STARTF_USESHOWWINDOW
  Detail::state.startupInfo.wShowWindow = showWindow;
}

const std::vector<ProcessStart>& ProcessStarts() { return Detail::state.starts; }
int OpenProcessHandles() { return Detail::state.openProcessHandles; }

std::string StartedProgram(Win::HANDLE process) {
  auto* started = Detail::HandleAs<Detail::ProcessHandle>(process);
  return started == nullptr ? std::string() : Detail::state.starts[started->start].program;
}

Win::DWORD VirtualClock() { return Detail::state.clock; }
const std::vector<Win::DWORD>& Pauses() { return Detail::state.pauses; }
void DuringSleep(std::function<void()> action) { Detail::state.duringSleep = std::move(action); }

std::vector<std::string> Activity() {
  Detail::Note("");
  return Detail::state.activity;
}

}  // namespace Sim

namespace Win {
using namespace Sim::Detail;

void GetStartupInfoA(STARTUPINFOA* startupInfo) { *startupInfo = state.startupInfo; }

BOOL CreateProcessA(const char* applicationName, char* commandLine, void*, void*, BOOL inheritHandles,
                    DWORD creationFlags, void* environment, const char* currentDirectory,
                    STARTUPINFOA* startupInfo, PROCESS_INFORMATION* information) {
  // The programs always name the program on the command line.
  SIM_CHECK(applicationName == nullptr && commandLine != nullptr);
  Sim::ProcessStart start{commandLine, "", 0, true, inheritHandles != 0, creationFlags, environment == nullptr,
                          currentDirectory == nullptr, *startupInfo, false, 0};
  Sim::ProgramKind kind = Sim::ProgramKind::Window;
  FileNode* node = ResolveCommandLine(commandLine, &start.program);
  start.error = node == nullptr ? 2 : ProgramKindOf(*node, &kind);  // ERROR_FILE_NOT_FOUND
  if (start.error != 0) start.program.clear();
  Note((start.error == 0 ? "run " : "fail ") + start.commandLine);
  state.starts.push_back(start);
  if (start.error != 0) {
    SetLastError(start.error);
    return 0;
  }
  std::size_t index = state.starts.size() - 1;
  information->hProcess = AddHandle(std::make_shared<Sim::Detail::ProcessHandle>(index, kind));
  information->hThread = AddHandle(std::make_shared<Sim::Detail::ThreadHandle>(index, kind));
  information->dwProcessId = state.nextProcessId += 4;
  information->dwThreadId = state.nextProcessId += 4;
  return 1;
}

DWORD WaitForInputIdle(HANDLE process, DWORD milliseconds) {
  auto* started = HandleAs<Sim::Detail::ProcessHandle>(process);
  if (started == nullptr) {
    SetLastError(6);  // ERROR_INVALID_HANDLE
    return 0xFFFFFFFF;
  }
  auto& start = state.starts[started->start];
  start.waitedForInputIdle = true;
  start.inputIdleTimeout = milliseconds;
  // A console program has no message queue: the wait fails at once, the last error unchanged.
  return started->kind == Sim::ProgramKind::Console ? 0xFFFFFFFF : 0;  // WAIT_FAILED
}

void Sleep(DWORD milliseconds) {
  if (state.duringSleep) state.duringSleep();
  Note("wait " + std::to_string(milliseconds));
  state.clock += milliseconds;
  state.pauses.push_back(milliseconds);
}

}  // namespace Win
