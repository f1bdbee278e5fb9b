// Benchmark corpora: code page 932 text with CR LF line ends, the same for the same seed on
// every machine. Clipboard text mixes Japanese sentences with web addresses in every form
// the clipboard road meets; list files hold comments, pauses of 0, addresses and commands.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Corpus {

// A small generator of its own, so that a seed gives the same corpus everywhere.
class TRandom {
 public:
  explicit TRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  std::size_t Below(std::size_t bound) { return static_cast<std::size_t>(Next() % bound); }
  // True with the given chance in percent.
  bool Chance(unsigned percent) { return Below(100) < percent; }

 private:
  std::uint64_t state_;
};

enum class Kind {
  Text,      // clipboard text: sentences and addresses
  List,      // a list file: comments, "wait=0", addresses, "url=" lines, commands
  Comments,  // a list file of comment lines only
};

// One line of the kind, without its line end.
std::string Line(Kind kind, TRandom& random);

// Whole lines, each ended by CR LF, as long as they fit into size bytes.
std::string OfSize(Kind kind, std::size_t size, std::uint64_t seed);
// count lines, each ended by CR LF.
std::string OfLines(Kind kind, std::size_t count, std::uint64_t seed);
// count lines of clipboard text of lineLength bytes each (cut at a character's end and
// padded with blanks), each ended by CR LF.
std::string OfEqualLines(std::size_t count, std::size_t lineLength, std::uint64_t seed);
// One comment line of size bytes, with no line end.
std::string OneLongLine(std::size_t size, std::uint64_t seed);

// The lines of text, split at CR LF, lone CR and lone LF, as the string list splits them.
std::vector<std::string> SplitLines(const std::string& text);

// The double-byte model of the Japanese system (code page 932) the corpora are written for,
// as the programs' start-up sets it.
void UseJapaneseSystem();

// "1K", "10M", "200M" or a plain number: a size in bytes (K = 1024 bytes, M = 1024 K).
std::size_t ParseSize(const std::string& text);

}  // namespace Corpus
