// VLOptionUtils: the association of list files ".vlf" with the launcher, under
// HKEY_CLASSES_ROOT: ".vlf" names the type "VorlaFile", which carries the display name,
// the list-file icon of the launcher and its open command.
#pragma once

#include <string>

namespace VLOptionUtils {

// Both keys ".vlf" and "VorlaFile" exist; nothing else is compared.
bool IsFileTypeRegistered();
// Writes the four entries (every one is attempted) and tells the shell.
void RegisterFileType(const std::string& launcherPath);
// Deletes ".vlf", then, when that worked, "VorlaFile", and tells the shell; true when both
// went. On the NT family "VorlaFile" stays, as it has subkeys.
bool UnregisterFileType();

}  // namespace VLOptionUtils
