#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>
#include <vector>

#include "diagram/planform.h"
#include "drawn_extent.h"
#include "models.h"
#include "printers.h"

namespace diagram {
namespace {

using namespace diagram::testing;
using Kind = DrawOp::Kind;

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

// On a rectangular flying wing the reference line lies at 152 - round(Li / s),
// so it shows which scale was used.
const ScaleRow kScaleRows[] = {
    {"span 1768 gives s 7, not 8", 1768, 220, 121},
    {"span 2040 gives s 9, not 8", 2040, 220, 128},
    {"span equal to chord gives s 3", 300, 300, 52},
    {"span 100 chord 50 gives s 1", 100, 50, 102},
    {"span 272 gives s 2", 272, 110, 97},
};

TEST(PlanformOpsTest, ScaleTies) {
  for (const auto& row : kScaleRows) {
    SCOPED_TRACE(row.Name);
    calc::TModelData model = FlyingWing();
    model.B = row.B;
    model.Li = model.Lk = row.Li;
    model.Vk = 0;
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
  std::size_t Ops = 54;  // the default model's wing has no outer panel
};

// Lengths far beyond the surface, and a mirror image from a negative scale,
// are fitted onto it like any other drawing, without overflowing on the way.
const HugeRow kHugeRows[] = {
    {"span -1000 and root chord -2000 give s -3", [](auto& m) { m.B = -1000, m.Li = -2000; }},
    {"span 1e300", [](auto& m) { m.B = 1e300; }},
    {"span -1e300", [](auto& m) { m.B = -1e300; }},
    {"root chord -1e300", [](auto& m) { m.Li = -1e300; }},
    {"tail distance 1e12", [](auto& m) { m.Rh = 1e12; }},
    {"tail distance -1e300", [](auto& m) { m.Rh = -1e300; }},
    {"kink chord 1e300", [](auto& m) { m.Lk = 1e300; }},
    {"tail span -1e300", [](auto& m) { m.Bh = -1e300; }},
    {"every length 1e300",
     [](auto& m) {
       for (int i = 0; i < calc::kModelFieldCount; ++i) calc::ModelField(m, i) = 1e300;
     },
     62},
};

TEST(PlanformOpsTest, ExtremeModelsAreFitted) {
  for (const auto& row : kHugeRows) {
    SCOPED_TRACE(row.Name);
    calc::TModelData model = DefaultModel();
    row.Change(model);
    const PlanformDrawing drawing = PlanformOps(model, kDefaultCgSmall, kDefaultCgLarge);
    EXPECT_FALSE(drawing.ZeroScale);
    EXPECT_EQ(drawing.Ops.size(), row.Ops);
    EXPECT_TRUE(OnTheSurface(drawing, kFitMargin));
  }
}

struct FarMarkRow {
  const char* Name;
  double CgSmall, CgLarge;
  std::optional<double> Measured;
};

const FarMarkRow kFarMarkRows[] = {
    {"large-margin mark far behind", kDefaultCgSmall, 2000, std::nullopt},
    {"small-margin mark far ahead", -1500, kDefaultCgLarge, std::nullopt},
    {"measured mark far behind", kDefaultCgSmall, kDefaultCgLarge, 3000},
    {"measured mark at -1e300", kDefaultCgSmall, kDefaultCgLarge, -1e300},
};

// The marks belong to the drawing: one that would leave it brings the
// planform along onto the surface.
TEST(PlanformOpsTest, FarMarksAreFitted) {
  for (const auto& row : kFarMarkRows) {
    SCOPED_TRACE(row.Name);
    const PlanformDrawing drawing = PlanformOps(DefaultModel(), row.CgSmall, row.CgLarge, row.Measured);
    EXPECT_TRUE(OnTheSurface(drawing, kFitMargin));
    EXPECT_EQ(StrokesIn(drawing, kBlack).size() + StrokesIn(drawing, kFuchsia).size(), row.Measured ? 3u : 2u);
  }
}

// An infinite length gives NaN offsets, which cannot be fitted: the drawing
// keeps its usual placement and the NaN columns are drawn as 0.
TEST(PlanformOpsTest, InfiniteSpanIsNotFitted) {
  calc::TModelData model = DefaultModel();
  model.B = std::numeric_limits<double>::infinity();
  const PlanformDrawing drawing = PlanformOps(model, kDefaultCgSmall, kDefaultCgLarge);
  EXPECT_FALSE(drawing.ZeroScale);
  EXPECT_EQ(StrokesIn(drawing, kBlue)[0], (Stroke{136, 96, 0, 96}));
}

}  // namespace
}  // namespace diagram
