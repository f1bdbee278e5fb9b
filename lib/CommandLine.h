// The command line of both programs, split the way the shell quotes file names:
// blanks (bytes 1 to 32) separate arguments, double quotes group blanks into one and are
// dropped, touching quoted and plain stretches form one argument, a leading pair of
// quotes is skipped, and double-byte characters are stepped whole.
#pragma once

#include <string>

namespace CommandLine {

// Arguments after the program's own name, counted up to the first empty one.
int ParamCount();
// Argument index (1-based); index 0 is the program's full file name as the platform gives it.
std::string ParamStr(int index);

}  // namespace CommandLine
