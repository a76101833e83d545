// The keyboard of the main window as on any desktop: keys with Alt, Ctrl or
// Meta never type into a field, the menus open with their access letters,
// the file commands have their standard shortcuts, and Enter presses a
// focused push button. All with real key events on the widgets.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "window_test.h"

namespace ui_test {
namespace {

class KeyboardTest : public WindowTest {
 protected:
  void SetUp() override { ShowWindows(); }

  // The span field with the focus and the text cursor between "13" and "00".
  QLineEdit& FocusedSpan() {
    QLineEdit& span = Field(QStringLiteral("B"));
    span.setFocus();
    span.setCursorPosition(2);
    return span;
  }

  // The menu that is open now, or null; closes it.
  static QString CloseOpenMenu() {
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup) return {};
    const QString name = popup->objectName();
    popup->close();
    return name;
  }
};

// Alt+F in a field opens the File menu and types nothing: the span keeps
// "1300" (it used to become "13f00").
TEST_F(KeyboardTest, AltFInAFieldOpensTheFileMenu) {
  QLineEdit& span = FocusedSpan();
  QTest::keyClick(&span, Qt::Key_F, Qt::AltModifier);
  EXPECT_EQ(CloseOpenMenu(), QStringLiteral("File1"));
  EXPECT_EQ(span.text(), QStringLiteral("1300"));
  EXPECT_EQ(Values(), DefaultTable());
  EXPECT_FALSE(Main().isWindowModified());

  QTest::keyClick(&span, Qt::Key_H, Qt::AltModifier);
  EXPECT_EQ(CloseOpenMenu(), QStringLiteral("Help1"));
  EXPECT_EQ(span.text(), QStringLiteral("1300"));
}

// Within the menu bar and within each menu every access letter is unique,
// so that a letter always reaches one item (Save and Save as shared S).
TEST_F(KeyboardTest, AccessLettersAreUniqueInEachMenu) {
  const auto lettersOf = [](const QList<QAction*>& actions) {
    QStringList letters;
    for (const QAction* action : actions) {
      const qsizetype amp = action->text().indexOf(QLatin1Char('&'));
      if (amp >= 0) letters << action->text().mid(amp + 1, 1).toLower();
    }
    return letters;
  };
  QList<QList<QAction*>> groups = {Main().menuBar()->actions()};
  for (const QAction* entry : Main().menuBar()->actions()) groups << entry->menu()->actions();
  for (const QList<QAction*>& group : groups) {
    const QStringList letters = lettersOf(group);
    SCOPED_TRACE(letters.join(QLatin1Char(',')).toStdString());
    EXPECT_EQ(QSet<QString>(letters.begin(), letters.end()).size(), letters.size());
  }
}

// A key with Alt, Ctrl or Meta carrying a printable text (as the X server
// sends Alt+letter) changes no field, whether or not anything is bound to it.
TEST_F(KeyboardTest, KeysWithModifiersTypeNothing) {
  const struct {
    const char* name;
    char key;
    Qt::KeyboardModifiers modifiers;
  } rows[] = {
      {"Alt+X", 'x', Qt::AltModifier},         {"Alt+1", '1', Qt::AltModifier},
      {"Alt+minus", '-', Qt::AltModifier},     {"Meta+F", 'f', Qt::MetaModifier},
      {"Ctrl+Alt+E", 'e', Qt::ControlModifier | Qt::AltModifier},
      {"Ctrl+F", 'f', Qt::ControlModifier},    {"Ctrl+5", '5', Qt::ControlModifier},
      {"Alt+Shift+E", 'E', Qt::AltModifier | Qt::ShiftModifier},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    QLineEdit& span = FocusedSpan();
    QTest::keyClick(&span, row.key, row.modifiers);
    CloseOpenMenu();
    EXPECT_EQ(span.text(), QStringLiteral("1300"));
  }
  // Plain typing goes on working.
  QLineEdit& span = FocusedSpan();
  QTest::keyClick(&span, '5');
  EXPECT_EQ(span.text(), QStringLiteral("13500"));
}

// The line edit's own editing keys with Ctrl keep working: select all,
// undo, and the word-wise cursor.
TEST_F(KeyboardTest, EditingKeysWithCtrlStillWork) {
  QLineEdit& span = FocusedSpan();
  QTest::keyClick(&span, Qt::Key_A, Qt::ControlModifier);  // select all
  QTest::keyClicks(&span, QStringLiteral("900"));
  EXPECT_EQ(span.text(), QStringLiteral("900"));
  QTest::keyClick(&span, Qt::Key_Z, Qt::ControlModifier);  // undo
  EXPECT_EQ(span.text(), QStringLiteral("1300"));
  QTest::keyClick(&span, Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(span.cursorPosition(), 0);
  EXPECT_TRUE(TakeReports().isEmpty());
}

// Ctrl+S in a fresh window, the focus in the first field: there is no file
// yet, so Save opens the Save as dialog.
TEST_F(KeyboardTest, CtrlSInAFreshWindowOpensSaveAs) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath(QStringLiteral("model.dat"));
  dialogs.saveAnswers = {path};
  ASSERT_EQ(QApplication::focusWidget(), &Field(QStringLiteral("B")));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(dialogs.saveAnswers.empty()) << "the save dialog was not shown";
  EXPECT_EQ(Main().CurrentFileName(), path);
  EXPECT_TRUE(QFile::exists(path));
  EXPECT_EQ(Field(QStringLiteral("B")).text(), QStringLiteral("1300"));
}

// Each file command's shortcut, pressed in a field, runs its menu item (the
// dialogs are cancelled). The keys are the desktop's own, so some commands
// may have none here; Save as has Ctrl+Shift+S everywhere.
TEST_F(KeyboardTest, ShortcutsRunTheirMenuItems) {
  const struct {
    const char* item;
    QKeySequence key;
  } rows[] = {{"Load1", QKeySequence::Open},
              {"Save1", QKeySequence::Save},
              {"Saveas1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
              {"Print1", QKeySequence::Print},
              {"Quit1", QKeySequence::Quit}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.item);
    QAction& item = Action(QString::fromLatin1(row.item));
    EXPECT_EQ(item.shortcut(), row.key);
    if (item.shortcut().isEmpty()) continue;
    int runs = 0;
    const QMetaObject::Connection counting = QObject::connect(&item, &QAction::triggered, [&runs] { ++runs; });
    QLineEdit& span = FocusedSpan();
    dialogs.openAnswers = {std::nullopt};
    dialogs.saveAnswers = {std::nullopt};
    dialogs.printAnswers = {false};
    QTest::keySequence(&span, item.shortcut());
    QObject::disconnect(counting);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(span.text(), QStringLiteral("1300"));
  }
  // Quit, last, closes the unchanged window without asking.
  EXPECT_EQ(Main().isVisible(), Action(QStringLiteral("Quit1")).shortcut().isEmpty());
  EXPECT_TRUE(dialogs.saveChangesQuestions.empty());
}

// Enter, on the keyboard's main block or the keypad, presses the focused
// push button, as Space does.
TEST_F(KeyboardTest, EnterPressesTheFocusedButton) {
  const QString english = Main().windowTitle();
  const struct {
    const char* button;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool german;
  } rows[] = {{"Button1", Qt::Key_Return, Qt::NoModifier, true},
              {"Button2", Qt::Key_Enter, Qt::KeypadModifier, false},
              {"Button1", Qt::Key_Space, Qt::NoModifier, true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.button);
    QAbstractButton& button = Button(QString::fromLatin1(row.button));
    button.setFocus();
    ASSERT_TRUE(button.hasFocus());
    QTest::keyClick(&button, row.key, row.modifiers);
    EXPECT_EQ(Main().windowTitle() != english, row.german);
  }
}

// A click on a language button leaves the focus in the field: the digits
// typed next still go into the span.
TEST_F(KeyboardTest, ClickOnALanguageButtonKeepsTheFocus) {
  QLineEdit& span = FocusedSpan();
  const QString english = Main().windowTitle();
  QTest::mouseClick(&Button(QStringLiteral("Button1")), Qt::LeftButton);
  ASSERT_NE(Main().windowTitle(), english) << "the click missed the button";
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
  EXPECT_EQ(span.text(), QStringLiteral("13500"));
}

}  // namespace
}  // namespace ui_test
