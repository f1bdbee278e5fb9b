// Windows only: the launcher's contract fixture over the real platform, through
// <windows.h> itself. The programs installed are copies of the probe programs that are
// built beside the test program.
#include "FixtureLauncher.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "win32/TestFolders.h"

namespace Fixture {

const char* const kTestKey = "Software\\VorlaContract";

void SetEnvironment(const std::string& name, const std::string& value) {
  ::SetEnvironmentVariableA(name.c_str(), value.c_str());
}

void SetTestValue(const std::string& valueName, Win::DWORD type, const std::string& data) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != 0) return;
  RegSetValueExA(key, valueName.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                 static_cast<DWORD>(data.size()));
  RegCloseKey(key);
}
void RemoveTestKey() { RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey); }

Win::HANDLE HoldFile(const std::string& path, Win::DWORD access, Win::DWORD shareMode) {
  return ::CreateFileA(path.c_str(), access, shareMode, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}
void ReleaseFile(Win::HANDLE file) { ::CloseHandle(file); }

void InstallProgram(const std::string& path, ProgramKind kind) {
  const char* probe = kind == ProgramKind::Console ? "vorla_probe_console.exe" : "vorla_probe.exe";
  CreateDirectoryA(path.substr(0, path.rfind('\\')).c_str(), nullptr);
  CopyFileA((TestFolders::OwnFolder() + probe).c_str(), path.c_str(), FALSE);
}

std::string StartedProgram(Win::HANDLE process) {
  char path[MAX_PATH] = {};
  DWORD size = sizeof path;
  if (!QueryFullProcessImageNameA(process, 0, path, &size)) return {};
  return path;
}

void AwaitEnd(Win::HANDLE process) { WaitForSingleObject(process, 10000); }

}  // namespace Fixture
