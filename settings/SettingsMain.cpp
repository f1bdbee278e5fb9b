// The settings program's main routine and its run from start-up to end.
#include "SettingsMain.h"

#include "CommandLine.h"
#include "Program.h"
#include "SettingsDialog.h"
#include "Shared.h"
#include "TinyShell.h"
#include "TinyShlLnk2.h"
#include "TinyUtilsFiles.h"
#include "TinyUtilsText.h"
#include "platform/Clipboard.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"
#include "platform/Window.h"

namespace VLOption {

std::string ProgramFolder;
std::string SettingsFile;

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
    std::string extension = TinyUtils::LowerCase(TinyUtils::ExtractExtension(argument));
    std::string newExtension;
    if (extension == ".txt") {
      newExtension = ".vlf";
    } else if (extension == ".vlf") {
      newExtension = ".txt";
    } else {
      return false;
    }
    // A rename that fails (the new name exists, the file is in use) is passed over.
    TinyUtils::RenameFile(argument, TinyUtils::ChangeExtension(argument, newExtension));
  }
  return true;
}

void ClearProgramPaths() {
  ProgramFolder.clear();
  SettingsFile.clear();
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
  ProgramFolder = FindProgramFolder();
  SettingsFile = SettingsFileIn(ProgramFolder);
  int count = CommandLine::ParamCount();
  if (count < 1) {
    if (!TinyUtils::FileExists(ProgramFolder + Shared::kLauncherFileName)) return 0;
  } else if (Win::MessageBoxA(Win::GetForegroundWindow(), kQuestion, SettingsCaption,
                              Win::MB_YESNO | Win::MB_ICONQUESTION | Win::MB_SETFOREGROUND) == Win::IDYES &&
             !SwitchExtensions(count)) {
    return 0;
  }
  Win::DialogBoxParamA(Win::GetModuleHandleA(nullptr), Win::IntResource(IDD_SETTINGS), nullptr, SettingsDialogProc, 0);
  Win::ReleaseMutex(instance);
  return 0;
}

int RunSettingsProgram() {
  return RunProgram({{TinyUtils::Startup, nullptr},
                     {TinyShell::Startup, TinyShell::End},
                     {TinyShlLnk2::Startup, TinyShlLnk2::End},
                     {nullptr, ClearProgramPaths}},
                    SettingsMain);
}

}  // namespace VLOption
