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
constexpr std::size_t kMostOps = 68;         // 5 + 2 + 3 pens + 2 x 24 outline + 4 marks + 2 pens and the measured mark

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
  void HalfOutline(const calc::TPlanform& surface, long double baseRow, int side) {
    const calc::PanelCorners corners = calc::CornersOf(surface);
    const long double kink = kCentreColumn + side * R(corners.Kink.Across);
    const long double tip = kCentreColumn + side * R(corners.Tip.Across);
    const auto row = [&](long double forward) { return baseRow - R(forward); };
    Stroke(kCentreColumn, baseRow, kink, row(corners.Kink.TrailingEdge));
    if (surface.OuterSpan != 0) {
      Stroke(kink, row(corners.Kink.TrailingEdge), tip, row(corners.Tip.TrailingEdge));
      Stroke(kink, row(corners.Kink.LeadingEdge), tip, row(corners.Tip.LeadingEdge));
    }
    Stroke(kCentreColumn, row(corners.Root.LeadingEdge), kink, row(corners.Kink.LeadingEdge));
    Stroke(tip, row(corners.Tip.TrailingEdge), tip, row(corners.Tip.LeadingEdge));
    Stroke(kink, row(corners.Kink.TrailingEdge), kink, row(corners.Kink.LeadingEdge));
  }

 private:
  std::vector<DrawOp>& ops_;
  long double scale_;
};

}  // namespace

PlanformDrawing PlanformOps(const calc::TModelData& model, double cgSmallMargin, double cgLargeMargin,
                            std::optional<double> measuredCg) {
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
  const calc::TPlanform wing = calc::WingPlanform(model);
  out.HalfOutline(wing, baseRow, +1);
  out.HalfOutline(wing, baseRow, -1);

  out.Pen(kGreen);
  const long double tailBaseRow = baseRow + out.R(static_cast<long double>(model.Rh) + model.Lih);
  const calc::TPlanform tailplane = calc::TailPlanform(model);
  out.HalfOutline(tailplane, tailBaseRow, +1);
  out.HalfOutline(tailplane, tailBaseRow, -1);

  out.Pen(kBlack);
  for (const double cg : {cgLargeMargin, cgSmallMargin}) {
    const long double row = baseRow - out.R(static_cast<long double>(model.Li) - cg);
    out.Stroke(kMarkLeft, row, kMarkEnd, row);
  }
  if (measuredCg) {
    out.Pen(kFuchsia);
    const long double row = baseRow - out.R(static_cast<long double>(model.Li) - *measuredCg);
    out.Stroke(kMarkLeft, row, kMarkEnd, row);
    out.Pen(kBlack);
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

void DrawPlanform(Canvas& canvas, const calc::TModelData& model, double cgSmallMargin, double cgLargeMargin,
                  std::optional<double> measuredCg) {
  const PlanformDrawing drawing = PlanformOps(model, cgSmallMargin, cgLargeMargin, measuredCg);
  RunDrawOps(canvas, drawing.Ops);
  if (drawing.ZeroScale) throw calc::ArithmeticFailure(calc::FailureKind::DivisionByZero);
}

}  // namespace diagram
