#include "diagram/planform.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

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
// The room a fitted drawing may use: rows and columns kFitMargin inside the
// surface's edges, and of the columns the narrower side of the centre one.
constexpr long double kLowestRow = kFitMargin, kHighestRow = kDiagramHeight - 1 - kFitMargin;
constexpr long double kRoomRows = kHighestRow - kLowestRow;
constexpr long double kRoomHalf = kDiagramWidth - 1 - kFitMargin - kCentreColumn;

struct Marks {
  double Small, Large;
  std::optional<double> Measured;
};

// Where the planform goes: millimetres per pixel, and the row of the wing
// root trailing edge.
struct Placement {
  long double Scale;
  long double BaseRow;
};

// The rows and columns that the strokes of the planform and the marks reach;
// an empty extent lies within anything.
struct Extent {
  static constexpr long double kNone = std::numeric_limits<long double>::infinity();
  long double Left = kNone, Right = -kNone, Top = kNone, Bottom = -kNone;
  bool Finite = true;

  void Add(long double x, long double y) {
    Finite = Finite && std::isfinite(x) && std::isfinite(y);
    Left = std::min(Left, x), Right = std::max(Right, x);
    Top = std::min(Top, y), Bottom = std::max(Bottom, y);
  }
  long double Height() const { return Bottom - Top; }
  long double HalfWidth() const { return std::max(Right - kCentreColumn, kCentreColumn - Left); }
  bool ColumnsWithin(long double margin) const { return Left >= margin && Right <= kDiagramWidth - 1 - margin; }
  bool RowsWithin(long double margin) const { return Top >= margin && Bottom <= kDiagramHeight - 1 - margin; }
};

// Writes the operations at a placement, or, given no list, only finds the
// extent they would reach. Exact leaves lengths unrounded: at scale 1 the
// extent is then the model's own, in millimetres.
class OpWriter {
 public:
  OpWriter(std::vector<DrawOp>* ops, Placement placement, bool exact = false)
      : ops_(ops), placement_(placement), exact_(exact) {
    if (ops_) ops_->reserve(kMostOps);
  }

  long double R(long double length) const {
    return exact_ ? length / placement_.Scale : PixelOffset(length, placement_.Scale);
  }
  long double BaseRow() const { return placement_.BaseRow; }
  const Extent& Reached() const { return reached_; }

  void Pen(Colour colour) { Add({DrawOp::Kind::SetPen, 0, 0, 0, 0, colour}); }
  void Brush(Colour colour) { Add({DrawOp::Kind::SetBrush, 0, 0, 0, 0, colour}); }
  void Rectangle(int x1, int y1, int x2, int y2) { Add({DrawOp::Kind::Rectangle, x1, y1, x2, y2}); }

  // Coordinates are whole numbers of unbounded size until here.
  void Stroke(long double x1, long double y1, long double x2, long double y2) {
    Add({DrawOp::Kind::MoveTo, ToPixel(x1), ToPixel(y1)});
    Add({DrawOp::Kind::LineTo, ToPixel(x2), ToPixel(y2)});
  }

  // A stroke of the planform or a mark. One whose ends meet draws nothing
  // (a flying wing's zeroed tailplane), so it takes no room.
  void FigureStroke(long double x1, long double y1, long double x2, long double y2) {
    if (x1 != x2 || y1 != y2) {
      reached_.Add(x1, y1);
      reached_.Add(x2, y2);
    }
    Stroke(x1, y1, x2, y2);
  }

  // The reference line, which belongs to the planform by its row alone.
  void ReferenceLine(long double row) {
    reached_.Add(kCentreColumn, row);
    Stroke(0, row, kDiagramWidth, row);
  }

  void Mark(double cg, const calc::TModelData& model) {
    const long double row = BaseRow() - R(static_cast<long double>(model.Li) - cg);
    FigureStroke(kMarkLeft, row, kMarkEnd, row);
  }

  // Half outline of a surface whose root trailing edge lies on row baseRow;
  // side +1 is the right half, -1 the left.
  void HalfOutline(const calc::TPlanform& surface, long double baseRow, int side) {
    const calc::PanelCorners corners = calc::CornersOf(surface);
    const long double kink = kCentreColumn + side * R(corners.Kink.Across);
    const long double tip = kCentreColumn + side * R(corners.Tip.Across);
    const auto row = [&](long double forward) { return baseRow - R(forward); };
    FigureStroke(kCentreColumn, baseRow, kink, row(corners.Kink.TrailingEdge));
    if (surface.OuterSpan != 0) {
      FigureStroke(kink, row(corners.Kink.TrailingEdge), tip, row(corners.Tip.TrailingEdge));
      FigureStroke(kink, row(corners.Kink.LeadingEdge), tip, row(corners.Tip.LeadingEdge));
    }
    FigureStroke(kCentreColumn, row(corners.Root.LeadingEdge), kink, row(corners.Kink.LeadingEdge));
    FigureStroke(tip, row(corners.Tip.TrailingEdge), tip, row(corners.Tip.LeadingEdge));
    FigureStroke(kink, row(corners.Kink.TrailingEdge), kink, row(corners.Kink.LeadingEdge));
  }

 private:
  void Add(const DrawOp& op) {
    if (ops_) ops_->push_back(op);
  }

  std::vector<DrawOp>* ops_;
  Placement placement_;
  bool exact_;
  Extent reached_;
};

// Everything after the red centre line: the reference line, the planform and
// the marks.
void DrawFigure(OpWriter& out, const calc::TModelData& model, const Marks& marks) {
  out.ReferenceLine(out.BaseRow() - out.R(model.Li));

  out.Pen(kBlue);
  const calc::TPlanform wing = calc::WingPlanform(model);
  out.HalfOutline(wing, out.BaseRow(), +1);
  out.HalfOutline(wing, out.BaseRow(), -1);

  out.Pen(kGreen);
  const long double tailBaseRow = out.BaseRow() + out.R(static_cast<long double>(model.Rh) + model.Lih);
  const calc::TPlanform tailplane = calc::TailPlanform(model);
  out.HalfOutline(tailplane, tailBaseRow, +1);
  out.HalfOutline(tailplane, tailBaseRow, -1);

  out.Pen(kBlack);
  out.Mark(marks.Large, model);
  out.Mark(marks.Small, model);
  if (marks.Measured) {
    out.Pen(kFuchsia);
    out.Mark(*marks.Measured, model);
    out.Pen(kBlack);
  }
}

Extent Reach(const calc::TModelData& model, const Marks& marks, Placement placement, bool exact = false) {
  OpWriter measure(nullptr, placement, exact);
  DrawFigure(measure, model, marks);
  return measure.Reached();
}

// The fewest rows that move [top, bottom] into the fitted room.
long double RowsIntoRoom(const Extent& extent) {
  if (extent.Top < kLowestRow) return kLowestRow - extent.Top;
  if (extent.Bottom > kHighestRow) return kHighestRow - extent.Bottom;
  return 0;
}

// The rule is in the header; drawn is the extent at today's placement.
// Rounding moves each end of the drawing by at most one pixel from its exact
// place (a tailplane row is rounded twice, so its ends move up to one each
// way), so a scale that leaves two rows and half a column spare in
// millimetres always fits in pixels.
std::optional<Placement> FittedPlacement(const calc::TModelData& model, const Marks& marks, Placement today,
                                         const Extent& drawn) {
  if (!drawn.Finite || (drawn.ColumnsWithin(0) && drawn.RowsWithin(0))) return std::nullopt;
  Placement fitted = today;
  if (!drawn.ColumnsWithin(kFitMargin) || drawn.Height() > kRoomRows) {
    const Extent millimetres = Reach(model, marks, {1, 0}, true);
    const long double scale = std::max(
        std::fabs(today.Scale),
        std::ceil(std::max(millimetres.Height() / (kRoomRows - 2), millimetres.HalfWidth() / (kRoomHalf - 0.5L))));
    if (!std::isfinite(scale)) return std::nullopt;
    fitted.Scale = std::copysign(scale, today.Scale);
  }
  const Extent placed = Reach(model, marks, fitted);
  if (!placed.Finite) return std::nullopt;
  fitted.BaseRow += RowsIntoRoom(placed);
  return fitted;
}

}  // namespace

PlanformDrawing PlanformOps(const calc::TModelData& model, double cgSmallMargin, double cgLargeMargin,
                            std::optional<double> measuredCg) {
  PlanformDrawing drawing;
  const long double baseRow = model.Bh != 0 ? kBaseRowWithTail : kBaseRowFlyingWing;
  const Placement today{PlanformScale(model), baseRow};
  OpWriter out(&drawing.Ops, today);
  out.Brush(kSilver);
  out.Rectangle(0, 0, kDiagramWidth, kDiagramHeight);
  out.Pen(kRed);
  out.Stroke(kCentreColumn, 0, kCentreColumn, kDiagramHeight);
  // The reference line needs the first division by the scale.
  if (today.Scale == 0) {
    drawing.ZeroScale = true;
    return drawing;
  }
  const Marks marks{cgSmallMargin, cgLargeMargin, measuredCg};
  // Most models fit as they are, and are drawn once.
  const std::size_t figureStart = drawing.Ops.size();
  DrawFigure(out, model, marks);
  if (const auto fitted = FittedPlacement(model, marks, today, out.Reached())) {
    drawing.Ops.resize(figureStart);
    OpWriter refitted(&drawing.Ops, *fitted);
    DrawFigure(refitted, model, marks);
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
