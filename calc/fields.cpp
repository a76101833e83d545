#include "fields.h"

#include "number_text.h"
#include "stability.h"

namespace calc {
namespace {

// File-order indexes in the order a recalculation reads the fields.
constexpr std::array<int, 7> kWingReadOrder = {0, 2, 3, 4, 1, 5, 6};           // B Li Lk La Sa Vk Va
constexpr std::array<int, 7> kTailReadOrder = {9, 10, 11, 8, 12, 13, 14};      // Lih Lkh Lah Sah Vkh Vah Rh
constexpr int kTailSpanIndex = 7;                                               // Bh

void ReadField(const FieldTexts& texts, TModelData& model, int index) {
  // Parse first: an overflow leaves the model field as it was.
  const double value = ParseNumber(texts[static_cast<std::size_t>(index)]);
  ModelField(model, index) = value;
}

}  // namespace

FieldTexts DefaultFieldTexts() {
  FieldTexts texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = std::string(kDefaultFieldTexts[i]);
  return texts;
}

void ReadWingFields(const FieldTexts& texts, TModelData& model) {
  for (int index : kWingReadOrder) ReadField(texts, model, index);
}

void ReadTailFields(const FieldTexts& texts, TModelData& model) {
  ReadField(texts, model, kTailSpanIndex);
  if (model.Bh == 0) return;
  for (int index : kTailReadOrder) ReadField(texts, model, index);
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
