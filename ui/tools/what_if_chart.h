#pragma once

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include <QChartView>
#include <QString>

#include "present/language.h"
#include "present/what_if_plot.h"

class QLineSeries;
class QValueAxis;

namespace ui {

// A dimension's code and a short description ("B – wing span"), for the
// what-if window's field choice and the plot's axis. `field` is 0..14 in
// file order.
QString FieldTitle(int field, present::Language language);

// The what-if plot: the total neutral point and the two centre-of-gravity
// positions (mm behind the wing root's leading edge) against one dimension,
// with a vertical line at the dimension's current value and a horizontal one
// at the measured centre of gravity. A curve is broken where points failed:
// each run of successful points is a series of its own, named after the
// curve's cell ("Lab_Rnp", "Lab_Rsp1", "Lab_Rsp2"); only the first of a
// curve shows in the legend. The marks are series "WhatIf_Current" and
// "WhatIf_MeasuredCg". Hovering over a curve shows the nearest point's
// value and its result labels in a tooltip.
class WhatIfChart : public QChartView {
  Q_OBJECT

 public:
  explicit WhatIfChart(QWidget* parent = nullptr);

  // The marks: the varied field's current value and the measured centre of
  // gravity; nothing hides a mark.
  struct Marks {
    std::optional<double> currentValue;
    std::optional<double> measuredCg;
  };

  // Draws `plot`, field `field` varied (0..14), with `marks`, and keeps the
  // plot for the tooltips.
  void Show(present::WhatIfPlot plot, int field, const Marks& marks);
  const present::WhatIfPlot& Plot() const { return plot_; }

  // Moves the marks, the plot staying as it is.
  void SetMarks(const Marks& marks);

  void SetLanguage(present::Language language);

  // The tooltip text for the point nearest to `x` on the varied dimension's
  // axis; empty when no point succeeded.
  QString ToolTipNear(double x) const;

  // Writes the chart as shown, at the view's size, replacing `path` only
  // when the whole image has been written. False when the file cannot be
  // written.
  bool SavePng(const QString& path);
  bool SaveSvg(const QString& path);

 private:
  static constexpr std::size_t kCurveCount = 3;

  QLineSeries* addSeries(const QString& name);
  void fitSegmentCount(std::size_t curve, std::size_t count);
  void updateAxesAndMarks();
  void updateTexts();
  void showToolTip(const QPointF& value, bool entered);

  present::Language language_ = present::Language::English;
  present::WhatIfPlot plot_;
  int field_ = 0;
  Marks marks_;
  // The vertical axis's range before it was rounded to nice numbers: the
  // range is set (and rounded) only when this changes.
  std::pair<double, double> unroundedYRange_{0, 0};
  QValueAxis* xAxis_;
  QValueAxis* yAxis_;
  std::array<std::vector<QLineSeries*>, kCurveCount> segments_;
  QLineSeries* currentLine_;
  QLineSeries* measuredCgLine_;
};

}  // namespace ui
