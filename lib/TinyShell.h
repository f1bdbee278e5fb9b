// TinyShell: COM on the program's thread, and the shell's "open" verb.
#pragma once

#include <string>

namespace TinyShell {

// The unit's start-up and end steps: CoInitialize(NULL) and CoUninitialize.
void Startup();
void End();

// Asks the shell to "open" file with parameters (may be empty), shown normally, with the
// desktop as parent window. The result is not examined. A file text longer than any path
// or address the shell opens (2,083 characters) is not handed over.
void ShellOpen(const std::string& file, const std::string& parameters);

}  // namespace TinyShell
