// The string list and the list-file reader over growing inputs.
#include <map>

#include "BenchSupport.h"
#include "LightStrList.h"
#include "ListFile.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"
#include "platform/sim/SimFiles.h"

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

// A list file read line by line from the simulated file system, as ExecuteListFile reads it.
void LineReader(benchmark::State& state) {
  const std::string& text = TextOfLines(Kind::List, LineCount(state));
  Sim::AddFile("C:\\bench.vlf", text);
  std::string line;
  for (auto _ : state) {
    Win::HANDLE file = Win::CreateFileA("C:\\bench.vlf", Win::GENERIC_READ, Win::FILE_SHARE_READ, nullptr,
                                        Win::OPEN_EXISTING, Win::FILE_ATTRIBUTE_NORMAL, nullptr);
    TLineReader reader(file);
    while (reader.ReadLine(line)) benchmark::DoNotOptimize(line.data());
    Win::CloseHandle(file);
  }
  CountThroughput(state, text.size(), LineCount(state));
}
BENCHMARK(LineReader)->Apply(BenchSupport::ByLines);

}  // namespace

VORLA_BENCHMARK_MAIN();
