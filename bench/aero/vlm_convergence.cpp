// How far the vortex lattice's neutral point at the default lattice lies from
// that of finer lattices, for every example model and the models of
// tests/data/aero: the evidence behind DefaultLattice(). Slow (the finest
// lattice has sixteen times the panels); not a test.
//   vlm_convergence [MODEL.dat ...]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "aero/vortex_lattice.h"
#include "calc/stability.h"
#include "files/model_reader.h"

namespace {

std::vector<std::string> DefaultModels() {
  std::vector<std::string> paths;
  for (const char* folder : {CGCALC_EXAMPLES_DIR, CGCALC_AERO_MODELS_DIR}) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() == ".dat") found.push_back(entry.path().string());
    }
    std::sort(found.begin(), found.end());
    paths.insert(paths.end(), found.begin(), found.end());
  }
  return paths;
}

double NeutralPoint(const calc::TModelData& model, int factor) {
  const aero::VlmOptions options{.Grid = aero::DefaultLattice().Refined(factor)};
  const auto result = aero::SolveVortexLattice(model, options);
  return result ? result->NeutralPoint : 0.0 / 0.0;
}

// Microseconds of one solution at the default lattice, the best of a few.
double Microseconds(const calc::TModelData& model) {
  double best = 1e300;
  for (int run = 0; run < 20; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const auto result = aero::SolveVortexLattice(model);
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    if (result) best = std::min(best, took.count());
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> paths(argv + 1, argv + argc);
  if (paths.empty()) paths = DefaultModels();
  const aero::Lattice grid = aero::DefaultLattice();
  std::printf("default lattice: wing %d x %d, tailplane %d x %d (spanwise per half x chordwise)\n", grid.WingSpan,
              grid.WingChord, grid.TailSpan, grid.TailChord);
  std::printf("%-24s %9s %9s %9s %9s %8s %8s %8s\n", "model", "rule", "default", "x2", "x4", "d %MAC",
              "rule %", "us");
  for (const std::string& path : paths) {
    calc::TModelData model = files::ReadModelFile(path);
    const calc::TModelData original = model;
    calc::TStabilityData rule;
    calc::CalcStability(model, rule);
    const double np[] = {NeutralPoint(original, 1), NeutralPoint(original, 2), NeutralPoint(original, 4)};
    const double mac = rule.Wing.Mac;
    std::printf("%-24s %9.2f %9.2f %9.2f %9.2f %8.3f %8.2f %8.0f\n",
                std::filesystem::path(path).filename().c_str(), rule.TotalNeutralPoint, np[0], np[1], np[2],
                (np[0] - np[2]) / mac * 100, (np[0] - rule.TotalNeutralPoint) / mac * 100, Microseconds(original));
  }
}
