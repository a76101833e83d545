// The language buttons switch the title, the units line and the table's
// captions, and the warning line when there is a warning; nothing else, and
// nothing is recalculated.
#include <QPushButton>
#include <QToolButton>

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
    (&language == &kGerman ? Form1().Button1 : Form1().Button2)->click();
  }

  void ExpectCaptions(const Language& language) {
    EXPECT_EQ(Form1().windowTitle(), language.title);
    EXPECT_EQ(Form1().Label(14)->text(), language.units);
    for (int number = 1; number <= 13; ++number) {
      SCOPED_TRACE(number);
      EXPECT_EQ(Form1().Label(number)->text(), language.table[number - 1]);
    }
  }

  // A rectangular wing of span 1000 and chord 201: aspect ratio just below 5.
  void MakeSmallAspectRatio() {
    SetField(QStringLiteral("Li"), QStringLiteral("201"));
    SetField(QStringLiteral("Lk"), QStringLiteral("201"));
    SetField(QStringLiteral("Vk"), QStringLiteral("0"));
    SetField(QStringLiteral("B"), QStringLiteral("1000"));
    ASSERT_LT(Form1().Results().Wing.AspectRatio, 5.0);
  }
};

// Each button shows its column of captions, umlauts included, and sets the
// warning language; pressing it again changes nothing further.
TEST_F(LanguageTest, ButtonsSwitchTheCaptions) {
  for (const Language* language : {&kGerman, &kEnglish, &kGerman, &kGerman, &kEnglish, &kEnglish}) {
    SCOPED_TRACE(language->name);
    Press(*language);
    ExpectCaptions(*language);
    EXPECT_EQ(Form1().LanguageEnglish, language == &kEnglish);
    EXPECT_EQ(NamedLabel(QStringLiteral("Label17")).text(), QString());
  }
  EXPECT_TRUE(TakeReports().isEmpty());
}

// The two centre-of-gravity rows carry the same caption in both languages.
TEST_F(LanguageTest, BothCentreOfGravityRowsAlike) {
  Press(kGerman);
  EXPECT_EQ(Form1().Label(12)->text(), QStringLiteral("Schwerpunkt bei Stabilit\u00e4t:"));
  EXPECT_EQ(Form1().Label(13)->text(), Form1().Label(12)->text());
  Press(kEnglish);
  EXPECT_EQ(Form1().Label(12)->text(), QStringLiteral("centre of gravity by stability:"));
  EXPECT_EQ(Form1().Label(13)->text(), Form1().Label(12)->text());
}

// Menus, button captions, hints, "%:", the file-name line and the values
// stay as they are; the captions keep their left edge and take the width of
// their new text.
TEST_F(LanguageTest, OnlyTheCaptionTableChanges) {
  const auto capture = [this] {
    std::vector<QString> texts;
    for (QAction* item : {Form1().Load1, Form1().Save1, Form1().Saveas1, Form1().Print1, Form1().about1})
      texts.push_back(item->text());
    texts.push_back(Form1().File1->title());
    texts.push_back(Form1().Help1->title());
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{Form1().Button1, Form1().Button2,
                                                                          Form1().LoadButton, Form1().SaveButton}) {
      texts.push_back(button->text());
      texts.push_back(button->toolTip());
    }
    texts.push_back(Form1().Label(15)->text());
    texts.push_back(Form1().Label(16)->text());
    texts.push_back(Form1().Lab_fname->text());
    for (const QString& value : Values()) texts.push_back(value);
    return texts;
  };
  const std::vector<QString> before = capture();
  std::array<QPoint, 14> places;
  for (int number = 1; number <= 14; ++number) places[number - 1] = Form1().Label(number)->pos();

  Press(kGerman);
  EXPECT_EQ(capture(), before);
  for (int number = 1; number <= 14; ++number) {
    SCOPED_TRACE(number);
    QLabel& label = *Form1().Label(number);
    EXPECT_EQ(label.pos(), places[number - 1]);
    EXPECT_GE(label.width(), label.fontMetrics().horizontalAdvance(label.text()));
  }
  Press(kEnglish);
  EXPECT_EQ(capture(), before);
}

// The buttons recalculate nothing: a field changed while the recalculation
// was off still shows the old results afterwards.
TEST_F(LanguageTest, NothingIsRecalculated) {
  Form1().RecalcEnabled = false;
  SetField(QStringLiteral("B"), QStringLiteral("1000"));
  Form1().RecalcEnabled = true;
  for (const Language* language : {&kGerman, &kEnglish}) {
    SCOPED_TRACE(language->name);
    Press(*language);
    EXPECT_EQ(Values(), kDefaultTable);
    EXPECT_EQ(Form1().Model().B, 1300);
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

// Without a warning the buttons leave the warning line alone, whatever it shows.
TEST_F(LanguageTest, NoWarningLeavesTheLineAlone) {
  QLabel& warning = NamedLabel(QStringLiteral("Label17"));
  warning.setText(QStringLiteral("left by someone"));
  for (const Language* language : {&kGerman, &kEnglish}) {
    SCOPED_TRACE(language->name);
    Press(*language);
    EXPECT_EQ(warning.text(), QStringLiteral("left by someone"));
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
  Form1().RecalcEnabled = false;
  SetField(QStringLiteral("Lk"), QStringLiteral("202"));
  warning.setText(QString());

  Form2().show();
  Activate(Form2());
  Form2().Button1Click();
  ASSERT_FALSE(Form2().isVisible());

  EXPECT_TRUE(Form1().RecalcEnabled);
  EXPECT_EQ(Form1().Model().Lk, 202);
  ExpectCaptions(kGerman);
  EXPECT_FALSE(Form1().LanguageEnglish);
  EXPECT_EQ(warning.text(), kGerman.warning);
  SetField(QStringLiteral("Lk"), QStringLiteral("201"));
  EXPECT_EQ(warning.text(), kGerman.warning);
  Press(kEnglish);
  EXPECT_EQ(warning.text(), kEnglish.warning);
  EXPECT_TRUE(TakeReports().isEmpty());
}

}  // namespace
}  // namespace ui_test
