#include "diagram/planform.h"

#include <cstddef>

#include "calc/failure.h"
#include "diagram/pixel_scale.h"

namespace diagram {
namespace {

constexpr int kCentreColumn = kDiagramWidth / 2;
constexpr int kBaseRowWithTail = kDiagramHeight / 2;
// (height div 5) * 4: whole-number arithmetic, 152 rather than 153.6.
constexpr int kBaseRowFlyingWing = kDiagramHeight / 5 * 4;
constexpr int kMarkLeft = kCentreColumn - 2;
constexpr int kMarkEnd = kCentreColumn + 2;  // left out by the line
constexpr std::size_t kMostOps = 64;         // 5 + 2 + 3 pens + 2 x 24 outline + 4 marks

// One lifting surface as the diagram reads it, in millimetres.
struct Surface {
  long double Span, OuterSpan, RootChord, KinkChord, TipChord, KinkOffset, TipOffset;
};

Surface Wing(const calc::TModelData& m) { return {m.B, m.Sa, m.Li, m.Lk, m.La, m.Vk, m.Va}; }
Surface Tailplane(const calc::TModelData& m) { return {m.Bh, m.Sah, m.Lih, m.Lkh, m.Lah, m.Vkh, m.Vah}; }

class OpWriter {
 public:
  OpWriter(std::vector<DrawOp>& ops, long double scale) : ops_(ops), scale_(scale) { ops_.reserve(kMostOps); }

  long double R(long double length) const { return PixelOffset(length, scale_); }

  void Pen(Colour colour) { ops_.push_back({DrawOp::Kind::SetPen, 0, 0, 0, 0, colour}); }
  void Brush(Colour colour) { ops_.push_back({DrawOp::Kind::SetBrush, 0, 0, 0, 0, colour}); }
  void Rectangle(int x1, int y1, int x2, int y2) { ops_.push_back({DrawOp::Kind::Rectangle, x1, y1, x2, y2}); }

  // Coordinates are whole numbers of unbounded size until here.
  void Stroke(long double x1, long double y1, long double x2, long double y2) {
    ops_.push_back({DrawOp::Kind::MoveTo, ToPixel(x1), ToPixel(y1)});
    ops_.push_back({DrawOp::Kind::LineTo, ToPixel(x2), ToPixel(y2)});
  }

  // Half outline of a surface whose root trailing edge lies on row baseRow;
  // side +1 is the right half, -1 the left.
  void HalfOutline(const Surface& s, long double baseRow, int side) {
    const long double kink = kCentreColumn + side * R(s.Span / 2 - s.OuterSpan);
    const long double tip = kCentreColumn + side * R(s.Span / 2);
    const auto row = [&](long double forward) { return baseRow - R(forward); };
    Stroke(kCentreColumn, baseRow, kink, row(s.KinkOffset));
    if (s.OuterSpan != 0) {
      Stroke(kink, row(s.KinkOffset), tip, row(s.TipOffset));
      Stroke(kink, row(s.KinkChord + s.KinkOffset), tip, row(s.TipChord + s.TipOffset));
    }
    Stroke(kCentreColumn, row(s.RootChord), kink, row(s.KinkChord + s.KinkOffset));
    Stroke(tip, row(s.TipOffset), tip, row(s.TipChord + s.TipOffset));
    Stroke(kink, row(s.KinkOffset), kink, row(s.KinkChord + s.KinkOffset));
  }

 private:
  std::vector<DrawOp>& ops_;
  long double scale_;
};

}  // namespace

PlanformDrawing PlanformOps(const calc::TModelData& model, double cgSmallMargin, double cgLargeMargin) {
  PlanformDrawing drawing;
  const long double baseRow = model.Bh != 0 ? kBaseRowWithTail : kBaseRowFlyingWing;
  const long double scale = PlanformScale(model);
  OpWriter out(drawing.Ops, scale);

  out.Brush(kSilver);
  out.Rectangle(0, 0, kDiagramWidth, kDiagramHeight);
  out.Pen(kRed);
  out.Stroke(kCentreColumn, 0, kCentreColumn, kDiagramHeight);
  // The reference line needs the first division by the scale.
  if (scale == 0) {
    drawing.ZeroScale = true;
    return drawing;
  }
  const long double referenceRow = baseRow - out.R(model.Li);
  out.Stroke(0, referenceRow, kDiagramWidth, referenceRow);

  out.Pen(kBlue);
  out.HalfOutline(Wing(model), baseRow, +1);
  out.HalfOutline(Wing(model), baseRow, -1);

  out.Pen(kGreen);
  const long double tailBaseRow = baseRow + out.R(static_cast<long double>(model.Rh) + model.Lih);
  out.HalfOutline(Tailplane(model), tailBaseRow, +1);
  out.HalfOutline(Tailplane(model), tailBaseRow, -1);

  out.Pen(kBlack);
  for (const double cg : {cgLargeMargin, cgSmallMargin}) {
    const long double row = baseRow - out.R(static_cast<long double>(model.Li) - cg);
    out.Stroke(kMarkLeft, row, kMarkEnd, row);
  }
  return drawing;
}

void RunDrawOps(Canvas& canvas, std::span<const DrawOp> ops) {
  for (const DrawOp& op : ops) {
    switch (op.What) {
      case DrawOp::Kind::SetBrush:
        canvas.SetBrush(op.Colour);
        break;
      case DrawOp::Kind::SetPen:
        canvas.SetPen(op.Colour);
        break;
      case DrawOp::Kind::Rectangle:
        canvas.Rectangle(op.X1, op.Y1, op.X2, op.Y2);
        break;
      case DrawOp::Kind::MoveTo:
        canvas.MoveTo(op.X1, op.Y1);
        break;
      case DrawOp::Kind::LineTo:
        canvas.LineTo(op.X1, op.Y1);
        break;
    }
  }
}

void DrawPlanform(Canvas& canvas, const calc::TModelData& model, double cgSmallMargin, double cgLargeMargin) {
  const PlanformDrawing drawing = PlanformOps(model, cgSmallMargin, cgLargeMargin);
  RunDrawOps(canvas, drawing.Ops);
  if (drawing.ZeroScale) throw calc::ArithmeticFailure(calc::FailureKind::DivisionByZero);
}

}  // namespace diagram
