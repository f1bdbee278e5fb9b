// Program start-up, end and the shared program folder.
#include "Program.h"

#include "CommandLine.h"
#include "TinyUtilsFiles.h"
#include "TinyUtilsText.h"

int RunProgram(std::initializer_list<TUnitSteps> units, int (*mainRoutine)()) {
  for (const TUnitSteps& unit : units) {
    if (unit.Start != nullptr) unit.Start();
  }
  int exitCode = mainRoutine();
  for (auto unit = std::rbegin(units); unit != std::rend(units); ++unit) {
    if (unit->End != nullptr) unit->End();
  }
  return exitCode;
}

std::string FindProgramFolder() {
  std::string ownPath = CommandLine::ParamStr(0);
  std::string longPath = TinyUtils::GetLongPath(ownPath);
  return TinyUtils::ExtractFolder(longPath.empty() ? ownPath : longPath);
}

std::string SettingsFileIn(const std::string& programFolder) { return programFolder + "Vorla.ini"; }
