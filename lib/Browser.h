// TinyUtils, browser: the program path cut out of a registered command, and the program
// path as the first token of a command line. The registry is read in win32/DefaultBrowser.h.
#pragma once

#include <string>

namespace TinyUtils {

// The executable a registered command names: up to the end of its first ".exe" (in any
// letter case), without the opening quote of a quoted path; the whole command without ".exe".
std::string ExePathOfCommand(const std::string& command);
// The program path as the first token of a command line: in double quotes when it holds a
// blank, so that no program named by a prefix of it (C:\Program.exe) is started instead.
std::string QuoteProgramPath(const std::string& path);

}  // namespace TinyUtils
