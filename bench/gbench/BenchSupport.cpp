// What the Google Benchmark programs share.
#include "BenchSupport.h"

#include <malloc.h>

#include <map>
#include <utility>


namespace BenchSupport {

constexpr std::uint64_t kSeed = 1;

void StartJapaneseMachine() {
  // Freed blocks stay in the process, as a Windows heap keeps them. Otherwise glibc hands
  // every block above 32 MB back to the kernel when it is freed, and each iteration that
  // makes a 100 MB text pays for the kernel's zeroing of 25,000 fresh pages: a cost of the
  // allocator's policy, not of the routine timed.
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  Corpus::UseJapaneseSystem();
}

const std::string& TextOfSize(Corpus::Kind kind, std::size_t size) {
  static std::map<std::pair<Corpus::Kind, std::size_t>, std::string> made;
  auto [at, fresh] = made.try_emplace({kind, size});
  if (fresh) at->second = Corpus::OfSize(kind, size, kSeed);
  return at->second;
}

const std::string& TextOfLines(Corpus::Kind kind, std::size_t count) {
  static std::map<std::pair<Corpus::Kind, std::size_t>, std::string> made;
  auto [at, fresh] = made.try_emplace({kind, count});
  if (fresh) at->second = Corpus::OfLines(kind, count, kSeed);
  return at->second;
}

const std::vector<std::string>& LinesOf(const std::string& text) {
  static std::map<const std::string*, std::vector<std::string>> made;
  auto [at, fresh] = made.try_emplace(&text);
  if (fresh) at->second = Corpus::SplitLines(text);
  return at->second;
}

void CountThroughput(benchmark::State& state, std::size_t bytes, std::size_t lines) {
  auto iterations = static_cast<double>(state.iterations());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
  state.counters["lines/s"] = benchmark::Counter(iterations * static_cast<double>(lines), benchmark::Counter::kIsRate);
  state.counters["time/byte"] = benchmark::Counter(iterations * static_cast<double>(bytes),
                                                 benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["time/line"] = benchmark::Counter(iterations * static_cast<double>(lines),
                                                 benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BySize(benchmark::internal::Benchmark* benchmark) {
  for (std::int64_t size = 1000; size <= 100000000; size *= 10) benchmark->Arg(size);
  benchmark->Unit(benchmark::kMillisecond);
}

void ByLines(benchmark::internal::Benchmark* benchmark) {
  for (std::int64_t count = 10; count <= 1000000; count *= 10) benchmark->Arg(count);
  benchmark->Unit(benchmark::kMillisecond);
}

}  // namespace BenchSupport
