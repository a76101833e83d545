#include "fields.h"

#include <algorithm>
#include <functional>
#include <iterator>

#include "number_text.h"
#include "recalculation.h"

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
  ReadField(texts, model, kTailSpan);
  if (model.*kTailSpan == 0) return;
  for (ModelMember member : kTailReadOrder) ReadField(texts, model, member);
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
