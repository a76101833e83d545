// Prints every result of a fixed set of models as exact hexadecimal floats.
// The test suite builds this unoptimised and optimised and compares the
// outputs: the digits shown and the failures must not depend on the
// optimiser.
#include <cstdio>
#include <random>

#include "calc/failure.h"
#include "calc/fields.h"
#include "calc/stability.h"
#include "present/result_table.h"

namespace {

void PrintResults(const calc::TStabilityData& r) {
  const double values[] = {r.LeverArm, r.DownwashFactor, r.NeutralPointPercent, r.CgSmallMargin, r.CgLargeMargin,
                           r.TotalNeutralPoint, r.TotalLiftSlope, r.Wing.Area, r.Wing.Mac, r.Wing.AspectRatio,
                           r.Wing.NeutralPoint, r.Wing.LiftSlope, r.Tail.Area, r.Tail.Mac, r.Tail.AspectRatio,
                           r.Tail.NeutralPoint, r.Tail.LiftSlope};
  for (double value : values) std::printf("%a ", value);
  for (const std::string& label : present::LabelTexts(r)) std::printf("[%s]", label.c_str());
  std::printf("\n");
}

}  // namespace

int main() {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> digit(0, 9);
  for (int i = 0; i < 3000; ++i) {
    calc::FieldTexts texts = calc::DefaultFieldTexts();
    for (std::string& text : texts) {
      const int choice = digit(random);
      if (choice < 6) continue;
      if (choice == 6) {  // zeros make the failing steps
        text = "0";
        continue;
      }
      const int whole = digit(random) * 137 - 300;
      const int tenths = digit(random);
      text = std::to_string(whole) + "." + std::to_string(tenths);
    }
    calc::TModelData model;
    calc::TStabilityData results;
    try {
      calc::Recalculate(texts, model, results);
    } catch (const calc::ArithmeticFailure& failure) {
      std::printf("%s ", failure.what());
    }
    PrintResults(results);
  }
  return 0;
}
