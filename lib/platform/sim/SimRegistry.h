// Simulation only: the controls of the simulated registry for host tests.
// Reset leaves HKEY_CLASSES_ROOT, HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE empty. Key
// and value names match without regard to ASCII case; an empty value name is the default.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace Sim {

struct RegistryValue {
  Win::DWORD type;
  std::string data;  // the stored bytes, a string's terminating zero included when it was stored
};

// Creates the key and its parents as needed.
void SetRegistryValue(Win::HKEY root, const std::string& keyPath, const std::string& valueName,
                      Win::DWORD type, const std::string& data);
// A REG_SZ value stored with its terminating zero, as programs store strings.
void SetRegistryString(Win::HKEY root, const std::string& keyPath, const std::string& valueName,
                       const std::string& text);
void AddRegistryKey(Win::HKEY root, const std::string& keyPath);
bool RegistryKeyExists(Win::HKEY root, const std::string& keyPath);
std::optional<RegistryValue> GetRegistryValue(Win::HKEY root, const std::string& keyPath,
                                              const std::string& valueName);
// Every key below root as a path ("a", "a\\b", ...), parents before their subkeys.
std::vector<std::string> RegistryKeyPaths(Win::HKEY root);
// The names of the key's values ("" for the default value), in upper case.
std::vector<std::string> RegistryValueNames(Win::HKEY root, const std::string& keyPath);
// Keys opened or created by the programs and not yet closed.
int OpenRegistryKeys();

}  // namespace Sim
