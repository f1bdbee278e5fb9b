// Windows only: the entry point of Vorla.exe, a program without a window or console
// (GUI subsystem; MinGW's start-up code calls main): the library units' start-up steps,
// the launcher's main routine, their end steps in reverse order, then the exit.
#include "Startup.h"
#include "platform/Process.h"
#include "win32/Launcher.h"
#include "win32/Shell.h"
#include "win32/ProgramStartup.h"

int main() {
  Win::ExitProcess(RunProgram({{TinyUtils::Startup, nullptr}, {TinyShell::Startup, TinyShell::End}}, LauncherMain));
}
