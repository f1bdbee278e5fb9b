// Windows only: TLightStrList::SetText of 10 MB in ever more lines on the Windows heap (under
// Wine, Wine's heap), whose slot array grows by eight slots at a time through realloc.
// Prints the median time of each line count, per line and per byte; a cost per line that
// grows with the count would show the slot array copied at every step.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Corpus.h"
#include "LightStrList.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
  constexpr std::size_t kSize = 10000000;
  constexpr int kRounds = 5;
  std::printf("\nTLightStrList::SetText of 10 MB on the Windows heap (Wine), median of %d rounds\n", kRounds);
  std::printf("%10s %10s %14s %12s %10s\n", "lines", "median ms", "ns per line", "ns per byte", "capacity");
  for (std::size_t lines = 12500; lines <= 200000; lines *= 2) {
    std::string text = Corpus::OfEqualLines(lines, kSize / lines - 2, 1);
    std::vector<double> times;
    std::int32_t capacity = 0;
    for (int round = 0; round < kRounds; ++round) {
      TLightStrList list;
      LARGE_INTEGER start, end;
      QueryPerformanceCounter(&start);
      list.SetText(text);
      QueryPerformanceCounter(&end);
      capacity = list.Capacity;
      times.push_back(Milliseconds(start, end));
    }
    std::sort(times.begin(), times.end());
    double median = times[times.size() / 2];
    std::printf("%10zu %10.1f %14.1f %12.2f %10d\n", lines, median, median * 1e6 / static_cast<double>(lines),
                median * 1e6 / static_cast<double>(text.size()), static_cast<int>(capacity));
  }
  return 0;
}
