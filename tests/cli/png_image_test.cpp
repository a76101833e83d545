#include "diagram/png_image.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "png_reading.h"

namespace diagram {
namespace {

using cli::testing::ChunkTypes;
using cli::testing::DecodePng;
using cli::testing::ExpectCanvasPixels;

struct CanvasRow {
  const char* name;
  int width, height;
  std::function<void(Canvas&)> draw;
};

// Colours whose channels all differ, so that swapped or shifted channels show.
constexpr Colour kOrange{255, 128, 1};
constexpr Colour kTeal{3, 130, 250};

const CanvasRow kCanvases[] = {
    {"one white pixel", 1, 1, [](Canvas&) {}},
    {"one black pixel", 1, 1, [](Canvas& c) { c.SetBrush(kBlack); c.Rectangle(0, 0, 1, 1); }},
    {"3x2 in every colour of the diagram", 3, 2,
     [](Canvas& c) {
       const Colour colours[] = {kSilver, kRed, kBlue, kGreen, kBlack, kWhite};
       for (int i = 0; i < 6; ++i) {
         c.SetPen(colours[i]);
         c.SetBrush(colours[i]);
         c.Rectangle(i % 3, i / 3, i % 3 + 1, i / 3 + 1);
       }
     }},
    {"orange frame around teal, odd width", 7, 5,
     [](Canvas& c) { c.SetPen(kOrange); c.SetBrush(kTeal); c.Rectangle(0, 0, 7, 5); }},
    {"diagram size with a diagonal", 272, 192,
     [](Canvas& c) { c.SetPen(kOrange); c.MoveTo(0, 0); c.LineTo(272, 192); }},
};

void PrintTo(const CanvasRow& row, std::ostream* out) { *out << row.name; }

class EncodedCanvas : public ::testing::TestWithParam<CanvasRow> {};

TEST_P(EncodedCanvas, DecodesToTheSamePixels) {
  Canvas canvas(GetParam().width, GetParam().height);
  GetParam().draw(canvas);
  const std::string png = EncodePng(canvas);
  const cli::testing::DecodedPng decoded = DecodePng(png);
  EXPECT_EQ(decoded.fileFormat, static_cast<std::uint32_t>(PNG_FORMAT_RGB));
  ExpectCanvasPixels(decoded, canvas);
}

// Only the image itself: no chunk for gamma, colour space, resolution or
// time that a viewer could act on or that would change from run to run.
TEST_P(EncodedCanvas, HoldsOnlyTheImageChunks) {
  Canvas canvas(GetParam().width, GetParam().height);
  GetParam().draw(canvas);
  const std::vector<std::string> chunks = ChunkTypes(EncodePng(canvas));
  ASSERT_GE(chunks.size(), 3u);
  EXPECT_EQ(chunks.front(), "IHDR");
  EXPECT_EQ(chunks.back(), "IEND");
  for (std::size_t i = 1; i + 1 < chunks.size(); ++i) EXPECT_EQ(chunks[i], "IDAT") << "chunk " << i;
}

TEST_P(EncodedCanvas, SamePixelsGiveTheSameBytes) {
  Canvas first(GetParam().width, GetParam().height);
  Canvas second(GetParam().width, GetParam().height);
  GetParam().draw(first);
  GetParam().draw(second);
  EXPECT_EQ(EncodePng(first), EncodePng(second));
}

INSTANTIATE_TEST_SUITE_P(Canvases, EncodedCanvas, ::testing::ValuesIn(kCanvases),
                         [](const ::testing::TestParamInfo<CanvasRow>& info) {
                           std::string name = info.param.name;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

// PNG has no empty images; libpng's refusal arrives as an exception with its
// message, not as a jump or a crash.
TEST(EncodePng, EmptyCanvasIsRefused) {
  for (const auto& [width, height] : {std::pair{0, 0}, std::pair{0, 5}, std::pair{5, 0}}) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    const Canvas canvas(width, height);
    try {
      EncodePng(canvas);
      ADD_FAILURE() << "no failure";
    } catch (const PngEncodingError& error) {
      EXPECT_STRNE(error.what(), "");
    }
  }
}

}  // namespace
}  // namespace diagram
