#include "window_test.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QTest>

#include "expected_labels.h"
#include "ui/platform/appearance.h"

namespace ui_test {

void WindowTest::TearDown() { windows.reset(); }

ValueTexts ExpectedTable(std::string_view model) {
  const std::vector<std::string> texts = test_support::ExpectedValueTexts(model);
  ValueTexts table;
  if (texts.size() != table.size()) throw std::runtime_error("not one text per value label: " + std::string(model));
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = QString::fromStdString(texts[i]);
  return table;
}

QString ExpectedLabelText(std::string_view model, std::string_view name) {
  return QString::fromStdString(test_support::ExpectedText(model, name));
}

const ValueTexts& DefaultTable() {
  static const ValueTexts table = ExpectedTable("default");
  return table;
}

void WindowTest::CreateWindows(std::chrono::milliseconds reportDelay) {
  windows.reset();
  dialogs.reports.clear();
  windows = std::make_unique<ui::ProgramWindows>(dialogs, kTitle, reportDelay);
}

void WindowTest::ShowWindows(std::chrono::milliseconds reportDelay) {
  CreateWindows(reportDelay);
  windows->Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
  ASSERT_TRUE(Main().RecalcEnabled()) << "the first activation did not run start";
}

void WindowTest::Activate(QWidget& window) {
  window.activateWindow();
  // isActiveWindow() also holds for a dialog whose parent is active; the
  // application's active window is the one that has the keyboard.
  ASSERT_TRUE(QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }));
  ASSERT_TRUE(QApplication::focusWidget() == nullptr || QApplication::focusWidget()->window() == &window);
}

QLineEdit& WindowTest::Field(const QString& code) {
  return ChildOf<QLineEdit>(Main(), QStringLiteral("Bot_") + code);
}

QLabel& WindowTest::NamedLabel(const QString& name) { return ChildOf<QLabel>(Main(), name); }

bool WindowTest::WaitForSecondOpinion() {
  return QTest::qWaitFor([this] {
    return !SecondOpinion().text().isEmpty() && ui::TextColour(SecondOpinion()) == ui::kBlack;
  });
}

ValueTexts WindowTest::Values() {
  ValueTexts texts;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::string_view name = present::CellsInLabelOrder()[i]->name;
    texts[i] = NamedLabel(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))).text();
  }
  return texts;
}

void WindowTest::EditFieldUnnoticed(const QString& code, const QString& text) {
  QLineEdit& field = Field(code);
  const QSignalBlocker quiet(field);
  field.setText(text);
}

void WindowTest::SaveModelAs(const QString& path) {
  dialogs.saveAnswers = {path};
  Action(QStringLiteral("Saveas1")).trigger();
  ASSERT_TRUE(dialogs.saveAnswers.empty()) << "the save dialog was not shown";
  ASSERT_EQ(Main().CurrentFileName(), path);
}

QStringList WindowTest::TakeReports() {
  // The report the window holds back after an edit comes now, as if the
  // user had stopped typing.
  if (windows && ReportTimer().isActive()) {
    EXPECT_TRUE(QMetaObject::invokeMethod(&ReportTimer(), "timeout"));
  }
  QStringList texts;
  for (const ScriptedDialogs::Report& report : dialogs.reports) {
    EXPECT_EQ(report.title, kTitle);
    texts << report.text;
  }
  dialogs.reports.clear();
  return texts;
}

QString WindowTest::ShownTitle() {
  QString title = Main().windowTitle();
  return title.replace(QStringLiteral("[*]"), Main().isWindowModified() ? QStringLiteral("*") : QString());
}

}  // namespace ui_test
