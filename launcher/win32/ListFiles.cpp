// Windows only: the lines of a list file executed one after another.
#include <utility>

#include "ListFile.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"
#include "win32/DefaultBrowser.h"
#include "win32/Launcher.h"
#include "win32/FileSource.h"
#include "win32/Shell.h"
#include "win32/TextMapping.h"

namespace {

[[noreturn]] void EndWithError(Win::DWORD error) { Win::ExitProcess(ListFileExitCode(error)); }

void ExecuteLine(const TListLine& line) {
  switch (line.Kind) {
    case TLineKind::Blank:
    case TLineKind::Comment:
    case TLineKind::Unreachable:
      return;
    case TLineKind::Pause:
      if (line.Milliseconds > 0) Win::Sleep(line.Milliseconds);
      return;
    case TLineKind::WebAddress:
    case TLineKind::Command: {
      std::string text = CommandLineOf(line, TinyUtils::GetDefaultBrowserPath, TinyUtils::ExpandEnvStrings);
      if (!TinyUtils::RunCommand(text, "")) TinyShell::ShellOpen(text, "");
      return;
    }
  }
}

}  // namespace

void ExecuteListFile(const std::string& path) {
  Win::HANDLE file = OpenListFile(path);
  if (file == Win::INVALID_HANDLE_VALUE) EndWithError(Win::GetLastError());
  TFileSource source(file);
  TLineReader reader(source);
  TLineDecoder decoder(TinyUtils::UnicodeEncoder());
  std::string line;
  while (reader.ReadLine(line) == TReadResult::Line) ExecuteLine(ClassifyDecodedLine(decoder.Decode(std::move(line))));
  if (source.Error() != 0) EndWithError(source.Error());
  if (!Win::CloseHandle(file)) EndWithError(Win::GetLastError());
}
