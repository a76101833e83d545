#pragma once

#include <array>
#include <memory>

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include "calc/result_labels.h"
#include "scripted_dialogs.h"
#include "ui/program_windows.h"

namespace ui_test {

// The caption the tests give the program.
inline const QString kTitle = QStringLiteral("Cgcalc");

// The twenty value labels' texts in writing order.
using ValueTexts = std::array<QString, calc::kResultLabelCount>;

// The table the start-up fields give.
extern const ValueTexts kDefaultTable;

// A test with the program's two windows and scripted dialogs.
class WindowTest : public ::testing::Test {
 protected:
  void TearDown() override;

  // Both windows, hidden, as start-up creates them.
  void CreateWindows();
  // Creates them (anew), shows the main window and waits for its first activation.
  void ShowWindows();
  // Activates `window` as the window system does when the user clicks into it.
  static void Activate(QWidget& window);

  ui::TForm1& Form1() { return windows->Form1(); }
  ui::TForm2& Form2() { return windows->Form2(); }
  QLineEdit& Field(const QString& code);  // "B" for Bot_B
  QLabel& NamedLabel(const QString& name);
  ValueTexts Values();
  // Replaces a field's text as the program would (one change notification).
  void SetField(const QString& code, const QString& text) { Field(code).setText(text); }
  // The texts of the reports so far, and forgets them.
  QStringList TakeReports();

  ScriptedDialogs dialogs;
  std::unique_ptr<ui::ProgramWindows> windows;
};

}  // namespace ui_test
