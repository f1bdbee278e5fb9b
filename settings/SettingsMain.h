// The settings program's main routine: one running copy, the extension switch for files
// dropped on it, then the settings dialog. Its exit code is always 0.
#pragma once

#include <string>

namespace VLOption {

// Program-wide, found by SettingsMain and read by the dialog: the program's folder (ending
// in a backslash) and its settings file.
extern std::string ProgramFolder;
extern std::string SettingsFile;

int SettingsMain();
// The whole program: the units' start-up steps, SettingsMain, the end steps in reverse
// order (the program paths cleared, then COM released twice).
int RunSettingsProgram();

}  // namespace VLOption
