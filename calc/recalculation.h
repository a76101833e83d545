#pragma once

#include <cstddef>
#include <functional>
#include <iterator>
#include <optional>

#include "failure.h"
#include "fields.h"
#include "margins.h"
#include "model.h"
#include "stability.h"

namespace calc {

// The stages of one recalculation, named in the order they run. The wing is
// read and computed before the tailplane is read, so that a tailplane that
// fails leaves the wing's new results standing.
enum class Stage { ReadWing, CalcWing, ReadTail, CalcTailAndTotals };

// Everything a recalculation reads besides the record it updates. A new
// input of the calculation becomes a member here and reaches the stage that
// uses it through kRecalculationStages, so that the window, cgcalc-cli and
// the sweeps all pass it the same way. Every member has a default in place,
// so that a caller that gives only the texts ({texts}) stays complete.
struct RecalculationInput {
  FieldTexts texts{};  // the fifteen field texts, in file order
  std::optional<TMargins> margins = std::nullopt;  // the builder's own; nothing: the defaults for the kind
};

// One stage: what it does with the input, the record and the results. Each
// throws ArithmeticFailure at its failing step, with the failure rules of
// the function it calls (fields.h, stability.h).
struct RecalculationStage {
  Stage stage;
  void (*run)(const RecalculationInput& input, TModelData& model, TStabilityData& results);
};

// The stages in the order they run: the one place that says which step
// follows which.
inline constexpr RecalculationStage kRecalculationStages[] = {
    {Stage::ReadWing,
     [](const RecalculationInput& input, TModelData& model, TStabilityData&) { ReadWingFields(input.texts, model); }},
    {Stage::CalcWing,
     [](const RecalculationInput&, TModelData& model, TStabilityData& results) { CalcWing(model, results); }},
    {Stage::ReadTail,
     [](const RecalculationInput& input, TModelData& model, TStabilityData&) { ReadTailFields(input.texts, model); }},
    {Stage::CalcTailAndTotals,
     [](const RecalculationInput& input, TModelData& model, TStabilityData& results) {
       CalcTailAndTotals(model, results, input.margins);
     }},
};
inline constexpr std::size_t kStageCount = std::size(kRecalculationStages);

// Where a recalculation stopped, and why.
struct StageFailure {
  Stage stage;
  ArithmeticFailure failure;
};

// Called after each stage that completed, in stage order, while `model` and
// `results` hold what that stage left.
using StageCompleted = std::function<void(Stage)>;

// Runs kRecalculationStages in order on `model` and `results`, calling
// `completed` (when given) after each. An ArithmeticFailure stops it at the
// failing stage and is returned with that stage: what the earlier stages
// stored stays, and the failing stage keeps its own rule (fields read before
// the failing one are in the model, quantities of earlier steps keep their
// new values). Nothing is returned when every stage completed. Any other
// exception, and one thrown by `completed`, passes on.
std::optional<StageFailure> RunRecalculation(const RecalculationInput& input, TModelData& model,
                                             TStabilityData& results, const StageCompleted& completed = {});

}  // namespace calc
