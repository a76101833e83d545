#pragma once

#include <stdexcept>
#include <string>

#include "diagram/canvas.h"

namespace diagram {

// libpng refused to encode an image; what() is libpng's own message.
class PngEncodingError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The canvas's pixels as the bytes of a PNG file: 8 bits per channel RGB, not
// interlaced, and no chunks besides IHDR, IDAT and IEND (no gamma, colour
// space, resolution or time), so that any decoder gives back exactly the
// canvas's colours and the same pixels always give the same bytes.
// Throws PngEncodingError where libpng fails (a canvas of width or height 0,
// which PNG cannot hold, or no memory); std::bad_alloc may also escape.
std::string EncodePng(const Canvas& canvas);

}  // namespace diagram
