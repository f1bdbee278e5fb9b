// Windows only: the running program's own arguments (GetCommandLineA, split by
// CommandLine.h) and its file name (GetModuleFileNameA).
#pragma once

#include <string>

namespace CommandLine {

// Arguments after the program's own name, counted up to the first empty one.
int ParamCount();
// Argument index (1-based), empty past the last; index 0 is the program's full file name
// as the platform gives it.
std::string ParamStr(int index);

}  // namespace CommandLine
