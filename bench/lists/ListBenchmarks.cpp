// The string list and the list-file reader over growing inputs.
#include <algorithm>
#include <cstring>
#include <map>

#include "BenchSupport.h"
#include "LightStrList.h"
#include "ListFile.h"

namespace {

using BenchSupport::CountThroughput;
using BenchSupport::TextOfLines;
using Corpus::Kind;

std::size_t LineCount(benchmark::State& state) { return static_cast<std::size_t>(state.range(0)); }

void SetText(benchmark::State& state) {
  const std::string& text = TextOfLines(Kind::Text, LineCount(state));
  for (auto _ : state) {
    TLightStrList list;
    list.SetText(text);
    benchmark::DoNotOptimize(list.Items);
  }
  CountThroughput(state, text.size(), LineCount(state));
}
BENCHMARK(SetText)->Apply(BenchSupport::ByLines);

void GetText(benchmark::State& state) {
  const std::string& text = TextOfLines(Kind::Text, LineCount(state));
  TLightStrList list;
  list.SetText(text);
  for (auto _ : state) benchmark::DoNotOptimize(list.GetText());
  CountThroughput(state, text.size(), LineCount(state));
}
BENCHMARK(GetText)->Apply(BenchSupport::ByLines);

// 10 MB in ever more, ever shorter lines: the slot array grows by eight slots per step.
void SetText10MB(benchmark::State& state) {
  constexpr std::size_t kSize = 10000000;
  static std::map<std::size_t, std::string> made;
  std::string& text = made[LineCount(state)];
  if (text.empty()) text = Corpus::OfEqualLines(LineCount(state), kSize / LineCount(state) - 2, 1);
  for (auto _ : state) {
    TLightStrList list;
    list.SetText(text);
    benchmark::DoNotOptimize(list.Items);
  }
  CountThroughput(state, text.size(), LineCount(state));
}
BENCHMARK(SetText10MB)->RangeMultiplier(2)->Range(12500, 200000)->Unit(benchmark::kMillisecond);

// The bytes of a text in memory, as ReadFile gives a file's: as many as asked for.
class TMemorySource final : public TByteSource {
 public:
  explicit TMemorySource(const std::string& text) : text_(text) {}
  bool Read(char* buffer, std::size_t size, std::size_t& count) override {
    count = std::min(size, text_.size() - at_);
    std::memcpy(buffer, text_.data() + at_, count);
    at_ += count;
    return true;
  }

 private:
  const std::string& text_;
  std::size_t at_ = 0;
};

// A list file read line by line, as ExecuteListFile reads it, from memory.
void LineReader(benchmark::State& state) {
  const std::string& text = TextOfLines(Kind::List, LineCount(state));
  std::string line;
  for (auto _ : state) {
    TMemorySource source(text);
    TLineReader reader(source);
    while (reader.ReadLine(line) == TReadResult::Line) benchmark::DoNotOptimize(line.data());
  }
  CountThroughput(state, text.size(), LineCount(state));
}
BENCHMARK(LineReader)->Apply(BenchSupport::ByLines);

}  // namespace

VORLA_BENCHMARK_MAIN();
