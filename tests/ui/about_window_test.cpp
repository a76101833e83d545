// The About window: its lines and button, showing it from the Help menu, and
// what hiding it does to the main window.
#include <functional>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "ui/platform/appearance.h"
#include "window_test.h"

namespace ui_test {
namespace {

constexpr QRgb kBlue = qRgb(0, 0, 255);

// Blue text, also where its edges are smoothed.
bool Bluish(QRgb pixel) { return qBlue(pixel) >= 160 && qRed(pixel) <= 100 && qGreen(pixel) <= 100; }

// The lines (their texts, places and looks are in the About window's listing,
// checked with the main window's layout) draw in their colour, end inside the
// window and name the project's contact, not a person's.
TEST(AboutWindowLayout, LinesDrawInTheirColourInsideTheWindow) {
  ScriptedDialogs dialogs;
  ui::ProgramWindows windows(dialogs, kTitle);
  ui::AboutWindow& about = windows.About();
  const QList<QLabel*> lines = about.findChildren<QLabel*>();
  ASSERT_EQ(lines.size(), 8);
  for (QLabel* label : lines) {
    SCOPED_TRACE(label->objectName().toStdString());
    EXPECT_FALSE(label->text().isEmpty());
    EXPECT_EQ(label->height(), ui::kLineHeight);
    EXPECT_LE(label->geometry().right(), about.width()) << "the line ends outside the window";
    const bool blue = label->palette().color(QPalette::WindowText).rgb() == kBlue;
    const QImage drawn = label->grab().toImage();
    int bluePixels = 0;
    for (int y = 0; y < drawn.height(); ++y)
      for (int x = 0; x < drawn.width(); ++x) bluePixels += Bluish(drawn.pixel(x, y));
    if (blue) {
      EXPECT_GT(bluePixels, 20) << "the text is not drawn in blue";
    } else {
      EXPECT_EQ(bluePixels, 0);
    }
    // The project's own contact only: no invented person's address.
    EXPECT_FALSE(label->text().contains(QLatin1Char('@')));
    EXPECT_FALSE(label->text().contains(QStringLiteral("http")) || label->text().contains(QStringLiteral("www")));
  }
}

// The main window's font, 363 x 244 inside, O.K. the only control Tab reaches.
// (Title, place, silver and the button's place are checked with the main window's layout.)
TEST(AboutWindowLayout, WindowAndButton) {
  ScriptedDialogs dialogs;
  ui::ProgramWindows windows(dialogs, kTitle);
  ui::AboutWindow& about = windows.About();
  EXPECT_EQ(about.geometry(), QRect(190, 202, 363, 244));
  EXPECT_EQ(about.font(), windows.Main().font());
  EXPECT_TRUE(about.windowFlags() & Qt::WindowMinMaxButtonsHint);
  QStringList tabStops;
  for (QWidget* child : about.findChildren<QWidget*>())
    if (child->focusPolicy() & Qt::TabFocus) tabStops << child->objectName();
  EXPECT_EQ(tabStops, QStringList{QStringLiteral("Button1")});
}

QPushButton& OkButtonOf(ui::AboutWindow& about) { return ChildOf<QPushButton>(about, QStringLiteral("Button1")); }

class AboutWindowTest : public WindowTest {
 protected:
  void SetUp() override { ShowWindows(); }

  // Help / About, and the About window is the active window with O.K. focused.
  void ChooseAbout() {
    Action(QStringLiteral("about1")).trigger();
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &About(); }));
    ASSERT_EQ(QApplication::focusWidget(), &OkButton());
  }

  // The About windows there are, shown or not.
  static int AboutWindowCount() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) count += qobject_cast<ui::AboutWindow*>(window) != nullptr;
    return count;
  }

  // State that a run of start changes: a saved file's name, and the span
  // edited without a recalculation.
  void PrepareState() {
    ASSERT_TRUE(folder.isValid());
    QFile::remove(ModelPath());  // else Save as would ask before replacing it
    SaveModelAs(ModelPath());
    EditFieldUnnoticed(QStringLiteral("B"), QStringLiteral("1000"));
    ASSERT_EQ(NamedLabel(QStringLiteral("Lab_St")).text(), ExpectedLabelText("default", "Lab_St"));
  }

  // start ran again: recalculated (21.5 dm² for the 1000 mm span), the file name kept.
  void ExpectStartRan() {
    EXPECT_TRUE(Main().RecalcEnabled());
    EXPECT_EQ(NamedLabel(QStringLiteral("Lab_St")).text(), QStringLiteral(" 21.5"));
    EXPECT_EQ(Main().CurrentFileName(), ModelPath());
    EXPECT_EQ(windows->Tracker().FocusedWindow(), &Main());
  }

  QString ModelPath() const { return folder.filePath(QStringLiteral("glider.dat")); }

  QTemporaryDir folder;
};

// Start-up builds no About window; the first About does.
TEST_F(AboutWindowTest, BuiltWhenFirstChosen) {
  EXPECT_EQ(AboutWindowCount(), 0);
  ChooseAbout();
  EXPECT_EQ(AboutWindowCount(), 1);
}

// About shows the one About window in front, attached to the main window, not
// modal; the main window stays usable.
TEST_F(AboutWindowTest, ShownInFrontNotModal) {
  ChooseAbout();
  EXPECT_TRUE(About().isVisible());
  EXPECT_EQ(About().windowHandle()->transientParent(), Main().windowHandle());
  // On X11 only a dialog's transient parent reaches the window manager as
  // WM_TRANSIENT_FOR (tests/e2e/window_placement_test.sh asks the X server).
  EXPECT_EQ(About().windowType(), Qt::Dialog);
  EXPECT_FALSE(About().isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(About().pos(), QPoint(190, 202));
  EXPECT_TRUE(Main().isEnabled());
  SetField(QStringLiteral("B"), QStringLiteral("1000"));
  EXPECT_EQ(NamedLabel(QStringLiteral("Lab_St")).text(), QStringLiteral(" 21.5"));
}

// About twice, with the main window in between: still one About window, in front again.
TEST_F(AboutWindowTest, ChosenTwiceIsOneWindowBroughtToFront) {
  ChooseAbout();
  Activate(Main());
  ASSERT_TRUE(About().isVisible());
  ChooseAbout();
  EXPECT_EQ(AboutWindowCount(), 1);
  ChooseAbout();
  EXPECT_EQ(AboutWindowCount(), 1);
  EXPECT_TRUE(TakeReports().isEmpty());
}

// O.K. (click, Enter, Space), Escape and the close box hide the window, and
// the main window's start runs before the hiding returns.
TEST_F(AboutWindowTest, HidingRunsStart) {
  const struct {
    const char* name;
    std::function<void(ui::AboutWindow&)> hide;
  } ways[] = {
      {"click on O.K.", [](ui::AboutWindow& about) { QTest::mouseClick(&OkButtonOf(about), Qt::LeftButton); }},
      {"Enter", [](ui::AboutWindow& about) { QTest::keyClick(&OkButtonOf(about), Qt::Key_Return); }},
      {"Space", [](ui::AboutWindow& about) { QTest::keyClick(&OkButtonOf(about), Qt::Key_Space); }},
      {"Escape", [](ui::AboutWindow& about) { QTest::keyClick(&OkButtonOf(about), Qt::Key_Escape); }},
      {"close box", [](ui::AboutWindow& about) { EXPECT_TRUE(about.close()); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    ShowWindows();
    ChooseAbout();
    PrepareState();
    way.hide(About());
    EXPECT_FALSE(About().isVisible());
    ExpectStartRan();
    EXPECT_TRUE(TakeReports().isEmpty());
  }
}

// The About window carries the program's icon, as the main window does.
TEST_F(AboutWindowTest, CarriesTheProgramsIcon) {
  ChooseAbout();
  const QIcon icon = About().windowIcon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.pixmap(32).toImage(), Main().windowIcon().pixmap(32).toImage());
  EXPECT_EQ(icon.pixmap(16).toImage(), Main().windowIcon().pixmap(16).toImage());
}

// A window the user moved comes back where it was left.
TEST_F(AboutWindowTest, KeepsItsPlaceWhenShownAgain) {
  ChooseAbout();
  About().move(300, 260);
  OkButton().click();
  ASSERT_FALSE(About().isVisible());
  // The window manager activates the main window; the offscreen platform leaves that to us.
  Activate(Main());
  ChooseAbout();
  EXPECT_EQ(About().pos(), QPoint(300, 260));
}

}  // namespace
}  // namespace ui_test
