// Host tests of the launcher: a simulated machine with a browser registered for http and
// the launcher started with a command line.
#pragma once

#include <string>
#include <vector>

#include "Launcher.h"
#include "platform/WinConstants.h"
#include "platform/sim/Sim.h"
#include "platform/sim/SimPrograms.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimShell.h"

namespace LauncherSupport {

inline const std::string kBrowser = "C:\\Browser\\browser.exe";

// Registers program as the command of the http protocol's "open" verb.
inline void RegisterBrowser(const std::string& program = kBrowser, const std::string& arguments = " \"%1\"") {
  Sim::AddProgram(program);
  Sim::SetRegistryString(Win::HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "", "\"" + program + "\"" + arguments);
}

// Runs the launcher as a simulated process with the given arguments after its own name;
// returns its exit code.
inline int RunLauncher(const std::string& arguments) {
  Sim::SetCommandLine("\"C:\\Vorla\\Vorla.exe\" " + arguments);
  return Sim::RunProcess(LauncherMain);
}

// The texts handed to the shell, in order.
inline std::vector<std::string> ShellOpened() {
  std::vector<std::string> files;
  for (const auto& request : Sim::ShellRequests()) files.push_back(request.file);
  return files;
}

}  // namespace LauncherSupport
