// Windows only: VLCheck's questions to the platform: where the launcher's program starts
// and shell requests would end up, found by queries only; and the check of one file.
#include "win32/Checker.h"

#include "Paths.h"
#include "Text.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/ProgramSearch.h"
#include "platform/Shell.h"
#include "platform/WinConstants.h"
#include "win32/DefaultBrowser.h"
#include "win32/Files.h"
#include "win32/FileSource.h"
#include "win32/Registry.h"
#include "win32/Shell.h"
#include "win32/ProgramStartup.h"
#include "win32/TextMapping.h"

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

// The program registered under "App Paths" for a bare program name, without quotes.
std::string AppPath(const std::string& name) {
  std::string file = AppPathsName(name);
  if (file.empty()) return {};
  std::string path = TinyUtils::ReadRegString(
      Win::HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + file, "");
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
  return path;
}

// The folders CreateProcessA searches for a program named without a folder, in its order,
// ";" between them: the launcher's folder (the checker stands beside it), the current
// folder, the system folder, the 16-bit system folder, the Windows folder and the folders
// of PATH.
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

// A quoted first token names the program; an unquoted one is tried up to every blank in
// turn, shortest first. ".exe" is added to a name without extension.
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

// An address ("scheme:..." with a scheme of two letters or more) is opened by its
// protocol's registered program; an existing file by its file type's program
// (FindExecutableA); a bare program name by its registration under "App Paths".
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
  // No file of a longer name opens through the ANSI calls; Wine's FindExecutableA overruns
  // its own buffers on one.
  char program[Win::MAX_PATH] = {};
  if (text.size() < Win::MAX_PATH &&
      reinterpret_cast<std::uintptr_t>(Win::FindExecutableA(text.c_str(), nullptr, program)) > 32) {
    opener.Program = program;
    return opener;
  }
  opener.Program = AppPath(text);
  return opener;
}

class TPlatformLookups final : public TLineLookups {
 public:
  std::string CommandLineOf(const TListLine& line) override {
    return ::CommandLineOf(line, TinyUtils::GetDefaultBrowserPath, TinyUtils::ExpandEnvStrings);
  }
  bool HasDefaultBrowser() override { return !TinyUtils::GetDefaultBrowserPath().empty(); }
  TProgramLookup FindProgramOf(const std::string& commandLine) override { return ::FindProgramOf(commandLine); }
  TShellOpener FindShellOpener(const std::string& text) override { return ::FindShellOpener(text); }
  std::string ToHalfWidth(const std::string& text) override { return TinyUtils::ToHalfWidth(text); }
  std::size_t WideLength(const std::string& text) override { return TinyUtils::WideLength(text); }
};

}  // namespace

TFileReport CheckListFile(const std::string& path) {
  TFileReport report;
  report.Path = path;
  if (!IsListFileName(path)) report.Warnings.push_back(TWarning::NotAListFile);
  report.Executed = IsListFileName(path) && TinyUtils::FileExists(path);
  Win::HANDLE file = OpenListFile(path);
  if (file == Win::INVALID_HANDLE_VALUE) {
    report.Error = Win::GetLastError();
    report.ErrorOnOpen = true;
  } else {
    TFileSource source(file);
    TLineReader reader(source);
    TPlatformLookups lookups;
    report.Lines = CheckLines(reader, TinyUtils::UnicodeEncoder(), lookups);
    report.Error = source.Error();
    if (!Win::CloseHandle(file) && report.Error == 0) report.Error = Win::GetLastError();
  }
  if (report.Error != 0) report.ErrorReason = TinyUtils::ErrorReason(report.Error);
  return report;
}
