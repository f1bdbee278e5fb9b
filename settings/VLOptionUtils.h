// VLOptionUtils: the association of list files ".vlf" with the launcher, under
// HKEY_CLASSES_ROOT: ".vlf" names the type "VorlaFile", which carries the display name,
// the list-file icon of the launcher and its open command. What is written and deleted is
// decided here as data (VLOptionUtils.cpp); win32/VLOptionUtils.cpp writes it.
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace VLOptionUtils {

// One value under HKEY_CLASSES_ROOT: its key, its name (empty: the key's default value),
// its type and its exact bytes.
struct TRegistryValue {
  std::string Key;
  std::string Name;
  Win::DWORD Type = 0;
  std::string Data;
};

// The four values of the file type for the launcher at launcherPath, in the order written.
std::vector<TRegistryValue> FileTypeValues(const std::string& launcherPath);
// The keys whose presence is the registration, in the order unregistering deletes them,
// each only when the one before went. The subkeys of "VorlaFile" are not deleted one by
// one, so on the NT family "VorlaFile" stays.
inline constexpr const char* kFileTypeKeys[] = {".vlf", "VorlaFile"};

// Windows only. Both keys exist; nothing else is compared.
bool IsFileTypeRegistered();
// Writes the four values (every one is attempted) and tells the shell; 0, or the error
// number of the first write that failed.
Win::DWORD RegisterFileType(const std::string& launcherPath);
// Deletes the keys as above and tells the shell; 0 once the first is gone, which ends the
// registration, else the error number of its deletion.
Win::DWORD UnregisterFileType();

}  // namespace VLOptionUtils
