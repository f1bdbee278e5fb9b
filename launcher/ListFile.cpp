// Vorla, list files: reading lines and executing them one after another.
#include "ListFile.h"

#include "TinyShell.h"
#include "TinyUtilsBrowser.h"
#include "TinyUtilsText.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"

namespace {

constexpr char kCtrlZ = 26;
constexpr std::int32_t kLongestPause = 10000;

// Ends the launcher on an input/output error. An error whose low eight bits are 0 would
// read as success, so it ends with 255.
[[noreturn]] void EndWithError(Win::DWORD error) {
  Win::UINT code = error & 0xFF;
  Win::ExitProcess(code != 0 ? code : 255);
}

void Pause(std::int32_t milliseconds) {
  if (milliseconds < 1) return;
  Win::Sleep(static_cast<Win::DWORD>(std::min(milliseconds, kLongestPause)));
}

bool IsWebAddress(const std::string& text) { return text.starts_with("http:") || text.starts_with("www."); }

// Executes one trimmed line.
void ExecuteLine(const std::string& line) {
  if (line.empty() || line[0] == ';') return;
  if (TinyUtils::LowerCase(line.substr(0, 5)) == "wait=") {
    Pause(TinyUtils::StrToIntDefault(line.substr(5), 0));
    return;
  }
  std::string text = TinyUtils::LowerCase(line.substr(0, 4)) == "url=" ? line.substr(4) : line;
  if (IsWebAddress(text)) {
    text = TinyUtils::QuoteProgramPath(TinyUtils::GetDefaultBrowserPath()) + " " + text;
  } else {
    text = TinyUtils::ExpandEnvStrings(text);
  }
  if (!TinyUtils::RunCommand(text, "")) TinyShell::ShellOpen(text, "");
}

}  // namespace

bool TLineReader::HasData() {
  if (position_ < length_) return true;
  if (endOfData_) return false;
  position_ = length_ = 0;
  if (!Win::ReadFile(file_, buffer_, kBufferSize, &length_, nullptr)) {
    length_ = 0;
    Win::DWORD error = Win::GetLastError();
    if (error != Win::ERROR_BROKEN_PIPE) EndWithError(error);
  }
  endOfData_ = length_ == 0;
  return !endOfData_;
}

bool TLineReader::ReadLine(std::string& line) {
  line.clear();
  if (!HasData() || buffer_[position_] == kCtrlZ) return false;
  while (HasData()) {
    char byte = buffer_[position_++];
    if (byte == '\n') break;
    if (byte != '\r') line += byte;
  }
  return true;
}

void ExecuteListFile(const std::string& path) {
  Win::HANDLE file = Win::CreateFileA(path.c_str(), Win::GENERIC_READ, Win::FILE_SHARE_READ, nullptr,
                                      Win::OPEN_EXISTING, Win::FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == Win::INVALID_HANDLE_VALUE) EndWithError(Win::GetLastError());
  TLineReader reader(file);
  std::string line;
  while (reader.ReadLine(line)) ExecuteLine(TinyUtils::Trim(line));
  if (!Win::CloseHandle(file)) EndWithError(Win::GetLastError());
}
