// The command line of every program, split the way the shell quotes file names: blanks
// (bytes 1 to 32) separate arguments, double quotes group blanks into one and are dropped,
// touching quoted and plain stretches form one argument, and a leading pair of quotes is
// skipped. The platform's own line and program name are read in win32/Arguments.h.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace CommandLine {

// The arguments of commandLine (which ends at its first zero byte), the program's name
// first, up to the first empty one.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

}  // namespace CommandLine
