// Windows only: the entry point of VLCheck.exe, a console program: the library's start-up
// step, the checker's main routine, then the exit with its code.
#include "Startup.h"
#include "platform/Process.h"
#include "win32/Checker.h"
#include "win32/ProgramStartup.h"

int main() { Win::ExitProcess(RunProgram({{TinyUtils::Startup, nullptr}}, CheckerMain)); }
