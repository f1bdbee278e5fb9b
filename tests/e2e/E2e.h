// Windows only: helpers of the end-to-end tests, which run the real programs under Wine:
// temporary folders, starting a program and waiting for its exit code, registry values
// set for the length of a test, and the probe programs that stand in for the browser.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>
#include <vector>

namespace E2e {

// Vorla.exe as built in this tree.
std::string LauncherPath();
// VLOption.exe as built in this tree, beside Vorla.exe.
std::string SettingsPath();
// VLCheck.exe as built in this tree.
std::string CheckerPath();
// A file of the source tree, named from its root with "/" ("examples/sample.vlf").
std::string SourcePath(const std::string& path);
// The probe programs built beside the test program (see probe/Probe.cpp).
std::string ProbePath();
std::string ConsoleProbePath();

// A new, empty folder of the test's own (ending in a backslash), removed with its content.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  // Writes a file below the folder (its folders are made); returns its full path.
  std::string Write(const std::string& name, const std::string& content) const;
  // Makes a folder below the folder; returns its full path.
  std::string MakeFolder(const std::string& name) const;

 private:
  std::string path_;
};

// A started program; its handles are closed with it.
class Process {
 public:
  explicit Process(const std::string& commandLine);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  bool Running() const;
  // The largest working set the program has had so far, in bytes; 0 when it cannot be read
  // (as after its end under Wine).
  SIZE_T PeakWorkingSet() const;
  // Waits for the end and gives the exit code; after timeoutMs the program is ended and
  // the result is STILL_ACTIVE (259).
  DWORD Wait(DWORD timeoutMs = 60000);

 private:
  PROCESS_INFORMATION info_{};
};

// Runs Vorla.exe with the arguments to its end; its exit code.
DWORD RunLauncher(const std::string& arguments);
// What a console program wrote to its standard output, and its exit code.
struct Output {
  DWORD exitCode;
  std::string text;
};
// Runs the command line to its end without a console: standard output into a pipe,
// standard input from NUL.
Output RunCaptured(const std::string& commandLine);

// The path in double quotes.
std::string Quoted(const std::string& path);
// The bytes of a file; empty when it cannot be read.
std::string ReadAll(const std::string& path);

// A registry key's string value set for the life of this object; then the key is as it was.
class ScopedRegistryValue {
 public:
  ScopedRegistryValue(HKEY root, const std::string& keyPath, const std::string& valueName, const std::string& text);
  // A value of any type with exactly these bytes (a string's zero only when data ends in one).
  ScopedRegistryValue(HKEY root, const std::string& keyPath, const std::string& valueName, DWORD type,
                      const std::string& data);
  ~ScopedRegistryValue();
  ScopedRegistryValue(const ScopedRegistryValue&) = delete;
  ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;

 private:
  HKEY root_;
  std::string keyPath_, valueName_;
  std::vector<std::string> createdKeys_;  // deepest last
  bool hadValue_ = false;
  DWORD oldType_ = 0;
  std::string oldData_;
};

// The caption of the settings dialog and of its question box.
extern const char* const kSettingsCaption;
// The top-level window with the settings caption that holds a control of this id, once it
// is shown; null when none comes within the time.
HWND AwaitSettingsWindow(int controlId, DWORD timeoutMs = 20000);
// Clicks a control and waits until the dialog has handled the click.
void Click(HWND dialog, int control);
// Presses a button and lets the dialog go on with what it does then.
void Press(HWND dialog, int button);
// The text of the settings program's warning (a message box with the settings caption),
// once it is shown, which is then closed; empty when none comes within the time.
std::string DismissSettingsWarning(DWORD timeoutMs = 20000);

// Puts text, ended by a zero byte, on the clipboard as CF_TEXT, as any program would.
void PutClipboardText(const std::string& text);

// The user's Send To folder, ending in a backslash.
std::string SendToFolder();

// One start of a probe program, as it logged it.
struct ProbeStart {
  unsigned long long timeMs;
  std::string program;
  std::string commandLine;
  // The command line after the program's name and the blanks that follow it.
  std::string Arguments() const;
};

// The probe registered as the browser for the life of this object: the command of
// "http\shell\open\command" (and of https), with the log in a folder of its own.
class ProbeBrowser {
 public:
  explicit ProbeBrowser(const std::string& browserPath = ProbePath());
  ~ProbeBrowser();
  const std::string& LogPath() const { return logPath_; }
  std::vector<ProbeStart> Starts() const;
  // Waits until at least count starts are logged (or timeoutMs passed), then as long
  // again as settleMs, for starts that might still come; gives them all.
  std::vector<ProbeStart> AwaitStarts(std::size_t count, DWORD settleMs, DWORD timeoutMs = 10000) const;
  // The arguments of every start, in order.
  std::vector<std::string> Arguments() const;

 private:
  TempFolder logFolder_;
  std::string logPath_;
  ScopedRegistryValue http_, https_;
};

}  // namespace E2e
