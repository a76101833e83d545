#include "aero/comparison.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "calc/stability.h"
#include "models.h"
#include "present/second_opinion.h"

namespace {

using present::Language;

struct Solved {
  calc::TModelData Model;
  calc::TStabilityData Rule;
  aero::Comparison Comparison;
};

Solved Solve(calc::TModelData model) {
  Solved solved{model, {}, {}};
  calc::CalcStability(solved.Model, solved.Rule);
  const auto vlm = aero::SolveVortexLattice(model);
  if (!vlm) throw std::runtime_error("no solution");
  solved.Comparison = aero::Compare(solved.Model, solved.Rule, *vlm);
  return solved;
}

TEST(Comparison, Flags) {
  calc::TModelData flyingWingWithDistance = aero_test::Model("flying-wing.dat");
  flyingWingWithDistance.Rh = -100;
  const struct {
    const char* name;
    calc::TModelData model;
    bool tailNotBehind, disagrees;
  } cases[] = {
      {"canard", aero_test::Model("canard.dat"), true, true},
      {"swept flying wing", aero_test::Model("swept-flying-wing.dat"), false, true},
      {"glider", aero_test::Model("glider-two-panel.dat"), false, false},
      {"flying wing, its Rh below 0 unused", flyingWingWithDistance, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const aero::Comparison comparison = Solve(c.model).Comparison;
    EXPECT_EQ(comparison.TailNotBehind, c.tailNotBehind);
    EXPECT_EQ(comparison.Disagrees, c.disagrees);
    EXPECT_EQ(comparison.Disagrees, std::abs(comparison.NpDiff) > aero::kDisagreementPercent);
  }
}

// The lattice's neutral point 5 % of the mean chord aft of the rule's: the
// rule's recommended centres of gravity keep that much more margin.
TEST(Comparison, DifferenceAndMarginsInMeanChords) {
  Solved solved = Solve(aero_test::Model("default.dat"));
  const double mac = solved.Rule.Wing.Mac;
  aero::VlmResult vlm = solved.Comparison.Vlm;
  vlm.NeutralPoint = solved.Rule.TotalNeutralPoint + 0.05 * mac;
  const aero::Comparison comparison = aero::Compare(solved.Model, solved.Rule, vlm);
  EXPECT_NEAR(comparison.NpDiff, 5, 1e-9);
  EXPECT_TRUE(comparison.Disagrees);
  EXPECT_NEAR(comparison.SmallMarginCgMargin, 5 + solved.Rule.SmallMargin, 1e-9);
  EXPECT_NEAR(comparison.LargeMarginCgMargin, 5 + solved.Rule.LargeMargin, 1e-9);
  EXPECT_NEAR(aero::StaticMargin(100, 110, 200), 5, 1e-12);
}

struct TextCase {
  aero::Comparison Comparison;
  std::vector<std::string> Figures;
  std::map<std::string, std::string> Summaries;
  std::map<std::string, std::vector<std::string>> Warnings;
};

std::vector<TextCase> TextCases() {
  const std::string path = std::string(CGCALC_TEST_DATA_DIR) + "/aero/second_opinion.txt";
  std::ifstream file(path);
  if (!file) throw std::runtime_error("cannot read " + path);
  std::vector<TextCase> cases;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab = line.find('\t');
    const std::string key = line.substr(0, tab);
    const std::string rest = line.substr(tab + 1);
    std::istringstream fields(rest);
    if (key == "case") {
      TextCase c;
      fields >> c.Comparison.NpDiff >> c.Comparison.Vlm.NeutralPoint >> c.Comparison.Vlm.LiftSlope >>
          c.Comparison.TailNotBehind >> c.Comparison.Disagrees;
      cases.push_back(c);
    } else if (cases.empty()) {
      throw std::runtime_error("no case before line: " + line);
    } else if (key == "figures") {
      for (std::string figure; std::getline(fields, figure, '\t');) cases.back().Figures.push_back(figure);
    } else if (key.starts_with("summary ")) {
      cases.back().Summaries[key.substr(8)] = rest;
    } else if (key.starts_with("warning ")) {
      cases.back().Warnings[key.substr(8)].push_back(rest);
    }
  }
  return cases;
}

TEST(SecondOpinion, Texts) {
  const std::vector<TextCase> cases = TextCases();
  ASSERT_EQ(cases.size(), 4u);
  for (const TextCase& c : cases) {
    SCOPED_TRACE("NpDiff " + std::to_string(c.Comparison.NpDiff));
    const present::SecondOpinionFigures figures = present::FiguresOf(c.Comparison);
    EXPECT_EQ((std::vector<std::string>{figures.LiftSlope, figures.NeutralPoint, figures.NpDiff}), c.Figures);
    for (const present::LanguageEntry& language : present::kLanguages) {
      SCOPED_TRACE(language.code);
      const std::string code(language.code);
      EXPECT_EQ(present::SummaryLine(c.Comparison, language.language), c.Summaries.at(code));
      const auto expected = c.Warnings.find(code);
      EXPECT_EQ(present::Warnings(c.Comparison, language.language),
                expected == c.Warnings.end() ? std::vector<std::string>{} : expected->second);
    }
  }
}

}  // namespace
