// What the Google Benchmark programs share: the Japanese system they assume, corpora made
// once per size, and the counters every benchmark reports.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <vector>

#include "Corpus.h"

namespace BenchSupport {

// The double-byte model of a Japanese system (code page 932), as the start-up sets it, and
// an allocator that keeps freed blocks.
void StartJapaneseMachine();

// Corpora of the given size (bytes) or line count, made once and kept for the run.
const std::string& TextOfSize(Corpus::Kind kind, std::size_t size);
const std::string& TextOfLines(Corpus::Kind kind, std::size_t count);
const std::vector<std::string>& LinesOf(const std::string& text);

// Bytes and lines per second for one pass over bytes bytes in lines lines per iteration.
void CountThroughput(benchmark::State& state, std::size_t bytes, std::size_t lines);

// Sizes from 1 kB to 100 MB (powers of 1000), and line counts from 10 to 1,000,000, by tens.
void BySize(benchmark::internal::Benchmark* benchmark);
void ByLines(benchmark::internal::Benchmark* benchmark);

}  // namespace BenchSupport

// The programs' main: the Japanese system, then the benchmarks.
#define VORLA_BENCHMARK_MAIN()                           \
  int main(int argc, char** argv) {                      \
    BenchSupport::StartJapaneseMachine();                \
    benchmark::Initialize(&argc, argv);                  \
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1; \
    benchmark::RunSpecifiedBenchmarks();                 \
    benchmark::Shutdown();                               \
    return 0;                                            \
  }
