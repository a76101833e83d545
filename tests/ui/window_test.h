#pragma once

#include <array>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <string_view>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include "present/result_table.h"
#include "scripted_dialogs.h"
#include "ui/pictures/diagram_image.h"
#include "ui/program_windows.h"

namespace ui_test {

// The caption the tests give the program.
inline const QString kTitle = QStringLiteral("Cgcalc");

// How long the tests' main window holds back the failure report after an
// edit: long enough to see that it waits while keys are typed, short enough
// to wait for.
inline constexpr std::chrono::milliseconds kTestReportDelay{100};

// The value labels' texts in label order.
using ValueTexts = std::array<QString, present::kResultLabelCount>;

// The value labels of tests/data/expected/<model>.labels; throws when the
// file does not list one text per value label.
ValueTexts ExpectedTable(std::string_view model);
// The text of the label `name` in tests/data/expected/<model>.labels.
QString ExpectedLabelText(std::string_view model, std::string_view name);

// The table the start-up fields give, read on first use so that a stale
// record fails the tests that compare with it, not every window test.
const ValueTexts& DefaultTable();

// The child of `window` named `name`; throws when there is none of that type.
template <class Control>
Control& ChildOf(const QWidget& window, const QString& name) {
  auto* control = window.findChild<Control*>(name);
  if (!control) throw std::logic_error("no control " + name.toStdString());
  return *control;
}

// A test with the program's two windows and scripted dialogs. It reaches the
// controls by their object names and acts as a user does.
class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override;

  // The main window, hidden, as start-up creates it (but with the failure
  // report delay of the tests, unless another is given).
  void CreateWindows(std::chrono::milliseconds reportDelay = kTestReportDelay);
  // Creates it (anew), shows it and waits for its first activation.
  void ShowWindows(std::chrono::milliseconds reportDelay = kTestReportDelay);
  // Activates `window` as the window system does when the user clicks into it.
  static void Activate(QWidget& window);

  ui::MainWindow& Main() { return windows->Main(); }
  // The About window, created when first asked for.
  ui::AboutWindow& About() { return windows->About(); }

  // Controls of the main window by name.
  QLineEdit& Field(const QString& code);  // "B" for Bot_B
  QLabel& NamedLabel(const QString& name);
  QLabel& Caption(int number) { return NamedLabel(QStringLiteral("Label%1").arg(number)); }  // Label<number>
  QAbstractButton& Button(const QString& name) { return ChildOf<QAbstractButton>(Main(), name); }
  QAction& Action(const QString& name) { return ChildOf<QAction>(Main(), name); }
  QWidget& Client() { return ChildOf<QWidget>(Main(), QStringLiteral("Client")); }
  ui::DiagramImage& Diagram() { return ChildOf<ui::DiagramImage>(Main(), QStringLiteral("Image2")); }
  // The timer that holds back the failure report after an edit.
  QTimer& ReportTimer() { return ChildOf<QTimer>(Main(), QStringLiteral("FailureReportTimer")); }
  // The About window's "O.K." button.
  QPushButton& OkButton() { return ChildOf<QPushButton>(About(), QStringLiteral("Button1")); }

  // The vortex lattice's summary and warnings under the client area.
  QLabel& SecondOpinion() { return NamedLabel(QStringLiteral("Lab_Vlm")); }
  QLabel& SecondOpinionWarnings() { return NamedLabel(QStringLiteral("Lab_VlmWarning")); }
  // Waits until the summary shows an opinion as current (black); false when
  // none comes within seconds.
  bool WaitForSecondOpinion();

  ValueTexts Values();
  // Replaces a field's text as the program would (one change notification).
  void SetField(const QString& code, const QString& text) { Field(code).setText(text); }
  // Replaces a field's text without the window hearing of it, as when the
  // recalculation is paused: only the next recalculation (start's, Load's
  // or another field's) takes it in.
  void EditFieldUnnoticed(const QString& code, const QString& text);
  // Save as, answered with `path`: the model is saved there and `path`
  // becomes the current file.
  void SaveModelAs(const QString& path);
  // The texts of the reports so far, and forgets them; a report held back
  // after an edit is shown first, as when the user stops typing.
  QStringList TakeReports();
  // The window's title as the window system shows it: "[*]" becomes the
  // modified mark "*" or nothing.
  QString ShownTitle();

  ScriptedDialogs dialogs;
  std::unique_ptr<ui::ProgramWindows> windows;
};

}  // namespace ui_test
