// How the neutral point of a horseshoe vortex lattice with cosine spacing,
// AVL's method, moves with its panel counts: the program's own lattice
// stands in for AVL, which chooses the counts written by --avl. For each
// model file it prints the neutral point at each lattice and how far that
// lies from the finest one's, in % of the wing's mean chord.
// Usage: avl_lattice_convergence MODEL.dat...
#include <cmath>
#include <cstdio>
#include <exception>
#include <optional>

#include "aero/vortex_lattice.h"
#include "cli/evaluation.h"
#include "files/model_reader.h"

namespace {

// Wing: chordwise, spanwise on one half; the tailplane has half of each.
struct Counts {
  int chordwise;
  int spanwise;
};

constexpr Counts kLattices[] = {{8, 16},  {8, 32},  {12, 24}, {12, 36}, {16, 32},
                                {16, 48}, {20, 40}, {24, 48}, {24, 72}, {32, 96}};

std::optional<double> NeutralPoint(const calc::TModelData& model, Counts counts) {
  aero::VlmOptions options;
  options.Grid = {counts.spanwise, counts.chordwise, counts.spanwise / 2, counts.chordwise / 2};
  const std::optional<aero::VlmResult> result = aero::SolveVortexLattice(model, options);
  if (!result) return std::nullopt;
  return result->NeutralPoint;
}

void Study(const char* path) {
  const cli::Evaluation evaluation = cli::EvaluateLoadedModel(files::ReadModelFile(path));
  const double mac = evaluation.results.Wing.Mac;
  const std::optional<double> finest = NeutralPoint(evaluation.model, kLattices[std::size(kLattices) - 1]);
  if (!finest) {
    std::printf("%s: the lattice cannot solve it\n", path);
    return;
  }
  std::printf("%s: mean chord %.1f mm, rule %.2f mm\n", path, mac, evaluation.results.TotalNeutralPoint);
  for (const Counts counts : kLattices) {
    const std::optional<double> np = NeutralPoint(evaluation.model, counts);
    std::printf("  wing %2d x %2d, tail %2d x %2d: %9.3f mm  %+7.3f %% of the chord\n", counts.chordwise,
                counts.spanwise, counts.chordwise / 2, counts.spanwise / 2, np.value_or(NAN),
                np ? (*np - *finest) / mac * 100 : NAN);
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    try {
      Study(argv[i]);
    } catch (const std::exception& failure) {
      std::printf("%s: %s\n", argv[i], failure.what());
    }
    std::fflush(stdout);
  }
  return 0;
}
