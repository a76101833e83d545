#pragma once

#include <cstdint>
#include <vector>

#include "diagram/palette.h"

namespace diagram {

// A surface of whole pixels, origin top left, x to the right, y down, whose
// pen, brush and current position persist between drawings, so that one
// drawing may depend on what the previous one left behind.
// Every operation accepts any coordinates and draws only what falls on the
// surface; nothing fails. The canvas owns its pixels.
class Canvas {
 public:
  // A negative size counts as 0. Content white, pen black, brush white,
  // current position (0, 0).
  Canvas(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }

  void SetPen(Colour colour) { pen_ = colour; }
  void SetBrush(Colour colour) { brush_ = colour; }
  Colour Pen() const { return pen_; }
  Colour Brush() const { return brush_; }

  // Fills columns x1..x2-1 and rows y1..y2-1 with the brush and draws their
  // one-pixel border (columns x1 and x2-1, rows y1 and y2-1) in the pen.
  // Zero or negative width or height draws nothing.
  void Rectangle(int x1, int y1, int x2, int y2);

  // Makes (x, y) the current position without drawing.
  void MoveTo(int x, int y);

  // Draws in the pen from the current position to (x, y), that end point left
  // out (see VisibleLinePixels for the pixels in between), and makes (x, y)
  // the current position. A line of length zero draws nothing.
  void LineTo(int x, int y);

  // The colour at (x, y); throws std::out_of_range off the surface.
  Colour Pixel(int x, int y) const;

  // Row-major pixels, Width() per row, each 0xFFRRGGBB (the layout of
  // QImage::Format_RGB32, so a window can show them without copying).
  // Valid while the canvas lives.
  const std::uint32_t* Data() const { return pixels_.data(); }

 private:
  void Fill(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, std::uint32_t value);

  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;
  Colour pen_ = kBlack;
  Colour brush_ = kWhite;
  int currentX_ = 0;
  int currentY_ = 0;
};

}  // namespace diagram
