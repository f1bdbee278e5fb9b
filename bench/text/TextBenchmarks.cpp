// The text routines of the clipboard execution and the list files over growing inputs:
// FindURL, ReplaceAll, the whole search of one clipboard line, StrToIntDefault.
#include <numeric>

#include "BenchSupport.h"
#include "ClipboardURLs.h"
#include "Text.h"
#include "Url.h"

namespace {

using BenchSupport::CountThroughput;
using BenchSupport::LinesOf;
using BenchSupport::TextOfSize;
using Corpus::Kind;

std::size_t TotalSize(const std::vector<std::string>& lines) {
  return std::accumulate(lines.begin(), lines.end(), std::size_t{0},
                         [](std::size_t sum, const std::string& line) { return sum + line.size(); });
}

// Each routine runs on every line of clipboard text of the given size.
template <typename Routine>
void OverLines(benchmark::State& state, Routine routine) {
  const auto& lines = LinesOf(TextOfSize(Kind::Text, static_cast<std::size_t>(state.range(0))));
  for (auto _ : state) {
    for (const std::string& line : lines) routine(line);
  }
  CountThroughput(state, TotalSize(lines), lines.size());
}

void FindURL(benchmark::State& state) {
  OverLines(state, [](const std::string& line) {
    std::int32_t start, length;
    benchmark::DoNotOptimize(TinyUtils::FindURL(line, start, length));
  });
}
BENCHMARK(FindURL)->Apply(BenchSupport::BySize);

void ReplaceAll(benchmark::State& state) {
  OverLines(state, [](const std::string& line) { benchmark::DoNotOptimize(TinyUtils::ReplaceAll(line, "ー", "-")); });
}
BENCHMARK(ReplaceAll)->Apply(BenchSupport::BySize);

// The whole text as one: every occurrence of "ー" in it, and the byte kinds before them.
void ReplaceAllInOneText(benchmark::State& state) {
  const std::string& text = TextOfSize(Kind::Text, static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(TinyUtils::ReplaceAll(text, "ー", "-"));
  CountThroughput(state, text.size(), 1);
}
BENCHMARK(ReplaceAllInOneText)->Apply(BenchSupport::BySize);

// Of a line in half-width forms: trim, both dash replacements, FindURL and the "h" restored.
// (The half-width step itself is the platform's LCMapStringA.)
void ClipboardLine(benchmark::State& state) {
  OverLines(state, [](const std::string& line) { benchmark::DoNotOptimize(ClipboardAddressIn(line)); });
}
BENCHMARK(ClipboardLine)->Apply(BenchSupport::BySize);

// Pause values as list files give them, numbers and not.
void StrToIntDefault(benchmark::State& state) {
  const char* const kValues[] = {"500", " 1500", "$3E8", "0x3E8", "soon", "-5", "10001", "1.5", "", "2147483648"};
  std::vector<std::string> values;
  for (std::int64_t i = 0; i < state.range(0); ++i) values.push_back(kValues[i % std::size(kValues)]);
  for (auto _ : state) {
    for (const std::string& value : values) benchmark::DoNotOptimize(TinyUtils::StrToIntDefault(value, 0));
  }
  CountThroughput(state, TotalSize(values), values.size());
}
BENCHMARK(StrToIntDefault)->Apply(BenchSupport::ByLines);

}  // namespace

VORLA_BENCHMARK_MAIN();
