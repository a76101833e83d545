#include "evaluation.h"

namespace cli {

Evaluation EvaluateLoadedModel(const calc::TModelData& fromFile) {
  Evaluation evaluation;
  evaluation.fieldTexts = calc::FieldTextsOf(fromFile);
  evaluation.model = fromFile;
  calc::Recalculate(evaluation.fieldTexts, evaluation.model, evaluation.results);
  evaluation.labels = calc::ResultLabels(evaluation.results);
  evaluation.aspectRatioWarning = calc::AspectRatioWarning(evaluation.results);
  return evaluation;
}

}  // namespace cli
