// Windows only: the entry point of Vorla.exe, a program without a window or console
// (GUI subsystem; MinGW's start-up code calls main): the library units' start-up steps,
// the launcher's main routine, their end steps in reverse order, then the exit.
#include "Launcher.h"
#include "Program.h"
#include "TinyShell.h"
#include "TinyUtilsText.h"
#include "platform/Process.h"

int main() {
  Win::ExitProcess(RunProgram({{TinyUtils::Startup, nullptr}, {TinyShell::Startup, TinyShell::End}}, LauncherMain));
}
