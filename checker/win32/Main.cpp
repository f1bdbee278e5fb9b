// Windows only: the entry point of VLCheck.exe, a console program: the library's start-up
// step, the checker's main routine, then the exit with its code.
#include "Checker.h"
#include "Program.h"
#include "TinyUtilsText.h"
#include "platform/Process.h"

int main() { Win::ExitProcess(RunProgram({{TinyUtils::Startup, nullptr}}, CheckerMain)); }
