#pragma once

#include <array>
#include <string>

#include "model.h"

namespace calc {

// The texts of the fifteen input fields, in file order (as kModelFieldCodes).
using FieldTexts = std::array<std::string, kModelFieldCount>;

FieldTexts DefaultFieldTexts();

// Reads Bot_B, Bot_Li, Bot_Lk, Bot_La, Bot_Sa, Bot_Vk, Bot_Va in this order
// with ParseNumber, storing each value at once. An overflow at one field
// throws and leaves that field and the later ones as they were.
void ReadWingFields(const FieldTexts& texts, TModelData& model);

// Reads Bot_Bh and, only when Bh != 0, Bot_Lih, Bot_Lkh, Bot_Lah, Bot_Sah,
// Bot_Vkh, Bot_Vah, Bot_Rh in this order, with the same failure rule.
void ReadTailFields(const FieldTexts& texts, TModelData& model);

// What a recalculation makes of the field texts when nothing fails:
// ReadWingFields, CalcWing, ReadTailFields, CalcTailAndTotals.
struct TStabilityData;
void Recalculate(const FieldTexts& texts, TModelData& model, TStabilityData& results);

// The texts a loaded model puts into the fields: FormatFixed(value, 4, 0).
FieldTexts FieldTextsOf(const TModelData& model);

}  // namespace calc
