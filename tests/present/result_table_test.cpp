#include "present/result_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "calc/fields.h"
#include "expected_labels.h"

namespace {

using present::Language;

std::vector<std::string> LabelsFor(const calc::FieldTexts& texts) {
  calc::TModelData model;
  calc::TStabilityData results;
  calc::Recalculate(texts, model, results);
  const present::ResultLabelTexts labels = present::LabelTexts(results);
  return {labels.begin(), labels.end()};
}

std::string TextOf(std::string_view name, const calc::TStabilityData& results) {
  const present::ResultCell* cell = present::FindCell(name);
  if (cell == nullptr) return "no cell " + std::string(name);
  return present::CellText(*cell, results);
}

TEST(LabelTexts, DefaultModelWithTailplane) {
  EXPECT_EQ(LabelsFor(calc::DefaultFieldTexts()), test_support::ExpectedValueTexts("default"));
}

TEST(LabelTexts, FlyingWingWithEmptyOrZeroSpan) {
  const std::vector<std::string> expected = test_support::ExpectedValueTexts("flying_wing");
  for (const char* span : {"0", "", "-0", "abc"}) {
    SCOPED_TRACE(span);
    calc::FieldTexts texts = calc::DefaultFieldTexts();
    texts[7] = span;
    EXPECT_EQ(LabelsFor(texts), expected);
  }
}

TEST(CellText, AreasKeepTheirExtendedQuotient) {
  // 279500 / 10000 lies just above 27.95 with a 64-bit significand; as a
  // double it would lie below and show 27.9.
  calc::TStabilityData results;
  results.Wing.Area = 279500;
  EXPECT_EQ(TextOf("Lab_St", results), " 28.0");
  EXPECT_EQ(TextOf("Lab_S", results), " 28.0");
}

TEST(CellText, WidthAndDecimalsPerCell) {
  calc::TStabilityData results;
  results.DownwashFactor = 0.7654;
  results.LargeMargin = 16;
  results.SmallMargin = -0.0;
  results.CgSmallMargin = -0.04;
  const struct {
    const char* name;
    const char* text;
  } rows[] = {{"Lab_Emdeda", "0.765"}, {"Lab_Stabv", "16"}, {"Lab_Stabh", "-0"}, {"Lab_Rsp1", " -0.0"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(TextOf(row.name, results), row.text);
  }
  EXPECT_EQ(present::FindCell("Lab_Nothing"), nullptr);
}

// A chosen margin is shown as the number it is, never rounded to another;
// whole ones stand as the defaults always stood.
TEST(MarginText, ShowsAChosenMarginExactly) {
  const struct {
    double margin;
    int width;
    const char* text;
  } rows[] = {{16, 2, "16"}, {8, 2, " 8"},   {12.5, 2, "12.5"}, {0.5, 2, "0.5"},
              {10.1, 2, "10.1"}, {2.5, 0, "2.5"}, {0.1 + 0.2, 0, "0.30000000000000004"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(present::MarginText(row.margin, row.width), row.text);
  }
}

TEST(AspectRatioWarning, Threshold) {
  const struct {
    const char* name;
    double aspectRatio;
    bool warning;
  } cases[] = {{"exactly five", 5.0, false},
               {"just below five", std::nextafter(5.0, 0.0), true},
               {"default wing", 6.046512, false},
               {"zero", 0, true},
               {"negative", -3, true},
               {"not a number", NAN, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    calc::TStabilityData results;
    results.Wing.AspectRatio = c.aspectRatio;
    EXPECT_EQ(present::AspectRatioWarning(results), c.warning);
    EXPECT_EQ(present::WarningText(results, Language::English).empty(), !c.warning);
  }
}

TEST(AspectRatioWarning, TextFollowsTheLanguage) {
  calc::TStabilityData results;
  EXPECT_EQ(present::WarningText(results, Language::German), "Achtung: Streckung zu klein f\xc3\xbcr exakte Berechnung!");
  EXPECT_EQ(present::WarningText(results, Language::English), "Attention: Aspect ratio to small for exactly calculation!");
}

// The window writes the wing's labels before the tailplane is computed, so
// they must not change with anything but the wing.
TEST(ResultTable, WingStageCellsReadOnlyTheWing) {
  calc::TStabilityData before;
  calc::TModelData model;
  calc::Recalculate(calc::DefaultFieldTexts(), model, before);
  calc::TStabilityData after = before;
  after.Tail = {1, 2, 3, 4, 5};
  after.LeverArm = after.DownwashFactor = after.TotalLiftSlope = after.TotalNeutralPoint = 99;
  after.CgLargeMargin = after.CgSmallMargin = after.NeutralPointPercent = after.LargeMargin = after.SmallMargin = 7;
  int wingCells = 0;
  for (const present::ResultCell* cell : present::CellsInLabelOrder()) {
    SCOPED_TRACE(cell->name);
    if (cell->stage != calc::Stage::CalcWing) {
      EXPECT_NE(present::CellText(*cell, before), present::CellText(*cell, after));
      continue;
    }
    ++wingCells;
    EXPECT_EQ(cell->column, present::Column::Wing);
    EXPECT_EQ(present::CellText(*cell, before), present::CellText(*cell, after));
  }
  EXPECT_EQ(wingCells, 5);
}

// A caption as every language words it.
std::vector<std::string_view> InEveryLanguage(present::Caption caption) {
  std::vector<std::string_view> texts;
  for (const present::LanguageEntry& language : present::kLanguages) texts.push_back(In(caption, language.language));
  return texts;
}

TEST(ResultTable, EveryRowHasCaptionsAndOneCellPerColumn) {
  std::set<std::string_view> captionNames;
  for (const present::ResultRow& row : present::ResultRows()) {
    SCOPED_TRACE(row.captionName);
    EXPECT_TRUE(captionNames.insert(row.captionName).second);
    for (std::string_view caption : InEveryLanguage(row.caption)) EXPECT_EQ(caption.back(), ':');
    std::set<present::Column> columns;
    for (const present::ResultCell& cell : row.cells) {
      if (!cell.Present()) continue;
      EXPECT_TRUE(columns.insert(cell.column).second) << cell.name;
    }
    EXPECT_FALSE(columns.empty());
  }
  for (const present::Caption& head : present::kWindowCaptions.columnHeads) {
    for (std::string_view caption : InEveryLanguage(head)) EXPECT_EQ(caption.back(), ':');
  }
  for (std::string_view title : InEveryLanguage(present::kWindowCaptions.title)) EXPECT_EQ(title.front(), ' ');
}

}  // namespace
