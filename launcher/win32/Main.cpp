// Windows only: the entry point of Vorla.exe, a program without a window or console
// (GUI subsystem; MinGW's start-up code calls main): the library units' start-up steps,
// the launcher's main routine, their end steps in reverse order, then the exit.
#include <cstdlib>

#include "Launcher.h"
#include "Program.h"
#include "TinyShell.h"
#include "TinyUtilsText.h"
#include "platform/Process.h"

// A program without a console has nowhere to print why it was ended: the run-time's
// verbose terminate handler, and the name demangler it would link in, give way to abort.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int main() {
  Win::ExitProcess(RunProgram({{TinyUtils::Startup, nullptr}, {TinyShell::Startup, TinyShell::End}}, LauncherMain));
}
