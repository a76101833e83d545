#pragma once

#include <QImage>
#include <QList>

namespace ui {

// `image` with one byte a pixel, indexing the sixteen standard colours
// (palette.h), when every pixel is one of them; otherwise `image` itself.
// The pixels are the same either way. Needs no application object.
QImage InSixteenColours(const QImage& image);

// The colour table of such an image: index i is kSixteenColours[i].
QList<QRgb> SixteenColourTable();

}  // namespace ui
