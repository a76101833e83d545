#include "recalculation.h"

namespace calc {
namespace {

// Listeners learn which stage completed from its name; the names follow the
// order in which the stages run.
static_assert([] {
  for (std::size_t i = 0; i < kStageCount; ++i) {
    if (static_cast<std::size_t>(kRecalculationStages[i].stage) != i) return false;
  }
  return true;
}());

}  // namespace

std::optional<StageFailure> RunRecalculation(const RecalculationInput& input, TModelData& model,
                                             TStabilityData& results, const StageCompleted& completed) {
  for (const RecalculationStage& stage : kRecalculationStages) {
    // Only the stage's own failure is its outcome; a listener's passes on.
    try {
      stage.run(input, model, results);
    } catch (const ArithmeticFailure& failure) {
      return StageFailure{stage.stage, failure};
    }
    if (completed) completed(stage.stage);
  }
  return std::nullopt;
}

}  // namespace calc
