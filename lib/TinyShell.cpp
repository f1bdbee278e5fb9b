// TinyShell: COM start-up and end, and the shell's "open" verb.
#include "TinyShell.h"

#include "platform/Shell.h"
#include "platform/WinConstants.h"

namespace TinyShell {

void Startup() { Win::CoInitialize(nullptr); }

void End() { Win::CoUninitialize(); }

void ShellOpen(const std::string& file, const std::string& parameters) {
  Win::ShellExecuteA(Win::GetDesktopWindow(), "open", file.c_str(), parameters.c_str(), nullptr, Win::SW_SHOWNORMAL);
}

}  // namespace TinyShell
