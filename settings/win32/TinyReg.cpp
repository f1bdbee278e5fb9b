// Windows only. TinyReg: registry writes, key tests and deletions.
#include "TinyReg.h"

#include "platform/Registry.h"
#include "platform/WinConstants.h"

namespace TinyReg {

constexpr Win::LONG kSuccess = Win::ERROR_SUCCESS;

bool WriteRegValue(Win::HKEY root, const std::string& key, const std::string& valueName, Win::DWORD type,
                   const std::string& data) {
  Win::HKEY handle = nullptr;
  Win::DWORD disposition = 0;
  if (Win::RegCreateKeyExA(root, key.c_str(), 0, nullptr, Win::REG_OPTION_NON_VOLATILE, Win::KEY_WRITE, nullptr,
                           &handle, &disposition) != kSuccess) {
    return false;
  }
  const auto* bytes = reinterpret_cast<const Win::BYTE*>(data.data());
  bool written =
      Win::RegSetValueExA(handle, valueName.c_str(), 0, type, bytes, static_cast<Win::DWORD>(data.size())) == kSuccess;
  Win::RegCloseKey(handle);
  return written;
}

bool RegKeyExists(Win::HKEY root, const std::string& key) {
  Win::HKEY handle = nullptr;
  if (Win::RegOpenKeyExA(root, key.c_str(), 0, Win::KEY_READ, &handle) != kSuccess) return false;
  Win::RegCloseKey(handle);
  return true;
}

bool DeleteRegKey(Win::HKEY root, const std::string& key) {
  Win::HKEY handle = nullptr;
  if (Win::RegOpenKeyExA(root, key.c_str(), 0, Win::KEY_WRITE, &handle) != kSuccess) return false;
  // An empty name deletes the key just opened.
  bool deleted = Win::RegDeleteKeyA(handle, "") == kSuccess;
  Win::RegCloseKey(handle);
  return deleted;
}

}  // namespace TinyReg
