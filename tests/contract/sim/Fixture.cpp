// Simulation only: the contract fixture over the simulated Windows' own controls.
#include "Fixture.h"

#include "platform/sim/Sim.h"
#include "platform/sim/SimFiles.h"

namespace Fixture {
namespace {
int scratchCount = 0;
}  // namespace

const char* PlatformName() { return "simulation"; }
bool IsSimulation() { return true; }
void Reset() {
  Sim::Reset();
  scratchCount = 0;
}

std::string NewScratchFolder() {
  std::string folder = "C:\\temp\\contract" + std::to_string(++scratchCount) + "\\";
  Sim::AddFolder(folder);
  return folder;
}
void RemoveScratchFolders() {}  // the next Reset clears the whole machine

void WriteFile(const std::string& path, const std::string& content, Win::DWORD attributes) {
  Sim::AddFile(path, content, attributes);
}
void MakeFolder(const std::string& path) { Sim::AddFolder(path); }
std::string ShortPathOf(const std::string& path) {
  auto slash = path.rfind('\\');
  return path.substr(0, slash + 1) + Sim::ShortName(path);
}
bool Exists(const std::string& path) { return Sim::PathExists(path); }
std::string ReadFile(const std::string& path) { return Sim::FileContent(path).value_or(""); }

bool IsWine() { return false; }
void SetLastWriteTime(const std::string& path, Win::FILETIME time) { Sim::SetLastWriteTime(path, time); }

}  // namespace Fixture
