#include "diagram/canvas.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "printers.h"

namespace diagram {
namespace {

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();
constexpr Colour kPen{200, 10, 20};
constexpr Colour kBrush{30, 40, 250};

// The canvas as text, one string per row: '.' white, 'P' the pen, 'B' the brush, '?' anything else.
std::vector<std::string> Picture(const Canvas& canvas) {
  std::vector<std::string> rows;
  for (int y = 0; y < canvas.Height(); ++y) {
    std::string row;
    for (int x = 0; x < canvas.Width(); ++x) {
      const Colour c = canvas.Pixel(x, y);
      row += c == kWhite ? '.' : c == kPen ? 'P' : c == kBrush ? 'B' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

Canvas SmallCanvas() {
  Canvas canvas(8, 5);
  canvas.SetPen(kPen);
  canvas.SetBrush(kBrush);
  return canvas;
}

TEST(CanvasTest, StartsWhiteWithBlackPenAndWhiteBrush) {
  const Canvas canvas(272, 192);
  EXPECT_EQ(canvas.Width(), 272);
  EXPECT_EQ(canvas.Height(), 192);
  EXPECT_EQ(canvas.Pen(), kBlack);
  EXPECT_EQ(canvas.Brush(), kWhite);
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) ASSERT_EQ(canvas.Pixel(x, y), kWhite) << x << "," << y;
}

TEST(CanvasTest, DataIsRowMajorRgb32) {
  Canvas canvas(3, 2);
  canvas.SetPen(Colour{0x12, 0x34, 0x56});
  canvas.MoveTo(1, 1);
  canvas.LineTo(2, 1);
  EXPECT_EQ(canvas.Data()[0], 0xFFFFFFFFu);
  EXPECT_EQ(canvas.Data()[3 + 1], 0xFF123456u);
  EXPECT_EQ(canvas.Pixel(1, 1), (Colour{0x12, 0x34, 0x56}));
}

TEST(CanvasTest, PixelOffTheSurfaceThrows) {
  const Canvas canvas(4, 3);
  EXPECT_THROW(canvas.Pixel(4, 0), std::out_of_range);
  EXPECT_THROW(canvas.Pixel(0, 3), std::out_of_range);
  EXPECT_THROW(canvas.Pixel(-1, 0), std::out_of_range);
}

TEST(CanvasTest, NegativeSizeIsEmpty) {
  Canvas canvas(-3, 5);
  EXPECT_EQ(canvas.Width(), 0);
  canvas.Rectangle(0, 0, 10, 10);
  canvas.MoveTo(0, 0);
  canvas.LineTo(10, 10);
  EXPECT_THROW(canvas.Pixel(0, 0), std::out_of_range);
}

struct RectangleRow {
  const char* Name;
  int X1, Y1, X2, Y2;
  std::vector<std::string> Expected;
};

const RectangleRow kRectangles[] = {
    {"3x4 box at 1,1", 1, 1, 5, 4, {"........", ".PPPP...", ".PBBP...", ".PPPP...", "........"}},
    {"one pixel is all outline", 2, 2, 3, 3, {"........", "........", "..P.....", "........", "........"}},
    {"two by two is all outline", 6, 3, 8, 5, {"........", "........", "........", "......PP", "......PP"}},
    {"one pixel wide is all outline", 2, 1, 3, 4, {"........", "..P.....", "..P.....", "..P.....", "........"}},
    {"one pixel high is all outline", 1, 2, 5, 3, {"........", "........", ".PPPP...", "........", "........"}},
    {"zero width draws nothing", 3, 1, 3, 4, {"........", "........", "........", "........", "........"}},
    {"negative height draws nothing", 1, 4, 5, 1, {"........", "........", "........", "........", "........"}},
    {"clipped at the top left", -2, -2, 3, 3, {"BBP.....", "BBP.....", "PPP.....", "........", "........"}},
    {"clipped at the bottom right", 5, 2, 20, 20, {"........", "........", ".....PPP", ".....PBB", ".....PBB"}},
    {"exactly the surface", 0, 0, 8, 5, {"PPPPPPPP", "PBBBBBBP", "PBBBBBBP", "PBBBBBBP", "PPPPPPPP"}},
    {"ends of the int range", kMin, kMin, kMax, kMax,
     {"BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB"}},
    {"entirely off the surface", 9, 0, 12, 5, {"........", "........", "........", "........", "........"}},
};

TEST(CanvasTest, Rectangle) {
  for (const auto& row : kRectangles) {
    SCOPED_TRACE(row.Name);
    Canvas canvas = SmallCanvas();
    canvas.Rectangle(row.X1, row.Y1, row.X2, row.Y2);
    EXPECT_EQ(Picture(canvas), row.Expected);
  }
}

struct Point {
  int X, Y;
};

struct LineRow {
  const char* Name;
  Point Start;
  std::vector<Point> Ends;  // successive LineTo calls from Start
  std::vector<std::string> Expected;
};

const LineRow kLines[] = {
    {"end point left out", {1, 2}, {{5, 2}}, {"........", "........", ".PPPP...", "........", "........"}},
    {"length zero draws nothing", {3, 3}, {{3, 3}}, {"........", "........", "........", "........", "........"}},
    {"upwards", {6, 4}, {{6, 0}}, {"........", "......P.", "......P.", "......P.", "......P."}},
    {"diagonal", {0, 0}, {{4, 4}}, {"P.......", ".P......", "..P.....", "...P....", "........"}},
    {"corner drawn by the next stroke's start",
     {1, 1},
     {{5, 1}, {5, 4}},
     {"........", ".PPPPP..", ".....P..", ".....P..", "........"}},
    {"closed outline misses no corner",
     {1, 1},
     {{3, 1}, {3, 3}, {1, 3}, {1, 1}},
     {"........", ".PPP....", ".P.P....", ".PPP....", "........"}},
    {"current position follows the end off the surface",
     {2, 0},
     {{2, -10}, {2, 3}},
     {"..P.....", "..P.....", "..P.....", "........", "........"}},
    {"clipped on both sides", {-4, 2}, {{12, 2}}, {"........", "........", "PPPPPPPP", "........", "........"}},
    {"from the far ends of the int range",
     {kMin, 1},
     {{kMax, 1}},
     {"........", "PPPPPPPP", "........", "........", "........"}},
};

TEST(CanvasTest, LineTo) {
  for (const auto& row : kLines) {
    SCOPED_TRACE(row.Name);
    Canvas canvas = SmallCanvas();
    canvas.MoveTo(row.Start.X, row.Start.Y);
    for (const Point end : row.Ends) canvas.LineTo(end.X, end.Y);
    EXPECT_EQ(Picture(canvas), row.Expected);
  }
}

TEST(CanvasTest, PenAndBrushPersistUntilChanged) {
  Canvas canvas(8, 5);
  canvas.SetPen(kPen);
  canvas.SetBrush(kBrush);
  canvas.Rectangle(0, 0, 3, 3);
  canvas.Rectangle(4, 0, 8, 4);
  EXPECT_EQ(canvas.Pen(), kPen);
  EXPECT_EQ(canvas.Brush(), kBrush);
  EXPECT_EQ(Picture(canvas), (std::vector<std::string>{"PPP.PPPP", "PBP.PBBP", "PPP.PBBP", "....PPPP", "........"}));
}

}  // namespace
}  // namespace diagram
