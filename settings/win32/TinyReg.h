// Windows only. TinyReg: registry keys and values below a root key. Writes and deletions
// answer ERROR_SUCCESS (0) or the system's error number.
#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace TinyReg {

// Writes the value (an empty name: the key's default value) with exactly these bytes,
// creating every missing key on the way.
Win::DWORD WriteRegValue(Win::HKEY root, const std::string& key, const std::string& valueName, Win::DWORD type,
                         const std::string& data);
bool RegKeyExists(Win::HKEY root, const std::string& key);
// Deletes the key itself and never walks into subkeys: whether a key that has subkeys
// goes is the platform's decision (the NT family refuses it).
Win::DWORD DeleteRegKey(Win::HKEY root, const std::string& key);

}  // namespace TinyReg
