#pragma once

#include <optional>

#include "aero/comparison.h"
#include "calc/balance.h"
#include "calc/fields.h"
#include "calc/model.h"
#include "calc/stability.h"
#include "present/result_table.h"

namespace cli {

// The vortex lattice's second opinion on a computed model, when asked for.
struct VlmOutcome {
  // Its answer set against the rule's; nothing when the planform gave the
  // lattice nothing to solve (a chord below 0, for instance).
  std::optional<aero::Comparison> comparison;
  // The balance check judged against the lattice's neutral point
  // (calc::CalcBalanceAgainst), when one was asked for and the lattice
  // solved the model; nothing either way where its arithmetic fails.
  std::optional<calc::TBalanceData> balance;
};

// Solves `model` (the record after a successful calculation) by the vortex
// lattice laid out as `layout` says and compares it with `results`, the
// rule's; with `balance` (inputs the rule's balance check accepted), judges
// it against the lattice too. Never throws but for memory exhaustion.
VlmOutcome SecondOpinionOf(const calc::TModelData& model, const calc::TStabilityData& results,
                           const aero::VlmOptions& layout, const calc::TBalanceInput* balance = nullptr);

// Everything the main window shows right after loading a model file.
struct Evaluation {
  calc::FieldTexts fieldTexts;     // the input fields: a .dat file's values as FormatFixed(v, 4, 0)
  calc::TModelData model;          // the record after the closing recalculation
  calc::TStabilityData results;
  present::ResultLabelTexts labels;  // in label order, exact texts, in `units`
  calc::TUnits units;                // what the labels, balance and lattice texts are written in
  bool aspectRatioWarning = false; // Label17 shows the warning
  std::optional<calc::TBalanceData> balance;  // the balance check, when asked for
  std::optional<VlmOutcome> vlm;              // the vortex lattice, when asked for
};

// Loading puts the values read into the fields as whole millimetres, then
// the recalculation parses those texts again, starting from the record as
// read: so the record ends up with the rounded values, except Rh, which
// keeps the file's value when the tailplane span is 0 (the tailplane fields
// are then not read). Throws calc::ArithmeticFailure where the
// recalculation fails (a zero wing, for instance).
// With `balance`, also the balance check of the results, which may throw
// calc::ArithmeticFailure too (its input errors are found earlier, among the
// options).
// With `vlm`, also the vortex lattice's second opinion, laid out so.
Evaluation EvaluateLoadedModel(const calc::TModelData& fromFile, const calc::TBalanceInput* balance = nullptr,
                               const aero::VlmOptions* vlm = nullptr);

// The same for fields given as texts (a document's, as typed, in
// millimetres), starting from `record`, with the range placed by the margins
// `chosen` (or the default), and the labels written in `units`: the texts are
// read as millimetres whatever the units, so that every number is the
// millimetre model's, only shown otherwise.
Evaluation EvaluateFields(const calc::FieldTexts& texts, const calc::TModelData& record,
                          const std::optional<calc::TMargins>& chosen, const calc::TBalanceInput* balance = nullptr,
                          const aero::VlmOptions* vlm = nullptr, calc::TUnits units = {});

}  // namespace cli
