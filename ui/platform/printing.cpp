#include "ui/platform/printing.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include <QPainter>
#include <QWidget>

#include "ui/platform/appearance.h"

namespace ui {

Dpi DeviceDpi(const QPaintDevice& device) { return {device.logicalDpiX(), device.logicalDpiY()}; }

int ScaledLength(int length, int targetDpi, int windowDpi) {
  if (windowDpi <= 0) throw std::invalid_argument("window resolution not positive");
  // Quotient and remainder instead of adding half the divisor first: the
  // product may use all 64 bits, the remainder is below the divisor.
  const std::int64_t product = std::int64_t{length} * targetDpi;
  const std::int64_t magnitude = product < 0 ? -product : product;
  std::int64_t quotient = magnitude / windowDpi;
  // To the nearest integer, an exact half to the even one, as every
  // rounding to whole pixels in the program.
  const std::int64_t twiceRemainder = 2 * (magnitude % windowDpi);
  if (twiceRemainder > windowDpi || (twiceRemainder == windowDpi && quotient % 2 == 1)) ++quotient;
  const std::int64_t rounded = product < 0 ? -quotient : quotient;
  return static_cast<int>(std::clamp<std::int64_t>(rounded, INT_MIN, INT_MAX));
}

QSize ScaledSize(QSize size, Dpi target, Dpi window) {
  return {ScaledLength(size.width(), target.x, window.x), ScaledLength(size.height(), target.y, window.y)};
}

QImage WindowImage(QWidget& client) {
  QImage image(client.size(), QImage::Format_RGB32);
  if (image.isNull()) throw PrintFailure(kOutOfMemory);
  image.fill(QColor(kSilver));
  client.render(&image);
  return image;
}

QRect PaintWindowImage(QPainter& painter, QWidget& client) {
  const QImage image = WindowImage(client);
  const QRect target(QPoint(0, 0), ScaledSize(image.size(), DeviceDpi(*painter.device()), DeviceDpi(client)));
  painter.save();
  // The window's pure colours and one-pixel lines reach the paper as they
  // are: a PDF (what printing on this system produces) would otherwise hold
  // the image as a JPEG, and smoothing blurs the lines while scaling.
  painter.setRenderHint(QPainter::LosslessImageRendering, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(target, image);
  painter.restore();
  return target;
}

}  // namespace ui
