// VLCheck: what the launcher will do with every line of a list file, found without doing
// it. The file is read by the launcher's own reader and every line classified by its own
// classifier (ListFile.h); where a line goes from there is asked of the platform.
#pragma once

#include <string>
#include <vector>

#include "ListFile.h"

// What the launcher does with a line.
enum class TAction {
  Nothing,    // a blank line or a comment
  Pause,      // Sleep (or no pause, for a value below 1)
  Browser,    // the browser's command line is started
  Start,      // the command line is started as a program
  Shell,      // RunCommand fails and the shell is asked to open the text
  NeverRead,  // after a Ctrl-Z where a line begins: the launcher never reads it
};

// Something that is probably not what the writer of the list meant.
enum class TWarning {
  Utf8Text,            // an entry in valid UTF-8 with non-ASCII bytes: as code page 932, garbage
  Utf8Mark,            // the file begins with the UTF-8 byte-order mark
  Utf16Mark,           // the file begins with a UTF-16 byte-order mark
  AddressInCapitals,   // "HTTP:", "Http:", "WWW."
  AddressInFullWidth,  // "ｈｔｔｐ："
  AddressWithoutH,     // "ttp:"
  AddressHttps,        // "https:"
  AddressAfterBlank,   // "url= http:": the blank keeps it from the browser
  CtrlZ,               // text after a Ctrl-Z that ends the file here is never read
  ZeroByte,            // what follows a zero byte never reaches the platform
  ProgramNotFound,     // neither CreateProcessA nor the shell finds anything to run
  PauseCapped,         // above 10000 ms
  PauseNotANumber,     // the value reads as 0
  NoDefaultBrowser,    // no browser registered for http: the address goes to the shell
  NotAListFile,        // (the file) its extension is none the launcher executes
};

struct TLineReport {
  int Number = 0;
  TListLine Line;
  TAction Action = TAction::Nothing;
  // Browser, Start, Shell: the text the launcher hands to RunCommand and to the shell, as
  // the platform receives it (up to a zero byte).
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
  // it was read to its end.
  Win::DWORD Error = 0;
  bool ErrorOnOpen = false;
  // Whether the launcher would execute the file at all (list-file extension, an existing file).
  bool Executed = false;

  int WarningCount() const;
};

// Checks the list file at path.
TFileReport CheckListFile(const std::string& path);
// The report of one line; number counts from 1.
TLineReport CheckLine(int number, const std::string& line);
