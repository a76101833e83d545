#pragma once

#include <cstdint>

namespace diagram {

// A colour as red, green and blue components.
struct Colour {
  std::uint8_t Red = 0, Green = 0, Blue = 0;
  friend bool operator==(Colour, Colour) = default;
};

// The standard sixteen-colour palette the program draws in: the planform
// diagram, and (through ui/pictures/palette.h) the windows, the dimension
// sketch and the icons.
inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kMaroon{128, 0, 0};
inline constexpr Colour kGreen{0, 128, 0};
inline constexpr Colour kOlive{128, 128, 0};
inline constexpr Colour kNavy{0, 0, 128};
inline constexpr Colour kPurple{128, 0, 128};
inline constexpr Colour kTeal{0, 128, 128};
inline constexpr Colour kGrey{128, 128, 128};
inline constexpr Colour kSilver{192, 192, 192};
inline constexpr Colour kRed{255, 0, 0};
inline constexpr Colour kBrightGreen{0, 255, 0};
inline constexpr Colour kYellow{255, 255, 0};
inline constexpr Colour kBlue{0, 0, 255};
inline constexpr Colour kFuchsia{255, 0, 255};
inline constexpr Colour kCyan{0, 255, 255};
inline constexpr Colour kWhite{255, 255, 255};

}  // namespace diagram
