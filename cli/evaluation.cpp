#include "evaluation.h"

namespace cli {

VlmOutcome SecondOpinionOf(const calc::TModelData& model, const calc::TStabilityData& results,
                           const aero::VlmOptions& layout) {
  const std::optional<aero::VlmResult> solved = aero::SolveVortexLattice(model, layout);
  if (!solved) return {};
  return {aero::Compare(model, results, *solved)};
}

Evaluation EvaluateLoadedModel(const calc::TModelData& fromFile, const calc::TBalanceInput* balance,
                               const aero::VlmOptions* vlm) {
  Evaluation evaluation;
  evaluation.fieldTexts = calc::FieldTextsOf(fromFile);
  evaluation.model = fromFile;
  calc::Recalculate(evaluation.fieldTexts, evaluation.model, evaluation.results);
  evaluation.labels = present::LabelTexts(evaluation.results);
  evaluation.aspectRatioWarning = present::AspectRatioWarning(evaluation.results);
  if (balance != nullptr) evaluation.balance = calc::CalcBalance(*balance, evaluation.results);
  if (vlm != nullptr) evaluation.vlm = SecondOpinionOf(evaluation.model, evaluation.results, *vlm);
  return evaluation;
}

}  // namespace cli
