#include "fields.h"

#include <algorithm>
#include <functional>
#include <iterator>

#include "number_text.h"
#include "recalculation.h"
#include "units.h"

namespace calc {
namespace {

// A recalculation reads every field once.
static_assert([] {
  std::array<ModelMember, std::size(kWingReadOrder) + 1 + std::size(kTailReadOrder)> all{};
  auto next = std::copy(std::begin(kWingReadOrder), std::end(kWingReadOrder), all.begin());
  *next++ = kTailSpan;
  std::copy(std::begin(kTailReadOrder), std::end(kTailReadOrder), next);
  return CoversEveryFieldOnce(all, std::identity{});
}());

void ReadField(const FieldTexts& texts, LengthUnit unit, TModelData& model, ModelMember member) {
  const std::string& text = texts[static_cast<std::size_t>(ModelFieldIndex(member))];
  // Parse first: an overflow leaves the model field as it was.
  const double value = unit == LengthUnit::Millimetre ? ParseNumber(text) : ParseNumber(MillimetreText(text, unit));
  model.*member = value;
}

}  // namespace

FieldTexts DefaultFieldTexts() {
  FieldTexts texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = std::string(kDefaultFieldTexts[i]);
  return texts;
}

void ReadWingFields(const FieldTexts& texts, TModelData& model, LengthUnit unit) {
  for (ModelMember member : kWingReadOrder) ReadField(texts, unit, model, member);
}

void ReadTailFields(const FieldTexts& texts, TModelData& model, LengthUnit unit) {
  ReadField(texts, unit, model, kTailSpan);
  if (model.*kTailSpan == 0) return;
  for (ModelMember member : kTailReadOrder) ReadField(texts, unit, model, member);
}

void Recalculate(const FieldTexts& texts, TModelData& model, TStabilityData& results,
                 const std::optional<TMargins>& chosen) {
  if (std::optional<StageFailure> failure = RunRecalculation({texts, chosen}, model, results)) throw failure->failure;
}

FieldTexts FieldTextsOf(const TModelData& model) {
  FieldTexts texts;
  for (int i = 0; i < kModelFieldCount; ++i) texts[static_cast<std::size_t>(i)] = FormatFixed(ModelField(model, i), 4, 0);
  return texts;
}

}  // namespace calc
