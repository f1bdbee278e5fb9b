// Windows only. TinyReg: registry writes, key tests and deletions.
#include "TinyReg.h"

#include "platform/Registry.h"
#include "platform/WinConstants.h"

namespace TinyReg {

constexpr Win::LONG kSuccess = Win::ERROR_SUCCESS;

Win::DWORD WriteRegValue(Win::HKEY root, const std::string& key, const std::string& valueName, Win::DWORD type,
                         const std::string& data) {
  Win::HKEY handle = nullptr;
  Win::DWORD disposition = 0;
  Win::LONG result = Win::RegCreateKeyExA(root, key.c_str(), 0, nullptr, Win::REG_OPTION_NON_VOLATILE, Win::KEY_WRITE,
                                          nullptr, &handle, &disposition);
  if (result != kSuccess) return static_cast<Win::DWORD>(result);
  const auto* bytes = reinterpret_cast<const Win::BYTE*>(data.data());
  result = Win::RegSetValueExA(handle, valueName.c_str(), 0, type, bytes, static_cast<Win::DWORD>(data.size()));
  Win::RegCloseKey(handle);
  return static_cast<Win::DWORD>(result);
}

bool RegKeyExists(Win::HKEY root, const std::string& key) {
  Win::HKEY handle = nullptr;
  if (Win::RegOpenKeyExA(root, key.c_str(), 0, Win::KEY_READ, &handle) != kSuccess) return false;
  Win::RegCloseKey(handle);
  return true;
}

Win::DWORD DeleteRegKey(Win::HKEY root, const std::string& key) {
  Win::HKEY handle = nullptr;
  Win::LONG result = Win::RegOpenKeyExA(root, key.c_str(), 0, Win::KEY_WRITE, &handle);
  if (result != kSuccess) return static_cast<Win::DWORD>(result);
  // An empty name deletes the key just opened.
  result = Win::RegDeleteKeyA(handle, "");
  Win::RegCloseKey(handle);
  return static_cast<Win::DWORD>(result);
}

}  // namespace TinyReg
