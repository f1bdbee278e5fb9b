// Simulation only: the shell's verbs (recorded, never carried out), the program it opens a
// document with, the desktop window and COM.
#include <cstring>

#include "FileSystem.h"
#include "Machine.h"
#include "SimRegistry.h"
#include "SimShell.h"
#include "platform/Shell.h"
#include "platform/WinConstants.h"

namespace Sim {
namespace Detail {
namespace {

struct ShellState {
  std::vector<ShellRequest> requests;
  int comInitializations = 0;
  std::string comLog;
};
ShellState state;

void ResetShell() { state = ShellState{}; }
[[maybe_unused]] const bool registered = RegisterReset(&ResetShell);

Win::HWND const kDesktop = reinterpret_cast<Win::HWND>(static_cast<std::uintptr_t>(0x10010));

// The default value of a key under HKEY_CLASSES_ROOT when it is a string; empty otherwise.
std::string ClassString(const std::string& keyPath) {
  auto value = Sim::GetRegistryValue(Win::HKEY_CLASSES_ROOT, keyPath, "");
  if (!value || value->type != Win::REG_SZ) return {};
  return value->data.substr(0, value->data.find('\0'));
}

// The command of a file type's default verb ("open" when none is named).
std::string TypeCommand(const std::string& extension) {
  std::string type = ClassString(extension);
  if (type.empty()) return {};
  std::string verb = ClassString(type + "\\shell");
  return ClassString(type + "\\shell\\" + (verb.empty() ? "open" : verb) + "\\command");
}

// The program a command names: its quoted first token, or the text up to the first blank;
// a name without a folder stands for the file in the system or Windows folder.
std::string CommandProgram(const std::string& command) {
  std::string program = command.starts_with('"') ? command.substr(1, command.find('"', 1) - 1)
                                                 : command.substr(0, command.find(' '));
  std::string found;
  SearchFile({kSystemFolder, kWindowsFolder}, program, "", &found);
  return found.empty() ? program : found;
}

bool IsProgramName(const std::string& name) {
  std::string upper = AsciiUpper(name);
  for (const char* extension : {".EXE", ".COM", ".BAT", ".CMD", ".PIF"}) {
    if (upper.ends_with(extension)) return true;
  }
  return false;
}

}  // namespace
}  // namespace Detail

const std::vector<ShellRequest>& ShellRequests() { return Detail::state.requests; }
int ComInitializations() { return Detail::state.comInitializations; }
const std::string& ComLog() { return Detail::state.comLog; }

}  // namespace Sim

namespace Win {
using namespace Sim::Detail;

HINSTANCE ShellExecuteA(HWND parent, const char* verb, const char* file, const char* parameters, const char*,
                        int showCommand) {
  state.requests.push_back(Sim::ShellRequest{verb ? verb : "", file ? file : "", parameters ? parameters : "",
                                             parameters == nullptr, parent == kDesktop, showCommand});
  return reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(42));  // above 32: done
}

HWND GetDesktopWindow() { return kDesktop; }

HINSTANCE FindExecutableA(const char* file, const char* directory, char* result) {
  auto answer = [](std::uintptr_t code) { return reinterpret_cast<HINSTANCE>(code); };
  result[0] = 0;
  std::string path = file;
  if (directory != nullptr && path.find(':') == std::string::npos) path = std::string(directory) + "\\" + path;
  FileNode* node = FindNode(path);
  if (node == nullptr) return answer(2);    // SE_ERR_FNF
  if (node->IsFolder()) return answer(31);  // SE_ERR_NOASSOC, as Wine answers for a folder
  std::string program = path;
  if (!IsProgramName(node->name)) {
    std::size_t dot = node->name.rfind('.');
    std::string command = dot == std::string::npos ? std::string() : TypeCommand(node->name.substr(dot));
    if (command.empty()) return answer(31);  // SE_ERR_NOASSOC
    program = CommandProgram(command);
  }
  std::strncpy(result, program.c_str(), 259);
  result[259] = 0;
  return answer(42);  // above 32: found
}

HRESULT CoInitialize(void*) {
  state.comLog += '+';
  // The first call on a thread gives S_OK, later ones S_FALSE; each needs its CoUninitialize.
  return state.comInitializations++ == 0 ? 0 : 1;
}

void CoUninitialize() {
  state.comLog += '-';
  if (state.comInitializations > 0) --state.comInitializations;
}

}  // namespace Win
