// VLCheck: what the launcher will do with every line of a list file, found without doing
// it. The file is read by the launcher's own reader, decoder and classifier (ListFile.h)
// and held to its limits (ShellLimits.h); where a line goes from there is asked of the
// platform through TLineLookups, which the checker's Windows side answers (win32/Checker.h).
#pragma once

#include <string>
#include <vector>

#include "ListFile.h"

// The file CreateProcessA, given no application name, would take for a command line.
struct TProgramLookup {
  std::string Path;        // empty when the command line names no file
  bool IsProgram = false;  // whether CreateProcessA can start that file
};

// What the shell's "open" would do with a text, where the platform can say.
struct TShellOpener {
  bool IsFolder = false;  // the text names a folder: the shell shows it
  std::string Program;    // the program that opens it; empty when none is known
  bool Found() const { return IsFolder || !Program.empty(); }
};

// What the checker asks the platform about a web address or command line.
class TLineLookups {
 public:
  // The launcher's CommandLineOf, with today's default browser and environment.
  virtual std::string CommandLineOf(const TListLine& line) = 0;
  virtual bool HasDefaultBrowser() = 0;
  virtual TProgramLookup FindProgramOf(const std::string& commandLine) = 0;
  virtual TShellOpener FindShellOpener(const std::string& text) = 0;
  virtual std::string ToHalfWidth(const std::string& text) = 0;
  // The launcher's WideLength: the characters of text as the platform counts them.
  virtual std::size_t WideLength(const std::string& text) = 0;

 protected:
  ~TLineLookups() = default;
};

// What the launcher does with a line.
enum class TAction {
  Nothing,    // a blank line or a comment
  Pause,      // Sleep (or no pause, for a value below 1)
  Browser,    // the browser's command line is started
  Start,      // the command line is started as a program
  Shell,      // RunCommand fails and the shell is asked to open the text
  NeverRead,  // after a Ctrl-Z where a line begins: the launcher never reads it
  NotRun,     // neither started nor handed to the shell: unreachable, or too long for both
};

// Something that is probably not what the writer of the list meant.
enum class TWarning {
  Utf16Mark,           // the file begins with a UTF-16 byte-order mark
  AddressInCapitals,   // "HTTP:", "Http:", "WWW."
  AddressInFullWidth,  // "ｈｔｔｐ："
  AddressWithoutH,     // "ttp:"
  AddressHttps,        // "https:"
  AddressAfterBlank,   // "url= http:": the blank keeps it from the browser
  CtrlZ,               // text after a Ctrl-Z that ends the file here is never read
  ZeroByte,            // what follows a zero byte never reaches the platform
  ProgramNotFound,     // neither CreateProcessA nor the shell finds anything to run
  LacksCharacter,      // a command with a character the code page lacks (TLineKind::Unreachable)
  CommandLineTooLong,  // above kLongestCommandLine: neither started nor handed to the shell
  ShellTextTooLong,    // no program starts it, and above kLongestShellText the shell never sees it
  PauseCapped,         // above 10000 ms
  PauseNotANumber,     // the value reads as 0
  NoDefaultBrowser,    // no browser registered for http: the address goes to the shell
  NotAListFile,        // (the file) its extension is none the launcher executes
};

struct TLineReport {
  int Number = 0;
  TListLine Line;
  TAction Action = TAction::Nothing;
  // Browser, Start, Shell and NotRun for a line too long: the text the launcher hands to
  // RunCommand and to the shell, as the platform receives it (up to a zero byte).
  std::string CommandLine;
  std::string Program;      // Start: the program file; Shell: the program that opens the text
  bool OpensFolder = false;  // Shell: the text names a folder
  std::vector<TWarning> Warnings;
  int UnreadLines = 0;  // CtrlZ: lines from this one on that the launcher never reads
};

struct TFileReport {
  std::string Path;
  std::vector<TWarning> Warnings;  // of the file as a whole
  std::vector<TLineReport> Lines;  // the lines read before an error, if any
  // The system's error number when the file could not be opened, read or closed; 0 when
  // it was read to its end. The system's text for it, when it has one.
  Win::DWORD Error = 0;
  std::string ErrorReason;
  bool ErrorOnOpen = false;
  // Whether the launcher would execute the file at all (list-file extension, an existing file).
  bool Executed = false;

  int WarningCount() const;
  // 0 when nothing is wrong, 1 when there are warnings, 2 when the file could not be read.
  int ExitCode() const;
};

// The report of one line as the decoder gave it; number counts from 1.
TLineReport CheckLine(int number, TDecodedLine line, TLineLookups& lookups);
// The reports of every line the reader gives, each brought to the ANSI code page by a
// TLineDecoder with encode as the launcher does it, those after a Ctrl-Z where a line
// begins too (NeverRead).
std::vector<TLineReport> CheckLines(TLineReader& reader, Unicode::TAnsiEncoder encode, TLineLookups& lookups);

// The scheme of an address: letters, digits, "+", "-" and "." before a ":", at least two
// of them (one letter before ":" is a drive); empty when text is no address.
std::string SchemeOf(const std::string& text);
// The name under which "App Paths" registers the program a bare name stands for: ".exe"
// added to a name without extension; empty when text is no bare name (a "\" or ":" that is
// no second byte of a double-byte character, a "/" or a blank).
std::string AppPathsName(const std::string& text);
