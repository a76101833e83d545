#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "calc/failure.h"
#include "diagram/planform.h"
#include "models.h"
#include "printers.h"

namespace diagram {
namespace {

using namespace diagram::testing;

struct PixelFact {
  const char* Name;
  int X, Y;
  Colour Expected;
};

void ExpectPixels(const Canvas& canvas, const std::vector<PixelFact>& facts) {
  for (const auto& fact : facts) {
    SCOPED_TRACE(fact.Name);
    EXPECT_EQ(canvas.Pixel(fact.X, fact.Y), fact.Expected) << "at " << fact.X << "," << fact.Y;
  }
}

Canvas Drawn(const calc::TModelData& model, double cgSmall, double cgLarge) {
  Canvas canvas(kDiagramWidth, kDiagramHeight);
  DrawPlanform(canvas, model, cgSmall, cgLarge);
  return canvas;
}

// Start pixels are drawn, end pixels only where another stroke starts; later
// strokes overwrite earlier ones.
TEST(DrawPlanformTest, DefaultModelPixels) {
  const Canvas canvas = Drawn(DefaultModel(), kDefaultCgSmall, kDefaultCgLarge);
  ExpectPixels(canvas, {
                           {"frame top left", 0, 0, kBlack},
                           {"frame bottom right", 271, 191, kBlack},
                           {"frame left side", 0, 120, kBlack},
                           {"background", 1, 1, kSilver},
                           {"centre line over the top frame", 136, 0, kRed},
                           {"centre line over the bottom frame", 136, 191, kRed},
                           {"centre line between", 136, 30, kRed},
                           {"reference line over the left frame", 0, 59, kRed},
                           {"reference line last column", 271, 59, kRed},
                           {"leading edge covers the reference line near the root", 143, 59, kBlue},
                           {"reference line where the leading edge has left it", 144, 59, kRed},
                           {"row above the reference line", 137, 58, kSilver},
                           {"wing trailing edge starts on the centre line", 136, 96, kBlue},
                           {"wing leading edge starts on the reference line", 136, 59, kBlue},
                           {"trailing edge first step down", 147, 97, kBlue},
                           {"trailing edge before the step", 146, 96, kBlue},
                           {"nothing beside the step", 147, 96, kSilver},
                           {"kink chord start, right", 244, 101, kBlue},
                           {"kink chord start, left", 28, 101, kBlue},
                           {"kink chord last pixel", 244, 67, kBlue},
                           {"leading edge corner left out, right", 244, 66, kSilver},
                           {"leading edge corner left out, left", 28, 66, kSilver},
                           {"tip chord of length zero lies on the kink chord", 244, 96, kBlue},
                           {"right of the tip", 245, 96, kSilver},
                           {"tail trailing edge starts on the centre line", 136, 183, kGreen},
                           {"tail leading edge starts on the centre line", 136, 156, kGreen},
                           {"tail kink, trailing edge", 162, 180, kGreen},
                           {"tail kink, leading edge", 162, 161, kGreen},
                           {"tail tip, trailing edge", 171, 178, kGreen},
                           {"tail tip chord last pixel", 171, 172, kGreen},
                           {"tail tip leading corner left out, right", 171, 171, kSilver},
                           {"tail tip leading corner left out, left", 101, 171, kSilver},
                           {"tail left kink", 110, 180, kGreen},
                           {"centre line behind the tail", 136, 184, kRed},
                           {"large-margin mark, first column", 134, 71, kBlack},
                           {"large-margin mark on the centre line", 136, 71, kBlack},
                           {"large-margin mark, last column", 137, 71, kBlack},
                           {"large-margin mark ends before 138", 138, 71, kSilver},
                           {"large-margin mark starts at 134", 133, 71, kSilver},
                           {"small-margin mark, first column", 134, 74, kBlack},
                           {"small-margin mark, last column", 137, 74, kBlack},
                           {"small-margin mark ends before 138", 138, 74, kSilver},
                       });
  EXPECT_EQ(canvas.Pen(), kBlack);
  EXPECT_EQ(canvas.Brush(), kSilver);
}

TEST(DrawPlanformTest, FlyingWingPixels) {
  const Canvas canvas = Drawn(FlyingWing(), kFlyingWingCgSmall, kFlyingWingCgLarge);
  EXPECT_EQ(CountPixels(canvas, kGreen), 0);
  ExpectPixels(canvas, {
                           {"reference line", 10, 115, kRed},
                           {"wing trailing edge on base row 152", 136, 152, kBlue},
                           {"kink chord start", 244, 157, kBlue},
                           {"leading edge corner left out", 244, 122, kSilver},
                           {"large-margin mark", 134, 125, kBlack},
                           {"small-margin mark", 137, 126, kBlack},
                           {"old base row is empty", 200, 96, kSilver},
                       });
}

// A tailplane far behind the wing would run past the bottom edge: the
// drawing moves up until it lies kFitMargin rows above the bottom, its scale
// unchanged.
TEST(DrawPlanformTest, TailBelowTheSurfaceMovesTheDrawingUp) {
  calc::TModelData model = DefaultModel();
  model.Rh = 500;  // tail base row 206 where it would be, 19 rows too low
  const Canvas canvas = Drawn(model, kDefaultCgSmall, kDefaultCgLarge);
  ExpectPixels(canvas, {
                           {"tail root trailing edge", 136, 187, kGreen},
                           {"tail root leading edge", 136, 160, kGreen},
                           {"tail kink chord", 162, 184, kGreen},
                           {"nothing below the tail", 162, 188, kSilver},
                           {"reference line 19 rows up", 0, 40, kRed},
                           {"wing trailing edge", 136, 77, kBlue},
                           {"kink chord start", 244, 82, kBlue},
                           {"large-margin mark", 134, 52, kBlack},
                       });
}

// Rounding is symmetric and lines mirror, so the left halves are the right
// halves mirrored about column 136; only the marks are not.
TEST(DrawPlanformTest, HalvesMirrorAboutTheCentreColumn) {
  struct Row {
    const char* Name;
    calc::TModelData Model;
    double CgSmall, CgLarge;
  };
  const Row rows[] = {
      {"default model", DefaultModel(), kDefaultCgSmall, kDefaultCgLarge},
      {"flying wing", FlyingWing(), kFlyingWingCgSmall, kFlyingWingCgLarge},
      {"double trapezoid", DoubleTrapezoid(), 120, 100},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Name);
    const Canvas canvas = Drawn(row.Model, row.CgSmall, row.CgLarge);
    std::set<int> markRows;
    for (const Stroke& mark : StrokesIn(PlanformOps(row.Model, row.CgSmall, row.CgLarge), kBlack))
      markRows.insert(mark.Y1);
    int blue = 0;
    for (int y = 1; y < kDiagramHeight - 1; ++y) {
      if (markRows.contains(y)) continue;
      for (int x = 2; x < 136; ++x) {
        ASSERT_EQ(canvas.Pixel(x, y), canvas.Pixel(272 - x, y)) << "at " << x << "," << y;
        blue += canvas.Pixel(x, y) == kBlue;
      }
    }
    EXPECT_GT(blue, 100);
  }
}

// The redraw stops after the red centre line and leaves the pen red, so the
// next redraw's frame is red; the one after that is black again.
TEST(DrawPlanformTest, ZeroScaleFailsAndTheNextFrameIsRed) {
  Canvas canvas(kDiagramWidth, kDiagramHeight);
  calc::TModelData broken = DefaultModel();
  broken.B = -200;
  broken.Li = -300;
  try {
    DrawPlanform(canvas, broken, 0, 0);
    FAIL() << "a zero scale must fail";
  } catch (const calc::ArithmeticFailure& failure) {
    EXPECT_STREQ(failure.what(), "Floating point division by zero");
    EXPECT_EQ(failure.Kind(), calc::FailureKind::DivisionByZero);
  }
  EXPECT_EQ(canvas.Pen(), kRed);
  EXPECT_EQ(CountPixels(canvas, kRed), kDiagramHeight);
  EXPECT_EQ(CountPixels(canvas, kBlue), 0);
  ExpectPixels(canvas, {{"frame of the new surface", 0, 0, kBlack},
                        {"background", 1, 1, kSilver},
                        {"centre line", 136, 100, kRed}});

  DrawPlanform(canvas, DefaultModel(), kDefaultCgSmall, kDefaultCgLarge);
  ExpectPixels(canvas, {{"red frame top left", 0, 0, kRed},
                        {"red frame left", 0, 120, kRed},
                        {"red frame bottom right", 271, 191, kRed},
                        {"wing drawn", 244, 101, kBlue}});
  EXPECT_EQ(canvas.Pen(), kBlack);

  DrawPlanform(canvas, DefaultModel(), kDefaultCgSmall, kDefaultCgLarge);
  ExpectPixels(canvas, {{"black frame top left", 0, 0, kBlack},
                        {"black frame left", 0, 120, kBlack},
                        {"black frame bottom right", 271, 191, kBlack}});
}

// Huge lengths leave the surface; the redraw ends normally.
TEST(DrawPlanformTest, HugeLengthsDrawWithoutFailure) {
  struct Row {
    const char* Name;
    double calc::TModelData::*Field;
    double Value;
    int Green;  // green pixels expected, -1 when not checked
  };
  const Row rows[] = {
      {"span 1e300", &calc::TModelData::B, 1e300, -1},
      {"span -1e300", &calc::TModelData::B, -1e300, -1},
      {"root chord 1e300", &calc::TModelData::Li, 1e300, -1},
      {"root chord -1e300", &calc::TModelData::Li, -1e300, -1},
      {"kink chord 1e300", &calc::TModelData::Lk, 1e300, -1},
      {"tail distance 1e12", &calc::TModelData::Rh, 1e12, 0},
      {"tail distance -1e300", &calc::TModelData::Rh, -1e300, 0},
      {"tail span 1e300", &calc::TModelData::Bh, 1e300, -1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Name);
    calc::TModelData model = DefaultModel();
    model.*row.Field = row.Value;
    Canvas canvas(kDiagramWidth, kDiagramHeight);
    EXPECT_NO_THROW(DrawPlanform(canvas, model, kDefaultCgSmall, kDefaultCgLarge));
    EXPECT_EQ(canvas.Pen(), kBlack);
    if (row.Green >= 0) {
      EXPECT_EQ(CountPixels(canvas, kGreen), row.Green);
    }
  }
}

// The diagram uses its own size; a different canvas just clips.
TEST(DrawPlanformTest, SmallerCanvasClips) {
  Canvas canvas(100, 60);
  DrawPlanform(canvas, DefaultModel(), kDefaultCgSmall, kDefaultCgLarge);
  ExpectPixels(canvas, {{"frame top left", 0, 0, kBlack},
                        {"no frame on the last column", 99, 30, kSilver},
                        {"reference line from the first column", 0, 59, kRed},
                        {"reference line to the last column", 99, 59, kRed}});
  // Only the reference line is visible: centre line, wing and tail lie outside.
  EXPECT_EQ(CountPixels(canvas, kRed), 100);
  EXPECT_EQ(CountPixels(canvas, kBlue), 0);
}

}  // namespace
}  // namespace diagram

namespace diagram {
namespace {

// A measured centre of gravity is a third mark, drawn by the rules of the
// other two: put at the rearward position it recolours exactly that mark's
// pixels, and the redraw after it starts with the same pen as always.
TEST(MeasuredCentreOfGravity, MarkFollowsTheSameRules) {
  const struct {
    const char* name;
    calc::TModelData model;
    double cgSmall, cgLarge;
  } models[] = {{"default", testing::DefaultModel(), testing::kDefaultCgSmall, testing::kDefaultCgLarge},
                {"flying wing", testing::FlyingWing(), testing::kFlyingWingCgSmall, testing::kFlyingWingCgLarge}};
  for (const auto& m : models) {
    SCOPED_TRACE(m.name);
    Canvas plain(kDiagramWidth, kDiagramHeight);
    DrawPlanform(plain, m.model, m.cgSmall, m.cgLarge);
    Canvas marked(kDiagramWidth, kDiagramHeight);
    DrawPlanform(marked, m.model, m.cgSmall, m.cgLarge, m.cgSmall);
    int recoloured = 0;
    for (int y = 0; y < kDiagramHeight; ++y) {
      for (int x = 0; x < kDiagramWidth; ++x) {
        if (plain.Pixel(x, y) == marked.Pixel(x, y)) continue;
        EXPECT_EQ(marked.Pixel(x, y), kFuchsia) << x << "," << y;
        EXPECT_EQ(plain.Pixel(x, y), kBlack) << x << "," << y;
        ++recoloured;
      }
    }
    EXPECT_EQ(recoloured, 4);  // the mark's four pixels; its end is left out

    DrawPlanform(marked, m.model, m.cgSmall, m.cgLarge);
    Canvas again(kDiagramWidth, kDiagramHeight);
    DrawPlanform(again, m.model, m.cgSmall, m.cgLarge);
    DrawPlanform(again, m.model, m.cgSmall, m.cgLarge);
    for (int y = 0; y < kDiagramHeight; ++y) {
      for (int x = 0; x < kDiagramWidth; ++x) ASSERT_EQ(marked.Pixel(x, y), again.Pixel(x, y)) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace diagram
