#pragma once

#include <array>
#include <optional>
#include <string>

#include "margins.h"
#include "model.h"

namespace calc {

// The texts of the input fields, in file order (as kModelFieldCodes).
using FieldTexts = std::array<std::string, kModelFieldCount>;

FieldTexts DefaultFieldTexts();

// The order in which a recalculation reads the fields. The tailplane span
// comes first on its own: without a tailplane the others are not read.
inline constexpr ModelMember kWingReadOrder[] = {&TModelData::B,  &TModelData::Li, &TModelData::Lk, &TModelData::La,
                                                 &TModelData::Sa, &TModelData::Vk, &TModelData::Va};
inline constexpr ModelMember kTailSpan = &TModelData::Bh;
inline constexpr ModelMember kTailReadOrder[] = {&TModelData::Lih, &TModelData::Lkh, &TModelData::Lah,
                                                 &TModelData::Sah, &TModelData::Vkh, &TModelData::Vah,
                                                 &TModelData::Rh};

// Reads the fields of kWingReadOrder in its order with ParseNumber, storing
// each value at once. An overflow at one field throws and leaves that field
// and the later ones as they were. The texts are millimetres: a length
// typed in inches comes as the text MillimetreText (units.h) makes of it.
void ReadWingFields(const FieldTexts& texts, TModelData& model);

// Reads the tailplane span and, only when it is not 0, the fields of
// kTailReadOrder in its order, with the same failure rule.
void ReadTailFields(const FieldTexts& texts, TModelData& model);

// The recalculation of the field texts alone (RunRecalculation,
// recalculation.h), for whoever needs only its numbers: throws the failing
// stage's ArithmeticFailure. `chosen` are the builder's margins (nothing:
// the defaults for the model's kind).
struct TStabilityData;
void Recalculate(const FieldTexts& texts, TModelData& model, TStabilityData& results,
                 const std::optional<TMargins>& chosen = std::nullopt);

// The texts a loaded model puts into the fields: FormatFixed(value, 4, 0).
FieldTexts FieldTextsOf(const TModelData& model);

}  // namespace calc
