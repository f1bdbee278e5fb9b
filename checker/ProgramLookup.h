// VLCheck: where the launcher's program starts and shell requests would end up, found by
// asking the platform only. Nothing is started, opened or changed here.
#pragma once

#include <string>

// The folders CreateProcessA searches for a program named without a folder, in its order,
// ";" between them: the launcher's folder (the checker stands beside it), the current
// folder, the system folder, the 16-bit system folder, the Windows folder and the folders
// of PATH.
std::string ProgramSearchPath();

// The file CreateProcessA, given no application name, would take for a command line.
struct TProgramLookup {
  std::string Path;        // empty when the command line names no file
  bool IsProgram = false;  // whether CreateProcessA can start that file
};
// A quoted first token names the program; an unquoted one is tried up to every blank in
// turn, shortest first. ".exe" is added to a name without extension.
TProgramLookup FindProgramOf(const std::string& commandLine);

// What the shell's "open" would do with a text, where the platform can say.
struct TShellOpener {
  bool IsFolder = false;  // the text names a folder: the shell shows it
  std::string Program;    // the program that opens it; empty when none is known
  bool Found() const { return IsFolder || !Program.empty(); }
};
// An address ("scheme:..." with a scheme of two letters or more) is opened by its
// protocol's registered program; an existing file by its file type's program
// (FindExecutableA); a bare program name by its registration under "App Paths".
TShellOpener FindShellOpener(const std::string& text);
