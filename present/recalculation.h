#pragma once

#include <functional>
#include <optional>
#include <span>

#include "calc/model.h"
#include "calc/recalculation.h"
#include "calc/stability.h"
#include "present/result_table.h"

namespace present {

// One recalculation from the field texts to the result labels' texts, as
// the window shows it and cgcalc-cli prints it: the stages of
// calc::RunRecalculation, each followed by the texts of the labels whose
// values it completed.

// The cells whose values `stage` completes (ResultCell::stage), in label
// order; none for a stage that only reads fields.
std::span<const ResultCell* const> CellsOfStage(calc::Stage stage);

// What a completed stage lets a window show.
struct CompletedStage {
  calc::Stage stage;
  std::span<const ResultCell* const> cells;  // CellsOfStage(stage)
  const ResultLabelTexts& labels;            // their texts, at each cell's order
};

// Told of each completed stage, in stage order, before the next one runs.
using StageListener = std::function<void(const CompletedStage&)>;

struct Recalculation {
  // Every label's text, in label order; empty for a label whose stage did
  // not complete.
  ResultLabelTexts labels;
  // Where and why the recalculation stopped; nothing when it completed.
  std::optional<calc::StageFailure> failure;
};

// Runs calc::RunRecalculation on `model` and `results` with its failure
// rules, writes the texts of each completed stage's labels in `units` and
// then tells `listener` (when given). A listener's exception passes on. The
// texts are millimetres whatever the units (calc::MillimetreText).
Recalculation Recalculate(const calc::RecalculationInput& input, calc::TUnits units, calc::TModelData& model,
                          calc::TStabilityData& results, const StageListener& listener = {});

}  // namespace present
