// vorla_utf8_lines < FILE: counts the lines of a file (ended by LF, a CR before it dropped)
// and those a list file without the UTF-8 mark has read as UTF-8 (valid UTF-8 holding a
// multi-byte sequence); for code page 932 text the aim is none:
//   vorla_corpus text 100M | vorla_utf8_lines
#include <cstdio>
#include <iostream>
#include <string>

#include "Unicode.h"

int main() {
  std::ios::sync_with_stdio(false);
  unsigned long long lines = 0, utf8Lines = 0;
  for (std::string line; std::getline(std::cin, line); ++lines) {
    if (line.ends_with('\r')) line.pop_back();
    if (Unicode::IsUtf8Text(line)) ++utf8Lines;
  }
  std::printf("%llu lines, %llu read as UTF-8\n", lines, utf8Lines);
  return 0;
}
