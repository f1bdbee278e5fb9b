// Simulation only: the checker's contract fixture over the simulated Windows' controls.
#include "FixtureChecker.h"

#include "platform/WinConstants.h"
#include "platform/sim/SimEnvironment.h"
#include "platform/sim/SimRegistry.h"

namespace Fixture {

void RegisterFileType(const std::string& extension, const std::string& typeName, const std::string& command) {
  Sim::SetRegistryString(Win::HKEY_CLASSES_ROOT, extension, "", typeName);
  Sim::SetRegistryString(Win::HKEY_CLASSES_ROOT, typeName + "\\shell\\open\\command", "", command);
}
void RemoveFileType(const std::string&, const std::string&) {}  // the next Reset clears the registry

void PrependToPath(const std::string& folder) { Sim::SetEnvironmentVariable("PATH", folder); }  // no PATH after Reset
void RestorePath() {}

}  // namespace Fixture
