#pragma once

#include <array>
#include <string>
#include <string_view>

#include "stability.h"

namespace calc {

inline constexpr int kResultLabelCount = 20;

// The result labels of the main window in the order they are written.
// Labels 0..4 show the wing and are written as soon as the wing is computed.
inline constexpr std::array<std::string_view, kResultLabelCount> kResultLabelNames = {
    "Lab_St",   "Lab_Lmt", "Lab_Lamt", "Lab_Caalt", "Lab_Rnpt",  "Lab_Sh",     "Lab_Lmh",
    "Lab_Lamh", "Lab_Caalh", "Lab_Rnph", "Lab_S",   "Lab_Caal",  "Lab_Rnp",    "Lab_Xnplm",
    "Lab_Rhe",  "Lab_Emdeda", "Lab_Rsp2", "Lab_Rsp1", "Lab_Stabv", "Lab_Stabh"};

inline constexpr int kWingLabelCount = 5;

using ResultLabelTexts = std::array<std::string, kResultLabelCount>;

// The exact text of each label, leading blanks included. The three areas are
// converted to dm² with a 64-bit significand and formatted without rounding
// to a double first, which decides ties such as the default 28.0.
ResultLabelTexts ResultLabels(const TStabilityData& results);

// The text of one label, by its place 0..19 in kResultLabelNames; throws
// std::out_of_range for any other index. The window formats only the labels
// it writes at each stage.
std::string ResultLabel(const TStabilityData& results, int index);

// True when the wing's aspect ratio is not at least 5 (NaN included): the
// aspect ratio and both centre-of-gravity labels turn red and the warning
// line appears.
bool AspectRatioWarning(const TStabilityData& results);

}  // namespace calc
