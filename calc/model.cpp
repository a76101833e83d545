#include "model.h"

#include <cassert>

namespace calc {

double& ModelField(TModelData& model, int index) {
  assert(index >= 0 && index < kModelFieldCount);
  return model.*kModelFields.at(static_cast<std::size_t>(index)).Member;
}

double ModelField(const TModelData& model, int index) {
  assert(index >= 0 && index < kModelFieldCount);
  return model.*kModelFields.at(static_cast<std::size_t>(index)).Member;
}

}  // namespace calc
