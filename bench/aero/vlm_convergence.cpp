// How far the vortex lattice's neutral point at the default lattice lies from
// that of finer lattices: the evidence behind DefaultLattice(). Slow (the
// finest lattice has sixteen times the panels); not a test.
//   vlm_convergence [MODEL.dat ...]   the examples and tests/data/aero if none
//   vlm_convergence --generated N     the first N models of the tests' set,
//                                     the worst of each kind and overall
//   vlm_convergence --lattice WS,WC,TS,TC ...   the same for another lattice
//                                     than the default (a candidate)

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "aero/vortex_lattice.h"
#include "calc/stability.h"
#include "files/model_reader.h"
#include "tests/aero/generated_models.h"

namespace {

// The lattice under study: the default unless --lattice names another.
aero::Lattice studied = aero::DefaultLattice();

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

double NeutralPoint(const calc::TModelData& model, int factor, double height = 0) {
  const aero::VlmOptions options{.Grid = studied.Refined(factor), .TailHeight = height};
  const auto result = aero::SolveVortexLattice(model, options);
  return result ? result->NeutralPoint : NAN;
}

double MeanChord(calc::TModelData model) {
  calc::TStabilityData rule;
  calc::CalcStability(model, rule);
  return rule.Wing.Mac;
}

// Microseconds of one solution at the studied lattice, the best of a few.
double Microseconds(const calc::TModelData& model, double height = 0) {
  double best = 1e300;
  for (int run = 0; run < 5; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const auto result = aero::SolveVortexLattice(model, {.Grid = studied, .TailHeight = height});
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    if (result) best = std::min(best, took.count());
  }
  return best;
}

void Generated(int count) {
  std::map<std::string, std::pair<double, std::string>> worst;
  double slowest = 0;
  for (const aero_test::GeneratedModel& g : aero_test::GeneratedModels(count)) {
    const double mac = MeanChord(g.Model);
    const double difference =
        std::abs(NeutralPoint(g.Model, 1, g.TailHeight) - NeutralPoint(g.Model, 4, g.TailHeight)) / mac * 100;
    const std::string kind = g.Name.substr(0, g.Name.rfind(' '));
    for (const std::string& key : {kind, std::string("all")}) {
      auto& [largest, name] = worst[key];
      if (!(difference <= largest)) largest = difference, name = g.Name;
    }
    slowest = std::max(slowest, Microseconds(g.Model, g.TailHeight));
  }
  std::printf("%-20s %10s  %s\n", "kind", "d %MAC", "worst model");
  for (const auto& [kind, entry] : worst) std::printf("%-20s %10.3f  %s\n", kind.c_str(), entry.first, entry.second.c_str());
  std::printf("slowest solution at this lattice: %.0f us\n", slowest);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> paths(argv + 1, argv + argc);
  if (paths.size() >= 2 && paths[0] == "--lattice") {
    aero::Lattice& g = studied;
    if (std::sscanf(paths[1].c_str(), "%d,%d,%d,%d", &g.WingSpan, &g.WingChord, &g.TailSpan, &g.TailChord) != 4) {
      std::fprintf(stderr, "--lattice takes four counts: WS,WC,TS,TC\n");
      return 2;
    }
    paths.erase(paths.begin(), paths.begin() + 2);
  }
  const aero::Lattice grid = studied;
  std::printf("lattice: wing %d x %d, tailplane %d x %d\n", grid.WingSpan, grid.WingChord, grid.TailSpan,
              grid.TailChord);
  if (paths.size() == 2 && paths[0] == "--generated") {
    Generated(std::stoi(paths[1]));
    return 0;
  }
  if (paths.empty()) paths = DefaultModels();
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
