// Windows only: the checker's contract fixture over the real platform, through <windows.h>.
#include "FixtureChecker.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace Fixture {
namespace {

std::string savedPath;

void SetClassString(const std::string& keyPath, const std::string& text) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != 0) {
    return;
  }
  RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size() + 1));
  RegCloseKey(key);
}

}  // namespace

void RegisterFileType(const std::string& extension, const std::string& typeName, const std::string& command) {
  SetClassString(extension, typeName);
  SetClassString(typeName + "\\shell\\open\\command", command);
}

void RemoveFileType(const std::string& extension, const std::string& typeName) {
  for (const char* part : {"\\shell\\open\\command", "\\shell\\open", "\\shell", ""}) {
    RegDeleteKeyA(HKEY_CLASSES_ROOT, (typeName + part).c_str());
  }
  RegDeleteKeyA(HKEY_CLASSES_ROOT, extension.c_str());
}

void PrependToPath(const std::string& folder) {
  char path[32768] = {};
  GetEnvironmentVariableA("PATH", path, sizeof path);
  savedPath = path;
  SetEnvironmentVariableA("PATH", (folder + ";" + savedPath).c_str());
}

void RestorePath() { SetEnvironmentVariableA("PATH", savedPath.c_str()); }

}  // namespace Fixture
