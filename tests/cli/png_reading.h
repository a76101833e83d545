#pragma once

// Reads PNG bytes back with libpng, for comparing an exported image with the
// canvas it came from.

#include <png.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "diagram/canvas.h"

namespace cli::testing {

inline std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The chunk types of a PNG file in order, read from the bytes themselves;
// empty when the signature is wrong.
inline std::vector<std::string> ChunkTypes(const std::string& png) {
  static constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
  if (png.compare(0, 8, kSignature, 8) != 0) return {};
  std::vector<std::string> types;
  for (std::size_t at = 8; at + 12 <= png.size();) {
    const auto byte = [&](std::size_t i) {
      return static_cast<std::uint32_t>(static_cast<unsigned char>(png[at + i]));
    };
    const std::uint32_t length = byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
    types.push_back(png.substr(at + 4, 4));
    at += 12 + static_cast<std::size_t>(length);
  }
  return types;
}

struct DecodedPng {
  bool ok = false;
  std::string message;  // libpng's, when not ok
  int width = 0, height = 0;
  std::uint32_t fileFormat = 0;  // PNG_FORMAT_* the file itself holds
  std::vector<std::uint8_t> rgb;  // 3 bytes per pixel, row after row
};

inline DecodedPng DecodePng(const std::string& png) {
  DecodedPng decoded;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&image, png.data(), png.size())) {
    decoded.width = static_cast<int>(image.width);
    decoded.height = static_cast<int>(image.height);
    decoded.fileFormat = image.format;
    image.format = PNG_FORMAT_RGB;
    decoded.rgb.resize(PNG_IMAGE_SIZE(image));
    decoded.ok = png_image_finish_read(&image, nullptr, decoded.rgb.data(), 0, nullptr) != 0;
  }
  if (!decoded.ok) decoded.message = image.message;
  png_image_free(&image);
  return decoded;
}

// Expects the decoded pixels to be exactly the canvas's; names the first
// pixel that differs.
inline void ExpectCanvasPixels(const DecodedPng& decoded, const diagram::Canvas& canvas) {
  ASSERT_TRUE(decoded.ok) << decoded.message;
  ASSERT_EQ(decoded.width, canvas.Width());
  ASSERT_EQ(decoded.height, canvas.Height());
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const std::size_t at = (static_cast<std::size_t>(y) * canvas.Width() + x) * 3;
      const diagram::Colour read{decoded.rgb[at], decoded.rgb[at + 1], decoded.rgb[at + 2]};
      const diagram::Colour drawn = canvas.Pixel(x, y);
      if (read != drawn) {
        ADD_FAILURE() << "pixel (" << x << ", " << y << ") reads " << int(read.Red) << "," << int(read.Green) << ","
                      << int(read.Blue) << " but was drawn " << int(drawn.Red) << "," << int(drawn.Green) << ","
                      << int(drawn.Blue);
        return;
      }
    }
  }
}

}  // namespace cli::testing
