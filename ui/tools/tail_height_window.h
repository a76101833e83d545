#pragma once

#include <optional>

#include <QString>
#include <QWidget>

#include "calc/units.h"
#include "present/language.h"

class QLabel;
class QLineEdit;
class QSettings;

namespace ui {

// How high the tailplane lies above the wing's plane, in mm, for the vortex
// lattice (aero::VlmOptions::TailHeight); the rule's calculation knows no
// height. Kept in the desktop settings (group "TailHeight") in mm as
// KeptText gives it, so that it is there again in the next run.

// The height a text gives: 0 when blank, its number when it is wholly a
// finite number (calc::ReadGivenNumber), nothing otherwise.
std::optional<double> TailHeightOf(const QString& text);
// The text kept in `settings`; empty when none is.
QString RememberedTailHeightText(QSettings& settings);
void RememberTailHeightText(QSettings& settings, const QString& text);

// The window Tools / Tailplane height: a non-modal tool window, objectName
// "TailHeightWindow", with the field "TailHeight_Input" and the line
// "TailHeight_Error", which says when the text is no number; the height then
// stays the last one that was. The height is typed and shown in the model's
// length unit (SetUnits). Every keystroke that gives a new height announces
// it. The text is kept in the settings when the window closes and when it
// is destroyed.
class TailHeightWindow : public QWidget {
  Q_OBJECT

 public:
  // `settings` must outlive the window. The field starts as it keeps it.
  explicit TailHeightWindow(QSettings& settings, QWidget* parent = nullptr);
  ~TailHeightWindow() override;

  void SetLanguage(present::Language language);
  // The field shows the height in `units`, as it was kept.
  void SetUnits(calc::TUnits units);
  // Shows the height of a model that brings its own (a document's), without
  // announcing it: the lattice already computes with it.
  void ShowHeight(double height);

 signals:
  // The field gives a new height (mm).
  void heightChanged(double height);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void textEdited();
  void updateTexts();
  // Shows keptText_ in units_ without announcing it: no edit.
  void showKeptText();

  QSettings& settings_;
  present::Language language_ = present::Language::English;
  calc::TUnits units_;
  QString keptText_;  // in mm (KeptText); the field shows it in units_
  std::optional<double> height_;
  QLabel* caption_;
  QLineEdit* input_;
  QLabel* note_;
  QLabel* errorLine_;
};

}  // namespace ui
