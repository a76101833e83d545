#include "evaluation.h"

#include <utility>

#include "calc/failure.h"
#include "present/recalculation.h"

namespace cli {

VlmOutcome SecondOpinionOf(const calc::TModelData& model, const calc::TStabilityData& results,
                           const aero::VlmOptions& layout, const calc::TBalanceInput* balance) {
  const std::optional<aero::VlmResult> solved = aero::SolveVortexLattice(model, layout);
  if (!solved) return {};
  VlmOutcome outcome{aero::Compare(model, results, *solved), std::nullopt};
  if (balance == nullptr) return outcome;
  // The rule's check has passed the same inputs; only the arithmetic
  // around the lattice's neutral point can still fail.
  try {
    outcome.balance = calc::CalcBalanceAgainst(*balance, results, solved->NeutralPoint);
  } catch (const calc::ArithmeticFailure&) {
  }
  return outcome;
}

Evaluation EvaluateLoadedModel(const calc::TModelData& fromFile, const calc::TBalanceInput* balance,
                               const aero::VlmOptions* vlm) {
  return EvaluateFields(calc::FieldTextsOf(fromFile), fromFile, std::nullopt, balance, vlm);
}

Evaluation EvaluateFields(const calc::FieldTexts& texts, const calc::TModelData& record,
                          const std::optional<calc::TMargins>& chosen, const calc::TBalanceInput* balance,
                          const aero::VlmOptions* vlm, calc::TUnits units) {
  Evaluation evaluation;
  evaluation.units = units;
  evaluation.fieldTexts = texts;
  evaluation.model = record;
  // Read in millimetres and written in `units`: a text converted to inches
  // and back could round a typed decimal beyond the thousandth.
  present::Recalculation recalculation =
      present::Recalculate({evaluation.fieldTexts, chosen}, units, evaluation.model, evaluation.results);
  if (recalculation.failure) throw recalculation.failure->failure;
  evaluation.labels = std::move(recalculation.labels);
  evaluation.aspectRatioWarning = present::AspectRatioWarning(evaluation.results);
  if (balance != nullptr) evaluation.balance = calc::CalcBalance(*balance, evaluation.results);
  if (vlm != nullptr) evaluation.vlm = SecondOpinionOf(evaluation.model, evaluation.results, *vlm, balance);
  return evaluation;
}

}  // namespace cli
