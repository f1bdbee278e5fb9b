// Windows only: helpers of the end-to-end tests.
#include "E2e.h"

#include <psapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "win32/TestFolders.h"

namespace E2e {
namespace {

using TestFolders::OwnFolder;
using TestFolders::RemoveTree;

void MakeFolders(const std::string& path) {
  for (std::size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1)) {
    CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
  }
}

// The build gives the host's path; Wine shows the host's root as drive Z:.
std::string WinePath(const std::string& hostPath) {
  std::string path = "Z:" + hostPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

}  // namespace

std::string LauncherPath() { return WinePath(VORLA_LAUNCHER_EXE); }
std::string SettingsPath() { return WinePath(VORLA_SETTINGS_EXE); }
std::string CheckerPath() { return WinePath(VORLA_CHECKER_EXE); }
std::string SourcePath(const std::string& path) { return WinePath(std::string(VORLA_SOURCE_DIR) + "/" + path); }
std::string ProbePath() { return OwnFolder() + "vorla_probe.exe"; }
std::string ConsoleProbePath() { return OwnFolder() + "vorla_probe_console.exe"; }

TempFolder::TempFolder() {
  static int count = 0;
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  path_ = std::string(temp) + "vorla-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count) +
          "\\";
  RemoveTree(path_);
  CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string TempFolder::Write(const std::string& name, const std::string& content) const {
  std::string path = path_ + name;
  MakeFolders(path);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}

std::string TempFolder::MakeFolder(const std::string& name) const {
  std::string path = path_ + name;
  MakeFolders(path + "\\");
  return path;
}

Process::Process(const std::string& commandLine) {
  STARTUPINFOA startupInfo{};
  startupInfo.cb = sizeof startupInfo;
  std::vector<char> line(commandLine.c_str(), commandLine.c_str() + commandLine.size() + 1);
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startupInfo, &info_)) {
    info_ = PROCESS_INFORMATION{};
  }
}

Process::~Process() {
  if (!Started()) return;
  if (Running()) Wait(0);
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool Process::Running() const { return Started() && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

SIZE_T Process::PeakWorkingSet() const {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  return Started() && GetProcessMemoryInfo(info_.hProcess, &counters, sizeof counters) ? counters.PeakWorkingSetSize : 0;
}

DWORD Process::Wait(DWORD timeoutMs) {
  if (!Started()) return STILL_ACTIVE;
  if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(info_.hProcess, STILL_ACTIVE);
    WaitForSingleObject(info_.hProcess, 5000);
    return STILL_ACTIVE;
  }
  DWORD exitCode = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &exitCode);
  return exitCode;
}

DWORD RunLauncher(const std::string& arguments) { return Process(Quoted(LauncherPath()) + " " + arguments).Wait(); }

Output RunCaptured(const std::string& commandLine) {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherited, 0)) return {STILL_ACTIVE, ""};
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  HANDLE nothing = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0,
                               nullptr);
  STARTUPINFOA startupInfo{};
  startupInfo.cb = sizeof startupInfo;
  startupInfo.dwFlags = STARTF_USESTDHANDLES;
  startupInfo.hStdInput = nothing;
  startupInfo.hStdOutput = startupInfo.hStdError = writeEnd;
  PROCESS_INFORMATION info{};
  std::vector<char> line(commandLine.c_str(), commandLine.c_str() + commandLine.size() + 1);
  // Without a console of its own: a console program never waits for a key here.
  BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, nullptr,
                                &startupInfo, &info);
  CloseHandle(writeEnd);
  CloseHandle(nothing);
  Output output{STILL_ACTIVE, ""};
  char buffer[4096];
  DWORD count = 0;
  while (started && ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr) && count > 0) output.text.append(buffer, count);
  CloseHandle(readEnd);
  if (!started) return output;
  WaitForSingleObject(info.hProcess, 60000);
  GetExitCodeProcess(info.hProcess, &output.exitCode);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return output;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string ReadAll(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string content;
  char buffer[4096];
  DWORD count = 0;
  while (ReadFile(file, buffer, sizeof buffer, &count, nullptr) && count > 0) content.append(buffer, count);
  CloseHandle(file);
  return content;
}

const char* const kSettingsCaption = "Vorla 動作設定";

HWND AwaitSettingsWindow(int controlId, DWORD timeoutMs) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
    HWND window = FindWindowA("#32770", kSettingsCaption);
    if (window != nullptr && GetDlgItem(window, controlId) != nullptr && IsWindowVisible(window)) return window;
    Sleep(50);
  }
  return nullptr;
}

void Click(HWND dialog, int control) { SendMessageA(GetDlgItem(dialog, control), BM_CLICK, 0, 0); }

void Press(HWND dialog, int button) { PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0); }

std::string DismissSettingsWarning(DWORD timeoutMs) {
  constexpr int kMessageText = 0xFFFF;  // the control that shows a message box's text
  HWND warning = AwaitSettingsWindow(kMessageText, timeoutMs);
  if (warning == nullptr) return {};
  char text[2048] = {};
  GetDlgItemTextA(warning, kMessageText, text, sizeof text);
  Press(warning, IDOK);
  return text;
}

void PutClipboardText(const std::string& text) {
  ASSERT_TRUE(OpenClipboard(nullptr)) << "no clipboard: is there an X display?";
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  EXPECT_NE(SetClipboardData(CF_TEXT, block), nullptr);
  CloseClipboard();
}

std::string SendToFolder() {
  char path[MAX_PATH + 1] = {};
  SHGetSpecialFolderPathA(nullptr, path, CSIDL_SENDTO, FALSE);
  return std::string(path) + "\\";
}

ScopedRegistryValue::ScopedRegistryValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                                         const std::string& text)
    : ScopedRegistryValue(root, keyPath, valueName, REG_SZ, text + '\0') {}

ScopedRegistryValue::ScopedRegistryValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                                         DWORD type, const std::string& data)
    : root_(root), keyPath_(keyPath), valueName_(valueName) {
  // The keys on the way that do not exist yet are made here and removed again at the end.
  for (std::size_t end = 0; end != std::string::npos;) {
    end = keyPath.find('\\', end + 1);
    std::string part = keyPath.substr(0, end);
    HKEY key;
    DWORD disposition = 0;
    if (RegCreateKeyExA(root, part.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, &disposition) != 0) return;
    if (disposition == REG_CREATED_NEW_KEY) createdKeys_.push_back(part);
    RegCloseKey(key);
  }
  HKEY key;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_ALL_ACCESS, &key) != 0) return;
  DWORD size = 0;
  if (RegQueryValueExA(key, valueName.c_str(), nullptr, &oldType_, nullptr, &size) == 0) {
    oldData_.assign(size, '\0');
    hadValue_ = RegQueryValueExA(key, valueName.c_str(), nullptr, &oldType_,
                                 reinterpret_cast<BYTE*>(oldData_.data()), &size) == 0;
    oldData_.resize(size);
  }
  RegSetValueExA(key, valueName.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                 static_cast<DWORD>(data.size()));
  RegCloseKey(key);
}

ScopedRegistryValue::~ScopedRegistryValue() {
  HKEY key;
  if (RegOpenKeyExA(root_, keyPath_.c_str(), 0, KEY_ALL_ACCESS, &key) == 0) {
    if (hadValue_) {
      RegSetValueExA(key, valueName_.c_str(), 0, oldType_, reinterpret_cast<const BYTE*>(oldData_.data()),
                     static_cast<DWORD>(oldData_.size()));
    } else {
      RegDeleteValueA(key, valueName_.c_str());
    }
    RegCloseKey(key);
  }
  for (auto created = createdKeys_.rbegin(); created != createdKeys_.rend(); ++created) {
    RegDeleteKeyA(root_, created->c_str());
  }
}

std::string ProbeStart::Arguments() const {
  std::size_t i = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    i = commandLine.find('"', 1);
    i = i == std::string::npos ? commandLine.size() : i + 1;
  }
  while (i < commandLine.size() && commandLine[i] != ' ' && commandLine[i] != '\t') ++i;
  while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t')) ++i;
  return commandLine.substr(i);
}

ProbeBrowser::ProbeBrowser(const std::string& browserPath)
    : logPath_(logFolder_.Path() + "probe.log"),
      http_(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "", Quoted(browserPath) + " \"%1\""),
      https_(HKEY_CLASSES_ROOT, "https\\shell\\open\\command", "", Quoted(browserPath) + " \"%1\"") {
  // The programs the launcher starts inherit the test program's environment.
  SetEnvironmentVariableA("VORLA_PROBE_LOG", logPath_.c_str());
}

ProbeBrowser::~ProbeBrowser() { SetEnvironmentVariableA("VORLA_PROBE_LOG", nullptr); }

std::vector<ProbeStart> ProbeBrowser::Starts() const {
  std::vector<ProbeStart> starts;
  std::string content = ReadAll(logPath_);
  for (std::size_t begin = 0, end; (end = content.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
    std::string line = content.substr(begin, end - begin);
    std::size_t tab1 = line.find('\t'), tab2 = line.find('\t', tab1 + 1);
    if (tab2 == std::string::npos) continue;
    starts.push_back({std::stoull(line.substr(0, tab1)), line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1)});
  }
  return starts;
}

std::vector<ProbeStart> ProbeBrowser::AwaitStarts(std::size_t count, DWORD settleMs, DWORD timeoutMs) const {
  for (DWORD waited = 0; Starts().size() < count && waited < timeoutMs; waited += 20) Sleep(20);
  Sleep(settleMs);
  return Starts();
}

std::vector<std::string> ProbeBrowser::Arguments() const {
  std::vector<std::string> arguments;
  for (const auto& start : Starts()) arguments.push_back(start.Arguments());
  return arguments;
}

}  // namespace E2e
