// Simulation only: named mutexes, the command line, the module file name and run-time
// loading of kernel32.
#include <cstring>
#include <map>

#include "Machine.h"
#include "Sim.h"
#include "platform/Process.h"

namespace Sim {
namespace Detail {
namespace {

struct NamedMutex {
  int handles = 0;
};

struct ProcessState {
  std::map<std::string, NamedMutex> mutexes;  // by exact name
  std::string commandLine;
  std::string moduleFileName;
  bool longPathFunctionPresent = true;
  int loadedModules = 0;
};
ProcessState state;

void ResetProcess() {
  state = ProcessState{};
  state.commandLine = "C:\\Vorla\\Vorla.exe";
  state.moduleFileName = "C:\\Vorla\\Vorla.exe";
}
[[maybe_unused]] const bool registered = RegisterReset(&ResetProcess);

// A handle to a named mutex; the mutex exists while a handle to it is open.
struct MutexHandle : Object {
  explicit MutexHandle(std::string mutexName) : name(std::move(mutexName)) { ++state.mutexes[name].handles; }
  ~MutexHandle() override {
    auto found = state.mutexes.find(name);
    if (found != state.mutexes.end() && --found->second.handles == 0) state.mutexes.erase(found);
  }
  std::string name;
};

struct KernelModule : Object {};
Win::HMODULE const kKernel32 = reinterpret_cast<Win::HMODULE>(static_cast<std::uintptr_t>(0x7C800000));

}  // namespace
}  // namespace Detail

void SetCommandLine(const std::string& commandLine) { Detail::state.commandLine = commandLine; }
void SetModuleFileName(const std::string& path) { Detail::state.moduleFileName = path; }
void SetLongPathFunctionPresent(bool present) { Detail::state.longPathFunctionPresent = present; }

void HoldMutexElsewhere(const std::string& name) { ++Detail::state.mutexes[name].handles; }
bool MutexExists(const std::string& name) { return Detail::state.mutexes.count(name) != 0; }

}  // namespace Sim

namespace Win {
using namespace Sim::Detail;

HANDLE CreateMutexA(void*, BOOL, const char* name) {
  bool existed = name != nullptr && state.mutexes.count(name) != 0;
  HANDLE handle = AddHandle(std::make_shared<MutexHandle>(name ? name : ""));
  SetLastError(existed ? 183 : 0);  // ERROR_ALREADY_EXISTS
  return handle;
}

BOOL ReleaseMutex(HANDLE mutex) { return HandleAs<MutexHandle>(mutex) != nullptr; }

char* GetCommandLineA() { return state.commandLine.data(); }

DWORD GetModuleFileNameA(HMODULE, char* fileName, DWORD size) {
  if (size == 0) return 0;
  DWORD length = static_cast<DWORD>(state.moduleFileName.size());
  if (length >= size) {
    // Windows XP behaviour: the name is cut to the buffer, zero-ended, and the size returned.
    std::memcpy(fileName, state.moduleFileName.data(), size - 1);
    fileName[size - 1] = 0;
    SetLastError(122);  // ERROR_INSUFFICIENT_BUFFER
    return size;
  }
  std::memcpy(fileName, state.moduleFileName.c_str(), length + 1);
  return length;
}

HMODULE LoadLibraryA(const char* fileName) {
  if (Sim::Detail::SameName(fileName, "kernel32.dll") || Sim::Detail::SameName(fileName, "kernel32")) {
    ++state.loadedModules;
    return kKernel32;
  }
  SetLastError(126);  // ERROR_MOD_NOT_FOUND
  return nullptr;
}

HMODULE GetModuleHandleA(const char* moduleName) {
  if (moduleName == nullptr) return reinterpret_cast<HMODULE>(static_cast<std::uintptr_t>(0x400000));
  return Sim::Detail::SameName(moduleName, "kernel32.dll") ? kKernel32 : nullptr;
}

FARPROC GetProcAddress(HMODULE module, const char* procName) {
  if (module == kKernel32 && state.longPathFunctionPresent && std::strcmp(procName, "GetLongPathNameA") == 0) {
    return reinterpret_cast<FARPROC>(&Sim::Detail::GetLongPathNameA);
  }
  SetLastError(127);  // ERROR_PROC_NOT_FOUND
  return nullptr;
}

BOOL FreeLibrary(HMODULE module) {
  if (module != kKernel32 || state.loadedModules == 0) return 0;
  --state.loadedModules;
  return 1;
}

}  // namespace Win
