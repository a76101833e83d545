#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include <QFutureWatcher>
#include <QString>
#include <QWidget>

#include "aero/vortex_lattice.h"
#include "calc/sweep.h"
#include "present/language.h"
#include "present/what_if_plot.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace ui {

class LatticeSweep;
class WhatIfPlotView;

// The what-if window: how the total neutral point and the two centre-of-
// gravity positions move when one dimension of the current model is varied
// over a range, about 1000 points computed exactly as `cgcalc-cli --sweep
// FIELD=FROM:TO:STEP` computes them (SweepArgument gives that argument).
// A non-modal tool window, objectName "WhatIfWindow". Its controls: the field
// choice "WhatIf_Field" (the fifteen dimensions in file order), the range
// "WhatIf_From" / "WhatIf_To" (numbers as calc::ReadGivenNumber reads them,
// in the units the main window's fields are typed in: the state's),
// the plot "WhatIf_Chart" (a WhatIfPlotView), the line "WhatIf_Error" for a
// range that cannot be used or runs from the larger value to the smaller
// (present::WhatIfErrorText), and the buttons "WhatIf_ExportPng" /
// "WhatIf_ExportSvg".
//
// Choosing a field sets the range to half to twice its current value (twice
// to half for a negative value, -100 to 100 for 0). Every change of the
// field, the range, the model state or the measured centre of gravity
// redraws the plot while the window is shown; while it is hidden the state is
// only kept, and the plot follows when the window is shown again. The points
// are computed on a worker thread, so that the main window never waits for
// them; a result that newer inputs have overtaken is dropped, and the plot
// says "updating…" until the newest one has arrived. Once a plot has been
// shown for kLatticeDelay without a change, the vortex lattice's neutral
// point at its points follows as a further curve, filled in as it is solved
// (LatticeSweep): a second or two of work that waits until typing pauses,
// and that any change of the inputs stops. Keys with Alt, Ctrl or Meta never
// type into the range fields.
class WhatIfWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr std::chrono::milliseconds kLatticeDelay{300};

  explicit WhatIfWindow(QWidget* parent = nullptr);
  ~WhatIfWindow() override;

  // The main window's state after a recalculation: the fifteen field texts
  // and the model record, as the sweep starts from them. The first state
  // also sets the range of the chosen field; a state in other units shows
  // the range in them.
  void SetModelState(const calc::LoadedState& state);

  // The main window's model is changing: the lattice's work for the plot
  // shown stops at once, before the new state comes through the event loop,
  // so that it takes no time from the keystroke.
  void StopLattice();

  // How the vortex lattice solves the model (the tailplane's height); its
  // curve is solved again.
  void SetLatticeOptions(const aero::VlmOptions& options);

  // The main window's last recalculation failed: the plot, of the last
  // model that calculated, shows that it is no longer current until the
  // next state arrives.
  void ShowOutdated();

  // The measured centre of gravity (mm behind the wing root's leading edge)
  // for the horizontal mark; nothing removes the mark.
  void SetMeasuredCg(std::optional<double> measuredCg);

  // Title, field descriptions, captions, legend and axis texts.
  void SetLanguage(present::Language language);

  // "FIELD=FROM:TO:STEP" as `cgcalc-cli --sweep` takes it: the chosen
  // field's code, the range fields' texts as typed (without surrounding
  // blanks, in the state's units) and the step the plot uses.
  QString SweepArgument() const;

  // Write the chart as shown to `path`, as PNG or SVG; the file is replaced
  // only when it has been written whole. False when no image could be made;
  // throws files::FileError when the file cannot be written.
  // The export buttons call these after asking for the file.
  bool ExportPng(const QString& path);
  bool ExportSvg(const QString& path);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildControls();
  void fieldChosen();
  void setDefaultRange();
  void convertRange(calc::TUnits from, calc::TUnits to);
  std::optional<double> currentValue() const;
  std::string rangeText() const;
  void refresh();
  void startComputation();
  void computationFinished();
  void updateTexts();
  void exportChosen(bool svg);

  present::Language language_ = present::Language::English;
  std::optional<calc::LoadedState> state_;
  std::optional<double> measuredCg_;
  aero::VlmOptions latticeOptions_;
  bool rangeSet_ = false;  // the range belongs to the chosen field
  bool stale_ = false;     // the plot lags behind the inputs (while hidden)
  // Counts the inputs' changes; a result computed for an older count is
  // dropped.
  std::uint64_t generation_ = 0;
  struct Computed {
    std::uint64_t generation = 0;
    present::WhatIfPlot plot;
  };
  QFutureWatcher<Computed> computation_;
  LatticeSweep* latticeSweep_;  // a child object
  QTimer* latticeDelay_;         // runs from a plot shown until its lattice starts
  QComboBox* fieldChoice_;
  QLabel* fieldCaption_;
  QLabel* fromCaption_;
  QLabel* toCaption_;
  QLineEdit* fromField_;
  QLineEdit* toField_;
  WhatIfPlotView* plotView_;
  QLabel* errorLine_;
  QPushButton* exportPngButton_;
  QPushButton* exportSvgButton_;
};

}  // namespace ui
