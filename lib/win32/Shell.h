// Windows only: TinyShell, COM on the program's thread and the shell's "open" verb; and
// TinyUtils, programs started and waited for, environment references expanded.
#pragma once

#include <string>

namespace TinyShell {

// The unit's start-up and end steps: CoInitialize(NULL) and CoUninitialize. The one
// place any program starts COM.
void Startup();
void End();

// Asks the shell to "open" file with parameters (may be empty), shown normally, with the
// desktop as parent window. The result is not examined. A file text longer than any path
// or address the shell opens (kLongestShellText, ShellLimits.h) is not handed over.
void ShellOpen(const std::string& file, const std::string& parameters);

}  // namespace TinyShell

namespace TinyUtils {

// text with %NAME% references expanded, then trimmed; the whole expansion, however long;
// text unchanged when expansion fails.
std::string ExpandEnvStrings(const std::string& text);
// Starts command (followed by a blank and argument when argument is not empty) without an
// application name, and waits until the new program is ready for input. True once the
// program has been started, whatever the wait answers; false when it could not be started,
// or when the line is longer than the platform takes (kLongestCommandLine).
bool RunCommand(const std::string& command, const std::string& argument);

}  // namespace TinyUtils
