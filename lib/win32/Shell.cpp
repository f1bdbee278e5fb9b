// Windows only: COM start-up and end, the shell's "open" verb, program starts and the
// expansion of environment references.
#include "win32/Shell.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "ShellLimits.h"
#include "Text.h"
#include "platform/Process.h"
#include "platform/Shell.h"
#include "platform/WinConstants.h"
#include "win32/TextMapping.h"

namespace TinyShell {

void Startup() { Win::CoInitialize(nullptr); }

void End() { Win::CoUninitialize(); }

void ShellOpen(const std::string& file, const std::string& parameters) {
  if (TinyUtils::WideLength(file) > TinyUtils::kLongestShellText) return;
  Win::ShellExecuteA(Win::GetDesktopWindow(), "open", file.c_str(), parameters.c_str(), nullptr, Win::SW_SHOWNORMAL);
}

}  // namespace TinyShell

namespace TinyUtils {

std::string ExpandEnvStrings(const std::string& text) {
  // Windows reports the size it needs when the buffer is too small; Wine's ANSI call counts
  // characters, so a double-byte text may not fit a buffer of the size it reports. The
  // text is taken only when its zero stands before the buffer's last byte.
  constexpr Win::DWORD kLargestExpansion = 32768;
  std::vector<char> buffer(261);
  for (;;) {
    auto size = static_cast<Win::DWORD>(buffer.size());
    Win::DWORD count = Win::ExpandEnvironmentStringsA(text.c_str(), buffer.data(), size);
    if (count == 0) return text;
    if (count <= size && std::memchr(buffer.data(), 0, size - 1) != nullptr) return Trim(buffer.data());
    if (size > kLargestExpansion) return text;
    buffer.assign(std::max<std::size_t>(count + 1, 2 * buffer.size()), '\0');
  }
}

bool RunCommand(const std::string& command, const std::string& argument) {
  std::string line = argument.empty() ? command : command + " " + argument;
  if (WideLength(line) > kLongestCommandLine) return false;
  Win::STARTUPINFOA startupInfo{};
  startupInfo.cb = sizeof startupInfo;
  Win::GetStartupInfoA(&startupInfo);
  Win::PROCESS_INFORMATION information{};
  // CreateProcessA may write into the command line, so it gets a copy of its own.
  std::vector<char> writableLine(line.c_str(), line.c_str() + line.size() + 1);
  if (!Win::CreateProcessA(nullptr, writableLine.data(), nullptr, nullptr, Win::FALSE, Win::CREATE_DEFAULT_ERROR_MODE,
                           nullptr, nullptr, &startupInfo, &information)) {
    return false;
  }
  // The program has started: that is success, whatever the wait answers. A console
  // program or a batch file never reaches input idle, and must not be started again.
  Win::WaitForInputIdle(information.hProcess, Win::INFINITE);
  Win::CloseHandle(information.hThread);
  Win::CloseHandle(information.hProcess);
  return true;
}

}  // namespace TinyUtils
