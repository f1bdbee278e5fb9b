// Simulation only: the launcher's contract fixture over the simulated Windows' controls.
#include "FixtureLauncher.h"

#include "platform/sim/SimEnvironment.h"
#include "platform/sim/SimFileHandles.h"
#include "platform/sim/SimPrograms.h"
#include "platform/sim/SimRegistry.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"

namespace Fixture {

const char* const kTestKey = "Software\\VorlaContract";

void SetEnvironment(const std::string& name, const std::string& value) {
  Sim::SetEnvironmentVariable(name, value);
}

void SetTestValue(const std::string& valueName, Win::DWORD type, const std::string& data) {
  Sim::SetRegistryValue(Win::HKEY_CURRENT_USER, kTestKey, valueName, type, data);
}
void RemoveTestKey() {}  // the next Reset clears the registry

Win::HANDLE HoldFile(const std::string& path, Win::DWORD access, Win::DWORD shareMode) {
  return Sim::OpenElsewhere(path, access, shareMode);
}
void ReleaseFile(Win::HANDLE file) { Win::CloseHandle(file); }

void InstallProgram(const std::string& path, ProgramKind kind) {
  Sim::AddProgram(path, kind == ProgramKind::Console ? Sim::ProgramKind::Console : Sim::ProgramKind::Window);
}
std::string StartedProgram(Win::HANDLE process) { return Sim::StartedProgram(process); }
void AwaitEnd(Win::HANDLE) {}  // simulated programs end at once

}  // namespace Fixture
