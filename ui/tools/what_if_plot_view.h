#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include <QElapsedTimer>
#include <QPolygonF>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "present/language.h"
#include "present/what_if_plot.h"
#include "ui/tools/lattice_sweep.h"

class QPainter;

namespace ui {

// A dimension's code and a short description ("B – wing span"), for the
// what-if window's field choice and the plot's axis. `field` is 0..14 in
// file order.
QString FieldTitle(int field, present::Language language);

// The what-if plot, drawn with QPainter: the total neutral point and the two
// centre-of-gravity positions (behind the wing root's leading edge, in the
// plot's units: present::WhatIfPlot::Units) against one dimension, broken where points failed, the vortex lattice's
// neutral point beside them as far as it has been solved, with a dashed vertical
// line at the dimension's current value, a magenta horizontal one at the
// measured centre of gravity, axes with ticks from the data alone and a
// legend. Hovering within kHoverPixels of a curve shows the nearest point's
// value and its result labels in a tooltip. objectName "WhatIf_Chart".
//
// The plot repaints at most once per frame, however often it changes; while
// it lags behind the inputs it says "updating…", and a plot of a model that
// no longer calculates is grey with a note.
class WhatIfPlotView : public QWidget {
  Q_OBJECT

 public:
  static constexpr std::size_t kCurveCount = 3;
  static constexpr int kHoverPixels = 6;

  explicit WhatIfPlotView(QWidget* parent = nullptr);

  // The marks: the varied field's current value (in the plot's units) and
  // the measured centre of gravity (mm); nothing hides a mark.
  struct Marks {
    std::optional<double> currentValue;
    std::optional<double> measuredCg;
  };

  // Draws `plot`, field `field` varied (0..14), with `marks`; it is no
  // longer updating. The vortex lattice's curve starts afresh, empty.
  void Show(present::WhatIfPlot plot, int field, const Marks& marks);
  const present::WhatIfPlot& Plot() const { return plot_; }

  // Counts the lattice curves begun (by Show and ClearLattice): a sweep's
  // points belong to the curve of one count.
  std::uint64_t LatticeGeneration() const { return latticeGeneration_; }
  // The vortex lattice's neutral point at points of the plot, for the curve
  // of generation `plot`, as they are solved: the curve runs through the
  // points solved so far and breaks at one without an answer. Points of
  // another generation are dropped.
  void AddLatticePoints(std::uint64_t plot, const std::vector<LatticeSweep::Point>& points);
  // The lattice's curve starts afresh, empty, the plot staying.
  void ClearLattice();
  // Every point of the plot has the lattice's answer.
  bool LatticeComplete() const { return latticeSolved_ == lattice_.size(); }
  // The lattice's curve in plot units, one polygon per unbroken piece.
  const std::vector<QPolygonF>& LatticePieces() const { return latticePieces_; }

  // Moves the marks, the plot staying as it is.
  void SetMarks(const Marks& marks);
  const Marks& CurrentMarks() const { return marks_; }

  void SetLanguage(present::Language language);

  // The plot lags behind the inputs: a newer one is being computed.
  void SetUpdating(bool updating);
  bool IsUpdating() const { return updating_; }

  // The plot belongs to a model that no longer calculates: grey, with a note.
  void SetOutdated(bool outdated);
  bool IsOutdated() const { return outdated_; }

  // What the plot draws: each curve's pieces (in plot units, one per run of
  // successful points; curves in the order neutral point, rearmost CG,
  // foremost CG), the axes, the legend's entries and the note over the plot
  // (empty when it shows its current model).
  const std::vector<QPolygonF>& Pieces(std::size_t curve) const { return pieces_[curve]; }
  const present::PlotAxis& XAxis() const { return xAxis_; }
  // The horizontal axis as its ticks are drawn: as many as their labels fit
  // side by side at the widget's width.
  present::PlotAxis XTickAxis() const;
  // Where its tick labels are drawn, in widget pixels: each centred under
  // its tick as far as the widget allows.
  std::vector<QRectF> XTickLabels() const { return xTickRects(XTickAxis(), plotArea()); }
  const present::PlotAxis& YAxis() const { return yAxis_; }
  QStringList LegendEntries() const;
  QString Note() const;

  // Where the plot point `value` is drawn, in widget pixels.
  QPointF PixelOf(QPointF value) const;

  // The tooltip at widget pixel `pixel`: that of the nearest point when a
  // curve (the lattice's too) passes within kHoverPixels above or below;
  // empty elsewhere. It names the point's value, its result labels and the
  // lattice's neutral point there once solved.
  QString ToolTipAt(QPointF pixel) const;

  // Writes the plot as shown, at the widget's size, replacing `path` only
  // when the whole image has been written. False when no image could be
  // made; throws files::FileError when the file cannot be written.
  bool SavePng(const QString& path);
  bool SaveSvg(const QString& path);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // The legend's entries [first, end) that stand on one row, and its width.
  struct LegendRow {
    qsizetype first = 0;
    qsizetype end = 0;
    double width = 0;
  };
  std::vector<LegendRow> legendRows() const;
  QRectF plotArea() const;
  QPointF pixelIn(const QRectF& area, QPointF value) const;
  void updateAxes();
  std::vector<QRectF> xTickRects(const present::PlotAxis& axis, const QRectF& area) const;
  bool latticeAnswer(std::size_t point) const;
  // A position (mm) in the plot's units.
  double plotted(double millimetres) const;
  void updateLatticePieces();
  void requestFrame();
  void frameDue();
  void paint(QPainter& painter) const;
  void paintAxes(QPainter& painter, const QRectF& area) const;
  void paintCurvesAndMarks(QPainter& painter, const QRectF& area) const;
  void paintLegend(QPainter& painter, const QRectF& area) const;
  QString toolTipFor(const present::WhatIfPoint& point) const;

  present::Language language_ = present::Language::English;
  present::WhatIfPlot plot_;
  int field_ = 0;
  Marks marks_;
  bool updating_ = false;
  bool outdated_ = false;
  std::array<std::vector<QPolygonF>, kCurveCount> pieces_;
  // By plot point: nothing until solved, then the lattice's neutral point,
  // NaN where it has none.
  std::vector<std::optional<double>> lattice_;
  std::size_t latticeSolved_ = 0;
  std::uint64_t latticeGeneration_ = 0;
  std::vector<QPolygonF> latticePieces_;
  present::PlotAxis xAxis_;
  present::PlotAxis yAxis_;
  // Repaints wait for the next frame once one has been painted in this one:
  // the timer runs to the end of the frame that was painted last.
  QElapsedTimer lastFrame_;
  QTimer frameTimer_;
  // Runs from the start of an update until the "updating…" note is due.
  QTimer noteTimer_;
};

}  // namespace ui
