#include "fields.h"

#include "number_text.h"
#include "stability.h"

namespace calc {
namespace {

// The order in which a recalculation reads the fields. The tailplane span
// comes first on its own: without a tailplane the others are not read.
constexpr ModelMember kWingReadOrder[] = {&TModelData::B,  &TModelData::Li, &TModelData::Lk, &TModelData::La,
                                          &TModelData::Sa, &TModelData::Vk, &TModelData::Va};
constexpr ModelMember kTailReadOrder[] = {&TModelData::Lih, &TModelData::Lkh, &TModelData::Lah, &TModelData::Sah,
                                          &TModelData::Vkh, &TModelData::Vah, &TModelData::Rh};

void ReadField(const FieldTexts& texts, TModelData& model, ModelMember member) {
  // Parse first: an overflow leaves the model field as it was.
  const double value = ParseNumber(texts[static_cast<std::size_t>(ModelFieldIndex(member))]);
  model.*member = value;
}

}  // namespace

FieldTexts DefaultFieldTexts() {
  FieldTexts texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = std::string(kDefaultFieldTexts[i]);
  return texts;
}

void ReadWingFields(const FieldTexts& texts, TModelData& model) {
  for (ModelMember member : kWingReadOrder) ReadField(texts, model, member);
}

void ReadTailFields(const FieldTexts& texts, TModelData& model) {
  ReadField(texts, model, &TModelData::Bh);
  if (model.Bh == 0) return;
  for (ModelMember member : kTailReadOrder) ReadField(texts, model, member);
}

void Recalculate(const FieldTexts& texts, TModelData& model, TStabilityData& results) {
  ReadWingFields(texts, model);
  CalcWing(model, results);
  ReadTailFields(texts, model);
  CalcTailAndTotals(model, results);
}

FieldTexts FieldTextsOf(const TModelData& model) {
  FieldTexts texts;
  for (int i = 0; i < kModelFieldCount; ++i) texts[static_cast<std::size_t>(i)] = FormatFixed(ModelField(model, i), 4, 0);
  return texts;
}

}  // namespace calc
