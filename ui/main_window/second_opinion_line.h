#pragma once

#include <optional>

#include <QStatusBar>

#include "aero/comparison.h"
#include "calc/units.h"
#include "present/language.h"

namespace ui {

class ElidingLabel;

// The strip under the main window's client area with the vortex lattice's
// second opinion, objectName "StatusBar1": the summary line "Lab_Vlm" (the
// lattice's neutral point and how far it lies from the rule's) and under it
// "Lab_VlmWarning": the warnings that apply, red and bold, saying what to do
// (present::Warnings); without one, the plain note that the lattice's
// neutral point lies further aft (present::Note), in the normal colour. A
// line shows what fits of its text, and the whole text as its tooltip when
// that is cut.
//
// The opinion shown is the newest model's (black), or one that no longer is:
// grey and marked "…" while a newer model is being solved, grey without the
// mark after the main window's recalculation failed. Empty until the first
// opinion arrives.
class SecondOpinionLine : public QStatusBar {
  Q_OBJECT

 public:
  explicit SecondOpinionLine(QWidget* parent);

  // The newest model's opinion; nothing when the lattice had nothing to solve.
  void ShowCurrent(const std::optional<aero::Comparison>& comparison);
  // A newer model is being solved.
  void ShowPending();
  // The fields describe no model: the recalculation failed.
  void ShowOutdated();
  void SetLanguage(present::Language language);
  // The units its positions are written in.
  void SetUnits(calc::TUnits units);

 signals:
  // The line has been painted for the first time: the window's first frame
  // is on screen.
  void firstPainted();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  enum class State { Current, Pending, Outdated };
  // The texts of the opinion in the language and units, made when any of
  // them changes.
  void composeTexts();
  // The lines' marks and colours for the state.
  void restyle();

  present::Language language_ = present::Language::English;
  calc::TUnits units_;
  bool painted_ = false;
  bool hasOpinion_ = false;
  std::optional<aero::Comparison> comparison_;
  State state_ = State::Current;
  QString summaryText_;
  QString warningsText_;  // the warnings, or the note
  bool warns_ = false;     // warningsText_ holds warnings
  ElidingLabel* summary_;
  ElidingLabel* warnings_;
};

}  // namespace ui
