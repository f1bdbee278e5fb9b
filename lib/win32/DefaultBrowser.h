// Windows only: TinyUtils, browser: the default browser found through the registry: the
// class the user chose for the http protocol, else the protocol's own entries. Nothing is
// cached: every call asks the registry and the platform anew.
#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace TinyUtils {

// The executable named by the command line in the key's default value (ExePathOfCommand),
// in its long form; empty unless it names an existing file.
std::string GetExePathFromCommand(Win::HKEY root, const std::string& keyPath);
// The executable that opens a protocol's addresses (ProtocolProgramPath), or empty.
std::string GetProtocolProgramPath(const std::string& protocol);
// The default browser's executable: that of the http protocol, or empty.
std::string GetDefaultBrowserPath();

}  // namespace TinyUtils
