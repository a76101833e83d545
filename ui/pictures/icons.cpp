#include "ui/pictures/icons.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

#include "ui/pictures/palette.h"

namespace ui {
namespace {

constexpr QRgb kNoFill = qRgba(0, 0, 0, 0);

// Pixel art wants whole pixels: no antialiasing, cosmetic one-pixel pens.
QPainter& Crisp(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  return painter;
}

void Outline(QPainter& painter, QRgb pen, QRgb fill, const QPolygon& points) {
  painter.setPen(QPen(QColor(pen), 0));
  if (fill == kNoFill) {
    painter.setBrush(Qt::NoBrush);
  } else {
    painter.setBrush(QColor(fill));
  }
  painter.drawPolygon(points);
}

// Coordinates of one icon design: the model is symmetric about the two
// middle columns, so the fuselage line is two pixels wide at 32 and 16.
struct ModelShape {
  int size;
  QRect fuselage;
  QPolygon wing;
  QPolygon tail;
  QRect mark;
};

QImage DrawModel(const ModelShape& shape) {
  QImage image(shape.size, shape.size, QImage::Format_ARGB32);
  image.fill(kBlue);
  QPainter painter(&image);
  Crisp(painter);
  painter.fillRect(shape.fuselage, QColor(kGrey));
  Outline(painter, kYellow, kNoFill, shape.wing);
  Outline(painter, kYellow, kNoFill, shape.tail);
  painter.fillRect(shape.mark, QColor(kRed));
  return image;
}

QImage AppIcon32() {
  return DrawModel({32,
                    QRect(15, 2, 2, 28),
                    {{1, 8}, {30, 8}, {30, 12}, {22, 14}, {16, 16}, {15, 16}, {9, 14}, {1, 12}},
                    {{8, 24}, {23, 24}, {23, 27}, {16, 28}, {15, 28}, {8, 27}},
                    QRect(15, 11, 2, 2)});
}

QImage AppIcon16() {
  return DrawModel({16,
                    QRect(7, 1, 2, 14),
                    {{1, 4}, {14, 4}, {14, 6}, {11, 7}, {8, 8}, {7, 8}, {4, 7}, {1, 6}},
                    {{4, 12}, {11, 12}, {11, 13}, {8, 14}, {7, 14}, {4, 13}},
                    QRect(7, 5, 2, 2)});
}

QImage Transparent16() {
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

QIcon IconOf(const QImage& image) { return QIcon(QPixmap::fromImage(image)); }

}  // namespace

QImage AppIconImage(int size) {
  if (size == 16) return AppIcon16();
  if (size == 32) return AppIcon32();
  return AppIcon32().scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The back of the folder stands upright in dark yellow; the front flap is
// tipped forward so the folder reads as opening.
QImage OpenFolderImage() {
  QImage image = Transparent16();
  QPainter painter(&image);
  Crisp(painter);
  Outline(painter, kBlack, kOlive, {{0, 3}, {1, 2}, {5, 2}, {6, 3}, {12, 3}, {12, 13}, {0, 13}});
  Outline(painter, kBlack, kYellow, {{3, 7}, {15, 7}, {12, 13}, {0, 13}});
  painter.setPen(QPen(QColor(kWhite), 0));
  painter.drawLine(4, 8, 13, 8);
  return image;
}

// A diskette with a cut corner, its metal shutter at the top and a white
// label below.
QImage DiskImage() {
  QImage image = Transparent16();
  QPainter painter(&image);
  Crisp(painter);
  Outline(painter, kBlack, kNavy, {{0, 0}, {13, 0}, {15, 2}, {15, 15}, {0, 15}});
  painter.fillRect(QRect(4, 1, 8, 5), QColor(kSilver));
  painter.fillRect(QRect(9, 2, 2, 3), QColor(kNavy));
  painter.fillRect(QRect(3, 8, 10, 7), QColor(kWhite));
  painter.setPen(QPen(QColor(kGrey), 0));
  painter.drawLine(4, 10, 11, 10);
  painter.drawLine(4, 12, 11, 12);
  return image;
}

QIcon AppIcon() {
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(AppIcon16()));
  icon.addPixmap(QPixmap::fromImage(AppIcon32()));
  return icon;
}

QIcon OpenFolderIcon() { return IconOf(OpenFolderImage()); }

QIcon DiskIcon() { return IconOf(DiskImage()); }

}  // namespace ui
