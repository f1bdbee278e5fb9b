// Windows only: the settings program's main routine.
#include "SettingsMain.h"

#include "Paths.h"
#include "Resource.h"
#include "SettingsDialog.h"
#include "Shared.h"
#include "win32/Arguments.h"
#include "win32/Files.h"
#include "win32/ProgramStartup.h"
#include "platform/Clipboard.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"
#include "platform/Window.h"

namespace VLOption {
namespace {

constexpr const char* kQuestion =
    "拡張子を変更してもよろしいですか？\n\n"
    "  「．txt」 -> 「．vlf」\n\n"
    "  「．vlf」 -> 「．txt」\n";

// Renames every existing argument between ".txt" and ".vlf"; false when an existing
// argument with any other extension ends the program (later arguments stay as they are).
bool SwitchExtensions(int count) {
  for (int index = 1; index <= count; ++index) {
    std::string argument = CommandLine::ParamStr(index);
    if (!TinyUtils::FileExists(argument)) continue;
    std::string newName = SwitchedName(argument);
    if (newName.empty()) return false;
    // A rename that fails (the new name exists, the file is in use) is passed over.
    TinyUtils::RenameFile(argument, newName);
  }
  return true;
}

}  // namespace

int SettingsMain() {
  Win::HANDLE instance = Win::CreateMutexA(nullptr, Win::TRUE, "Vorla Option Exists");
  if (Win::GetLastError() == Win::ERROR_ALREADY_EXISTS) {
    // Another copy runs: bring its dialog (or its question) to the front, and do nothing else.
    Win::HWND running = Win::FindWindowA("#32770", SettingsCaption);
    if (running != nullptr) Win::SetForegroundWindow(running);
    return 0;
  }
  TSettingsContext context;
  context.ProgramFolder = FindProgramFolder();
  context.SettingsFile = SettingsFileIn(context.ProgramFolder);
  int count = CommandLine::ParamCount();
  if (count < 1) {
    if (!TinyUtils::FileExists(context.ProgramFolder + Shared::kLauncherFileName)) return 0;
  } else if (Win::MessageBoxA(Win::GetForegroundWindow(), kQuestion, SettingsCaption,
                              Win::MB_YESNO | Win::MB_ICONQUESTION | Win::MB_SETFOREGROUND) == Win::IDYES &&
             !SwitchExtensions(count)) {
    return 0;
  }
  Win::DialogBoxParamA(Win::GetModuleHandleA(nullptr), Win::IntResource(IDD_SETTINGS), nullptr, SettingsDialogProc,
                       reinterpret_cast<Win::LPARAM>(&context));
  Win::ReleaseMutex(instance);
  return 0;
}

}  // namespace VLOption
