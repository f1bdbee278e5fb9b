// Windows only: TinyUtils, browser: the default browser found through the http protocol's
// registry entries. Nothing is cached: every call asks the registry and the platform anew.
#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace TinyUtils {

// The executable named by the command line in the key's default value (ExePathOfCommand),
// in its long form; empty unless it names an existing file.
std::string GetExePathFromCommand(Win::HKEY root, const std::string& keyPath);
// The executable of a protocol's command (its default verb, then "open"), or empty.
std::string GetProtocolProgramPath(const std::string& protocol);
// The default browser's executable: that of the http protocol, or empty.
std::string GetDefaultBrowserPath();

}  // namespace TinyUtils
