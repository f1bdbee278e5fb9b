// VLCheck: the program search of CreateProcessA and the shell's openers, through queries.
#include "ProgramLookup.h"

#include "Program.h"
#include "TinyUtilsBrowser.h"
#include "TinyUtilsText.h"
#include "platform/Files.h"
#include "platform/ProgramSearch.h"
#include "platform/Shell.h"
#include "platform/WinConstants.h"

namespace {

// The text a platform call of the GetSystemDirectoryA kind gives; empty on failure.
template <typename Call>
std::string QueryText(Call call) {
  std::string text(Win::MAX_PATH, '\0');
  auto length = static_cast<std::size_t>(call(text.data(), static_cast<Win::DWORD>(text.size())));
  if (length >= text.size()) {  // too small: the size needed
    text.assign(length, '\0');
    length = static_cast<std::size_t>(call(text.data(), static_cast<Win::DWORD>(text.size())));
    if (length >= text.size()) length = 0;
  }
  text.resize(length);
  return text;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsFolder(const std::string& path) {
  Win::DWORD attributes = Win::GetFileAttributesA(path.c_str());
  return attributes != Win::INVALID_FILE_ATTRIBUTES && (attributes & Win::FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A file CreateProcessA starts: a Windows program, or a batch file, which it hands to the
// command interpreter.
bool IsStartable(const std::string& path) {
  std::string extension = TinyUtils::AsciiLowerCase(TinyUtils::ExtractExtension(path));
  if (extension == ".bat" || extension == ".cmd") return true;
  Win::DWORD kind = 0;
  return Win::GetBinaryTypeA(path.c_str(), &kind) != 0;
}

// The file one candidate name stands for along the search path; empty when none.
std::string SearchProgram(const std::string& searchPath, const std::string& name) {
  if (name.empty()) return {};
  std::string found = QueryText([&](char* buffer, Win::DWORD size) {
    return Win::SearchPathA(searchPath.c_str(), name.c_str(), ".exe", size, buffer, nullptr);
  });
  return found.empty() || IsFolder(found) ? std::string() : found;
}

// The scheme of an address: letters, digits, "+", "-" and "." before a ":", at least two
// of them (one letter before ":" is a drive); empty when text is no address.
std::string SchemeOf(const std::string& text) {
  std::size_t colon = text.find(':');
  if (colon == std::string::npos || colon < 2) return {};
  auto isAsciiLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (!isAsciiLetter(text[0])) return {};
  for (std::size_t i = 1; i < colon; ++i) {
    char c = text[i];
    if (!isAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return {};
  }
  return text.substr(0, colon);
}

// The program registered under "App Paths" for a bare program name, without quotes.
std::string AppPath(const std::string& name) {
  if (name.find_first_of("\\/: \t") != std::string::npos) return {};
  std::string file = TinyUtils::ExtractExtension(name).empty() ? name + ".exe" : name;
  std::string path = TinyUtils::ReadRegString(
      Win::HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + file, "");
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
  return path;
}

}  // namespace

std::string ProgramSearchPath() {
  std::string windows = QueryText(Win::GetWindowsDirectoryA);
  std::string path = FindProgramFolder();
  path += ";" + QueryText([](char* buffer, Win::DWORD size) { return Win::GetCurrentDirectoryA(size, buffer); });
  path += ";" + QueryText(Win::GetSystemDirectoryA);
  path += ";" + TinyUtils::AddTrailingBackslash(windows) + "system";
  path += ";" + windows;
  std::string variable = QueryText([](char* buffer, Win::DWORD size) {
    return Win::GetEnvironmentVariableA("PATH", buffer, size);
  });
  if (!variable.empty()) path += ";" + variable;
  return path;
}

TProgramLookup FindProgramOf(const std::string& commandLine) {
  std::string searchPath = ProgramSearchPath();
  std::size_t start = 0;
  while (start < commandLine.size() && IsBlank(commandLine[start])) ++start;
  TProgramLookup lookup;
  if (start < commandLine.size() && commandLine[start] == '"') {
    std::size_t close = commandLine.find('"', start + 1);
    lookup.Path = SearchProgram(searchPath, commandLine.substr(start + 1, close - start - 1));
  } else {
    for (std::size_t end = start; lookup.Path.empty() && end <= commandLine.size(); ++end) {
      if (end < commandLine.size() && !IsBlank(commandLine[end])) continue;
      lookup.Path = SearchProgram(searchPath, commandLine.substr(start, end - start));
    }
  }
  lookup.IsProgram = !lookup.Path.empty() && IsStartable(lookup.Path);
  return lookup;
}

TShellOpener FindShellOpener(const std::string& text) {
  TShellOpener opener;
  if (text.empty()) return opener;
  std::string scheme = SchemeOf(text);
  if (!scheme.empty()) {
    opener.Program = TinyUtils::GetProtocolProgramPath(scheme);
    return opener;
  }
  if (IsFolder(text)) {
    opener.IsFolder = true;
    return opener;
  }
  char program[Win::MAX_PATH] = {};
  if (reinterpret_cast<std::uintptr_t>(Win::FindExecutableA(text.c_str(), nullptr, program)) > 32) {
    opener.Program = program;
    return opener;
  }
  opener.Program = AppPath(text);
  return opener;
}
