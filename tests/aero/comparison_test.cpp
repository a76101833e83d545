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

calc::TModelData WithRh(calc::TModelData model, double rh) {
  model.Rh = rh;
  return model;
}

// Which kind of model the comparison sees, and whether the rule's range is
// unsafe by the lattice: the default model's tailplane root 1 mm under the
// wing's trailing edge is still behind the wing, 400 mm ahead of it not.
TEST(Comparison, Flags) {
  const calc::TModelData defaultModel = aero_test::Model("default.dat");
  const struct {
    const char* name;
    calc::TModelData model;
    bool tailAhead, sweptFlyingWing, ruleRearUnsafe;
  } cases[] = {
      {"canard", aero_test::Model("canard.dat"), true, false, true},
      {"swept flying wing", aero_test::Model("swept-flying-wing.dat"), false, true, false},
      {"glider", aero_test::Model("glider-two-panel.dat"), false, false, false},
      {"default", defaultModel, false, false, false},
      {"default, Rh -1", WithRh(defaultModel, -1), false, false, false},
      {"default, Rh -400", WithRh(defaultModel, -400), true, false, true},
      {"swept flying wing, its Rh below 0 unused", WithRh(aero_test::Model("flying-wing.dat"), -100), false, true,
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Solved solved = Solve(c.model);
    EXPECT_EQ(solved.Comparison.TailAhead, c.tailAhead);
    EXPECT_EQ(aero::IsTailAhead(solved.Model, solved.Rule), c.tailAhead);
    EXPECT_EQ(solved.Comparison.SweptFlyingWing, c.sweptFlyingWing);
    EXPECT_EQ(solved.Comparison.RuleRearUnsafe(), c.ruleRearUnsafe);
  }
}

// Swept back: the tip's quarter-chord point (the kink's without an outer
// panel) more than tan 5° of the half span (500 mm: 43.74 mm) behind the
// root's.
TEST(Comparison, SweptBackBeyondFiveDegrees) {
  const struct {
    const char* name;
    double sa, la, vk, va;
    bool swept;
  } cases[] = {
      {"no outer panel, kink 43 mm behind", 0, 0, -43, 0, false},
      {"no outer panel, kink 44 mm behind", 0, 0, -44, 0, true},
      {"tip 75 mm behind, the kink's offset aside", 200, 100, -500, 0, true},
      {"tip 35 mm behind", 200, 100, 0, 40, false},
      {"swept forward", 0, 0, 100, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    calc::TModelData wing;
    wing.B = 1000;
    wing.Li = wing.Lk = 200;
    wing.Sa = c.sa;
    wing.La = c.la;
    wing.Vk = c.vk;
    wing.Va = c.va;
    EXPECT_EQ(aero::IsSweptBack(wing), c.swept);
  }
}

// The lattice's neutral point d % of the mean chord from the rule's: the
// rule's recommended centres of gravity keep d more margin, the lattice's
// range lies d further aft, and the rule's range is unsafe once its rear end
// keeps less than half its 8 %.
TEST(Comparison, DifferenceMarginsAndRangeInMeanChords) {
  const Solved solved = Solve(aero_test::Model("default.dat"));
  const double mac = solved.Rule.Wing.Mac;
  for (const double d : {5.0, -3.9, -4.1}) {
    SCOPED_TRACE(d);
    aero::VlmResult vlm = solved.Comparison.Vlm;
    vlm.NeutralPoint = solved.Rule.TotalNeutralPoint + d / 100 * mac;
    const aero::Comparison comparison = aero::Compare(solved.Model, solved.Rule, vlm);
    EXPECT_NEAR(comparison.NpDiff, d, 1e-9);
    EXPECT_NEAR(comparison.SmallMarginCgMargin, d + solved.Rule.SmallMargin, 1e-9);
    EXPECT_NEAR(comparison.LargeMarginCgMargin, d + solved.Rule.LargeMargin, 1e-9);
    ASSERT_TRUE(comparison.LatticeRange.has_value());
    EXPECT_EQ(comparison.LatticeRange->Forward, calc::CgAtMargin(vlm.NeutralPoint, mac, solved.Rule.LargeMargin));
    EXPECT_EQ(comparison.LatticeRange->Rear, calc::CgAtMargin(vlm.NeutralPoint, mac, solved.Rule.SmallMargin));
    EXPECT_EQ(comparison.RuleRearUnsafe(), d < -4);
  }
  EXPECT_NEAR(aero::StaticMargin(100, 110, 200), 5, 1e-12);
}

struct TextCase {
  aero::Comparison Comparison;
  std::vector<std::string> Figures;
  std::map<std::string, std::string> Summaries;
  std::map<std::string, std::vector<std::string>> Warnings;
  std::map<std::string, std::string> Notes;
  std::map<std::string, std::string> Governing;  // the key, a tab, the sentence
};

// Every field between tabs, empty ones at the end included.
std::vector<std::string> TabFields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t from = 0;
  for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1) {
    fields.push_back(line.substr(from, tab - from));
  }
  fields.push_back(line.substr(from));
  return fields;
}

aero::Comparison ComparisonOf(const std::string& fields) {
  aero::Comparison c;
  std::istringstream in(fields);
  in >> c.NpDiff >> c.Vlm.NeutralPoint >> c.Vlm.LiftSlope >> c.TailAhead >> c.SweptFlyingWing >> c.SmallMargin >>
      c.SmallMarginCgMargin;
  aero::CgRange range;
  if (in >> range.Forward >> range.Rear) c.LatticeRange = range;
  return c;
}

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
    if (key == "case") {
      cases.push_back({ComparisonOf(rest), {}, {}, {}, {}, {}});
    } else if (cases.empty()) {
      throw std::runtime_error("no case before line: " + line);
    } else if (key == "figures") {
      cases.back().Figures = TabFields(rest);
    } else if (key.starts_with("summary ")) {
      cases.back().Summaries[key.substr(8)] = rest;
    } else if (key.starts_with("warning ")) {
      cases.back().Warnings[key.substr(8)].push_back(rest);
    } else if (key.starts_with("note ")) {
      cases.back().Notes[key.substr(5)] = rest;
    } else if (key.starts_with("governing ")) {
      cases.back().Governing[key.substr(10)] = rest;
    }
  }
  return cases;
}

TEST(SecondOpinion, Texts) {
  const std::vector<TextCase> cases = TextCases();
  ASSERT_EQ(cases.size(), 8u);
  for (const TextCase& c : cases) {
    SCOPED_TRACE("NpDiff " + std::to_string(c.Comparison.NpDiff));
    const present::SecondOpinionFigures figures = present::FiguresOf(c.Comparison);
    EXPECT_EQ((std::vector<std::string>{figures.LiftSlope, figures.NeutralPoint, figures.NpDiff, figures.CgForward,
                                        figures.CgRear}),
              c.Figures);
    const present::Governing governing = present::GoverningOf(c.Comparison);
    for (const present::LanguageEntry& language : present::kLanguages) {
      SCOPED_TRACE(language.code);
      const std::string code(language.code);
      EXPECT_EQ(present::SummaryLine(c.Comparison, language.language), c.Summaries.at(code));
      const auto warnings = c.Warnings.find(code);
      EXPECT_EQ(present::Warnings(c.Comparison, language.language),
                warnings == c.Warnings.end() ? std::vector<std::string>{} : warnings->second);
      const auto note = c.Notes.find(code);
      EXPECT_EQ(present::Note(c.Comparison, language.language), note == c.Notes.end() ? "" : note->second);
      EXPECT_EQ(std::string(present::JudgementKey(governing.judgement)) + "\t" +
                    std::string(present::GoverningText(governing, language.language)),
                c.Governing.at(code));
    }
  }
}

}  // namespace
