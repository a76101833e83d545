#include "calc/result_labels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "calc/captions.h"
#include "calc/fields.h"
#include "calc/failure.h"

namespace {

calc::ResultLabelTexts LabelsFor(const calc::FieldTexts& texts) {
  calc::TModelData model;
  calc::TStabilityData results;
  calc::Recalculate(texts, model, results);
  return calc::ResultLabels(results);
}

TEST(ResultLabels, DefaultModelWithTailplane) {
  const calc::ResultLabelTexts expected = {" 28.0", "215.0", "  6.0", "  4.5", " 73.6", "  5.0", "128.1",
                                           "  3.4", "  3.6", " 52.3", " 33.0", "  4.8", "106.7", " 40.4",
                                           "558.7", "0.441", " 72.3", " 89.5", "16",    " 8"};
  EXPECT_EQ(LabelsFor(calc::DefaultFieldTexts()), expected);
}

TEST(ResultLabels, FlyingWingWithEmptyOrZeroSpan) {
  const calc::ResultLabelTexts expected = {" 28.0", "215.0", "  6.0", "  4.5", " 73.6", "  0.0", "  0.0",
                                           "  0.0", "  0.0", "  0.0", " 28.0", "  4.5", " 73.6", " 25.0",
                                           "  0.0", "0.000", " 56.4", " 65.0", " 8",    " 4"};
  for (const char* span : {"0", "", "-0", "abc"}) {
    calc::FieldTexts texts = calc::DefaultFieldTexts();
    texts[7] = span;
    EXPECT_EQ(LabelsFor(texts), expected) << '"' << span << '"';
  }
}

TEST(ResultLabels, AreasKeepTheirExtendedQuotient) {
  // 279500 / 10000 lies just above 27.95 with a 64-bit significand; as a
  // double it would lie below and show 27.9.
  calc::TStabilityData results;
  results.Wing.Area = 279500;
  const calc::ResultLabelTexts labels = calc::ResultLabels(results);
  EXPECT_EQ(labels[0], " 28.0");
  EXPECT_EQ(labels[10], " 28.0");
}

TEST(ResultLabels, OneLabelByItsPlace) {
  calc::TStabilityData results;
  results.DownwashFactor = 0.7654;
  results.LargeMargin = 16;
  EXPECT_EQ(calc::ResultLabel(results, 15), "0.765");
  EXPECT_EQ(calc::ResultLabel(results, 18), "16");
  EXPECT_THROW(calc::ResultLabel(results, 20), std::out_of_range);
  EXPECT_THROW(calc::ResultLabel(results, -1), std::out_of_range);
}

TEST(ResultLabels, AspectRatioWarningThreshold) {
  const struct {
    const char* Name;
    double AspectRatio;
    bool Warning;
  } cases[] = {{"exactly five", 5.0, false},
               {"just below five", std::nextafter(5.0, 0.0), true},
               {"default wing", 6.046512, false},
               {"zero", 0, true},
               {"negative", -3, true},
               {"not a number", NAN, true}};
  for (const auto& c : cases) {
    calc::TStabilityData results;
    results.Wing.AspectRatio = c.AspectRatio;
    EXPECT_EQ(calc::AspectRatioWarning(results), c.Warning) << c.Name;
  }
}

TEST(ResultLabels, RectangularWingOfAspectRatioFiveShowsNoWarning) {
  calc::FieldTexts texts = calc::DefaultFieldTexts();
  texts[0] = "1000", texts[1] = "200", texts[2] = "200", texts[3] = "200", texts[4] = "200", texts[5] = "0";
  calc::TModelData model;
  calc::TStabilityData results;
  calc::Recalculate(texts, model, results);
  EXPECT_EQ(results.Wing.AspectRatio, 5);
  EXPECT_FALSE(calc::AspectRatioWarning(results));
}

TEST(Fields, ReadOrderAndFailurePoint) {
  // An overflow in Bot_Sa (read fifth) leaves Sa, Vk and Va as they were,
  // while B, Li, Lk and La already hold their new values.
  calc::FieldTexts texts = calc::DefaultFieldTexts();
  texts[1] = "1e400";
  calc::TModelData model{9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
  EXPECT_THROW(calc::ReadWingFields(texts, model), calc::ArithmeticFailure);
  EXPECT_EQ(model.B, 1300);
  EXPECT_EQ(model.Li, 220);
  EXPECT_EQ(model.Lk, 210);
  EXPECT_EQ(model.La, 0);
  EXPECT_EQ(model.Sa, 9);
  EXPECT_EQ(model.Vk, 9);
  EXPECT_EQ(model.Va, 9);
}

TEST(Fields, FlyingWingReadsNoTailplaneField) {
  calc::FieldTexts texts = calc::DefaultFieldTexts();
  texts[7] = "0";
  texts[14] = "1e400";  // Bot_Rh would overflow if it were read
  calc::TModelData model;
  model.Rh = 777;
  calc::ReadTailFields(texts, model);
  EXPECT_EQ(model.Rh, 777);
  EXPECT_EQ(model.Lih, 0);
}

TEST(Fields, LoadedValuesBecomeFieldTexts) {
  const calc::TModelData model{1300, 0, 220, 210, 0, -30, 0, 415, 50, 160, 110, 40, 20, 30, -0.4};
  const calc::FieldTexts texts = calc::FieldTextsOf(model);
  EXPECT_EQ(texts[0], "1300");
  EXPECT_EQ(texts[1], "   0");
  EXPECT_EQ(texts[5], " -30");
  EXPECT_EQ(texts[14], "  -0");
}

TEST(Captions, BothLanguagesHaveEveryText) {
  for (bool english : {false, true}) {
    const calc::CaptionSet& set = calc::Captions(english);
    EXPECT_EQ(set.Title.front(), ' ');
    EXPECT_EQ(set.TableLabels[11], set.TableLabels[12]);
    for (std::string_view text : set.TableLabels) EXPECT_EQ(text.back(), ':');
  }
  EXPECT_EQ(calc::Captions(false).Warning, "Achtung: Streckung zu klein f\xc3\xbcr exakte Berechnung!");
}

}  // namespace
