// Windows only: VLCheck's main routine: the arguments, the report on standard output, the
// exit code and the console kept open for a user who started it from the shell.
#include "win32/Checker.h"

#include <algorithm>

#include "Report.h"
#include "platform/Console.h"
#include "platform/WinConstants.h"
#include "win32/Arguments.h"

namespace {

void Write(const std::string& text) {
  Win::HANDLE output = Win::GetStdHandle(Win::STD_OUTPUT_HANDLE);
  for (std::size_t done = 0; done < text.size();) {
    Win::DWORD written = 0;
    if (!Win::WriteFile(output, text.data() + done, static_cast<Win::DWORD>(text.size() - done), &written, nullptr) ||
        written == 0) {
      return;
    }
    done += written;
  }
}

// A console made for this program alone (a double click, files dropped on it) closes
// with it, and the report with it: then the program waits for a key. A console shared
// with a command prompt, or input from a file or pipe, does not wait.
void KeepConsoleOpenIfOwn() {
  Win::DWORD processes[2] = {};
  Win::DWORD mode = 0;
  Win::HANDLE input = Win::GetStdHandle(Win::STD_INPUT_HANDLE);
  if (Win::GetConsoleProcessList(processes, 2) != 1 || !Win::GetConsoleMode(input, &mode)) return;
  Write(KeyPromptText());
  Win::INPUT_RECORD record{};
  Win::DWORD read = 0;
  while (Win::ReadConsoleInputA(input, &record, 1, &read)) {
    if (read == 1 && record.EventType == Win::KEY_EVENT && record.Event.KeyEvent.bKeyDown) return;
  }
}

}  // namespace

int CheckerMain() {
  int count = CommandLine::ParamCount();
  int exitCode = count < 1 ? 2 : 0;
  if (count < 1) Write(UsageText());
  for (int index = 1; index <= count; ++index) {
    TFileReport report = CheckListFile(CommandLine::ParamStr(index));
    Write((index > 1 ? "\r\n" : "") + FormatFileReport(report));
    exitCode = std::max(exitCode, report.ExitCode());
  }
  KeepConsoleOpenIfOwn();
  return exitCode;
}
