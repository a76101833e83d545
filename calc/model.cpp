#include "model.h"

#include <cassert>

namespace calc {
namespace {

constexpr std::array<double TModelData::*, kModelFieldCount> kMembers = {
    &TModelData::B,   &TModelData::Sa,  &TModelData::Li,  &TModelData::Lk,  &TModelData::La,
    &TModelData::Vk,  &TModelData::Va,  &TModelData::Bh,  &TModelData::Sah, &TModelData::Lih,
    &TModelData::Lkh, &TModelData::Lah, &TModelData::Vkh, &TModelData::Vah, &TModelData::Rh};

}  // namespace

double& ModelField(TModelData& model, int index) {
  assert(index >= 0 && index < kModelFieldCount);
  return model.*kMembers.at(static_cast<std::size_t>(index));
}

double ModelField(const TModelData& model, int index) {
  assert(index >= 0 && index < kModelFieldCount);
  return model.*kMembers.at(static_cast<std::size_t>(index));
}

}  // namespace calc
