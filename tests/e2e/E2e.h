// Windows only: helpers of the end-to-end tests and the package check, which run the real
// programs under Wine: files and temporary folders, copies of the programs, starting a
// program and waiting for its exit code, registry values set for the length of a test, the
// settings dialog, Send To, the clipboard, and the probe programs that stand in for the
// browser. The build names the programs (VORLA_*_EXE) and the source tree.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <wrl/client.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/Resource.h"

namespace E2e {

using Strings = std::vector<std::string>;

// A path of the build's host as Wine shows it: the host's root is drive Z:.
inline std::string WinePath(std::string hostPath) {
  std::replace(hostPath.begin(), hostPath.end(), '/', '\\');
  return "Z:" + hostPath;
}

// The programs as built in this tree, all three in one folder.
inline std::string LauncherPath() { return WinePath(VORLA_LAUNCHER_EXE); }
inline std::string CheckerPath() { return WinePath(VORLA_CHECKER_EXE); }
// A file of the source tree, named from its root with "/" ("examples/sample.vlf").
inline std::string SourcePath(const std::string& path) { return WinePath(VORLA_SOURCE_DIR "/" + path); }

// The probe programs built beside the test program (see probe/Probe.cpp): a window program
// that reaches input idle and a console program.
inline std::string ProbePath() { return WinePath(VORLA_PROBE_EXE); }
inline std::string ConsoleProbePath() { return WinePath(VORLA_CONSOLE_PROBE_EXE); }

inline std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// The text as UTF-16, read in the ANSI code page.
inline std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                  static_cast<int>(wide.size())));
  return wide;
}

// The bytes of a file; empty when it cannot be read.
inline std::string ReadAll(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// Writes a file, making the folders on its way (a path ending in a backslash makes only
// them); its path.
inline std::string WriteAll(const std::string& path, const std::string& bytes) {
  SHCreateDirectoryExA(nullptr, path.substr(0, path.rfind('\\')).c_str(), nullptr);
  if (!path.ends_with('\\')) std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

// Removes a folder (ending in a backslash) with everything in it.
inline void RemoveTree(const std::string& folder) {
  std::string from = folder.substr(0, folder.size() - 1) + '\0' + '\0';
  SHFILEOPSTRUCTA operation{nullptr, FO_DELETE, from.c_str(), nullptr, FOF_NO_UI, FALSE, nullptr, nullptr};
  SHFileOperationA(&operation);
}

// Bytes of a fixed pseudo-random sequence.
inline std::string RandomBytes(std::size_t count, unsigned seed) {
  std::mt19937 generator(seed);
  std::string bytes(count, '\0');
  for (char& byte : bytes) byte = static_cast<char>(generator() & 0xFF);
  return bytes;
}

// The bytes of tests/e2e/data/<name> with each "{key}" replaced by its value.
inline std::string ExpectedText(const std::string& name, const std::map<std::string, std::string>& values) {
  std::string text = ReadAll(SourcePath("tests/e2e/data/" + name));
  for (const auto& [key, value] : values) {
    for (std::size_t at = 0; (at = text.find("{" + key + "}", at)) != std::string::npos; at += value.size()) {
      text.replace(at, key.size() + 2, value);
    }
  }
  return text;
}

// A new, empty folder of the test's own (its path ends in a backslash), removed with its content;
// its name begins with the name given.
class TempFolder {
 public:
  explicit TempFolder(const std::string& name = "vorla-e2e") {
    static int count = 0;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    path_ = std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count);
    RemoveTree(path_ += "\\");
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TempFolder() { RemoveTree(path_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  // Writes a file below the folder, or makes a folder when name ends in a backslash; its full path.
  std::string Write(const std::string& name, const std::string& content = "") const {
    return WriteAll(path_ + name, content);
  }

 private:
  std::string path_;
};

// Vorla.exe and VLOption.exe copied into a folder of their own named "表示..." (the second
// byte of 表 is a backslash), with a Vorla.ini of these bytes when given.
class Installation : public TempFolder {
 public:
  explicit Installation(const std::optional<std::string>& settings = std::nullopt) : TempFolder("表示") {
    CopyFileA(LauncherPath().c_str(), Launcher().c_str(), FALSE);
    CopyFileA(WinePath(VORLA_SETTINGS_EXE).c_str(), Settings().c_str(), FALSE);
    if (settings) Write("Vorla.ini", *settings);
  }
  std::string Launcher() const { return Path() + "Vorla.exe"; }
  std::string Settings() const { return Path() + "VLOption.exe"; }
  // The clipboard option as the platform reads Vorla.ini; "(none)" without one.
  std::string Option() const {
    char value[64] = {};
    GetPrivateProfileStringA("Option", "ExecuteURLInClipboard", "(none)", value, sizeof value,
                             (Path() + "Vorla.ini").c_str());
    return value;
  }
};

// A started program; its handles are closed with it, and it is ended when still running.
class Process {
 public:
  // With an output handle, the program's standard output and error go there and it gets
  // no standard input.
  explicit Process(std::string commandLine, DWORD creationFlags = 0, HANDLE output = nullptr) {
    STARTUPINFOA startupInfo{};
    startupInfo.cb = sizeof startupInfo;
    startupInfo.dwFlags = output != nullptr ? STARTF_USESTDHANDLES : 0;
    startupInfo.hStdOutput = startupInfo.hStdError = output;
    CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, output != nullptr, creationFlags, nullptr, nullptr,
                   &startupInfo, &info_);  // info_ stays empty when it fails
  }
  ~Process() {
    Wait(0);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
  DWORD Id() const { return info_.dwProcessId; }
  // Waits for the end and gives the exit code; after timeoutMs the program is ended and
  // the result is STILL_ACTIVE (259), as it is for a program that could not be started.
  DWORD Wait(DWORD timeoutMs = 60000) {
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_TIMEOUT) {
      TerminateProcess(info_.hProcess, STILL_ACTIVE);
      WaitForSingleObject(info_.hProcess, 5000);
    }
    GetExitCodeProcess(info_.hProcess, &exitCode);
    return exitCode;
  }

 private:
  PROCESS_INFORMATION info_{};
};

// Runs Vorla.exe with the arguments to its end; its exit code.
inline DWORD RunLauncher(const std::string& arguments) {
  return Process(Quoted(LauncherPath()) + " " + arguments).Wait();
}

// What a console program wrote, and its exit code.
struct Output {
  DWORD exitCode;
  std::string text;
};
// Runs the command line to its end without a console (so it waits for no key), its output into a pipe.
inline Output RunCaptured(const std::string& commandLine) {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  CreatePipe(&readEnd, &writeEnd, &inherited, 0);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  Process program(commandLine, DETACHED_PROCESS, writeEnd);
  CloseHandle(writeEnd);  // the program's end closes the pipe, or at once one that did not start
  std::string text;
  char buffer[4096];
  DWORD count = 0;
  while (ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr) && count > 0) text.append(buffer, count);
  CloseHandle(readEnd);
  return {program.Wait(), text};
}

// The type and bytes of a key's default value as stored; nothing when it cannot be read.
inline std::optional<std::pair<DWORD, std::string>> ReadRegistryValue(HKEY root, const std::string& keyPath,
                                                                       const std::string& valueName = "") {
  HKEY key;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  std::string data(1 << 16, '\0');  // more than any value the tests meet
  DWORD type = 0, size = static_cast<DWORD>(data.size());
  LONG result = RegQueryValueExA(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
  RegCloseKey(key);
  return result == ERROR_SUCCESS ? std::optional(std::pair(type, data.substr(0, size))) : std::nullopt;
}

// The default value of a key under HKEY_CLASSES_ROOT, its zero included; "(none)" without
// a string there.
inline std::string ClassesValue(const std::string& keyPath) {
  auto value = ReadRegistryValue(HKEY_CLASSES_ROOT, keyPath);
  return value && value->first == REG_SZ ? value->second : "(none)";
}

// A key's value (the default one unless named) set for the life of this object (a string's
// zero only when data ends in one); then the value is as it was. Keys it has to make stay.
class ScopedRegistryValue {
 public:
  ScopedRegistryValue(HKEY root, const std::string& keyPath, DWORD type, const std::string& data,
                      const std::string& valueName = "")
      : root_(root), keyPath_(keyPath), valueName_(valueName), old_(ReadRegistryValue(root, keyPath, valueName)) {
    RegSetKeyValueA(root, keyPath.c_str(), valueName.c_str(), type, data.data(), static_cast<DWORD>(data.size()));
  }
  // A string value.
  ScopedRegistryValue(HKEY root, const std::string& keyPath, const std::string& text, const std::string& valueName = "")
      : ScopedRegistryValue(root, keyPath, REG_SZ, text + '\0', valueName) {}
  ~ScopedRegistryValue() {
    RegDeleteKeyValueA(root_, keyPath_.c_str(), valueName_.c_str());
    if (old_) {
      RegSetKeyValueA(root_, keyPath_.c_str(), valueName_.c_str(), old_->first, old_->second.data(),
                      static_cast<DWORD>(old_->second.size()));
    }
  }
  ScopedRegistryValue(const ScopedRegistryValue&) = delete;
  ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;

 private:
  HKEY root_;
  std::string keyPath_, valueName_;
  std::optional<std::pair<DWORD, std::string>> old_;
};

// The settings dialog: its caption (also its question box's) and its check boxes.
inline const char* const kSettingsCaption = "Vorla 動作設定";
constexpr int kAssociateBox = IDC_ASSOCIATE, kSendToBox = IDC_SENDTO, kClipboardBox = IDC_CLIPBOARD;

// The top-level window with the settings caption that holds a control of this id, once it
// is shown; null when none comes within 20 s, or before the program given ends.
inline HWND AwaitSettingsWindow(int controlId, const Process* program = nullptr) {
  for (int attempt = 0; attempt < 400 && (program == nullptr || program->Running()); ++attempt, Sleep(50)) {
    HWND window = FindWindowA("#32770", kSettingsCaption);
    if (window != nullptr && GetDlgItem(window, controlId) != nullptr && IsWindowVisible(window)) return window;
  }
  return nullptr;
}
// Presses a button and lets the dialog go on with what it does then.
inline void Press(HWND dialog, int button) { PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0); }
// The text of a message box (its static control 0xFFFF).
inline std::string MessageText(HWND box) {
  char text[2048] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  return text;
}
// A run of VLOption.exe as a user makes it: the boxes as the dialog opened and after the
// clicks (none when no dialog came), whether the association's box could be clicked, and
// the exit code. The boxes in the order of their ids.
struct SettingsRun {
  std::vector<bool> opened, clicked;
  std::string warning;  // the text of the warning of settings not saved, closed by the user
  bool associationEnabled = false;
  DWORD exitCode = STILL_ACTIVE;
};
// Runs the settings program, clicks these boxes, then ends the dialog (with OK unless told otherwise).
inline SettingsRun RunSettings(const std::string& settingsProgram, const std::vector<int>& boxes,
                               void (*end)(HWND dialog) = nullptr) {
  auto checks = [](HWND dialog) {
    return std::vector<bool>{IsDlgButtonChecked(dialog, kAssociateBox) == BST_CHECKED,
                             IsDlgButtonChecked(dialog, kSendToBox) == BST_CHECKED,
                             IsDlgButtonChecked(dialog, kClipboardBox) == BST_CHECKED};
  };
  Process program(Quoted(settingsProgram));
  SettingsRun run;
  if (HWND dialog = AwaitSettingsWindow(kAssociateBox)) {
    run.opened = checks(dialog);
    run.associationEnabled = IsWindowEnabled(GetDlgItem(dialog, kAssociateBox));
    for (int box : boxes) SendMessageA(GetDlgItem(dialog, box), BM_CLICK, 0, 0);  // handled when it returns
    run.clicked = checks(dialog);
    end != nullptr ? end(dialog) : Press(dialog, IDOK);
  }
  // A warning of settings not saved comes before the program ends; the user closes it.
  if (HWND warning = AwaitSettingsWindow(0xFFFF, &program)) {  // a message box's text
    run.warning = MessageText(warning);
    Press(warning, IDOK);
  }
  run.exitCode = program.Wait();
  return run;
}

// The user's Send To folder, ending in a backslash.
inline std::string SendToFolder() {
  char path[MAX_PATH + 1] = {};
  SHGetSpecialFolderPathA(nullptr, path, CSIDL_SENDTO, FALSE);
  return std::string(path) + "\\";
}

// A shell link file as the shell's link object reads it, one field a line: target,
// arguments, working folder, icon and its index, show command; empty when it cannot be read.
inline std::string ReadShellLink(const std::string& path) {
  CoInitialize(nullptr);
  Microsoft::WRL::ComPtr<IShellLinkA> link;
  Microsoft::WRL::ComPtr<IPersistFile> file;
  std::string fields;
  if (SUCCEEDED(CoCreateInstance(__uuidof(ShellLink), nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
      SUCCEEDED(link.As(&file)) && SUCCEEDED(file->Load(Wide(path).c_str(), STGM_READ))) {
    char text[4][MAX_PATH + 1] = {};
    int iconIndex = -1, showCommand = -1;
    link->GetPath(text[0], sizeof text[0], nullptr, SLGP_UNCPRIORITY);
    link->GetArguments(text[1], sizeof text[1]);
    link->GetWorkingDirectory(text[2], sizeof text[2]);
    link->GetIconLocation(text[3], sizeof text[3], &iconIndex);
    // From the file's header (offset 0x3C): Wine's GetShowCmd answers 1 after Load, whatever the file holds.
    std::memcpy(&showCommand, ReadAll(path).append(0x40, '\0').data() + 0x3C, sizeof showCommand);
    fields = std::string(text[0]) + "\n" + text[1] + "\n" + text[2] + "\n" + text[3] + "," + std::to_string(iconIndex) +
             "\n" + std::to_string(showCommand);
  }
  file.Reset();  // released while COM is still there
  link.Reset();
  CoUninitialize();
  return fields;
}

// Puts the text on the clipboard as Unicode text, as any program would; the system gives
// it in the ANSI code page too (CF_TEXT).
inline void PutClipboardText(const std::u16string& text) {
  ASSERT_TRUE(OpenClipboard(nullptr)) << "no clipboard: is there an X display?";
  EmptyClipboard();
  std::size_t size = (text.size() + 1) * sizeof(char16_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(block), text.c_str(), size);
  GlobalUnlock(block);
  EXPECT_NE(SetClipboardData(CF_UNICODETEXT, block), nullptr);
  CloseClipboard();
}

// One start of a probe program, as it logged it.
struct ProbeStart {
  unsigned long long timeMs;
  std::string program, commandLine;
  // The command line after the program's name and the blank that follows it.
  std::string Arguments() const { return PathGetArgsA(commandLine.c_str()); }
  // The shell quotes the text it hands on ("%1" in quotes); the launcher does not.
  bool ByShell() const { return Arguments().starts_with('"'); }
};

// The probe registered as the browser for the life of this object: the command of
// "http\shell\open\command" (and of https), with the log in a folder of its own.
class ProbeBrowser {
 public:
  explicit ProbeBrowser(const std::string& browserPath = ProbePath())
      : http_(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", Quoted(browserPath) + " \"%1\""),
        https_(HKEY_CLASSES_ROOT, "https\\shell\\open\\command", Quoted(browserPath) + " \"%1\"") {
    // The programs the launcher starts inherit the test program's environment.
    SetEnvironmentVariableA("VORLA_PROBE_LOG", logPath_.c_str());
  }
  ~ProbeBrowser() { SetEnvironmentVariableA("VORLA_PROBE_LOG", nullptr); }

  // Each line of the log: the time, the program and its command line, tab-separated.
  std::vector<ProbeStart> Starts() const {
    std::vector<ProbeStart> starts;
    std::string content = ReadAll(logPath_);
    for (std::size_t begin = 0, end; (end = content.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
      std::string line = content.substr(begin, end - begin);
      std::size_t tab1 = line.find('\t'), tab2 = line.find('\t', tab1 + 1);
      starts.push_back({std::stoull(line), line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1)});
    }
    return starts;
  }
  // Waits until at least count starts are logged (at most 30 s: a start through the shell
  // can be slow on a busy machine), then as long again as settleMs, for starts that might
  // still come; gives them all.
  std::vector<ProbeStart> AwaitStarts(std::size_t count, DWORD settleMs) const {
    for (int attempt = 0; Starts().size() < count && attempt < 1500; ++attempt) Sleep(20);
    Sleep(settleMs);
    return Starts();
  }
  // The arguments of every start, in order.
  Strings Arguments() const {
    Strings arguments;
    for (const auto& start : Starts()) arguments.push_back(start.Arguments());
    return arguments;
  }

 private:
  TempFolder logFolder_;
  std::string logPath_ = logFolder_.Path() + "probe.log";
  ScopedRegistryValue http_, https_;
};

}  // namespace E2e
