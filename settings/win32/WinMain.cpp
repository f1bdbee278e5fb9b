// Windows only: the entry point of VLOption.exe: the library units' start-up steps, the
// settings program's main routine, their end steps in reverse order, then the exit.
#include "Startup.h"
#include "SettingsMain.h"
#include "win32/ProgramStartup.h"
#include "win32/Shell.h"
#include "platform/Process.h"

extern "C" int VORLA_WINAPI WinMain(Win::HINSTANCE, Win::HINSTANCE, char*, int) {
  Win::ExitProcess(static_cast<Win::UINT>(
      RunProgram({{TinyUtils::Startup, nullptr}, {TinyShell::Startup, TinyShell::End}}, VLOption::SettingsMain)));
}
