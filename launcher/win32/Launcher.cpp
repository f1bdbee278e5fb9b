// Windows only: the launcher's main routine: single instance and the walk over its arguments.
#include "win32/Launcher.h"

#include "ListFile.h"
#include "Paths.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"
#include "win32/Arguments.h"
#include "win32/Files.h"
#include "win32/ProgramStartup.h"

namespace {

// Executes, in order, every argument that names an existing list file; passes over the rest.
void ExecuteArguments(int count) {
  for (int index = 1; index <= count; ++index) {
    std::string argument = CommandLine::ParamStr(index);
    if (!IsListFileName(argument) || !TinyUtils::FileExists(argument)) continue;
    ExecuteListFile(argument);
  }
}

}  // namespace

int LauncherMain() {
  // Held until the end, through every pause and wait: a second launcher does nothing.
  Win::HANDLE instance = Win::CreateMutexA(nullptr, Win::TRUE, "Vorla Exists");
  if (Win::GetLastError() == Win::ERROR_ALREADY_EXISTS) return 0;
  std::string settingsFile = SettingsFileIn(FindProgramFolder());
  int count = CommandLine::ParamCount();
  if (count < 1) {
    ExecuteClipboardURLs(settingsFile);
  } else {
    ExecuteArguments(count);
  }
  Win::ReleaseMutex(instance);
  return 0;
}
