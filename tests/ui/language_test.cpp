// The language buttons switch the title, the units line and the table's
// captions, and the warning line when there is a warning; nothing else, and
// nothing is recalculated.
#include <QMenu>

#include "window_test.h"

namespace ui_test {
namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);

// The texts of one language: title, Label14, Label1..Label13, the warning.
struct Language {
  const char* name;
  QString title;
  QString units;
  std::array<QString, 13> table;
  QString warning;
};

const Language kGerman = {
    "deutsch",
    QStringLiteral(" Statische L\u00e4ngsstabilit\u00e4t und Schwerpunktlagen bei Flugmodellen"),
    QStringLiteral("alle Angaben in Millimeter"),
    {QStringLiteral("Tragfl\u00e4che:"), QStringLiteral("H\u00f6henleitwerk:"), QStringLiteral("Gesamt:"),
     QStringLiteral("Fl\u00e4che in dm**2:"), QStringLiteral("Bezugstiefe:"), QStringLiteral("Streckung:"),
     QStringLiteral("Auftriebsanstieg:"), QStringLiteral("Neutralpunktlage:"), QStringLiteral("Neutralpunkt in %:"),
     QStringLiteral("Hebelarm:"), QStringLiteral("Abwindfaktor:"),
     QStringLiteral("Schwerpunkt bei Stabilit\u00e4t:"), QStringLiteral("Schwerpunkt bei Stabilit\u00e4t:")},
    QStringLiteral("Achtung: Streckung zu klein f\u00fcr exakte Berechnung!")};

const Language kEnglish = {
    "english",
    QStringLiteral(" Static stability and Center of Gravity positions for model airplanes"),
    QStringLiteral("all measure in millimeter"),
    {QStringLiteral("wing:"), QStringLiteral("tailplane:"), QStringLiteral("total:"), QStringLiteral("area by dm**2:"),
     QStringLiteral("mean aerodyn. chord:"), QStringLiteral("aspect ratio:"), QStringLiteral("lift slope:"),
     QStringLiteral("aerodynamic center:"), QStringLiteral("aerodynamic center by %:"), QStringLiteral("lever arm:"),
     QStringLiteral("down wash factor:"), QStringLiteral("centre of gravity by stability:"),
     QStringLiteral("centre of gravity by stability:")},
    QStringLiteral("Attention: Aspect ratio to small for exactly calculation!")};

QRgb Colour(const QWidget& widget) { return widget.palette().color(QPalette::WindowText).rgb(); }

class LanguageTest : public WindowTest {
 protected:
  void SetUp() override { ShowWindows(); }

  // Presses the language's button as the user does.
  void Press(const Language& language) {
    Button(QString::fromLatin1(&language == &kGerman ? "Button1" : "Button2")).click();
  }

  void ExpectCaptions(const Language& language) {
    // The title without the place of the modified mark.
    EXPECT_EQ(QString(Main().windowTitle()).remove(QStringLiteral("[*]")), language.title);
    EXPECT_EQ(Caption(14).text(), language.units);
    for (int number = 1; number <= 13; ++number) {
      SCOPED_TRACE(number);
      EXPECT_EQ(Caption(number).text(), language.table[number - 1]);
    }
  }

  // A rectangular wing of span 1000 and chord 201: aspect ratio just below 5.
  void MakeSmallAspectRatio() {
    SetField(QStringLiteral("Li"), QStringLiteral("201"));
    SetField(QStringLiteral("Lk"), QStringLiteral("201"));
    SetField(QStringLiteral("Vk"), QStringLiteral("0"));
    SetField(QStringLiteral("B"), QStringLiteral("1000"));
    ASSERT_LT(Main().Results().Wing.AspectRatio, 5.0);
  }
};

// Each button shows its column of captions, umlauts included, and sets the
// warning language; pressing it again changes nothing further.
TEST_F(LanguageTest, ButtonsSwitchTheCaptions) {
  for (const Language* language : {&kGerman, &kEnglish, &kGerman, &kGerman, &kEnglish, &kEnglish}) {
    SCOPED_TRACE(language->name);
    Press(*language);
    ExpectCaptions(*language);
    EXPECT_EQ(Main().Language(), language == &kEnglish ? present::Language::English : present::Language::German);
    EXPECT_EQ(NamedLabel(QStringLiteral("Label17")).text(), QString());
  }
  EXPECT_TRUE(TakeReports().isEmpty());
}

// The two centre-of-gravity rows carry the same caption in both languages.
TEST_F(LanguageTest, BothCentreOfGravityRowsAlike) {
  Press(kGerman);
  EXPECT_EQ(Caption(12).text(), QStringLiteral("Schwerpunkt bei Stabilit\u00e4t:"));
  EXPECT_EQ(Caption(13).text(), Caption(12).text());
  Press(kEnglish);
  EXPECT_EQ(Caption(12).text(), QStringLiteral("centre of gravity by stability:"));
  EXPECT_EQ(Caption(13).text(), Caption(12).text());
}

// Menus, button captions, hints, "%:", the file-name line and the values
// stay as they are; the captions keep their left edge and take the width of
// their new text.
TEST_F(LanguageTest, OnlyTheCaptionTableChanges) {
  const auto capture = [this] {
    std::vector<QString> texts;
    for (const char* item : {"Load1", "Save1", "Saveas1", "Print1", "about1"})
      texts.push_back(Action(QString::fromLatin1(item)).text());
    for (const char* menu : {"File1", "Help1"})
      texts.push_back(ChildOf<QMenu>(Main(), QString::fromLatin1(menu)).title());
    for (const char* button : {"Button1", "Button2", "LoadButton", "SaveButton"}) {
      texts.push_back(Button(QString::fromLatin1(button)).text());
      texts.push_back(Button(QString::fromLatin1(button)).toolTip());
    }
    texts.push_back(Caption(15).text());
    texts.push_back(Caption(16).text());
    texts.push_back(NamedLabel(QStringLiteral("Lab_fname")).text());
    for (const QString& value : Values()) texts.push_back(value);
    return texts;
  };
  const std::vector<QString> before = capture();
  std::array<QPoint, 14> places;
  for (int number = 1; number <= 14; ++number) places[number - 1] = Caption(number).pos();

  Press(kGerman);
  EXPECT_EQ(capture(), before);
  for (int number = 1; number <= 14; ++number) {
    SCOPED_TRACE(number);
    QLabel& label = Caption(number);
    EXPECT_EQ(label.pos(), places[number - 1]);
    EXPECT_GE(label.width(), label.fontMetrics().horizontalAdvance(label.text()));
  }
  Press(kEnglish);
  EXPECT_EQ(capture(), before);
}

// The buttons recalculate nothing: a field changed while the recalculation
// was off still shows the old results afterwards.
TEST_F(LanguageTest, NothingIsRecalculated) {
  EditFieldUnnoticed(QStringLiteral("B"), QStringLiteral("1000"));
  for (const Language* language : {&kGerman, &kEnglish}) {
    SCOPED_TRACE(language->name);
    Press(*language);
    EXPECT_EQ(Values(), DefaultTable());
    EXPECT_EQ(Main().Model().B, 1300);
  }
}

// With a warning the buttons rewrite it at once, in red, and the following
// recalculations keep the chosen language.
TEST_F(LanguageTest, WarningFollowsTheButtons) {
  MakeSmallAspectRatio();
  QLabel& warning = NamedLabel(QStringLiteral("Label17"));
  ASSERT_EQ(warning.text(), kEnglish.warning);
  for (const Language* language : {&kGerman, &kEnglish, &kGerman}) {
    SCOPED_TRACE(language->name);
    Press(*language);
    EXPECT_EQ(warning.text(), language->warning);
    EXPECT_EQ(Colour(warning), kRed);
    EXPECT_EQ(Colour(NamedLabel(QStringLiteral("Lab_Lamt"))), kRed);
    SetField(QStringLiteral("Lk"), QStringLiteral("202"));
    EXPECT_EQ(warning.text(), language->warning);
    SetField(QStringLiteral("Lk"), QStringLiteral("201"));
  }
  EXPECT_TRUE(TakeReports().isEmpty());
}

// Without a warning the buttons leave the warning line alone, whatever it
// shows: here the English warning that a recalculation stopped by the
// tailplane left standing after the wing had become long enough.
TEST_F(LanguageTest, NoWarningLeavesTheLineAlone) {
  MakeSmallAspectRatio();
  for (const char* code : {"Lih", "Lkh", "Lah"}) SetField(QString::fromLatin1(code), QStringLiteral("0"));
  SetField(QStringLiteral("B"), QStringLiteral("1300"));
  const QStringList reports = TakeReports();
  ASSERT_FALSE(reports.isEmpty());
  ASSERT_EQ(reports.constLast(), QStringLiteral("Invalid floating point operation.")) << "stopped at the tailplane";
  ASSERT_GE(Main().Results().Wing.AspectRatio, 5.0);
  QLabel& warning = NamedLabel(QStringLiteral("Label17"));
  ASSERT_EQ(warning.text(), kEnglish.warning);
  for (const Language* language : {&kGerman, &kEnglish, &kGerman}) {
    SCOPED_TRACE(language->name);
    Press(*language);
    EXPECT_EQ(warning.text(), kEnglish.warning);
  }
}

// Coming back from the About window recalculates but keeps the captions and
// the chosen warning language: the warning written then, and by the next
// recalculation, stays German.
TEST_F(LanguageTest, AboutWindowVisitKeepsTheLanguage) {
  Press(kGerman);
  MakeSmallAspectRatio();
  QLabel& warning = NamedLabel(QStringLiteral("Label17"));
  ASSERT_EQ(warning.text(), kGerman.warning);
  // Changed without a recalculation, so that the one start runs shows.
  EditFieldUnnoticed(QStringLiteral("Lk"), QStringLiteral("202"));

  About().show();
  Activate(About());
  OkButton().click();
  ASSERT_FALSE(About().isVisible());

  // start recalculated, and so rewrote the warning line.
  EXPECT_EQ(Main().Model().Lk, 202);
  ExpectCaptions(kGerman);
  EXPECT_EQ(Main().Language(), present::Language::German);
  EXPECT_EQ(warning.text(), kGerman.warning);
  SetField(QStringLiteral("Lk"), QStringLiteral("201"));
  EXPECT_EQ(warning.text(), kGerman.warning);
  Press(kEnglish);
  EXPECT_EQ(warning.text(), kEnglish.warning);
  EXPECT_TRUE(TakeReports().isEmpty());
}

}  // namespace
}  // namespace ui_test
