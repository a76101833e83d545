#include "evaluation.h"

namespace cli {

Evaluation EvaluateLoadedModel(const calc::TModelData& fromFile, const calc::TBalanceInput* balance) {
  Evaluation evaluation;
  evaluation.fieldTexts = calc::FieldTextsOf(fromFile);
  evaluation.model = fromFile;
  calc::Recalculate(evaluation.fieldTexts, evaluation.model, evaluation.results);
  evaluation.labels = present::LabelTexts(evaluation.results);
  evaluation.aspectRatioWarning = present::AspectRatioWarning(evaluation.results);
  if (balance != nullptr) evaluation.balance = calc::CalcBalance(*balance, evaluation.results);
  return evaluation;
}

}  // namespace cli
