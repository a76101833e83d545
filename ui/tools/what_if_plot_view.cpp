#include "ui/tools/what_if_plot_view.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QBuffer>
#include <QMouseEvent>
#include <QPainter>
#include <QFile>
#include <QToolTip>

#include "calc/model.h"
#include "files/atomic_file.h"
#include "files/file_error.h"
#include "present/field_captions.h"
#include "present/figure.h"
#include "present/result_table.h"
#include "present/unit_captions.h"
#include "ui/platform/appearance.h"
#include "ui/platform/print_system.h"
#include "ui/platform/printing.h"

namespace ui {
namespace {

using present::Caption;

// A plotted curve: the result label it follows (its value and its text).
struct Curve {
  std::string_view cell;
  Caption name;
  QRgb colour;
};

constexpr std::array<Curve, WhatIfPlotView::kCurveCount> kCurves = {{
    {"Lab_Rnp", &present::Texts::curveNeutralPoint, kBlue},
    {"Lab_Rsp1", &present::Texts::curveRearmostCg, kRed},
    {"Lab_Rsp2", &present::Texts::curveForemostCg, kGreen},
}};

// The vortex lattice's curve beside the rule's.
constexpr Curve kLatticeCurve = {"", &present::Texts::curveLatticeNeutralPoint, kTeal};

constexpr int kFrameMilliseconds = 16;
constexpr double kMargin = 8;  // pixels around the plot and between its parts
constexpr double kLegendStroke = 24;  // pixels of a legend entry's line

const present::ResultCell& CellOf(const Curve& curve) { return *present::FindCell(curve.cell); }

double CurveValue(const Curve& curve, const calc::TStabilityData& results) {
  return static_cast<double>(CellOf(curve).value(results));
}

QPen MarkPen(QRgb colour, Qt::PenStyle style) {
  QPen pen{QColor(colour), 1.5, style};
  pen.setCosmetic(true);
  return pen;
}

QPen CurrentValuePen() { return MarkPen(kGrey, Qt::DashLine); }
// Magenta, as the diagram marks the measured centre of gravity.
QPen MeasuredCgPen() { return MarkPen(kFuchsia, Qt::DashDotLine); }

QString TickText(double value, const present::PlotAxis& axis) { return QString::number(value, 'f', axis.Decimals); }

// Replaces `path` with `bytes` only when all of them are written.
// Through the program's own saving, as a model file: an existing picture
// keeps its mode, owner, links and attributes, and a failed export leaves it
// as it was. The file error goes on to the window, which says why in words.
bool WriteWhole(const QString& path, const QByteArray& bytes) {
  files::ReplaceFileContents(QFile::encodeName(path).toStdString(),
                             std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  return true;
}

}  // namespace

QString FieldTitle(int field, present::Language language) {
  const std::string_view code = calc::kModelFieldCodes.at(static_cast<std::size_t>(field));
  return Text(code) + QStringLiteral(" \u2013 ") + Text(In(present::FindFieldDescription(code), language));
}

WhatIfPlotView::WhatIfPlotView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("WhatIf_Chart"));
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(320, 240);
  frameTimer_.setSingleShot(true);
  connect(&frameTimer_, &QTimer::timeout, this, &WhatIfPlotView::frameDue);
  noteTimer_.setSingleShot(true);
  noteTimer_.setInterval(kFrameMilliseconds);
  connect(&noteTimer_, &QTimer::timeout, this, [this] {
    if (updating_) requestFrame();
  });
  updateAxes();
}

void WhatIfPlotView::Show(present::WhatIfPlot plot, int field, const Marks& marks) {
  plot_ = std::move(plot);
  field_ = field;
  marks_ = marks;
  updating_ = false;
  const std::vector<present::PointRun> runs = present::SuccessfulRuns(plot_);
  for (std::size_t curve = 0; curve < kCurveCount; ++curve) {
    pieces_[curve].clear();
    for (const present::PointRun& run : runs) {
      QPolygonF& piece = pieces_[curve].emplace_back();
      piece.reserve(static_cast<qsizetype>(run.End - run.First));
      for (std::size_t i = run.First; i < run.End; ++i)
        piece.append({plot_.Points[i].X, plotted(CurveValue(kCurves[curve], *plot_.Points[i].Results))});
    }
  }
  ClearLattice();
}

void WhatIfPlotView::ClearLattice() {
  ++latticeGeneration_;
  lattice_.assign(plot_.Points.size(), std::nullopt);
  latticeSolved_ = 0;
  latticePieces_.clear();
  updateAxes();
  requestFrame();
}

void WhatIfPlotView::AddLatticePoints(std::uint64_t plot, const std::vector<LatticeSweep::Point>& points) {
  constexpr double kNoAnswer = std::numeric_limits<double>::quiet_NaN();
  // Indexes of another plot's points would land on this one's.
  if (plot != latticeGeneration_) return;
  for (const LatticeSweep::Point& point : points) {
    if (point.index >= lattice_.size() || lattice_[point.index]) continue;
    lattice_[point.index] = point.neutralPoint.value_or(kNoAnswer);
    ++latticeSolved_;
  }
  updateLatticePieces();
  updateAxes();
  requestFrame();
}

// Points not solved yet are left out; one without an answer breaks the curve.
void WhatIfPlotView::updateLatticePieces() {
  latticePieces_.clear();
  bool broken = true;
  for (std::size_t i = 0; i < lattice_.size(); ++i) {
    if (!lattice_[i]) continue;
    if (!std::isfinite(*lattice_[i])) {
      broken = true;
      continue;
    }
    if (broken) latticePieces_.emplace_back();
    broken = false;
    latticePieces_.back().append({plot_.Points[i].X, plotted(*lattice_[i])});
  }
}

void WhatIfPlotView::SetMarks(const Marks& marks) {
  marks_ = marks;
  updateAxes();
  requestFrame();
}

void WhatIfPlotView::SetLanguage(present::Language language) {
  language_ = language;
  requestFrame();
}

// The note appears only when the plot has not caught up within a frame of
// the first change it lags behind, so that quick updates do not flicker; the
// new plot itself does not wait.
void WhatIfPlotView::SetUpdating(bool updating) {
  updating_ = updating;
  if (!updating) requestFrame();
  else if (!noteTimer_.isActive()) noteTimer_.start();
}

void WhatIfPlotView::SetOutdated(bool outdated) {
  if (outdated == outdated_) return;
  outdated_ = outdated;
  requestFrame();
}

// A change is painted at once when no frame was painted in the last one;
// otherwise it waits for the frame's end, however many changes come meanwhile.
void WhatIfPlotView::requestFrame() {
  if (frameTimer_.isActive()) return;
  const qint64 since = lastFrame_.isValid() ? lastFrame_.elapsed() : kFrameMilliseconds;
  if (since >= kFrameMilliseconds) {
    update();
    return;
  }
  frameTimer_.start(static_cast<int>(kFrameMilliseconds - since));
}

void WhatIfPlotView::frameDue() { update(); }

// The axes follow the curves and the measured centre of gravity alone: the
// same plot always gets the same ticks.
void WhatIfPlotView::updateAxes() {
  constexpr double kNone = std::numeric_limits<double>::infinity();
  double xLow = kNone, xHigh = -kNone, yLow = kNone, yHigh = -kNone;
  for (const present::WhatIfPoint& point : plot_.Points) {
    xLow = std::min(xLow, point.X);
    xHigh = std::max(xHigh, point.X);
  }
  const auto takeIn = [&](const std::vector<QPolygonF>& pieces) {
    for (const QPolygonF& piece : pieces)
      for (const QPointF& point : piece) {
        yLow = std::min(yLow, point.y());
        yHigh = std::max(yHigh, point.y());
      }
  };
  for (const std::vector<QPolygonF>& pieces : pieces_) takeIn(pieces);
  takeIn(latticePieces_);
  if (marks_.measuredCg && std::isfinite(*marks_.measuredCg)) {
    yLow = std::min(yLow, plotted(*marks_.measuredCg));
    yHigh = std::max(yHigh, plotted(*marks_.measuredCg));
  }
  xAxis_ = present::NiceAxis(xLow, xHigh, false);
  yAxis_ = present::NiceAxis(yLow, yHigh, true);
}

// Each tick label of `axis` centred under its tick as far as the widget
// allows: the last one ends at the widget's edge rather than being cut.
std::vector<QRectF> WhatIfPlotView::xTickRects(const present::PlotAxis& axis, const QRectF& area) const {
  const QFontMetricsF metrics(font());
  std::vector<QRectF> rects;
  for (const double x : present::AxisTicks(axis)) {
    const double width = metrics.horizontalAdvance(TickText(x, axis)) + 2;
    const double left = std::clamp(pixelIn(area, {x, 0}).x() - width / 2, 0.0, std::max(0.0, this->width() - width));
    rects.emplace_back(left, area.bottom() + kMargin / 2, width, metrics.height());
  }
  return rects;
}

// The horizontal axis's ticks as many as their labels fit side by side: a
// narrow range needs long labels, and fewer of them.
present::PlotAxis WhatIfPlotView::XTickAxis() const {
  const QRectF area = plotArea();
  present::PlotAxis axis = xAxis_;
  for (int intervals = present::kMostAxisIntervals; intervals > 1; --intervals) {
    axis = present::NiceAxis(xAxis_.Low, xAxis_.High, false, intervals);
    const std::vector<QRectF> rects = xTickRects(axis, area);
    bool apart = true;
    for (std::size_t i = 1; i < rects.size(); ++i) apart = apart && rects[i - 1].right() + kMargin <= rects[i].left();
    if (apart) break;
  }
  return axis;
}

QStringList WhatIfPlotView::LegendEntries() const {
  QStringList entries;
  for (const Curve& curve : kCurves) entries << Text(In(curve.name, language_));
  entries << Text(In(kLatticeCurve.name, language_));
  if (marks_.currentValue) entries << Text(present::TextsOf(language_).plotCurrentValue);
  if (marks_.measuredCg) entries << Text(present::TextsOf(language_).plotMeasuredCg);
  return entries;
}

QString WhatIfPlotView::Note() const {
  if (updating_) return Text(present::TextsOf(language_).plotUpdating);
  if (outdated_) return Text(present::TextsOf(language_).plotOutdated);
  return {};
}

// Entries side by side as long as they fit the widget's width, then on the
// next row: a narrow window or the longer German names take two.
std::vector<WhatIfPlotView::LegendRow> WhatIfPlotView::legendRows() const {
  const QFontMetricsF metrics(font());
  const QStringList entries = LegendEntries();
  std::vector<LegendRow> rows = {{}};
  for (qsizetype i = 0; i < entries.size(); ++i) {
    const double width = kLegendStroke + kMargin / 2 + metrics.horizontalAdvance(entries[i]) + 2 * kMargin;
    if (rows.back().end > rows.back().first && rows.back().width + width > this->width() - 2 * kMargin)
      rows.push_back({i, i, 0});
    rows.back().end = i + 1;
    rows.back().width += width;
  }
  return rows;
}

// Room on the left for the tick labels and the vertical title, below for
// the tick labels, the horizontal title and the legend, above for the note.
QRectF WhatIfPlotView::plotArea() const {
  const QFontMetricsF metrics(font());
  double tickWidth = 0;
  for (const double tick : present::AxisTicks(yAxis_))
    tickWidth = std::max(tickWidth, metrics.horizontalAdvance(TickText(tick, yAxis_)));
  const double line = metrics.height();
  const double left = kMargin + line + kMargin + tickWidth + kMargin / 2;
  const double top = kMargin + line + kMargin / 2;
  const double legend = static_cast<double>(legendRows().size()) * line;
  const double bottom = kMargin / 2 + line + kMargin / 2 + line + kMargin + legend + kMargin;
  return QRectF(left, top, std::max(1.0, width() - left - 2 * kMargin), std::max(1.0, height() - top - bottom));
}

QPointF WhatIfPlotView::PixelOf(QPointF value) const { return pixelIn(plotArea(), value); }

QPointF WhatIfPlotView::pixelIn(const QRectF& area, QPointF value) const {
  return {area.left() + (value.x() - xAxis_.Low) / (xAxis_.High - xAxis_.Low) * area.width(),
          area.bottom() - (value.y() - yAxis_.Low) / (yAxis_.High - yAxis_.Low) * area.height()};
}

void WhatIfPlotView::paintEvent(QPaintEvent*) {
  lastFrame_.start();
  QPainter painter(this);
  paint(painter);
}

void WhatIfPlotView::paint(QPainter& painter) const {
  painter.fillRect(rect(), Qt::white);
  painter.setFont(font());
  const QRectF area = plotArea();
  paintAxes(painter, area);
  paintCurvesAndMarks(painter, area);
  paintLegend(painter, area);
  painter.setPen(QColor(outdated_ && !updating_ ? kRed : kGrey));
  // A narrow window shortens the note at its end rather than losing its start.
  const QString note = QFontMetricsF(font()).elidedText(Note(), Qt::ElideRight, area.width());
  painter.drawText(QRectF(area.left(), kMargin, area.width(), area.top() - kMargin), Qt::AlignRight | Qt::AlignTop,
                   note);
}

void WhatIfPlotView::paintAxes(QPainter& painter, const QRectF& area) const {
  const QFontMetricsF metrics(font());
  painter.setPen(QColor(0xe0, 0xe0, 0xe0));
  const present::PlotAxis xTickAxis = XTickAxis();
  const std::vector<double> xTicks = present::AxisTicks(xTickAxis), yTicks = present::AxisTicks(yAxis_);
  for (const double x : xTicks) {
    const double pixel = pixelIn(area, {x, 0}).x();
    painter.drawLine(QLineF(pixel, area.top(), pixel, area.bottom()));
  }
  for (const double y : yTicks) {
    const double pixel = pixelIn(area, {0, y}).y();
    painter.drawLine(QLineF(area.left(), pixel, area.right(), pixel));
  }
  painter.setPen(Qt::black);
  painter.drawRect(area);
  const double line = metrics.height();
  const std::vector<QRectF> xTickLabels = xTickRects(xTickAxis, area);
  for (std::size_t i = 0; i < xTicks.size(); ++i)
    painter.drawText(xTickLabels[i], Qt::AlignHCenter, TickText(xTicks[i], xTickAxis));
  for (const double y : yTicks) {
    const double middle = pixelIn(area, {0, y}).y();
    painter.drawText(QRectF(0, middle - line / 2, area.left() - kMargin / 2, line), Qt::AlignRight, TickText(y, yAxis_));
  }
  painter.drawText(QRectF(area.left(), area.bottom() + kMargin / 2 + line + kMargin / 2, area.width(), line),
                   Qt::AlignHCenter, FieldTitle(field_, language_));
  painter.save();
  painter.translate(kMargin, area.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-area.height() / 2, 0, area.height(), line), Qt::AlignHCenter,
                   Text(In(&present::Texts::plotYAxis, language_, plot_.Units)));
  painter.restore();
}

void WhatIfPlotView::paintCurvesAndMarks(QPainter& painter, const QRectF& area) const {
  painter.save();
  painter.setClipRect(area);
  painter.setRenderHint(QPainter::Antialiasing);
  const auto paintCurve = [&](const Curve& curve, const std::vector<QPolygonF>& pieces) {
    // A cosmetic pen one pixel wide takes Qt's fast antialiased stroker; a
    // wider one strokes the 1000-point outline anew on every repaint.
    QPen pen{QColor(outdated_ ? kGrey : curve.colour), 1};
    pen.setCosmetic(true);
    painter.setPen(pen);
    for (const QPolygonF& piece : pieces) {
      QPolygonF pixels(piece.size());
      std::transform(piece.begin(), piece.end(), pixels.begin(), [&](QPointF value) { return pixelIn(area, value); });
      painter.drawPolyline(pixels);
    }
  };
  for (std::size_t curve = 0; curve < kCurveCount; ++curve) paintCurve(kCurves[curve], pieces_[curve]);
  paintCurve(kLatticeCurve, latticePieces_);
  if (marks_.currentValue && std::isfinite(*marks_.currentValue)) {
    painter.setPen(CurrentValuePen());
    const double x = pixelIn(area, {*marks_.currentValue, 0}).x();
    painter.drawLine(QLineF(x, area.top(), x, area.bottom()));
  }
  if (marks_.measuredCg && std::isfinite(*marks_.measuredCg)) {
    painter.setPen(MeasuredCgPen());
    const double y = pixelIn(area, {0, plotted(*marks_.measuredCg)}).y();
    painter.drawLine(QLineF(area.left(), y, area.right(), y));
  }
  painter.restore();
}

// Rows under the axis title: a short stroke in each entry's pen, then its
// name; each row centred under the plot as far as the widget allows.
void WhatIfPlotView::paintLegend(QPainter& painter, const QRectF& area) const {
  const QFontMetricsF metrics(font());
  const QStringList entries = LegendEntries();
  std::vector<QPen> pens;
  for (const Curve& curve : kCurves) pens.emplace_back(QColor(outdated_ ? kGrey : curve.colour), 1);
  pens.emplace_back(QColor(outdated_ ? kGrey : kLatticeCurve.colour), 1);
  if (marks_.currentValue) pens.push_back(CurrentValuePen());
  if (marks_.measuredCg) pens.push_back(MeasuredCgPen());
  const std::vector<LegendRow> rows = legendRows();
  double y = height() - kMargin - static_cast<double>(rows.size()) * metrics.height();
  for (const LegendRow& row : rows) {
    double x = std::max(kMargin, std::min(area.center().x() - row.width / 2, width() - kMargin - row.width));
    for (qsizetype i = row.first; i < row.end; ++i) {
      painter.setPen(pens[static_cast<std::size_t>(i)]);
      painter.drawLine(QLineF(x, y + metrics.height() / 2, x + kLegendStroke, y + metrics.height() / 2));
      x += kLegendStroke + kMargin / 2;
      painter.setPen(Qt::black);
      painter.drawText(QPointF(x, y + metrics.ascent()), entries[i]);
      x += metrics.horizontalAdvance(entries[i]) + 2 * kMargin;
    }
    y += metrics.height();
  }
}

QString WhatIfPlotView::ToolTipAt(QPointF pixel) const {
  const QRectF area = plotArea();
  if (!area.adjusted(-kHoverPixels, -kHoverPixels, kHoverPixels, kHoverPixels).contains(pixel)) return {};
  const double x = xAxis_.Low + (pixel.x() - area.left()) / area.width() * (xAxis_.High - xAxis_.Low);
  const present::WhatIfPoint* nearest = nullptr;
  for (const present::WhatIfPoint& point : plot_.Points) {
    if (point.Results && (!nearest || std::fabs(point.X - x) < std::fabs(nearest->X - x))) nearest = &point;
  }
  if (nearest) {
    for (const Curve& curve : kCurves) {
      const double y = pixelIn(area, {nearest->X, plotted(CurveValue(curve, *nearest->Results))}).y();
      if (std::fabs(y - pixel.y()) <= kHoverPixels) return toolTipFor(*nearest);
    }
  }
  // The lattice's curve runs through the points solved so far, which need
  // not be those nearest to the rule's.
  std::optional<std::size_t> solved;
  for (std::size_t i = 0; i < lattice_.size(); ++i) {
    if (latticeAnswer(i) && (!solved || std::fabs(plot_.Points[i].X - x) < std::fabs(plot_.Points[*solved].X - x)))
      solved = i;
  }
  if (solved &&
      std::fabs(pixelIn(area, {plot_.Points[*solved].X, plotted(*lattice_[*solved])}).y() - pixel.y()) <= kHoverPixels)
    return toolTipFor(plot_.Points[*solved]);
  return {};
}

double WhatIfPlotView::plotted(double millimetres) const {
  // Millimetres pass unchanged, to the last bit.
  return static_cast<double>(calc::ShownLength(millimetres, 0, plot_.Units.Length).Value);
}

bool WhatIfPlotView::latticeAnswer(std::size_t point) const {
  return point < lattice_.size() && lattice_[point] && std::isfinite(*lattice_[point]);
}

// The point's value, its three result labels and, once solved, the
// lattice's neutral point, as cgcalc-cli prints them.
QString WhatIfPlotView::toolTipFor(const present::WhatIfPoint& point) const {
  QString text = Text(calc::kModelFieldCodes.at(static_cast<std::size_t>(field_))) + QStringLiteral(" = ") +
                 Text(point.ValueText);
  const auto addLine = [&](const Curve& curve, const std::string& figure) {
    text += QLatin1Char('\n') + Text(In(curve.name, language_)) + QStringLiteral(": ") +
            QString::fromStdString(figure).trimmed();
  };
  if (point.Results) {
    for (const Curve& curve : kCurves) addLine(curve, present::CellText(CellOf(curve), *point.Results, plot_.Units));
  }
  const auto index = static_cast<std::size_t>(&point - plot_.Points.data());
  if (latticeAnswer(index)) {
    const calc::TShown shown = calc::ShownLength(*lattice_[index], 1, plot_.Units.Length);
    addLine(kLatticeCurve, present::Figure(static_cast<double>(shown.Value), 0, shown.Decimals));
  }
  return text;
}

void WhatIfPlotView::mouseMoveEvent(QMouseEvent* event) {
  const QString text = ToolTipAt(event->position());
  if (text.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(event->globalPosition().toPoint(), text, this);
}

bool WhatIfPlotView::SavePng(const QString& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!grab().save(&buffer, "PNG")) return false;
  return WriteWhole(path, bytes);
}

// The same drawing as on screen, through Qt Svg's paint device in the print
// module. Without the module there is nothing to write with.
bool WhatIfPlotView::SaveSvg(const QString& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  try {
    if (!ThePrintSystem().WriteSvg(buffer, rect(), logicalDpiX(), window()->windowTitle(),
                                   [this](QPainter& painter) { paint(painter); }))
      return false;
  } catch (const PrintFailure&) {
    return false;
  }
  return WriteWhole(path, bytes);
}

}  // namespace ui
