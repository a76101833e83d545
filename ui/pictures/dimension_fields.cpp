#include "ui/pictures/dimension_fields.h"

#include "calc/model.h"
#include "ui/pictures/palette.h"

namespace ui {
namespace {

// Arrow tips stop on the pixel next to the outline they measure to. Where an
// offset meets the reference line, the offset's tip takes the corner and the
// span's tip stops beside it, so the two heads stay apart. Leaders end a
// little under their field so that they meet its frame.
constexpr DimensionField kDimensionFields[] = {
    // Wing span, on from the far wing; its extension line up to the tip.
    {"B", 72, 80, 41, kBlue, {{0, 36}, {270, 36}}, Leader{{{270, 32}, {270, 60}}, Stroke::Dotted}},
    {"Li", 8, 144, 33, kBlue, {{23, 60}, {23, 147}}, {}},
    {"Lk", 128, 144, 33, kBlue, {{144, 62}, {144, 129}}, {}},
    {"La", 256, 128, 33, kBlue, {{270, 64}, {270, 94}}, {}},
    // Wing kink offset, down to the reference line.
    {"Vk", 104, 216, 33, kBlue, {{144, 133}, {144, 149}}, Leader{{{143, 150}, {131, 162}}, Stroke::Dotted}},
    // Wing outer-panel span, between the offset lines.
    {"Sa", 192, 200, 33, kBlue, {{145, 149}, {269, 149}}, {}},
    // Wing tip offset, down to the reference line.
    {"Va", 256, 168, 33, kBlue, {{270, 98}, {270, 149}}, {}},
    // Wing to tailplane gap.
    {"Rh", 8, 232, 33, kMaroon, {{23, 151}, {23, 242}}, {}},
    // Tailplane span; its extension line down to the tip.
    {"Bh", 56, 272, 33, kGreen, {{0, 225}, {144, 225}}, Leader{{{144, 221}, {144, 245}}, Stroke::Dotted}},
    {"Lih", 8, 320, 33, kGreen, {{23, 246}, {23, 307}}, {}},
    {"Lkh", 72, 320, 33, kGreen, {{85, 248}, {85, 297}}, {}},
    {"Lah", 128, 312, 33, kGreen, {{144, 249}, {144, 283}}, {}},
    {"Vkh", 56, 376, 33, kGreen, {{86, 301}, {86, 309}}, Leader{{{85, 310}, {73, 322}}, Stroke::Dotted}},
    {"Sah", 96, 360, 33, kGreen, {{87, 309}, {143, 309}}, {}},
    {"Vah", 160, 344, 33, kGreen, {{144, 287}, {144, 309}}, Leader{{{145, 296}, {164, 296}}, Stroke::Solid}},
};
static_assert(calc::CoversEveryFieldOnce(kDimensionFields, &DimensionField::code), "one place per field");

}  // namespace

std::span<const DimensionField> DimensionFields() { return kDimensionFields; }

}  // namespace ui
