#include <gtest/gtest.h>

#include "calc/failure.h"
#include "calc/fields.h"
#include "calc/stability.h"

namespace {

// The text of one field, wherever the file order puts it.
std::string& TextOf(calc::FieldTexts& texts, calc::ModelMember member) {
  return texts[static_cast<std::size_t>(calc::ModelFieldIndex(member))];
}

TEST(Fields, ReadOrderAndFailurePoint) {
  // An overflow in Bot_Sa (read fifth) leaves Sa, Vk and Va as they were,
  // while B, Li, Lk and La already hold their new values.
  calc::FieldTexts texts = calc::DefaultFieldTexts();
  TextOf(texts, &calc::TModelData::Sa) = "1e400";
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
  TextOf(texts, &calc::TModelData::Bh) = "0";
  TextOf(texts, &calc::TModelData::Rh) = "1e400";  // Bot_Rh would overflow if it were read
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

}  // namespace
