// TinyShell, special folders: the user's Send To and Startup folders.
#pragma once

#include <string>

namespace TinyShell {

// The special folder (a CSIDL value) with a trailing backslash; empty when the shell
// cannot give it (it is not created).
std::string GetSpecialFolder(int folder);
std::string GetSendToFolder();
std::string GetStartupFolder();

}  // namespace TinyShell
