// Vorla, list files: each line is executed as it is read. Blank lines and lines beginning
// with ";" are skipped, "wait=N" pauses N ms (at most 10000), an optional "url=" prefix is
// dropped, "http:" and "www." lines go to the default browser, every other line is
// started as a command or opened through the shell. The reader and the line classifier
// here are the launcher's own; the list-file checker (VLCheck) reads and classifies with
// the very same code, so that what it reports is what the launcher does.
#pragma once

#include <cstdint>
#include <string>

#include "platform/WinTypes.h"

// Whether the launcher executes a file of this name: extension ".txt", ".vlf" or ".url",
// in any letter case.
bool IsListFileName(const std::string& path);

// Opens a list file as the launcher does: read access, shared for reading only, the file
// must exist. INVALID_HANDLE_VALUE on failure (GetLastError tells why).
Win::HANDLE OpenListFile(const std::string& path);

// Reads the lines of an open list file through a buffer of fixed size, so memory grows
// only with the longest line. A line ends at a line feed; carriage returns are dropped;
// a byte 26 (Ctrl-Z) where a line would begin ends the file. Zero bytes are kept in the
// line like any other byte. A broken pipe is the end of the data.
class TLineReader {
 public:
  static constexpr Win::DWORD kBufferSize = 1024;

  explicit TLineReader(Win::HANDLE file) : file_(file) {}
  // The next line, without its line end; false at the end of the file or when a read
  // failed (the line being read is then dropped).
  bool ReadLine(std::string& line);
  // The system's error number of the read that failed; 0 while none has failed.
  Win::DWORD Error() const { return error_; }

  // For the checker, which reads on where the launcher stops: after ReadLine gave false,
  // whether a Ctrl-Z where a line would begin ended the file, and stepping over that
  // byte, so that ReadLine goes on with the bytes behind it.
  bool AtCtrlZ() const;
  void SkipCtrlZ();

 private:
  bool HasData();

  Win::HANDLE file_;
  char buffer_[kBufferSize] = {};
  Win::DWORD length_ = 0;
  Win::DWORD position_ = 0;
  bool endOfData_ = false;
  Win::DWORD error_ = 0;
};

// The kinds of line, tested in this order on the trimmed line.
enum class TLineKind {
  Blank,       // nothing left after trimming
  Comment,     // begins with ";"
  Pause,       // begins with "wait=" in any letter case
  WebAddress,  // after an optional "url=": begins with exactly "http:" or "www."
  Command,     // anything else, after an optional "url="
};

// What the launcher makes of one line.
struct TListLine {
  // The longest pause: a larger value is cut to it.
  static constexpr std::int32_t kLongestPause = 10000;

  TLineKind Kind = TLineKind::Blank;
  std::string Trimmed;  // the line without leading and trailing bytes 0 to 32
  // Pause: the value after "wait=", 0 when that text is no number, and the milliseconds
  // slept (0: no pause).
  std::int32_t Value = 0;
  bool ValueIsNumber = false;
  Win::DWORD Milliseconds = 0;
  // WebAddress and Command: the text after a "url=" prefix, which is removed once and not
  // trimmed again.
  bool HadUrlPrefix = false;
  std::string Text;

  bool Capped() const { return Value > kLongestPause; }
};

// Classifies one line as read (not yet trimmed); a line handed over is trimmed in place.
TListLine ClassifyListLine(std::string line);

// The text the launcher hands to RunCommand, and to the shell when that fails: for a web
// address the default browser's path (quoted when it holds a blank), a blank and the
// address, looked up anew for every line; for a command its text with the environment
// references expanded. Not used for the other kinds.
std::string CommandLineOf(const TListLine& line);

// The exit code the launcher ends with on an input/output error: the low eight bits of
// the system's error number, 255 when those are 0 (which would read as success).
Win::UINT ListFileExitCode(Win::DWORD error);

// Executes the list file at path from its first line to its last. When the file cannot be
// opened, read or closed, the process ends at once with ListFileExitCode of the system's
// error number; nothing more is done.
void ExecuteListFile(const std::string& path);
