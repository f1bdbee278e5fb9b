// The settings program's main routine: one running copy, the extension switch for files
// dropped on it, then the settings dialog. Its exit code is always 0. The switch's
// decision is made here (SettingsMain.cpp); win32/SettingsMain.cpp is the routine.
#pragma once

#include <string>

namespace VLOption {

// The new name of an existing dropped file: its extension ".txt" becomes ".vlf" and ".vlf"
// becomes ".txt" (either in any letter case; the new one in lower case). Empty for any
// other extension, or none, which ends the switch.
std::string SwitchedName(const std::string& file);

// Windows only.
int SettingsMain();

}  // namespace VLOption
