#include "ui/tools/what_if_chart.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QBuffer>
#include <QCursor>
#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QToolTip>
#include <QValueAxis>

#include "calc/model.h"
#include "present/field_captions.h"
#include "present/result_table.h"
#include "ui/platform/appearance.h"

namespace ui {
namespace {

using present::Caption;

// A plotted curve: the result label it follows (its value and its text).
struct Curve {
  std::string_view cell;
  Caption name;
  QRgb colour;
};

constexpr std::array<Curve, 3> kCurves = {{
    {"Lab_Rnp", {"Neutralpunkt", "neutral point"}, kBlue},
    {"Lab_Rsp1", {"Schwerpunkt hinten", "rearmost CG"}, kRed},
    {"Lab_Rsp2", {"Schwerpunkt vorn", "foremost CG"}, kGreen},
}};

struct ChartCaptions {
  Caption yAxis;
  Caption currentValue;
  Caption measuredCg;
};

constexpr ChartCaptions kChartCaptions = {
    .yAxis = {"mm hinter der Wurzel-Nasenleiste", "mm behind the wing root's leading edge"},
    .currentValue = {"aktueller Wert", "current value"},
    .measuredCg = {"Schwerpunkt gemessen", "measured CG"},
};

const present::ResultCell& CellOf(const Curve& curve) { return *present::FindCell(curve.cell); }

double CurveValue(const Curve& curve, const calc::TStabilityData& results) {
  return static_cast<double>(CellOf(curve).value(results));
}

void SetLegendShown(QChart& chart, QLineSeries& series, bool shown) {
  bool changed = false;
  for (QLegendMarker* marker : chart.legend()->markers(&series)) {
    changed = changed || marker->isVisible() != shown;
    marker->setVisible(shown);
  }
  // The legend arranges its markers anew only when asked to.
  if (changed) chart.legend()->layout()->invalidate();
}

// Widens a degenerate or empty interval so that an axis can show it.
std::pair<double, double> Widened(double low, double high) {
  if (!(low <= high)) return {0, 100};
  if (low == high) return {low - 1, high + 1};
  const double margin = (high - low) * 0.05;
  return {low - margin, high + margin};
}

}  // namespace

QString FieldTitle(int field, present::Language language) {
  const std::string_view code = calc::kModelFieldCodes.at(static_cast<std::size_t>(field));
  return Text(code) + QStringLiteral(" \u2013 ") + Text(In(*present::FindFieldDescription(code), language));
}

WhatIfChart::WhatIfChart(QWidget* parent) : QChartView(parent) {
  setObjectName(QStringLiteral("WhatIf_Chart"));
  setRenderHint(QPainter::Antialiasing);
  chart()->legend()->setAlignment(Qt::AlignBottom);
  xAxis_ = new QValueAxis(chart());
  yAxis_ = new QValueAxis(chart());
  chart()->addAxis(xAxis_, Qt::AlignBottom);
  chart()->addAxis(yAxis_, Qt::AlignLeft);
  for (std::size_t curve = 0; curve < kCurveCount; ++curve) fitSegmentCount(curve, 1);
  currentLine_ = addSeries(QStringLiteral("WhatIf_Current"));
  currentLine_->setPen(QPen(QColor(kGrey), 1, Qt::DashLine));
  measuredCgLine_ = addSeries(QStringLiteral("WhatIf_MeasuredCg"));
  // Magenta, as the diagram marks the measured centre of gravity.
  measuredCgLine_->setPen(QPen(QColor(kFuchsia), 1.5, Qt::DashDotLine));
  updateTexts();
  updateAxesAndMarks();
}

QLineSeries* WhatIfChart::addSeries(const QString& name) {
  auto* series = new QLineSeries(chart());
  series->setObjectName(name);
  chart()->addSeries(series);
  series->attachAxis(xAxis_);
  series->attachAxis(yAxis_);
  return series;
}

// One series per run of successful points; at least one, so that the legend
// names the curve even when every point failed.
void WhatIfChart::fitSegmentCount(std::size_t curve, std::size_t count) {
  std::vector<QLineSeries*>& segments = segments_[curve];
  count = std::max<std::size_t>(count, 1);
  while (segments.size() > count) {
    chart()->removeSeries(segments.back());
    delete segments.back();
    segments.pop_back();
  }
  while (segments.size() < count) {
    QLineSeries* series = addSeries(Text(kCurves[curve].cell));
    QPen pen(QColor(kCurves[curve].colour), 1);
    pen.setCosmetic(true);
    series->setPen(pen);
    series->setName(Text(In(kCurves[curve].name, language_)));
    connect(series, &QLineSeries::hovered, this, &WhatIfChart::showToolTip);
    SetLegendShown(*chart(), *series, segments.empty());
    segments.push_back(series);
  }
}

void WhatIfChart::Show(present::WhatIfPlot plot, int field, const Marks& marks) {
  plot_ = std::move(plot);
  field_ = field;
  marks_ = marks;
  const std::vector<present::PointRun> runs = present::SuccessfulRuns(plot_);
  for (std::size_t curve = 0; curve < kCurveCount; ++curve) {
    fitSegmentCount(curve, runs.size());
    for (std::size_t r = 0; r < segments_[curve].size(); ++r) {
      QList<QPointF> points;
      if (r < runs.size()) {
        points.reserve(static_cast<qsizetype>(runs[r].End - runs[r].First));
        for (std::size_t i = runs[r].First; i < runs[r].End; ++i)
          points.append({plot_.Points[i].X, CurveValue(kCurves[curve], *plot_.Points[i].Results)});
      }
      segments_[curve][r]->replace(points);
    }
  }
  xAxis_->setTitleText(FieldTitle(field_, language_));
  updateAxesAndMarks();
}

void WhatIfChart::SetMarks(const Marks& marks) {
  marks_ = marks;
  updateAxesAndMarks();
}

void WhatIfChart::updateAxesAndMarks() {
  double xLow = std::numeric_limits<double>::infinity(), xHigh = -xLow;
  double yLow = xLow, yHigh = -xLow;
  for (const present::WhatIfPoint& point : plot_.Points) {
    xLow = std::min(xLow, point.X);
    xHigh = std::max(xHigh, point.X);
  }
  for (const std::vector<QLineSeries*>& segments : segments_)
    for (const QLineSeries* series : segments)
      for (const QPointF& point : series->points()) {
        yLow = std::min(yLow, point.y());
        yHigh = std::max(yHigh, point.y());
      }
  const std::optional<double> cg = marks_.measuredCg, currentValue = marks_.currentValue;
  if (cg && std::isfinite(*cg)) {
    yLow = std::min(yLow, *cg);
    yHigh = std::max(yHigh, *cg);
  }
  const auto [xFrom, xTo] = xLow < xHigh ? std::pair(xLow, xHigh) : Widened(xLow, xHigh);
  xAxis_->setRange(xFrom, xTo);
  // Rounding moves the range twice, and each move maps every point anew.
  if (Widened(yLow, yHigh) != unroundedYRange_) {
    unroundedYRange_ = Widened(yLow, yHigh);
    yAxis_->setRange(unroundedYRange_.first, unroundedYRange_.second);
    yAxis_->applyNiceNumbers();
  }

  QList<QPointF> current, measured;
  if (currentValue && std::isfinite(*currentValue))
    current = {{*currentValue, yAxis_->min()}, {*currentValue, yAxis_->max()}};
  if (cg && std::isfinite(*cg)) measured = {{xFrom, *cg}, {xTo, *cg}};
  currentLine_->replace(current);
  measuredCgLine_->replace(measured);
  SetLegendShown(*chart(), *currentLine_, !current.isEmpty());
  SetLegendShown(*chart(), *measuredCgLine_, !measured.isEmpty());
}

void WhatIfChart::SetLanguage(present::Language language) {
  language_ = language;
  updateTexts();
}

void WhatIfChart::updateTexts() {
  for (std::size_t curve = 0; curve < kCurveCount; ++curve)
    for (QLineSeries* series : segments_[curve]) series->setName(Text(In(kCurves[curve].name, language_)));
  currentLine_->setName(Text(In(kChartCaptions.currentValue, language_)));
  measuredCgLine_->setName(Text(In(kChartCaptions.measuredCg, language_)));
  xAxis_->setTitleText(FieldTitle(field_, language_));
  yAxis_->setTitleText(Text(In(kChartCaptions.yAxis, language_)));
}

QString WhatIfChart::ToolTipNear(double x) const {
  const present::WhatIfPoint* nearest = nullptr;
  for (const present::WhatIfPoint& point : plot_.Points) {
    if (point.Results && (!nearest || std::fabs(point.X - x) < std::fabs(nearest->X - x))) nearest = &point;
  }
  if (!nearest) return {};
  QString text = Text(calc::kModelFieldCodes.at(static_cast<std::size_t>(field_))) + QStringLiteral(" = ") +
                 Text(nearest->ValueText);
  for (const Curve& curve : kCurves) {
    text += QLatin1Char('\n') + Text(In(curve.name, language_)) + QStringLiteral(": ") +
            Text(present::CellText(CellOf(curve), *nearest->Results)).trimmed();
  }
  return text;
}

void WhatIfChart::showToolTip(const QPointF& value, bool entered) {
  if (!entered) {
    QToolTip::hideText();
    return;
  }
  QToolTip::showText(QCursor::pos(), ToolTipNear(value.x()), this);
}

namespace {

// Replaces `path` with `bytes` only when all of them are written.
bool WriteWhole(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace

bool WhatIfChart::SavePng(const QString& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!grab().save(&buffer, "PNG")) return false;
  return WriteWhole(path, bytes);
}

bool WhatIfChart::SaveSvg(const QString& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size());
  generator.setViewBox(rect());
  generator.setResolution(logicalDpiX());
  generator.setTitle(window()->windowTitle());
  QPainter painter;
  if (!painter.begin(&generator)) return false;
  render(&painter);
  if (!painter.end()) return false;
  return WriteWhole(path, bytes);
}

}  // namespace ui
