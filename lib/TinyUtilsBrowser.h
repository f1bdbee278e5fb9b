// TinyUtils, browser half: the default browser found through the http protocol's registry
// entries, commands started and waited for, environment references expanded.
// Nothing is cached: every call asks the registry and the platform anew.
#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace TinyUtils {

// The REG_SZ value's text without its terminating zero; empty on any failure.
std::string ReadRegString(Win::HKEY root, const std::string& keyPath, const std::string& valueName);
// The executable named by the command line in the key's default value, in its long form;
// empty unless it names an existing file.
std::string GetExePathFromCommand(Win::HKEY root, const std::string& keyPath);
// The executable of a protocol's command (its default verb, then "open"), or empty.
std::string GetProtocolProgramPath(const std::string& protocol);
// The default browser's executable: that of the http protocol, or empty.
std::string GetDefaultBrowserPath();
// The program path as the first token of a command line: in double quotes when it holds a
// blank, so that no program named by a prefix of it (C:\Program.exe) is started instead.
std::string QuoteProgramPath(const std::string& path);
// text with %NAME% references expanded, then trimmed; the whole expansion, however long;
// text unchanged when expansion fails.
std::string ExpandEnvStrings(const std::string& text);
// Starts command (followed by a blank and argument when argument is not empty) without an
// application name, and waits until the new program is ready for input. True once the
// program has been started, whatever the wait answers; false when it could not be started,
// or when the line is longer than the platform takes (32,766 characters).
bool RunCommand(const std::string& command, const std::string& argument);

}  // namespace TinyUtils
