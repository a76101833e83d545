// The number text rules against the C library on the texts they meet most:
// input fields and model file lines, result labels.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "calc/number_text.h"

namespace {

const std::array<std::string, 6> kFieldTexts = {"1300", "  -30", "12.5", "0.441", "   0", "215.0"};

void SetTextLabel(benchmark::State& state, const std::string& text) { state.SetLabel("[" + text + "]"); }

void BM_ParseNumber(benchmark::State& state) {
  const std::string& text = kFieldTexts.at(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::ParseNumber(text));
  }
  SetTextLabel(state, text);
}
BENCHMARK(BM_ParseNumber)->DenseRange(0, kFieldTexts.size() - 1);

void BM_Strtod(benchmark::State& state) {
  const std::string& text = kFieldTexts.at(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::strtod(text.c_str(), nullptr));
  }
  SetTextLabel(state, text);
}
BENCHMARK(BM_Strtod)->DenseRange(0, kFieldTexts.size() - 1);

struct FormatCase {
  long double value;
  int width;
  int decimals;
};

// Values as the result labels, the stability margins and the file lines show them.
const std::array<FormatCase, 6> kFormatCases = {{
    {215.0L, 5, 1},
    {279500.0L / 10000.0L, 5, 1},
    {0.44097L, 5, 3},
    {16.0L, 2, 0},
    {1300.0L, 4, 0},
    {-30.0L, 4, 0},
}};

void SetFormatLabel(benchmark::State& state, const FormatCase& format) {
  char label[64];
  std::snprintf(label, sizeof label, "%.5Lg w%d d%d", format.value, format.width, format.decimals);
  state.SetLabel(label);
}

void BM_FormatFixed(benchmark::State& state) {
  const FormatCase& format = kFormatCases.at(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::FormatFixed(format.value, format.width, format.decimals));
  }
  SetFormatLabel(state, format);
}
BENCHMARK(BM_FormatFixed)->DenseRange(0, kFormatCases.size() - 1);

// Builds a std::string as FormatFixed does, so that both sides do the same work.
void BM_Snprintf(benchmark::State& state) {
  const FormatCase& format = kFormatCases.at(state.range(0));
  for (auto _ : state) {
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%*.*Lf", format.width, format.decimals, format.value);
    benchmark::DoNotOptimize(std::string(buffer, static_cast<std::size_t>(length)));
  }
  SetFormatLabel(state, format);
}
BENCHMARK(BM_Snprintf)->DenseRange(0, kFormatCases.size() - 1);

}  // namespace
