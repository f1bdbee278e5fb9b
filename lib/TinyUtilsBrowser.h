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
// The default browser's executable (the http protocol's default verb, then "open"), or empty.
std::string GetDefaultBrowserPath();
// text with %NAME% references expanded, then trimmed; text unchanged when expansion fails.
std::string ExpandEnvStrings(const std::string& text);
// Starts command (followed by a blank and argument when argument is not empty) and waits
// until the new program is ready for input. True once the program has been started.
bool RunCommand(const std::string& command, const std::string& argument);

}  // namespace TinyUtils
