// List files: their grammar, shared by the launcher, which executes each line as it is
// read, and the checker (VLCheck), which reports what the launcher will do with it. Blank
// lines and lines beginning with ";" are skipped, "wait=N" pauses N ms (at most 10000), an
// optional "url=" prefix is dropped, "http:" and "www." lines go to the default browser,
// every other line is started as a command or opened through the shell. The file itself
// is opened and read in win32/FileSource.h.
#pragma once

#include <cstdint>
#include <string>

#include "Unicode.h"
#include "platform/WinTypes.h"

// Whether the launcher executes a file of this name: extension ".txt", ".vlf" or ".url",
// in any letter case.
bool IsListFileName(const std::string& path);

// Where a list file's bytes come from.
class TByteSource {
 public:
  // The next bytes of the data into buffer, at most size of them: true with their count,
  // which is 0 at the end of the data; false when reading failed.
  virtual bool Read(char* buffer, std::size_t size, std::size_t& count) = 0;

 protected:
  ~TByteSource() = default;
};

// What TLineReader::ReadLine found.
enum class TReadResult {
  Line,   // a line
  CtrlZ,  // a byte 26 where a line would begin: the file ends here for the launcher; the
          // next ReadLine steps over it and reads on (the checker shows what follows)
  End,    // the end of the data, or a read failed (the line being read is then dropped)
};

// Reads the lines of a list file through a buffer of fixed size, so memory grows only with
// the longest line. A line ends at a line feed; carriage returns are dropped; zero bytes
// are kept in the line like any other byte.
class TLineReader {
 public:
  static constexpr std::size_t kBufferSize = 1024;

  explicit TLineReader(TByteSource& source) : source_(&source) {}
  // The next line, without its line end, into line (cleared first).
  TReadResult ReadLine(std::string& line);

 private:
  bool HasData();

  TByteSource* source_;
  char buffer_[kBufferSize] = {};
  std::size_t length_ = 0;
  std::size_t position_ = 0;
  bool endOfData_ = false;
  bool failed_ = false;
};

// The kinds of line, tested in this order on the trimmed line.
enum class TLineKind {
  Blank,       // nothing left after trimming
  Comment,     // begins with ";"
  Pause,       // begins with "wait=" in any letter case
  WebAddress,  // after an optional "url=": begins with exactly "http:" or "www."
  Command,     // anything else, after an optional "url="
  Unreachable,  // a command read as UTF-8 that holds a character the code page lacks: no
                // ANSI name can reach that file or program, so it is not run
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
  // The line was read as UTF-8 (see TLineDecoder).
  bool ReadAsUtf8 = false;
  std::string Text;

  bool Capped() const { return Value > kLongestPause; }
};

// Classifies one line as read (not yet trimmed); a line handed over is trimmed in place.
TListLine ClassifyListLine(std::string line);

// A line brought to the ANSI code page by TLineDecoder.
struct TDecodedLine {
  std::string Text;
  bool Utf8 = false;     // read as UTF-8
  bool Lacking = false;  // it held a character the code page lacks, written in percent form
};

// Brings the lines of one list file to the ANSI code page, one at a time, so memory does not
// grow with the file. A file that begins with the UTF-8 byte-order mark loses the mark and
// has every line read as UTF-8 (Notepad's "UTF-8 with BOM"); in any other file a line is read
// as UTF-8 when it is valid UTF-8 holding a multi-byte sequence, and as it is otherwise.
// Without an encoder (a platform that cannot convert) every line is read as it is.
class TLineDecoder {
 public:
  explicit TLineDecoder(Unicode::TAnsiEncoder encode) : encode_(encode) {}
  TDecodedLine Decode(std::string line);

 private:
  Unicode::TAnsiEncoder encode_;
  bool firstLine_ = true;
  bool utf8File_ = false;
};

// Classifies a decoded line as ClassifyListLine does; a command that held a character the
// code page lacks is Unreachable. An address keeps the percent form, as browsers send it.
TListLine ClassifyDecodedLine(TDecodedLine line);

// The text the launcher hands to RunCommand, and to the shell when that fails: for a web
// address the default browser's path (quoted when it holds a blank), a blank and the
// address; for a command its text with the environment references expanded. browserPath
// and expand are asked only for the kind that needs them (the launcher asks the platform
// anew for every line). Not used for the other kinds.
std::string CommandLineOf(const TListLine& line, std::string (*browserPath)(),
                          std::string (*expand)(const std::string& text));

// The exit code the launcher ends with on an input/output error: the low eight bits of
// the system's error number, 255 when those are 0 (which would read as success).
Win::UINT ListFileExitCode(Win::DWORD error);
