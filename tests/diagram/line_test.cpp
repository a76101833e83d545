#include "diagram/line.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace diagram {
namespace {

using Pixels = std::vector<std::pair<int, int>>;

constexpr int kWidth = 272;
constexpr int kHeight = 192;
constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

Pixels Walk(int x0, int y0, int x1, int y1, int width = kWidth, int height = kHeight) {
  Pixels pixels;
  VisibleLinePixels line(x0, y0, x1, y1, width, height);
  int x = 0;
  int y = 0;
  while (line.Next(x, y)) pixels.emplace_back(x, y);
  return pixels;
}

// The whole walk, one step at a time, in plain integers: at step i along the
// longer axis the other coordinate is the nearest to the ideal line, a tie
// going away from the start. Only for lines short enough to walk.
Pixels ReferenceWalk(int x0, int y0, int x1, int y1, int width = kWidth, int height = kHeight) {
  const std::int64_t dx = std::int64_t{x1} - x0, dy = std::int64_t{y1} - y0;
  const std::int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const bool xMajor = adx >= ady;
  const std::int64_t n = xMajor ? adx : ady, a = xMajor ? ady : adx;
  Pixels pixels;
  for (std::int64_t i = 0; i < n; ++i) {
    std::int64_t offset = i * a / n;
    if (2 * (i * a % n) >= n) ++offset;
    const std::int64_t majorDelta = (xMajor ? dx : dy) < 0 ? -i : i;
    const std::int64_t minorDelta = (xMajor ? dy : dx) < 0 ? -offset : offset;
    const std::int64_t x = x0 + (xMajor ? majorDelta : minorDelta);
    const std::int64_t y = y0 + (xMajor ? minorDelta : majorDelta);
    if (x >= 0 && x < width && y >= 0 && y < height) pixels.emplace_back(int(x), int(y));
  }
  return pixels;
}

std::string Describe(int x0, int y0, int x1, int y1) {
  std::ostringstream text;
  text << "(" << x0 << "," << y0 << ")->(" << x1 << "," << y1 << ")";
  return text.str();
}

struct WalkableLine {
  const char* Name;
  int X0, Y0, X1, Y1;
};

// Lines in every octant, on and off the surface, that the reference can walk.
const WalkableLine kWalkableLines[] = {
    {"horizontal right", 10, 20, 30, 20},
    {"horizontal left", 30, 20, 10, 20},
    {"vertical down", 5, 3, 5, 40},
    {"vertical up", 5, 40, 5, 3},
    {"diagonal down right", 0, 0, 50, 50},
    {"diagonal up left", 50, 50, 0, 0},
    {"shallow with ties", 0, 0, 10, 5},
    {"shallow with ties reversed", 10, 5, 0, 0},
    {"steep down left", 100, 10, 93, 150},
    {"steep up right", 93, 150, 100, 10},
    {"one step", 7, 7, 8, 7},
    {"length zero", 9, 9, 9, 9},
    {"starts left of the surface", -500, 30, 100, 90},
    {"ends right of the surface", 200, 100, 900, 140},
    {"crosses the whole surface", -1000, -700, 1300, 900},
    {"steep from far above", 60, -90000, 140, 90000},
    {"passes above the surface", -100, -50, 400, -1},
    {"touches the last column", 0, 5, 272, 5},
    {"runs along the bottom row", 271, 191, -5, 191},
    {"misses a corner by one", -10, 1, 1, -10},
};

TEST(VisibleLinePixelsTest, MatchesTheWholeWalkInsideTheSurface) {
  for (const auto& line : kWalkableLines) {
    SCOPED_TRACE(line.Name);
    EXPECT_EQ(Walk(line.X0, line.Y0, line.X1, line.Y1), ReferenceWalk(line.X0, line.Y0, line.X1, line.Y1));
  }
}

TEST(VisibleLinePixelsTest, LeavesOutTheEndPointAndDrawsNothingForLengthZero) {
  EXPECT_EQ(Walk(3, 4, 6, 4), (Pixels{{3, 4}, {4, 4}, {5, 4}}));
  EXPECT_EQ(Walk(6, 4, 3, 4), (Pixels{{6, 4}, {5, 4}, {4, 4}}));
  EXPECT_EQ(Walk(3, 4, 3, 4), Pixels{});
}

// Pseudo-random lines with end points up to a few thousand pixels outside:
// the clipped walk must agree with the unclipped one everywhere.
TEST(VisibleLinePixelsTest, MatchesTheWholeWalkForManyLinesFromOutside) {
  std::uint32_t state = 12345;
  const auto next = [&state](int range) {
    state = state * 1664525u + 1013904223u;
    return int(state >> 8) % (2 * range + 1) - range + 136;
  };
  for (int row = 0; row < 400; ++row) {
    const int range = row % 2 == 0 ? 400 : 4000;
    const int x0 = next(range), y0 = next(range), x1 = next(range), y1 = next(range);
    SCOPED_TRACE(Describe(x0, y0, x1, y1));
    ASSERT_EQ(Walk(x0, y0, x1, y1), ReferenceWalk(x0, y0, x1, y1));
  }
}

// Mirroring a line about a column mirrors its pixels, so the two halves of a
// surface come out as mirror images.
TEST(VisibleLinePixelsTest, MirroredLinesCoverMirroredPixels) {
  const WalkableLine lines[] = {
      {"wing trailing edge", 136, 96, 244, 101}, {"shallow tie", 136, 50, 146, 55},
      {"steep", 136, 10, 139, 100},              {"kink to tip", 162, 180, 171, 178},
      {"far outside", 136, 0, 5136, 1001},
  };
  for (const auto& line : lines) {
    SCOPED_TRACE(line.Name);
    Pixels mirrored = Walk(272 - line.X0, line.Y0, 272 - line.X1, line.Y1, 273);
    for (auto& pixel : mirrored) pixel.first = 272 - pixel.first;
    EXPECT_EQ(mirrored, Walk(line.X0, line.Y0, line.X1, line.Y1, 273));
  }
}

struct FarLine {
  const char* Name;
  int X0, Y0, X1, Y1;
  std::function<Pixels()> Expected;
};

Pixels Generate(int count, const std::function<std::pair<int, int>(int)>& pixel) {
  Pixels pixels;
  for (int k = 0; k < count; ++k) pixels.push_back(pixel(k));
  return pixels;
}

// End points at the ends of the 32-bit range, on lines whose visible pixels
// follow from their exact slope. Step counts beyond 2^31 and products beyond
// 2^63 must neither overflow nor be walked one by one.
const FarLine kFarLines[] = {
    {"row across the whole int range", kMin, 5, kMax, 5,
     [] { return Generate(kWidth, [](int x) { return std::pair{x, 5}; }); }},
    {"column up the whole int range", 7, kMax, 7, kMin,
     [] { return Generate(kHeight, [](int k) { return std::pair{7, kHeight - 1 - k}; }); }},
    {"diagonal corner to corner", kMin, kMin, kMax, kMax,
     [] { return Generate(kHeight, [](int k) { return std::pair{k, k}; }); }},
    {"slope one half forward, ties round up", kMin, -(1 << 30), kMax - 1, (1 << 30) - 1,
     [] { return Generate(kWidth, [](int x) { return std::pair{x, (x + 1) / 2}; }); }},
    {"slope one half backward, ties round down", kMax - 1, (1 << 30) - 1, kMin, -(1 << 30),
     [] { return Generate(kWidth, [](int k) { return std::pair{kWidth - 1 - k, (kWidth - 1 - k) / 2}; }); }},
    {"slope two steep", -(1 << 30), kMin, (1 << 30) - 1, kMax - 1,
     [] { return Generate(kHeight, [](int y) { return std::pair{(y + 1) / 2, y}; }); }},
    {"far end excluded on the surface", kMin, 10, 100, 10,
     [] { return Generate(100, [](int x) { return std::pair{x, 10}; }); }},
    {"passes far above", kMin, kMin, kMax, kMin + 5, [] { return Pixels{}; }},
};

TEST(VisibleLinePixelsTest, EndPointsAtTheEndsOfTheIntRange) {
  for (const auto& line : kFarLines) {
    SCOPED_TRACE(line.Name);
    EXPECT_EQ(Walk(line.X0, line.Y0, line.X1, line.Y1), line.Expected());
  }
}

TEST(VisibleLinePixelsTest, EmptySurfaceHasNoPixels) {
  EXPECT_EQ(Walk(0, 0, 10, 10, 0, 0), Pixels{});
  EXPECT_EQ(Walk(0, 0, 10, 10, -5, 10), Pixels{});
}

}  // namespace
}  // namespace diagram
