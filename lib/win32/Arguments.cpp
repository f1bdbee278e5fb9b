// Windows only: the program's command line and file name.
#include "win32/Arguments.h"

#include <cstring>

#include "CommandLine.h"
#include "platform/Process.h"

namespace CommandLine {

int ParamCount() {
  std::size_t count = SplitCommandLine(Win::GetCommandLineA()).size();
  return count > 0 ? static_cast<int>(count) - 1 : 0;  // the program's own name is not counted
}

std::string ParamStr(int index) {
  if (index == 0) {
    char buffer[261] = {};
    Win::DWORD length = Win::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return std::string(buffer, strnlen(buffer, length < sizeof buffer ? length : sizeof buffer));
  }
  std::vector<std::string> arguments = SplitCommandLine(Win::GetCommandLineA());
  return index > 0 && static_cast<std::size_t>(index) < arguments.size() ? arguments[static_cast<std::size_t>(index)]
                                                                          : std::string();
}

}  // namespace CommandLine
