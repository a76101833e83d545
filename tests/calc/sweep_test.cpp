#include "calc/sweep.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct RangeRow {
  const char* text;
  std::vector<std::string> values;  // every value, or the first and last when `count` says more
  std::int64_t count;
};

TEST(ParseDecimalRange, ValuesAreExactDecimals) {
  const RangeRow rows[] = {
      {"400:900:50", {"400", "900"}, 11},
      {"0:1:0.1", {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}, 11},
      {"-30:30:7.5", {"-30", "-22.5", "-15", "-7.5", "0", "7.5", "15", "22.5", "30"}, 9},
      {"1:0:-0.25", {"1", "0.75", "0.5", "0.25", "0"}, 5},
      {"5:5:1", {"5"}, 1},
      {"5:5:-1", {"5"}, 1},
      {"0:1:0.3", {"0", "0.3", "0.6", "0.9"}, 4},  // TO is not on a step: the last value stays below it
      {"+.5:2.:0.5", {"0.5", "1", "1.5", "2"}, 4},
      {"-0.001:0.001:0.0005", {"-0.001", "-0.0005", "0", "0.0005", "0.001"}, 5},
      {"0:999999:1", {"0", "999999"}, 1'000'000},
      {"123456789012345:123456789012346:1", {"123456789012345", "123456789012346"}, 2},
      {"6.5e2: 7E+2 :5e1", {"650", "700"}, 2},  // the exact decimals the exponents write
      {"1.5e-3:25e-4:0.0005", {"0.0015", "0.002", "0.0025"}, 3},
  };
  for (const RangeRow& row : rows) {
    SCOPED_TRACE(row.text);
    std::string error;
    const std::optional<calc::DecimalRange> range = calc::ParseDecimalRange(row.text, error);
    ASSERT_TRUE(range.has_value()) << error;
    EXPECT_EQ(range->Count, row.count);
    if (static_cast<std::int64_t>(row.values.size()) == row.count) {
      for (std::size_t i = 0; i < row.values.size(); ++i) EXPECT_EQ(range->ValueText(static_cast<std::int64_t>(i)), row.values[i]);
    } else {
      EXPECT_EQ(range->ValueText(0), row.values.front());
      EXPECT_EQ(range->ValueText(range->Count - 1), row.values.back());
    }
  }
}

TEST(ParseDecimalRange, SaysWhyARangeIsRefused) {
  const struct {
    const char* text;
    const char* error;
  } rows[] = {
      {"1:2:0", "the step is 0"},
      {"1:2:-0.0", "the step is 0"},
      {"2:1:1", "the step goes away from TO"},
      {"1:2:-1", "the step goes away from TO"},
      {"0:1000000:1", "more than 1000000 points"},
      {"1:2", "a range is FROM:TO:STEP"},
      {"1:2:3:4", "a range is FROM:TO:STEP"},
      {"a:2:1", "FROM 'a': not a number"},
      {"1:1e400:1", "TO '1e400': too large"},
      {"1:2:", "STEP '': not a number"},
      {"1:2:.", "STEP '.': not a number"},
      {"1234567890123456:1234567890123457:1", "FROM '1234567890123456': more than 15 digits"},
      {"1e15:1:1", "FROM '1e15': more than 15 digits"},
      {"0:1:1e-16", "STEP '1e-16': more than 15 digits"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    std::string error;
    EXPECT_FALSE(calc::ParseDecimalRange(row.text, error).has_value());
    EXPECT_EQ(error, row.error);
  }
}

TEST(FieldIndexOfCode, FileOrder) {
  EXPECT_EQ(calc::FieldIndexOfCode("B"), 0);
  EXPECT_EQ(calc::FieldIndexOfCode("Rh"), 14);
  EXPECT_EQ(calc::FieldIndexOfCode("rh"), std::nullopt);
  EXPECT_EQ(calc::FieldIndexOfCode(""), std::nullopt);
}

// A grid's first field varies slowest, and every point starts from the
// loaded state, not from the point before it.
TEST(EvaluateSweepPoint, GridOrderAndFreshStart) {
  calc::TModelData model;
  const calc::FieldTexts defaults = calc::DefaultFieldTexts();
  for (int i = 0; i < calc::kModelFieldCount; ++i) calc::ModelField(model, i) = std::stod(defaults[static_cast<std::size_t>(i)]);
  const calc::LoadedState loaded = calc::LoadState(model);
  std::string error;
  const calc::SweptField fields[] = {{7, *calc::ParseDecimalRange("0:415:415", error)},   // Bh
                                     {0, *calc::ParseDecimalRange("0:1300:650", error)}};  // B
  ASSERT_EQ(calc::SweepPointCount(fields), 6);
  const std::vector<std::vector<std::string>> expected = {{"0", "0"},   {"0", "650"},   {"0", "1300"},
                                                          {"415", "0"}, {"415", "650"}, {"415", "1300"}};
  for (std::int64_t i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    const calc::SweepPoint point = calc::EvaluateSweepPoint(loaded, fields, i);
    EXPECT_EQ(point.ValueTexts, expected[static_cast<std::size_t>(i)]);
    // A wing of span 0 has no area: the calculation fails at its first step.
    EXPECT_EQ(point.Failure.has_value(), point.ValueTexts[1] == "0");
  }
  // The flying-wing point zeroes the tailplane in its own record only.
  const calc::SweepPoint flyingWing = calc::EvaluateSweepPoint(loaded, fields, 2);
  const calc::SweepPoint withTail = calc::EvaluateSweepPoint(loaded, fields, 5);
  EXPECT_EQ(flyingWing.Model.Lih, 0);
  EXPECT_EQ(withTail.Model.Lih, 160);
  EXPECT_EQ(withTail.Results.SmallMargin, 8);
  EXPECT_EQ(flyingWing.Results.SmallMargin, 4);
}

}  // namespace

// The step that cuts a range into equal parts exactly, or nothing where no
// plain decimal of 15 digits says it.
TEST(ExactStep, DividesTheRangeExactly) {
  const struct {
    const char* from;
    const char* to;
    int parts;
    std::optional<std::string> step;
  } rows[] = {
      {"180", "720", 1000, "0.54"},
      {"400", "150", 1000, "-0.25"},
      {"-100", "100", 1000, "0.2"},
      {"0.5", "2.25", 1000, "0.00175"},
      {"0", "1", 3, std::nullopt},
      {"5", "5", 1000, std::nullopt},
      {"1e3", "2000", 1000, "1"},
      {"1,5", "2000", 1000, std::nullopt},
      {"0", "0.000000000000001", 1000, std::nullopt},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.from) + ":" + row.to);
    EXPECT_EQ(calc::ExactStep(row.from, row.to, row.parts), row.step);
  }
}
