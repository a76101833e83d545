#pragma once

#include <QColor>

namespace ui {

// The standard sixteen-colour palette the windows, the dimension sketch and
// the icons are drawn in.
inline constexpr QRgb kBlack = qRgb(0, 0, 0);
inline constexpr QRgb kMaroon = qRgb(128, 0, 0);
inline constexpr QRgb kGreen = qRgb(0, 128, 0);
inline constexpr QRgb kOlive = qRgb(128, 128, 0);
inline constexpr QRgb kNavy = qRgb(0, 0, 128);
inline constexpr QRgb kPurple = qRgb(128, 0, 128);
inline constexpr QRgb kTeal = qRgb(0, 128, 128);
inline constexpr QRgb kGrey = qRgb(128, 128, 128);
inline constexpr QRgb kSilver = qRgb(192, 192, 192);
inline constexpr QRgb kRed = qRgb(255, 0, 0);
inline constexpr QRgb kBrightGreen = qRgb(0, 255, 0);
inline constexpr QRgb kYellow = qRgb(255, 255, 0);
inline constexpr QRgb kBlue = qRgb(0, 0, 255);
inline constexpr QRgb kFuchsia = qRgb(255, 0, 255);
inline constexpr QRgb kCyan = qRgb(0, 255, 255);
inline constexpr QRgb kWhite = qRgb(255, 255, 255);

}  // namespace ui
