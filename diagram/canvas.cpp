#include "diagram/canvas.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

#include "diagram/line.h"

namespace diagram {
namespace {

std::uint32_t Packed(Colour colour) {
  return 0xFF000000u | (std::uint32_t{colour.Red} << 16) | (std::uint32_t{colour.Green} << 8) | colour.Blue;
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), Packed(kWhite)) {}

// Fills the half-open box [x1, x2) x [y1, y2), clipped; 64-bit bounds so that
// x2 - 1 and the like cannot overflow for any int corner.
void Canvas::Fill(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, std::uint32_t value) {
  x1 = std::max<std::int64_t>(x1, 0);
  y1 = std::max<std::int64_t>(y1, 0);
  x2 = std::min<std::int64_t>(x2, width_);
  y2 = std::min<std::int64_t>(y2, height_);
  if (x1 >= x2 || y1 >= y2) return;
  for (std::int64_t y = y1; y < y2; ++y) {
    auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y * width_);
    std::fill(row + static_cast<std::ptrdiff_t>(x1), row + static_cast<std::ptrdiff_t>(x2), value);
  }
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  const std::int64_t left = x1, top = y1, right = x2, bottom = y2;
  const std::uint32_t pen = Packed(pen_);
  // Each pixel is written once: the border's four sides, then the inside.
  // A box one pixel wide or high is all border.
  Fill(left, top, right, top + 1, pen);
  if (bottom - 1 > top) Fill(left, bottom - 1, right, bottom, pen);
  Fill(left, top + 1, left + 1, bottom - 1, pen);
  if (right - 1 > left) Fill(right - 1, top + 1, right, bottom - 1, pen);
  Fill(left + 1, top + 1, right - 1, bottom - 1, Packed(brush_));
}

void Canvas::MoveTo(int x, int y) {
  currentX_ = x;
  currentY_ = y;
}

void Canvas::LineTo(int x, int y) {
  VisibleLinePixels line(currentX_, currentY_, x, y, width_, height_);
  const std::uint32_t pen = Packed(pen_);
  int px = 0;
  int py = 0;
  while (line.Next(px, py)) {
    pixels_[static_cast<std::size_t>(py) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(px)] = pen;
  }
  MoveTo(x, y);
}

Colour Canvas::Pixel(int x, int y) const {
  if (x < 0 || x >= width_ || y < 0 || y >= height_) throw std::out_of_range("pixel outside the canvas");
  const std::uint32_t value =
      pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
  return Colour{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                static_cast<std::uint8_t>(value)};
}

}  // namespace diagram
