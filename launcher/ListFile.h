// Vorla, list files: each line is executed as it is read. Blank lines and lines beginning
// with ";" are skipped, "wait=N" pauses N ms (at most 10000), an optional "url=" prefix is
// dropped, "http:" and "www." lines go to the default browser, every other line is
// started as a command or opened through the shell.
#pragma once

#include <string>

#include "platform/WinTypes.h"

// Reads the lines of an open list file through a buffer of fixed size, so memory grows
// only with the longest line. A line ends at a line feed; carriage returns are dropped;
// a byte 26 (Ctrl-Z) where a line would begin ends the file. An input/output error ends
// the process (see ExecuteListFile); a broken pipe is the end of the data.
class TLineReader {
 public:
  static constexpr Win::DWORD kBufferSize = 1024;

  explicit TLineReader(Win::HANDLE file) : file_(file) {}
  // The next line, without its line end; false at the end of the file.
  bool ReadLine(std::string& line);

 private:
  bool HasData();

  Win::HANDLE file_;
  char buffer_[kBufferSize];
  Win::DWORD length_ = 0;
  Win::DWORD position_ = 0;
  bool endOfData_ = false;
};

// Executes the list file at path from its first line to its last. When the file cannot be
// opened, read or closed, the process ends at once with the low eight bits of the
// system's error number as exit code (255 when those bits are 0); nothing more is done.
void ExecuteListFile(const std::string& path);
