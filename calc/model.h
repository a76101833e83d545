#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <iterator>
#include <string_view>

#include "surface.h"

namespace calc {

// The dimensions of a model, all in millimetres, in file order.
// Offsets (Vk, Va, Vkh, Vah) are measured at the trailing edge from the
// same surface's root trailing edge, positive forward. Bh == 0 (also -0)
// makes the model a flying wing.
struct TModelData {
  double B = 0;    // wing span, tip to tip
  double Sa = 0;   // span of one outer wing panel
  double Li = 0;   // wing root chord
  double Lk = 0;   // wing kink chord
  double La = 0;   // wing tip chord
  double Vk = 0;   // wing kink trailing-edge offset
  double Va = 0;   // wing tip trailing-edge offset
  double Bh = 0;   // tailplane span, tip to tip
  double Sah = 0;  // span of one outer tailplane panel
  double Lih = 0;  // tailplane root chord
  double Lkh = 0;  // tailplane kink chord
  double Lah = 0;  // tailplane tip chord
  double Vkh = 0;  // tailplane kink trailing-edge offset
  double Vah = 0;  // tailplane tip trailing-edge offset
  double Rh = 0;   // wing root trailing edge to tailplane root leading edge
};

using ModelMember = double TModelData::*;

// One dimension as the window and the model file know it: the input field is
// named "Bot_" + Code, and DefaultText is the text that field starts with
// (the default of a new model).
struct ModelFieldInfo {
  std::string_view Code;
  ModelMember Member;
  std::string_view DefaultText;
};

// Every dimension once, in file order. The count, the codes and the defaults
// all follow from this table; other tables name their fields by its codes or
// members and check with CoversEveryFieldOnce that they miss none.
inline constexpr auto kModelFields = std::to_array<ModelFieldInfo>({
    {"B", &TModelData::B, "1300"},
    {"Sa", &TModelData::Sa, "0"},
    {"Li", &TModelData::Li, "220"},
    {"Lk", &TModelData::Lk, "210"},
    {"La", &TModelData::La, "0"},
    {"Vk", &TModelData::Vk, "-30"},
    {"Va", &TModelData::Va, "0"},
    {"Bh", &TModelData::Bh, "415"},
    {"Sah", &TModelData::Sah, "50"},
    {"Lih", &TModelData::Lih, "160"},
    {"Lkh", &TModelData::Lkh, "110"},
    {"Lah", &TModelData::Lah, "40"},
    {"Vkh", &TModelData::Vkh, "20"},
    {"Vah", &TModelData::Vah, "30"},
    {"Rh", &TModelData::Rh, "360"},
});

inline constexpr int kModelFieldCount = static_cast<int>(kModelFields.size());

// One column of kModelFields, in file order.
template <auto Column>
constexpr std::array<std::string_view, kModelFieldCount> ModelFieldColumn() {
  std::array<std::string_view, kModelFieldCount> column{};
  for (std::size_t i = 0; i < column.size(); ++i) column[i] = kModelFields[i].*Column;
  return column;
}

// Field codes in file order.
inline constexpr std::array<std::string_view, kModelFieldCount> kModelFieldCodes =
    ModelFieldColumn<&ModelFieldInfo::Code>();

// The texts the input fields start with, in file order.
inline constexpr std::array<std::string_view, kModelFieldCount> kDefaultFieldTexts =
    ModelFieldColumn<&ModelFieldInfo::DefaultText>();

// The file-order index of a member of TModelData.
constexpr int ModelFieldIndex(ModelMember member) {
  for (int i = 0; i < kModelFieldCount; ++i) {
    if (kModelFields[static_cast<std::size_t>(i)].Member == member) return i;
  }
  return -1;  // unreachable: every member is a field
}

// Whether a key names the field: by its code or by its member.
constexpr bool NamesField(std::string_view key, const ModelFieldInfo& field) { return key == field.Code; }
constexpr bool NamesField(ModelMember key, const ModelFieldInfo& field) { return key == field.Member; }

// Whether the keys that `key` takes from `rows` (codes or members; a member
// pointer such as &Row::code, or std::identity for a plain list) name every
// field exactly once and nothing else. For static checks of the tables that
// must cover the record.
template <class Rows, class Key>
constexpr bool CoversEveryFieldOnce(const Rows& rows, Key key) {
  if (std::size(rows) != kModelFields.size()) return false;
  for (const ModelFieldInfo& field : kModelFields) {
    int named = 0;
    for (const auto& row : rows) named += NamesField(std::invoke(key, row), field) ? 1 : 0;
    if (named != 1) return false;
  }
  return true;
}

// Every member has exactly one row: no row repeats a member, and there are as
// many rows as the record has members.
static_assert(sizeof(TModelData) == kModelFieldCount * sizeof(double));
static_assert([] {
  for (int i = 0; i < kModelFieldCount; ++i) {
    if (ModelFieldIndex(kModelFields[static_cast<std::size_t>(i)].Member) != i) return false;
  }
  return true;
}());

// Field by file-order index 0 .. kModelFieldCount - 1; any other index is a programming error.
double& ModelField(TModelData& model, int index);
double ModelField(const TModelData& model, int index);

// The members that make up a surface's TPlanform, in TPlanform's order:
// Span, OuterSpan, RootChord, KinkChord, TipChord, KinkOffset, TipOffset.
using PlanformMembers = std::array<ModelMember, 7>;

inline constexpr PlanformMembers kWingPlanform = {&TModelData::B,  &TModelData::Sa, &TModelData::Li, &TModelData::Lk,
                                                  &TModelData::La, &TModelData::Vk, &TModelData::Va};
inline constexpr PlanformMembers kTailPlanform = {&TModelData::Bh,  &TModelData::Sah, &TModelData::Lih,
                                                  &TModelData::Lkh, &TModelData::Lah, &TModelData::Vkh,
                                                  &TModelData::Vah};

constexpr TPlanform PlanformOf(const TModelData& model, const PlanformMembers& members) {
  return {model.*members[0], model.*members[1], model.*members[2], model.*members[3],
          model.*members[4], model.*members[5], model.*members[6]};
}

constexpr TPlanform WingPlanform(const TModelData& model) { return PlanformOf(model, kWingPlanform); }
constexpr TPlanform TailPlanform(const TModelData& model) { return PlanformOf(model, kTailPlanform); }

}  // namespace calc
