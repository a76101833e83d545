#pragma once

#include <array>
#include <string_view>

namespace calc {

// The fifteen dimensions of a model, all in millimetres, in file order.
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

inline constexpr int kModelFieldCount = 15;

// Field codes in file order; the input fields are named "Bot_" + code.
inline constexpr std::array<std::string_view, kModelFieldCount> kModelFieldCodes = {
    "B", "Sa", "Li", "Lk", "La", "Vk", "Va", "Bh", "Sah", "Lih", "Lkh", "Lah", "Vkh", "Vah", "Rh"};

// The texts the input fields start with; they are the defaults of a new model.
inline constexpr std::array<std::string_view, kModelFieldCount> kDefaultFieldTexts = {
    "1300", "0", "220", "210", "0", "-30", "0", "415", "50", "160", "110", "40", "20", "30", "360"};

// Field by file-order index 0..14; any other index is a programming error.
double& ModelField(TModelData& model, int index);
double ModelField(const TModelData& model, int index);

}  // namespace calc
