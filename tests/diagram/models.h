#pragma once

// Named models and helpers shared by the planform tests.

#include <ostream>
#include <vector>

#include "calc/model.h"
#include "diagram/canvas.h"
#include "diagram/planform.h"

namespace diagram::testing {

// The model of the input fields' initial texts, with the centre-of-gravity
// positions the stability calculation gives for it.
inline calc::TModelData DefaultModel() {
  return calc::TModelData{.B = 1300, .Sa = 0, .Li = 220, .Lk = 210, .La = 0, .Vk = -30, .Va = 0,
                          .Bh = 415, .Sah = 50, .Lih = 160, .Lkh = 110, .Lah = 40, .Vkh = 20, .Vah = 30,
                          .Rh = 360};
}
inline constexpr double kDefaultCgLarge = 72.2600;
inline constexpr double kDefaultCgSmall = 89.4631;

// The same model without a tailplane; the calculation has zeroed the tail.
inline calc::TModelData FlyingWing() {
  calc::TModelData model = DefaultModel();
  model.Bh = model.Sah = model.Lih = model.Lkh = model.Lah = model.Vkh = model.Vah = 0;
  return model;
}
inline constexpr double kFlyingWingCgLarge = 56.4016;
inline constexpr double kFlyingWingCgSmall = 65.0031;

// Outer panels on both surfaces, and lengths that fall on pixel halves at s = 8.
inline calc::TModelData DoubleTrapezoid() {
  return calc::TModelData{.B = 2000, .Sa = 400, .Li = 250, .Lk = 200, .La = 120, .Vk = -20, .Va = 40,
                          .Bh = 415, .Sah = 50, .Lih = 160, .Lkh = 110, .Lah = 40, .Vkh = 20, .Vah = 30,
                          .Rh = 360};
}

struct Stroke {
  int X1, Y1, X2, Y2;
  friend bool operator==(const Stroke&, const Stroke&) = default;
};

inline void PrintTo(const Stroke& s, std::ostream* out) {
  *out << "(" << s.X1 << "," << s.Y1 << ")->(" << s.X2 << "," << s.Y2 << ")";
}

// The strokes drawn while the pen is the given colour, in order.
inline std::vector<Stroke> StrokesIn(const PlanformDrawing& drawing, Colour pen) {
  std::vector<Stroke> strokes;
  bool active = false;
  const auto& ops = drawing.Ops;
  for (std::size_t i = 0; i < ops.size(); ++i) {
    if (ops[i].What == DrawOp::Kind::SetPen) active = ops[i].Colour == pen;
    if (active && ops[i].What == DrawOp::Kind::MoveTo && i + 1 < ops.size() &&
        ops[i + 1].What == DrawOp::Kind::LineTo)
      strokes.push_back({ops[i].X1, ops[i].Y1, ops[i + 1].X1, ops[i + 1].Y1});
  }
  return strokes;
}

inline int CountPixels(const Canvas& canvas, Colour colour) {
  int count = 0;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) count += canvas.Pixel(x, y) == colour;
  return count;
}

}  // namespace diagram::testing
