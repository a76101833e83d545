// The About window: its lines and button, showing it from the Help menu, and
// what hiding it does to the main window.
#include <functional>

#include <QAction>
#include <QApplication>
#include <QTest>

#include "ui/look.h"
#include "window_test.h"

namespace ui_test {
namespace {

constexpr QRgb kBlue = qRgb(0, 0, 255);

// Blue text, also where its edges are smoothed.
bool Bluish(QRgb pixel) { return qBlue(pixel) >= 160 && qRed(pixel) <= 100 && qGreen(pixel) <= 100; }

enum class Look { BlueBoldOnButtonFace, BlueBold, BoldItalic, Plain };

struct LineRow {
  int number;  // Label<number>
  int left, top;
  const char* text;  // UTF-8
  Look look;
};

TEST(AboutWindowLayout, LinesStandWhereTheyBelong) {
  const LineRow rows[] = {
      {1, 40, 16, "Programm berechnet anhand der L\u00e4ngsstabilit\u00e4t ", Look::BlueBoldOnButtonFace},
      {7, 48, 32, "einen g\u00fcnstigen Bereich f\u00fcr den Schwerpunkt ", Look::BlueBoldOnButtonFace},
      {2, 32, 64, "Program calculates area for good Centre of Gravity ", Look::BlueBold},
      {8, 64, 80, "by take into account of static stability", Look::BlueBoldOnButtonFace},
      {4, 88, 104, "Idee und Formeln: cgcalc authors", Look::BoldItalic},
      {6, 128, 128, "Kontakt: Issue-Tracker des cgcalc-Projekts", Look::Plain},
      {5, 88, 152, "Umsetzung: cgcalc authors", Look::BoldItalic},
      {3, 80, 176, "Contact: the cgcalc project's issue tracker", Look::Plain},
  };
  ScriptedDialogs dialogs;
  ui::ProgramWindows windows(dialogs, kTitle);
  ui::TForm2& about = windows.Form2();
  const QRgb windowText = about.palette().color(QPalette::WindowText).rgb();
  for (const LineRow& row : rows) {
    SCOPED_TRACE(row.number);
    QLabel* label = about.findChild<QLabel*>(QStringLiteral("Label%1").arg(row.number));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label, about.Label(row.number));
    EXPECT_EQ(label->text(), QString::fromUtf8(row.text));
    EXPECT_EQ(label->pos(), QPoint(row.left, row.top));
    EXPECT_EQ(label->height(), ui::kLineHeight);
    EXPECT_EQ(label->width(), label->sizeHint().width());
    EXPECT_LE(label->geometry().right(), about.width()) << "the line ends outside the window";
    const bool blue = row.look == Look::BlueBoldOnButtonFace || row.look == Look::BlueBold;
    EXPECT_EQ(label->palette().color(QPalette::WindowText).rgb(), blue ? kBlue : windowText);
    const QImage drawn = label->grab().toImage();
    int bluePixels = 0;
    for (int y = 0; y < drawn.height(); ++y)
      for (int x = 0; x < drawn.width(); ++x) bluePixels += Bluish(drawn.pixel(x, y));
    if (blue) {
      EXPECT_GT(bluePixels, 20) << "the text is not drawn in blue";
    } else {
      EXPECT_EQ(bluePixels, 0);
    }
    EXPECT_EQ(label->font().bold(), row.look != Look::Plain);
    EXPECT_EQ(label->font().italic(), row.look == Look::BoldItalic);
    EXPECT_EQ(label->font().pixelSize(), 11);
    const bool onButtonFace = row.look == Look::BlueBoldOnButtonFace;
    EXPECT_EQ(label->autoFillBackground(), onButtonFace);
    if (onButtonFace) {
      EXPECT_EQ(label->backgroundRole(), QPalette::Button);
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
  ui::TForm2& about = windows.Form2();
  EXPECT_EQ(about.geometry(), QRect(190, 202, 363, 244));
  EXPECT_EQ(about.font(), windows.Form1().font());
  EXPECT_TRUE(about.windowFlags() & Qt::WindowMinMaxButtonsHint);
  QStringList tabStops;
  for (QWidget* child : about.findChildren<QWidget*>())
    if (child->focusPolicy() & Qt::TabFocus) tabStops << child->objectName();
  EXPECT_EQ(tabStops, QStringList{QStringLiteral("Button1")});
}

class AboutWindowTest : public WindowTest {
 protected:
  void SetUp() override { ShowWindows(); }

  // Help / About, and the About window is the active window with O.K. focused.
  void ChooseAbout() {
    Form1().about1->trigger();
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &Form2(); }));
    ASSERT_EQ(QApplication::focusWidget(), Form2().Button1);
  }

  // The About windows there are, shown or not.
  static int AboutWindowCount() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) count += qobject_cast<ui::TForm2*>(window) != nullptr;
    return count;
  }

  // State that a run of start changes: recalculation off, the span edited
  // meanwhile, a loaded file's name.
  void PrepareState() {
    Form1().CurrentFileName = QStringLiteral("/models/glider.dat");
    Form1().RecalcEnabled = false;
    SetField(QStringLiteral("B"), QStringLiteral("1000"));
    ASSERT_EQ(NamedLabel(QStringLiteral("Lab_St")).text(), QStringLiteral(" 28.0"));
  }

  // start ran again: recalculated (21.5 dm² for the 1000 mm span), the file name kept.
  void ExpectStartRan() {
    EXPECT_TRUE(Form1().RecalcEnabled);
    EXPECT_EQ(NamedLabel(QStringLiteral("Lab_St")).text(), QStringLiteral(" 21.5"));
    EXPECT_EQ(Form1().CurrentFileName, QStringLiteral("/models/glider.dat"));
    EXPECT_EQ(windows->Tracker().FocusedWindow(), &Form1());
  }
};

// About shows the one About window in front, not modal; the main window stays usable.
TEST_F(AboutWindowTest, ShownInFrontNotModal) {
  ChooseAbout();
  EXPECT_TRUE(Form2().isVisible());
  EXPECT_FALSE(Form2().isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(Form2().pos(), QPoint(190, 202));
  EXPECT_TRUE(Form1().isEnabled());
  SetField(QStringLiteral("B"), QStringLiteral("1000"));
  EXPECT_EQ(NamedLabel(QStringLiteral("Lab_St")).text(), QStringLiteral(" 21.5"));
}

// About twice, with the main window in between: still one About window, in front again.
TEST_F(AboutWindowTest, ChosenTwiceIsOneWindowBroughtToFront) {
  ChooseAbout();
  Activate(Form1());
  ASSERT_TRUE(Form2().isVisible());
  ChooseAbout();
  EXPECT_EQ(AboutWindowCount(), 1);
  ChooseAbout();
  EXPECT_EQ(AboutWindowCount(), 1);
  EXPECT_TRUE(TakeReports().isEmpty());
}

// O.K. (click, Enter, Space) and the close box hide the window, and the
// main window's start runs before the hiding returns.
TEST_F(AboutWindowTest, HidingRunsStart) {
  const struct {
    const char* name;
    std::function<void(ui::TForm2&)> hide;
  } ways[] = {
      {"click on O.K.", [](ui::TForm2& about) { QTest::mouseClick(about.Button1, Qt::LeftButton); }},
      {"Enter", [](ui::TForm2& about) { QTest::keyClick(about.Button1, Qt::Key_Return); }},
      {"Space", [](ui::TForm2& about) { QTest::keyClick(about.Button1, Qt::Key_Space); }},
      {"close box", [](ui::TForm2& about) { EXPECT_TRUE(about.close()); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    ShowWindows();
    ChooseAbout();
    PrepareState();
    way.hide(Form2());
    EXPECT_FALSE(Form2().isVisible());
    ExpectStartRan();
    EXPECT_TRUE(TakeReports().isEmpty());
  }
}

// A window the user moved comes back where it was left.
TEST_F(AboutWindowTest, KeepsItsPlaceWhenShownAgain) {
  ChooseAbout();
  Form2().move(300, 260);
  Form2().Button1Click();
  ASSERT_FALSE(Form2().isVisible());
  // The window manager activates the main window; the offscreen platform leaves that to us.
  Activate(Form1());
  ChooseAbout();
  EXPECT_EQ(Form2().pos(), QPoint(300, 260));
}

}  // namespace
}  // namespace ui_test
