// Windows only: the entry point of VLOption.exe.
#include "SettingsMain.h"
#include "platform/Process.h"

extern "C" int VORLA_WINAPI WinMain(Win::HINSTANCE, Win::HINSTANCE, char*, int) {
  Win::ExitProcess(static_cast<Win::UINT>(VLOption::RunSettingsProgram()));
}
