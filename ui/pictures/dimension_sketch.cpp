#include "ui/pictures/dimension_sketch.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <array>
#include <cstdlib>

#include "calc/surface.h"
#include "diagram/line.h"
#include "ui/pictures/dimension_fields.h"
#include "ui/pictures/palette.h"

namespace ui {
namespace {

// The sketch's wing and tailplane are planforms like the model's, measured
// in picture pixels and drawn right half only, flight direction up, with the
// root trailing edge at `rootTrailingEdge`.
struct SurfacePicture {
  QPoint rootTrailingEdge;
  calc::TPlanform shape;
  QRgb outline;
};

// In TPlanform's order: span, outer-panel span, root, kink and tip chord,
// kink and tip offset. Root, kink and tip come out at x 23, 144 and 271
// (rows 59..148, 61..130 and 63..95) for the wing, and at x 23, 86 and 145
// (rows 245..308, 247..298 and 248..284) for the tailplane.
constexpr SurfacePicture kWing = {{23, 148}, {496, 127, 89, 69, 32, 18, 53}, kBlue};
constexpr SurfacePicture kTail = {{23, 308}, {244, 59, 63, 51, 36, 10, 24}, kBrightGreen};

// A chord section in the picture: its column and the rows of its edges.
struct SectionPixels {
  int x, leadingEdge, trailingEdge;
};

// The half's corners in picture pixels. The fill ends at these edges and the
// outline lies outside them; at the tip it starts at tip.x, so the tip
// chord's dimension line runs along the last filled column (tip.x - 1)
// without being covered. The kink mirrored across the root lets the inner
// panel run on across the centre line and off the picture's left edge, as
// the far half of the surface would.
struct HalfPicture {
  SectionPixels mirroredKink, root, kink, tip;
  int referenceY;  // dotted continuation of the root trailing edge
  QRgb outline;
};

HalfPicture Placed(const SurfacePicture& s) {
  const calc::PanelCorners corners = calc::CornersOf(s.shape);
  const QPoint origin = s.rootTrailingEdge;
  // Whole pixels throughout, so the conversions are exact.
  const auto place = [origin](const calc::ChordSection& section) {
    return SectionPixels{origin.x() + static_cast<int>(section.Across),
                         origin.y() - static_cast<int>(section.LeadingEdge),
                         origin.y() - static_cast<int>(section.TrailingEdge)};
  };
  HalfPicture half{{}, place(corners.Root), place(corners.Kink), place(corners.Tip), origin.y() + 1, s.outline};
  half.mirroredKink = half.kink;
  half.mirroredKink.x = 2 * half.root.x - half.kink.x;
  return half;
}

// The fuselage centre line: x 19..28, y 5..310.
constexpr QRect kFuselage(19, 5, 10, 306);

// Every line is plotted point by point with the diagram's line walk, so
// slanted edges and dots land on the same pixels whatever the rasteriser
// would choose. The pen writes the pixels itself: a painter call per point
// would make the sketch a noticeable part of the program's start-up.
class PixelPen {
 public:
  explicit PixelPen(QImage& image) : image_(image) {}

  void SetColor(QRgb color) { color_ = color; }
  void Point(int x, int y) {
    if (image_.valid(x, y)) image_.setPixel(x, y, color_);
  }
  // Both end points included; a dotted line has every other pixel, its
  // start among them.
  void Line(QPoint from, QPoint to, Stroke stroke = Stroke::Solid);

 private:
  QImage& image_;
  QRgb color_ = 0;
};

void PixelPen::Line(QPoint from, QPoint to, Stroke stroke) {
  // The walk leaves the end out; each of its steps is one along the major axis.
  const auto onStroke = [&](int x, int y) {
    return stroke == Stroke::Solid || std::max(std::abs(x - from.x()), std::abs(y - from.y())) % 2 == 0;
  };
  diagram::VisibleLinePixels line(from.x(), from.y(), to.x(), to.y(), image_.width(), image_.height());
  int x = 0, y = 0;
  while (line.Next(x, y)) {
    if (onStroke(x, y)) Point(x, y);
  }
  if (onStroke(to.x(), to.y())) Point(to.x(), to.y());
}

// Filled arrow heads: half widths by distance from the tip. A line too
// short for two full heads gets the small ones.
constexpr std::array<int, 5> kArrowHalfWidth = {0, 1, 1, 2, 2};
constexpr std::array<int, 3> kSmallArrowHalfWidth = {0, 1, 2};
constexpr int kShortLine = 2 * static_cast<int>(kArrowHalfWidth.size()) + 4;

// Draws the arrow head whose tip is at `tip`, pointing away from `inward`
// (the other end of the shaft).
template <std::size_t N>
void ArrowHead(PixelPen& pen, QPoint tip, QPoint inward, const std::array<int, N>& halfWidth) {
  const int backX = inward.x() > tip.x() ? 1 : (inward.x() < tip.x() ? -1 : 0);
  const int backY = inward.y() > tip.y() ? 1 : (inward.y() < tip.y() ? -1 : 0);
  const int acrossX = backY != 0 ? 1 : 0;
  const int acrossY = backX != 0 ? 1 : 0;
  for (int along = 0; along < static_cast<int>(N); ++along) {
    for (int across = -halfWidth[along]; across <= halfWidth[along]; ++across) {
      pen.Point(tip.x() + backX * along + acrossX * across, tip.y() + backY * along + acrossY * across);
    }
  }
}

void DimensionLine(PixelPen& pen, const Segment& line) {
  pen.Line(line.from, line.to);
  if ((line.to - line.from).manhattanLength() < kShortLine) {
    ArrowHead(pen, line.from, line.to, kSmallArrowHalfWidth);
    ArrowHead(pen, line.to, line.from, kSmallArrowHalfWidth);
  } else {
    ArrowHead(pen, line.from, line.to, kArrowHalfWidth);
    ArrowHead(pen, line.to, line.from, kArrowHalfWidth);
  }
}

// The fill reaches one pixel under the outline on every side, so that no
// background shows where the fill's and the outline's rounding differ.
QPolygon InnerPanel(const HalfPicture& h) {
  return QPolygon({QPoint(h.mirroredKink.x, h.mirroredKink.leadingEdge - 1), QPoint(h.root.x, h.root.leadingEdge - 1),
                   QPoint(h.kink.x, h.kink.leadingEdge - 1), QPoint(h.kink.x, h.kink.trailingEdge + 1),
                   QPoint(h.root.x, h.root.trailingEdge + 1),
                   QPoint(h.mirroredKink.x, h.mirroredKink.trailingEdge + 1)});
}

QPolygon OuterPanel(const HalfPicture& h) {
  return QPolygon({QPoint(h.kink.x, h.kink.leadingEdge - 1), QPoint(h.tip.x + 1, h.tip.leadingEdge - 1),
                   QPoint(h.tip.x + 1, h.tip.trailingEdge + 1), QPoint(h.kink.x, h.kink.trailingEdge + 1)});
}

void FillPanels(QPainter& painter, const HalfPicture& h) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(kCyan));
  painter.drawPolygon(InnerPanel(h));
  painter.setBrush(QColor(kYellow));
  painter.drawPolygon(OuterPanel(h));
}

// The 3-pixel outline lies outside the fill: it grows away from the panel
// (`outward` is -1 for a leading edge, +1 for a trailing edge), so chord
// dimensions can reach right up to the edge coordinates.
void EdgeBand(PixelPen& pen, QPoint from, QPoint to, int outward) {
  for (int offset = 0; offset != 3 * outward; offset += outward) {
    pen.Line(from + QPoint(0, offset), to + QPoint(0, offset));
  }
}

// One edge, leading or trailing, from off the left of the picture to the tip.
void EdgeBands(PixelPen& pen, const HalfPicture& h, int SectionPixels::*edge, int outward) {
  const auto at = [edge](const SectionPixels& section) { return QPoint(section.x, section.*edge); };
  EdgeBand(pen, at(h.mirroredKink), at(h.root), outward);
  EdgeBand(pen, at(h.root), at(h.kink), outward);
  EdgeBand(pen, at(h.kink), at(h.tip), outward);
}

void DrawOutline(PixelPen& pen, const HalfPicture& h) {
  pen.SetColor(h.outline);
  EdgeBands(pen, h, &SectionPixels::leadingEdge, -1);
  EdgeBands(pen, h, &SectionPixels::trailingEdge, +1);
  for (int column = 0; column < 3; ++column) {
    pen.Line(QPoint(h.tip.x + column, h.tip.leadingEdge - 2), QPoint(h.tip.x + column, h.tip.trailingEdge + 2));
  }
  // Kink and tip offsets are measured from this line to the trailing edge.
  pen.Line(QPoint(h.root.x + 1, h.referenceY), QPoint(h.tip.x - 1, h.referenceY), Stroke::Dotted);
}

void DrawDimensions(PixelPen& pen) {
  pen.SetColor(kBlack);
  for (const DimensionField& field : DimensionFields()) {
    DimensionLine(pen, field.line);
    if (field.leader) pen.Line(field.leader->segment.from, field.leader->segment.to, field.leader->stroke);
  }
}

}  // namespace

QImage DimensionSketchImage() {
  QImage image(kSketchWidth, kSketchHeight, QImage::Format_RGB32);
  image.fill(kSilver);
  const HalfPicture wing = Placed(kWing);
  const HalfPicture tail = Placed(kTail);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    FillPanels(painter, wing);
    FillPanels(painter, tail);
    painter.fillRect(kFuselage, QColor(kRed));
  }
  PixelPen pen(image);
  DrawOutline(pen, wing);
  DrawOutline(pen, tail);
  DrawDimensions(pen);
  return image;
}

}  // namespace ui
