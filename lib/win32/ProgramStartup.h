// Windows only: what the start-up asks of the platform: the start-up step of TinyUtils,
// which sets the facts of Startup.h, and the folder of the running program.
#pragma once

#include <string>

namespace TinyUtils {

// The unit's start-up step: the platform identifier, the thread's locale and the lead
// bytes of its code page. Runs once per program, before the program's own code.
void Startup();

}  // namespace TinyUtils

// The folder of the running program: the long form of its own file name, up to and
// including the last backslash or colon. Where the long form cannot be had, the name as
// the platform gave it is used, so the folder is never lost.
std::string FindProgramFolder();
