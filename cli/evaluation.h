#pragma once

#include "calc/fields.h"
#include "calc/model.h"
#include "calc/result_labels.h"
#include "calc/stability.h"

namespace cli {

// Everything the main window shows right after loading a model file.
struct Evaluation {
  calc::FieldTexts fieldTexts;     // the input fields: each value as FormatFixed(v, 4, 0)
  calc::TModelData model;          // the record after the closing recalculation
  calc::TStabilityData results;
  calc::ResultLabelTexts labels;   // Lab_St .. Lab_Stabh, exact texts
  bool aspectRatioWarning = false; // Label17 shows the warning
};

// Loading puts the values read into the fields as whole millimetres, then
// the recalculation parses those texts again, starting from the record as
// read: so the record ends up with the rounded values, except Rh, which
// keeps the file's value when the tailplane span is 0 (the tailplane fields
// are then not read). Throws calc::ArithmeticFailure where the
// recalculation fails (a zero wing, for instance).
Evaluation EvaluateLoadedModel(const calc::TModelData& fromFile);

}  // namespace cli
