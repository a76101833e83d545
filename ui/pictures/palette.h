#pragma once

#include <array>

#include <QColor>

#include "diagram/palette.h"

namespace ui {

constexpr QRgb Rgb(diagram::Colour colour) { return qRgb(colour.Red, colour.Green, colour.Blue); }

// The program's palette (diagram/palette.h) as the windows, the dimension
// sketch and the icons draw it.
inline constexpr QRgb kBlack = Rgb(diagram::kBlack);
inline constexpr QRgb kMaroon = Rgb(diagram::kMaroon);
inline constexpr QRgb kGreen = Rgb(diagram::kGreen);
inline constexpr QRgb kOlive = Rgb(diagram::kOlive);
inline constexpr QRgb kNavy = Rgb(diagram::kNavy);
inline constexpr QRgb kPurple = Rgb(diagram::kPurple);
inline constexpr QRgb kTeal = Rgb(diagram::kTeal);
inline constexpr QRgb kGrey = Rgb(diagram::kGrey);
inline constexpr QRgb kSilver = Rgb(diagram::kSilver);
inline constexpr QRgb kRed = Rgb(diagram::kRed);
inline constexpr QRgb kBrightGreen = Rgb(diagram::kBrightGreen);
inline constexpr QRgb kYellow = Rgb(diagram::kYellow);
inline constexpr QRgb kBlue = Rgb(diagram::kBlue);
inline constexpr QRgb kFuchsia = Rgb(diagram::kFuchsia);
inline constexpr QRgb kCyan = Rgb(diagram::kCyan);
inline constexpr QRgb kWhite = Rgb(diagram::kWhite);

inline constexpr std::array<QRgb, 16> kSixteenColours = {kBlack, kMaroon, kGreen,  kOlive,       kNavy,   kPurple,
                                                         kTeal,  kGrey,   kSilver, kRed,         kBrightGreen,
                                                         kYellow, kBlue,  kFuchsia, kCyan,       kWhite};

}  // namespace ui
