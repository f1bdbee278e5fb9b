// TinyReg: registry writes, key tests and deletions through one path text.
#include "TinyReg.h"

#include "platform/Registry.h"
#include "platform/WinConstants.h"

namespace TinyReg {
namespace {

constexpr Win::LONG kSuccess = Win::ERROR_SUCCESS;

// The key part (before the last backslash) and the name after it; false without backslash.
bool SplitPath(const std::string& path, std::string& keyPath, std::string& name) {
  std::size_t position = LastCharPos('\\', path);
  if (position == 0) return false;
  keyPath = path.substr(0, position - 1);
  name = path.substr(position);
  return true;
}

}  // namespace

std::size_t LastCharPos(char character, const std::string& text) {
  std::size_t index = text.rfind(character);
  return index == std::string::npos ? 0 : index + 1;  // 1-based
}

bool WriteRegValue(Win::HKEY root, const std::string& path, Win::DWORD type, const void* data, Win::DWORD size) {
  std::string keyPath, valueName;
  if (!SplitPath(path, keyPath, valueName)) return false;
  Win::HKEY key = nullptr;
  Win::DWORD disposition = 0;
  if (Win::RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, Win::REG_OPTION_NON_VOLATILE, Win::KEY_WRITE, nullptr,
                           &key, &disposition) != kSuccess) {
    return false;
  }
  bool written = Win::RegSetValueExA(key, valueName.c_str(), 0, type, static_cast<const Win::BYTE*>(data), size) ==
                 kSuccess;
  Win::RegCloseKey(key);
  return written;
}

bool WriteRegString(Win::HKEY root, const std::string& path, const std::string& text) {
  return WriteRegValue(root, path, Win::REG_SZ, text.c_str(), static_cast<Win::DWORD>(text.size() + 1));
}

bool RegKeyExists(Win::HKEY root, const std::string& path) {
  std::string keyPath, valueName;
  if (!SplitPath(path, keyPath, valueName)) return false;
  Win::HKEY key = nullptr;
  if (Win::RegOpenKeyExA(root, keyPath.c_str(), 0, Win::KEY_READ, &key) != kSuccess) return false;
  Win::RegCloseKey(key);
  return true;
}

bool DeleteRegKey(Win::HKEY root, const std::string& path) {
  std::string keyPath, subkeyName;
  if (!SplitPath(path, keyPath, subkeyName)) return false;
  Win::HKEY key = nullptr;
  if (Win::RegOpenKeyExA(root, keyPath.c_str(), 0, Win::KEY_WRITE, &key) != kSuccess) return false;
  // An empty name deletes the key just opened.
  bool deleted = Win::RegDeleteKeyA(key, subkeyName.c_str()) == kSuccess;
  Win::RegCloseKey(key);
  return deleted;
}

}  // namespace TinyReg
