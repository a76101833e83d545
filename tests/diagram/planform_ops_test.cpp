#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <vector>

#include "diagram/planform.h"
#include "models.h"
#include "printers.h"

namespace diagram {
namespace {

using namespace diagram::testing;
using Kind = DrawOp::Kind;

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

// The expected operations of a complete redraw, strokes listed per colour.
std::vector<DrawOp> Redraw(int referenceRow, const std::vector<Stroke>& wing, const std::vector<Stroke>& tail,
                           const std::vector<Stroke>& marks) {
  std::vector<DrawOp> ops = {{Kind::SetBrush, 0, 0, 0, 0, kSilver},
                             {Kind::Rectangle, 0, 0, 272, 192},
                             {Kind::SetPen, 0, 0, 0, 0, kRed},
                             {Kind::MoveTo, 136, 0},
                             {Kind::LineTo, 136, 192}};
  const auto add = [&ops](const std::vector<Stroke>& strokes) {
    for (const Stroke& s : strokes) {
      ops.push_back({Kind::MoveTo, s.X1, s.Y1});
      ops.push_back({Kind::LineTo, s.X2, s.Y2});
    }
  };
  add({{0, referenceRow, 272, referenceRow}});
  ops.push_back({Kind::SetPen, 0, 0, 0, 0, kBlue});
  add(wing);
  ops.push_back({Kind::SetPen, 0, 0, 0, 0, kGreen});
  add(tail);
  ops.push_back({Kind::SetPen, 0, 0, 0, 0, kBlack});
  add(marks);
  return ops;
}

TEST(PlanformOpsTest, DefaultModel) {
  const PlanformDrawing drawing = PlanformOps(DefaultModel(), kDefaultCgSmall, kDefaultCgLarge);
  EXPECT_FALSE(drawing.ZeroScale);
  EXPECT_EQ(drawing.Ops, Redraw(59,
                                {{136, 96, 244, 101}, {136, 59, 244, 66}, {244, 96, 244, 96}, {244, 101, 244, 66},
                                 {136, 96, 28, 101}, {136, 59, 28, 66}, {28, 96, 28, 96}, {28, 101, 28, 66}},
                                {{136, 183, 162, 180}, {162, 180, 171, 178}, {162, 161, 171, 171},
                                 {136, 156, 162, 161}, {171, 178, 171, 171}, {162, 180, 162, 161},
                                 {136, 183, 110, 180}, {110, 180, 101, 178}, {110, 161, 101, 171},
                                 {136, 156, 110, 161}, {101, 178, 101, 171}, {110, 180, 110, 161}},
                                {{134, 71, 138, 71}, {134, 74, 138, 74}}));
}

// Without a tailplane the wing sits 56 rows lower and every green stroke has length zero.
TEST(PlanformOpsTest, FlyingWing) {
  const PlanformDrawing drawing = PlanformOps(FlyingWing(), kFlyingWingCgSmall, kFlyingWingCgLarge);
  EXPECT_FALSE(drawing.ZeroScale);
  const Stroke point{136, 212, 136, 212};  // base row 152 + round(360 / 6)
  EXPECT_EQ(drawing.Ops, Redraw(115,
                                {{136, 152, 244, 157}, {136, 115, 244, 122}, {244, 152, 244, 152},
                                 {244, 157, 244, 122}, {136, 152, 28, 157}, {136, 115, 28, 122},
                                 {28, 152, 28, 152}, {28, 157, 28, 122}},
                                {point, point, point, point, point, point, point, point},
                                {{134, 125, 138, 125}, {134, 126, 138, 126}}));
}

// s = 8; -20/8, 180/8 and 20/8 are halves and go to the even neighbour.
TEST(PlanformOpsTest, DoubleTrapezoidDrawsAllTwentyEightStrokes) {
  const PlanformDrawing drawing = PlanformOps(DoubleTrapezoid(), 120, 100);
  EXPECT_EQ(drawing.Ops, Redraw(65,
                                {{136, 96, 211, 98}, {211, 98, 261, 91}, {211, 74, 261, 76}, {136, 65, 211, 74},
                                 {261, 91, 261, 76}, {211, 98, 211, 74}, {136, 96, 61, 98}, {61, 98, 11, 91},
                                 {61, 74, 11, 76}, {136, 65, 61, 74}, {11, 91, 11, 76}, {61, 98, 61, 74}},
                                {{136, 161, 156, 159}, {156, 159, 162, 157}, {156, 145, 162, 152},
                                 {136, 141, 156, 145}, {162, 157, 162, 152}, {156, 159, 156, 145},
                                 {136, 161, 116, 159}, {116, 159, 110, 157}, {116, 145, 110, 152},
                                 {136, 141, 116, 145}, {110, 157, 110, 152}, {116, 159, 116, 145}},
                                {{134, 77, 138, 77}, {134, 80, 138, 80}}));
}

struct ScaleRow {
  const char* Name;
  double B, Li;
  int ReferenceRow;
};

// The reference line lies at 96 - round(Li / s), so it shows which scale was used.
const ScaleRow kScaleRows[] = {
    {"span 1768 gives s 7, not 8", 1768, 220, 65},
    {"span 2040 gives s 9, not 8", 2040, 220, 72},
    {"span equal to chord gives s 3", 300, 300, -4},
    {"span 100 chord 50 gives s 1", 100, 50, 46},
    {"span 272 gives s 2", 272, 110, 41},
};

TEST(PlanformOpsTest, ScaleTies) {
  for (const auto& row : kScaleRows) {
    SCOPED_TRACE(row.Name);
    calc::TModelData model = DefaultModel();
    model.B = row.B;
    model.Li = row.Li;
    const auto red = StrokesIn(PlanformOps(model, 0, 0), kRed);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[1], (Stroke{0, row.ReferenceRow, 272, row.ReferenceRow}));
  }
}

struct MarkRow {
  const char* Name;
  calc::TModelData Model;
  double CgSmall, CgLarge;
  std::vector<Stroke> Marks;
};

const MarkRow kMarkRows[] = {
    {"zero on the reference line, root chord on the base row", DefaultModel(), 220, 0,
     {{134, 59, 138, 59}, {134, 96, 138, 96}}},
    {"the same for a flying wing", FlyingWing(), 220, 0, {{134, 115, 138, 115}, {134, 152, 138, 152}}},
    {"both on one row", DefaultModel(), 110, 110, {{134, 78, 138, 78}, {134, 78, 138, 78}}},
    {"behind the trailing edge", DefaultModel(), 400, 300, {{134, 109, 138, 109}, {134, 126, 138, 126}}},
};

TEST(PlanformOpsTest, CentreOfGravityMarks) {
  for (const auto& row : kMarkRows) {
    SCOPED_TRACE(row.Name);
    EXPECT_EQ(StrokesIn(PlanformOps(row.Model, row.CgSmall, row.CgLarge), kBlack), row.Marks);
  }
}

struct ZeroScaleRow {
  const char* Name;
  double B, Li;
};

const ZeroScaleRow kZeroScaleRows[] = {
    {"span rule, span -200", -200, -300},
    {"chord rule, chord -200", -300, -200},
    {"span rule near -408", -407, -500},
    {"chord rule near -96", -300, -97},
};

TEST(PlanformOpsTest, ZeroScaleEndsAfterTheCentreLine) {
  for (const auto& row : kZeroScaleRows) {
    SCOPED_TRACE(row.Name);
    calc::TModelData model = DefaultModel();
    model.B = row.B;
    model.Li = row.Li;
    const PlanformDrawing drawing = PlanformOps(model, 0, 0);
    EXPECT_TRUE(drawing.ZeroScale);
    const std::vector<DrawOp> expected = {{Kind::SetBrush, 0, 0, 0, 0, kSilver},
                                          {Kind::Rectangle, 0, 0, 272, 192},
                                          {Kind::SetPen, 0, 0, 0, 0, kRed},
                                          {Kind::MoveTo, 136, 0},
                                          {Kind::LineTo, 136, 192}};
    EXPECT_EQ(drawing.Ops, expected);
  }
}

struct HugeRow {
  const char* Name;
  std::function<void(calc::TModelData&)> Change;
  Colour Pen;
  std::size_t StrokeIndex;
  Stroke Expected;
};

// Lengths far beyond the surface: coordinates clamp to the int range instead
// of overflowing.
const HugeRow kHugeRows[] = {
    {"span 1e300 puts the tips on the edges", [](auto& m) { m.B = 1e300; }, kBlue, 0, {136, 96, 272, 96}},
    {"span 1e300 left half", [](auto& m) { m.B = 1e300; }, kBlue, 4, {136, 96, 0, 96}},
    {"span -1e300 clamps the right tip low", [](auto& m) { m.B = -1e300; }, kBlue, 0, {136, 96, kMin, 111}},
    {"span -1e300 clamps the left tip high", [](auto& m) { m.B = -1e300; }, kBlue, 4, {136, 96, kMax, 111}},
    {"root chord -1e300 clamps the reference row", [](auto& m) { m.Li = -1e300; }, kRed, 1, {0, kMax, 272, kMax}},
    {"root chord -1e300 clamps the leading edge", [](auto& m) { m.Li = -1e300; }, kBlue, 1, {136, kMax, 244, 66}},
    {"tail distance 1e12 clamps the tail", [](auto& m) { m.Rh = 1e12; }, kGreen, 0, {136, kMax, 162, kMax}},
    {"tail distance -1e300 clamps the tail", [](auto& m) { m.Rh = -1e300; }, kGreen, 3, {136, kMin, 162, kMin}},
    {"kink chord 1e300", [](auto& m) { m.Lk = 1e300; }, kBlue, 3, {244, 101, 244, kMin}},
    {"infinite span makes the outline offsets NaN, drawn as 0",
     [](auto& m) { m.B = std::numeric_limits<double>::infinity(); }, kBlue, 0, {136, 96, 0, 96}},
};

TEST(PlanformOpsTest, HugeLengthsClamp) {
  for (const auto& row : kHugeRows) {
    SCOPED_TRACE(row.Name);
    calc::TModelData model = DefaultModel();
    row.Change(model);
    const PlanformDrawing drawing = PlanformOps(model, kDefaultCgSmall, kDefaultCgLarge);
    EXPECT_FALSE(drawing.ZeroScale);
    const auto strokes = StrokesIn(drawing, row.Pen);
    ASSERT_LT(row.StrokeIndex, strokes.size());
    EXPECT_EQ(strokes[row.StrokeIndex], row.Expected);
  }
}

TEST(PlanformOpsTest, AllLengthsHugeStillGiveEveryOperation) {
  calc::TModelData model;
  for (int i = 0; i < calc::kModelFieldCount; ++i) calc::ModelField(model, i) = 1e300;
  const PlanformDrawing drawing = PlanformOps(model, 1e300, -1e300);
  EXPECT_FALSE(drawing.ZeroScale);
  EXPECT_EQ(drawing.Ops.size(), 5u + 2 + 1 + 24 + 1 + 24 + 1 + 4);
  // Li - cg = 0 and 2e300 at s = 1e300/192: rows 96 and 96 - 384.
  EXPECT_EQ(StrokesIn(drawing, kBlack), (std::vector<Stroke>{{134, -288, 138, -288}, {134, 96, 138, 96}}));
}

}  // namespace
}  // namespace diagram
