// TinyShell: COM start-up and end, and the shell's "open" verb.
#include "TinyShell.h"

#include "TinyUtilsText.h"

#include "platform/Shell.h"
#include "platform/WinConstants.h"

namespace TinyShell {

void Startup() { Win::CoInitialize(nullptr); }

void End() { Win::CoUninitialize(); }

void ShellOpen(const std::string& file, const std::string& parameters) {
  // No document path or address that the shell opens is longer: an address has at most
  // 2,083 characters (INTERNET_MAX_URL_LENGTH), a path far fewer.
  constexpr std::size_t kLongestFile = 2083;
  if (TinyUtils::WideLength(file) > kLongestFile) return;
  Win::ShellExecuteA(Win::GetDesktopWindow(), "open", file.c_str(), parameters.c_str(), nullptr, Win::SW_SHOWNORMAL);
}

}  // namespace TinyShell
