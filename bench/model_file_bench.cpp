// Reading the default model: from text in memory, and from the example file.

#include <benchmark/benchmark.h>

#include <string_view>

#include "files/model_reader.h"

namespace {

constexpr std::string_view kDefaultModelText =
    "1300\r\n   0\r\n 220\r\n 210\r\n   0\r\n -30\r\n   0\r\n 415\r\n  50\r\n 160\r\n 110\r\n  40\r\n"
    "  20\r\n  30\r\n 360\r\n";
static_assert(kDefaultModelText.size() == 90);

void BM_ParseModelText(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(files::ParseModelText(kDefaultModelText));
  }
}
BENCHMARK(BM_ParseModelText);

void BM_ReadModelFile(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(files::ReadModelFile(CGCALC_EXAMPLES_DIR "/default.dat"));
  }
}
BENCHMARK(BM_ReadModelFile);

}  // namespace
