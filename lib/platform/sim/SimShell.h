// Simulation only: what the programs asked of the shell and of COM, for host tests.
#pragma once

#include <string>
#include <vector>

namespace Sim {

struct ShellRequest {
  std::string verb;
  std::string file;
  std::string parameters;
  bool parametersNull;
  bool parentIsDesktop;
  int showCommand;
};
// Every ShellExecuteA call since Reset, in order.
const std::vector<ShellRequest>& ShellRequests();
// CoInitialize calls not yet matched by CoUninitialize.
int ComInitializations();
// The log of CoInitialize ("+") and CoUninitialize ("-") calls, in order.
const std::string& ComLog();

}  // namespace Sim
