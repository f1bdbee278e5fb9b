// TinyUtils, browser half: registry strings, the default browser, environment expansion
// and program starts.
#include "TinyUtilsBrowser.h"

#include <cstring>
#include <vector>

#include "TinyUtilsFiles.h"
#include "TinyUtilsText.h"
#include "platform/Process.h"
#include "platform/Registry.h"
#include "platform/WinConstants.h"

namespace TinyUtils {

std::string ReadRegString(Win::HKEY root, const std::string& keyPath, const std::string& valueName) {
  Win::HKEY key = nullptr;
  if (Win::RegOpenKeyExA(root, keyPath.c_str(), 0, Win::KEY_QUERY_VALUE, &key) != Win::ERROR_SUCCESS) return {};
  std::string result;
  Win::DWORD type = 0, size = 0;
  if (Win::RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size) == Win::ERROR_SUCCESS &&
      type == Win::REG_SZ && size > 0) {
    // A buffer of the full size reported; the data counts only when this query succeeds
    // with the same type.
    std::string data(size, '\0');
    Win::DWORD dataType = 0, dataSize = size;
    if (Win::RegQueryValueExA(key, valueName.c_str(), nullptr, &dataType, reinterpret_cast<Win::BYTE*>(data.data()),
                              &dataSize) == Win::ERROR_SUCCESS &&
        dataType == Win::REG_SZ) {
      data.resize(std::min(dataSize, size));
      // Only a stored terminating zero is dropped: data stored without one keeps its last byte.
      if (!data.empty() && data.back() == '\0') data.pop_back();
      result = data;
    }
  }
  Win::RegCloseKey(key);
  return result;
}

std::string GetExePathFromCommand(Win::HKEY root, const std::string& keyPath) {
  std::string command = ReadRegString(root, keyPath, "");
  // 1-based position of the first ".exe", found in a lower-cased copy of the same length.
  std::size_t pos = LowerCase(command).find(".exe") + 1;
  std::string path = command;
  if (pos > 0 && command[0] == '"') {
    path = command.substr(1, pos + 2);  // from after the opening quote to the end of ".exe"
  } else if (pos > 0) {
    path = command.substr(0, pos + 3);
  }
  // Where the long form cannot be had (no GetLongPathNameA), the path is taken as it is.
  std::string longPath = GetLongPath(path);
  if (!longPath.empty()) path = longPath;
  return FileExists(path) ? path : std::string();
}

std::string GetProtocolProgramPath(const std::string& protocol) {
  std::string result;
  std::string verb = ReadRegString(Win::HKEY_CLASSES_ROOT, protocol + "\\shell", "");
  if (!verb.empty()) {
    result = GetExePathFromCommand(Win::HKEY_CLASSES_ROOT, protocol + "\\shell\\" + verb + "\\command");
  }
  if (result.empty()) result = GetExePathFromCommand(Win::HKEY_CLASSES_ROOT, protocol + "\\shell\\open\\command");
  return result;
}

std::string GetDefaultBrowserPath() { return GetProtocolProgramPath("http"); }

std::string QuoteProgramPath(const std::string& path) {
  return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

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
  // Windows refuses a command line of more than 32,766 characters (and its zero); Wine
  // would start the program with the line cut short. Such a line is not started.
  constexpr std::size_t kLongestCommandLine = 32766;
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
