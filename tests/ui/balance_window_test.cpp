// The balance check window: what typing into its fields shows, the choice of
// supports, its errors, the language, and the inputs kept between runs.
#include "ui/tools/balance_window.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "aero/comparison.h"
#include "calc/fields.h"
#include "calc/stability.h"
#include "calc/units.h"
#include "cli/program.h"
#include "control_listing.h"
#include "present/balance_rows.h"
#include "present/second_opinion.h"
#include "qstring_printer.h"
#include "ui/platform/appearance.h"
#include "window_test.h"

namespace ui_test {
namespace {

const std::string kDefaultModelFile = CGCALC_EXAMPLES_DIR "/default.dat";

// The results the main window shows for its start-up fields.
calc::TStabilityData DefaultModelResults() {
  calc::TModelData model;
  calc::TStabilityData results;
  calc::Recalculate(calc::DefaultFieldTexts(), model, results);
  return results;
}

// name -> text of "NAME\tTEXT" lines whose name starts with "Bal_".
std::map<std::string, std::string> BalanceLines(std::istream& lines) {
  std::map<std::string, std::string> texts;
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t tab = line.find('\t');
    if (line.starts_with("Bal_") && tab != std::string::npos) texts[line.substr(0, tab)] = line.substr(tab + 1);
  }
  return texts;
}

// What `cgcalc-cli --labels` prints for the default model with the balance
// options `options`.
std::map<std::string, std::string> CliBalanceLabels(std::vector<std::string> options) {
  options.insert(options.begin(), "--labels");
  options.push_back(kDefaultModelFile);
  std::ostringstream out, err;
  EXPECT_EQ(cli::RunCli(options, out, err), cli::kExitSuccess) << err.str();
  std::istringstream lines(out.str());
  return BalanceLines(lines);
}

class BalanceWindowTest : public ::testing::Test {
 protected:
  BalanceWindowTest() : settings(folder.filePath(QStringLiteral("cgcalc.ini")), QSettings::IniFormat) {}

  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    OpenWindow();
  }

  // A new window on the same settings, as in the next run of the program,
  // with the default model's results.
  void OpenWindow() {
    window.reset();
    window = std::make_unique<ui::BalanceWindow>(settings);
    window->SetResults(DefaultModelResults());
    window->show();
  }

  // A new window on settings holding no inputs; the old window writes its
  // own first, as it closes.
  void OpenWindowWithoutInputs() {
    window.reset();
    settings.clear();
    OpenWindow();
  }

  QLineEdit& Input(const char* name) { return ChildOf<QLineEdit>(*window, QString::fromLatin1(name)); }
  QLabel& Output(std::string_view name) { return ChildOf<QLabel>(*window, QString::fromUtf8(name)); }
  QRadioButton& Choice(const char* name) { return ChildOf<QRadioButton>(*window, QString::fromLatin1(name)); }
  QString ErrorLine() { return ChildOf<QLabel>(*window, QStringLiteral("Bal_Error")).text(); }

  // Replaces a field's text by typing, one keystroke at a time.
  void Type(const char* name, const char* text) {
    QLineEdit& field = Input(name);
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClicks(&field, QString::fromUtf8(text));
  }

  // Every output row's text.
  std::map<std::string, std::string> Outputs() {
    std::map<std::string, std::string> texts;
    for (const present::BalanceRow& row : present::BalanceRows())
      texts[std::string(row.name)] = Output(row.name).text().toStdString();
    return texts;
  }

  void ExpectNoOutputs() {
    for (const present::BalanceRow& row : present::BalanceRows()) EXPECT_EQ(Output(row.name).text(), QString());
  }

  QTemporaryDir folder;
  QSettings settings;
  std::unique_ptr<ui::BalanceWindow> window;
};

// The window's title and its own object name.
TEST_F(BalanceWindowTest, TitleAndName) {
  EXPECT_EQ(window->objectName(), QStringLiteral("BalanceWindow"));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Balance check"));
  EXPECT_FALSE(window->isModal());
  // Opened to type a number: the keys go to the centre of gravity's field.
  EXPECT_EQ(window->focusWidget(), &Input("Bal_CgInput"));
}

// CG 100, 2000 g, ballast 100 mm ahead of the wing on the default model:
// tail-heavy, and 111.2 g of ballast bring it into range (worked by hand).
TEST_F(BalanceWindowTest, TailHeavyDefaultModelAsksForBallast) {
  Type("Bal_CgInput", "100");
  Type("Bal_MassInput", "2000");
  Type("Bal_StationInput", "-100");
  std::ifstream expected(CGCALC_TEST_DATA_DIR "/expected/balance-default-cg100-mass2000-at-minus100.labels");
  ASSERT_TRUE(expected) << "expected outputs missing";
  EXPECT_EQ(Outputs(), BalanceLines(expected));
  EXPECT_EQ(Output("Bal_Verdict").text(), QStringLiteral("tail-heavy"));
  EXPECT_EQ(Output("Bal_Ballast").text(), QStringLiteral(" 111.2"));
  EXPECT_EQ(ErrorLine(), QString());
}

struct TypedInputs {
  const char* name;
  bool supports;                                        // the choice of two supports
  std::vector<std::pair<const char*, const char*>> typed;  // field, text
  std::vector<std::string> cliOptions;                  // the same inputs for cgcalc-cli
};

// Typing shows the rows cgcalc-cli prints for the same inputs, whichever
// choice, number form and combination of optional fields.
TEST_F(BalanceWindowTest, TypedInputsShowWhatTheCommandLinePrints) {
  const TypedInputs cases[] = {
      {"cg 80 alone: in range", false, {{"Bal_CgInput", "80"}}, {"--cg", "80"}},
      {"cg 1.2e2 with mass, no station: unstable", false,
       {{"Bal_CgInput", "1.2e2"}, {"Bal_MassInput", "1500"}}, {"--cg", "120", "--mass", "1500"}},
      {"cg 60, ballast at 400, no mass: nose-heavy", false,
       {{"Bal_CgInput", "60"}, {"Bal_StationInput", "400"}}, {"--cg", "60", "--ballast-at", "400"}},
      {"cg 60, 2000 g, ballast at 400: lead in the tail", false,
       {{"Bal_CgInput", "  60"}, {"Bal_MassInput", "2000"}, {"Bal_StationInput", "400"}},
       {"--cg", "60", "--mass", "2000", "--ballast-at", "400"}},
      {"cg 100, ballast behind the range: wrong side", false,
       {{"Bal_CgInput", "100"}, {"Bal_MassInput", "2000"}, {"Bal_StationInput", "200"}},
       {"--cg", "100", "--mass", "2000", "--ballast-at", "200"}},
      {"supports -50:300, 150:1700, ballast at -100: mass from the supports", true,
       {{"Bal_Xa", "-50"}, {"Bal_Ma", "300"}, {"Bal_Xb", "150"}, {"Bal_Mb", "1700"}, {"Bal_StationInput", "-100"}},
       {"--supports", "-50:300,150:1700", "--ballast-at", "-100"}},
      {"supports 0:900, 300:400 with 1400 g typed", true,
       {{"Bal_Xa", "0"}, {"Bal_Ma", "900"}, {"Bal_Xb", "300"}, {"Bal_Mb", "400"}, {"Bal_MassInput", "1400"},
        {"Bal_StationInput", "-80"}},
       {"--supports", "0:900,300:400", "--mass", "1400", "--ballast-at", "-80"}},
  };
  for (const TypedInputs& inputs : cases) {
    SCOPED_TRACE(inputs.name);
    OpenWindowWithoutInputs();
    if (inputs.supports) Choice("Bal_ModeSupports").click();
    for (const auto& [field, text] : inputs.typed) Type(field, text);
    EXPECT_EQ(Outputs(), CliBalanceLabels(inputs.cliOptions));
    EXPECT_EQ(ErrorLine(), QString());
  }
}

// The supports' fields are usable only with their choice, the CG field only
// with its own; the choice decides which of both typed inputs counts.
TEST_F(BalanceWindowTest, ChoiceEnablesItsFieldsAndDecides) {
  Type("Bal_CgInput", "80");
  EXPECT_TRUE(Input("Bal_CgInput").isEnabled());
  EXPECT_FALSE(Input("Bal_Xa").isEnabled());
  ASSERT_EQ(Output("Bal_Cg").text(), QStringLiteral(" 80.0"));

  Choice("Bal_ModeSupports").click();
  EXPECT_FALSE(Input("Bal_CgInput").isEnabled());
  for (const char* name : {"Bal_Xa", "Bal_Ma", "Bal_Xb", "Bal_Mb", "Bal_MassInput", "Bal_StationInput"})
    EXPECT_TRUE(Input(name).isEnabled()) << name;
  // No supports typed yet: no centre of gravity, although one is typed above.
  EXPECT_EQ(ErrorLine(), QStringLiteral("no centre of gravity entered"));
  ExpectNoOutputs();
  Type("Bal_Xa", "0");
  Type("Bal_Ma", "100");
  Type("Bal_Xb", "200");
  Type("Bal_Mb", "100");
  EXPECT_EQ(Output("Bal_Cg").text(), QStringLiteral("100.0"));
  EXPECT_EQ(Output("Bal_Mass").text(), QStringLiteral(" 200.0"));

  Choice("Bal_ModeCg").click();
  EXPECT_EQ(Output("Bal_Cg").text(), QStringLiteral(" 80.0"));
  EXPECT_EQ(Output("Bal_Mass").text(), QString());
}

struct BadInputs {
  const char* name;
  bool supports;
  std::vector<std::pair<const char*, const char*>> typed;
  const char* error;
};

// Inputs that give no centre of gravity, or fail, show why in the error
// line and leave the outputs empty; nothing is reported elsewhere.
TEST_F(BalanceWindowTest, UnusableInputsShowTheirError) {
  const BadInputs cases[] = {
      {"nothing typed", false, {}, "no centre of gravity entered"},
      {"blanks only", false, {{"Bal_CgInput", "   "}, {"Bal_MassInput", "2000"}}, "no centre of gravity entered"},
      {"supports carrying 0 g", true, {{"Bal_Xa", "0"}, {"Bal_Ma", "0"}, {"Bal_Xb", "300"}, {"Bal_Mb", "0"}},
       "the supports carry no mass"},
      {"both supports at 150", true, {{"Bal_Xa", "150"}, {"Bal_Ma", "500"}, {"Bal_Xb", "150"}, {"Bal_Mb", "900"}},
       "both supports stand at the same place"},
      {"support B's mass missing", true, {{"Bal_Xa", "0"}, {"Bal_Ma", "500"}, {"Bal_Xb", "300"}},
       "no centre of gravity entered"},
      {"cg 1e400", false, {{"Bal_CgInput", "1e400"}}, "centre of gravity: too large"},
      {"ballast station 1e400", false, {{"Bal_CgInput", "90"}, {"Bal_StationInput", "1e400"}},
       "ballast station: too large"},
      {"cg abc", false, {{"Bal_CgInput", "abc"}}, "centre of gravity: not a number"},
      {"cg 95,5", false, {{"Bal_CgInput", "95,5"}}, "centre of gravity: not a number"},
      {"mass 1.8kg", false, {{"Bal_CgInput", "95"}, {"Bal_MassInput", "1.8kg"}},
       "mass by g (empty: from the supports): not a number"},
      {"tail-heavy model of 0 g", false,
       {{"Bal_CgInput", "100"}, {"Bal_MassInput", "0"}, {"Bal_StationInput", "-100"}}, "a mass must be more than 0 g"},
      {"support A pulling up", true,
       {{"Bal_Xa", "0"}, {"Bal_Ma", "-1000"}, {"Bal_Xb", "200"}, {"Bal_Mb", "2000"}, {"Bal_StationInput", "-100"}},
       "a mass must be more than 0 g"},
  };
  for (const BadInputs& inputs : cases) {
    SCOPED_TRACE(inputs.name);
    OpenWindowWithoutInputs();
    if (inputs.supports) Choice("Bal_ModeSupports").click();
    for (const auto& [field, text] : inputs.typed) Type(field, text);
    EXPECT_EQ(ErrorLine(), QString::fromLatin1(inputs.error));
    ExpectNoOutputs();
    EXPECT_EQ(window->MeasuredCg(), std::nullopt);
  }
}

// A correction clears the error line at once.
TEST_F(BalanceWindowTest, CorrectionClearsTheError) {
  Type("Bal_CgInput", "9O");
  ASSERT_NE(ErrorLine(), QString());
  Type("Bal_CgInput", "95");
  EXPECT_EQ(ErrorLine(), QString());
  EXPECT_EQ(Output("Bal_Cg").text(), QStringLiteral(" 95.0"));
}

// German: the title, the captions and the words among the outputs change,
// as cgcalc-cli --german prints them; the numbers stay; errors too.
TEST_F(BalanceWindowTest, LanguageSwitchesTitleCaptionsAndWords) {
  Type("Bal_CgInput", "100");
  Type("Bal_StationInput", "-100");
  const QString englishCaption = Choice("Bal_ModeCg").text();
  window->SetLanguage(present::Language::German);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Schwerpunktkontrolle"));
  EXPECT_NE(Choice("Bal_ModeCg").text(), englishCaption);
  EXPECT_EQ(Outputs(), CliBalanceLabels({"--german", "--cg", "100", "--ballast-at", "-100"}));
  EXPECT_EQ(Output("Bal_Verdict").text(), QStringLiteral("schwanzlastig"));

  Type("Bal_CgInput", "8O");
  EXPECT_EQ(ErrorLine(), QStringLiteral("Schwerpunkt: keine Zahl"));
  Type("Bal_CgInput", "");
  EXPECT_EQ(ErrorLine(), QStringLiteral("kein Schwerpunkt eingegeben"));
  window->SetLanguage(present::Language::English);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Balance check"));
  EXPECT_EQ(Choice("Bal_ModeCg").text(), englishCaption);
  EXPECT_EQ(ErrorLine(), QStringLiteral("no centre of gravity entered"));
}

// After the wider German advice the window takes the size its English texts
// need again.
TEST_F(BalanceWindowTest, LanguageSwitchLeavesTheSizeTheTextsNeed) {
  Type("Bal_CgInput", "100");
  Type("Bal_MassInput", "2000");
  Type("Bal_StationInput", "200");  // the wrong side
  window->SetLanguage(present::Language::English);
  const QSize english = window->size();
  window->SetLanguage(present::Language::German);
  ASSERT_GT(window->width(), english.width());
  window->SetLanguage(present::Language::English);
  EXPECT_EQ(window->size(), english);
}

// The measured centre of gravity follows the typing and is announced once
// per change: not for other fields, nor for new results that keep it.
TEST_F(BalanceWindowTest, MeasuredCgAnnouncedWhenItChanges) {
  QSignalSpy changes(window.get(), &ui::BalanceWindow::measuredCgChanged);
  EXPECT_EQ(window->MeasuredCg(), std::nullopt);
  QTest::keyClicks(&Input("Bal_CgInput"), QStringLiteral("95"));
  EXPECT_EQ(window->MeasuredCg(), 95.0);
  EXPECT_EQ(changes.count(), 2);  // 9, then 95
  Type("Bal_MassInput", "1800");
  window->SetResults(DefaultModelResults());
  EXPECT_EQ(changes.count(), 2);
  Choice("Bal_ModeSupports").click();
  EXPECT_EQ(window->MeasuredCg(), std::nullopt);
  EXPECT_EQ(changes.count(), 3);
}

// The lattice's rows and the line naming the verdict to follow stand where
// the two verdicts differ or the lattice governs, whatever the status line
// says: CG 95 on the default model with the lattice's neutral point d % of
// the mean chord aft of the rule's (tail-heavy by the rule from 5.4 %); a
// canard's rule verdict is grey.
TEST_F(BalanceWindowTest, LatticeRowsWhereTheVerdictsDifferOrTheLatticeGoverns) {
  calc::TModelData model;
  calc::TStabilityData rule;
  calc::Recalculate(calc::DefaultFieldTexts(), model, rule);
  Type("Bal_CgInput", "95");
  const struct {
    const char* name;
    double aft;  // % of the mean chord
    bool tailAhead;
    const char* latticeVerdict;  // nullptr: the rows hidden
    present::Judgement governs;
  } cases[] = {
      {"aft: in range by the lattice, the rule governs", 3, false, "in range", present::Judgement::Rule},
      {"the same neutral point", 0, false, nullptr, present::Judgement::Rule},
      {"forward: the lattice governs though both agree", -1, false, "tail-heavy", present::Judgement::Lattice},
      {"a canard flagged: the lattice governs", 0, true, "tail-heavy", present::Judgement::Lattice},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    aero::Comparison comparison =
        aero::Compare(model, rule, {4.6, 4.5, rule.TotalNeutralPoint + c.aft / 100 * rule.Wing.Mac});
    comparison.TailAhead = c.tailAhead;
    window->SetSecondOpinion(comparison, rule);
    EXPECT_EQ(Output("Bal_Verdict").text(), QStringLiteral("tail-heavy"));
    // A canard's rule verdict is no recommendation: grey, and said so.
    EXPECT_EQ(ui::TextColour(Output("Bal_Verdict")), c.tailAhead ? ui::kGrey : ui::kBlack);
    EXPECT_EQ(Output("Bal_Verdict").toolTip().isEmpty(), !c.tailAhead);
    EXPECT_EQ(Output("Bal_VlmVerdict").isVisible(), c.latticeVerdict != nullptr);
    EXPECT_EQ(Output("Bal_Governing").isVisible(), c.latticeVerdict != nullptr);
    EXPECT_EQ(present::GoverningOf(comparison).judgement, c.governs);
    if (c.latticeVerdict == nullptr) continue;
    EXPECT_EQ(Output("Bal_VlmVerdict").text(), QString::fromLatin1(c.latticeVerdict));
    EXPECT_EQ(Output("Bal_Governing").text(),
              ui::Text(present::GoverningText(present::GoverningOf(comparison), present::Language::English)));
  }
}

constexpr calc::TUnits kInchesAndOunces{calc::LengthUnit::Inch, calc::MassUnit::Ounce};

// In inches and ounces each case of the file shows its rows and error line.
// With CGCALC_RECORD set they are written into the file instead, and the
// test is skipped.
TEST_F(BalanceWindowTest, InchesAndOuncesShowTheRowsOfTheFile) {
  const QString file = QStringLiteral(CGCALC_TEST_DATA_DIR "/windows/balance_inch_ounce.txt");
  const QStringList lines = ReadLines(file);
  ASSERT_FALSE(lines.isEmpty()) << "the cases cannot be read";
  const bool record = std::getenv("CGCALC_RECORD") != nullptr;
  QStringList recorded, expected;
  QString name;
  const auto endCase = [&] {
    if (name.isEmpty()) return;
    QStringList shown;
    for (const present::BalanceRow& row : present::BalanceRows())
      shown << QStringLiteral("row\t") + ui::Text(row.name) + QLatin1Char('\t') + Output(row.name).text();
    shown << QStringLiteral("error\t") + ErrorLine();
    recorded << shown;
    if (!record) {
      EXPECT_EQ(shown, expected) << name.toStdString();
    }
  };
  for (const QString& line : lines) {
    const QStringList parts = line.split(QLatin1Char('\t'));
    if (parts[0] == QLatin1String("row") || parts[0] == QLatin1String("error")) {
      expected << line;
      continue;
    }
    const QByteArray field = parts.value(1).toUtf8();
    if (parts[0] == QLatin1String("case")) {
      endCase();
      name = parts[1];
      expected.clear();
      OpenWindowWithoutInputs();
      window->SetUnits(kInchesAndOunces);
    } else if (parts[0] == QLatin1String("choose")) {
      Choice(field.constData()).click();
    } else if (parts[0] == QLatin1String("type")) {
      Type(field.constData(), parts.value(2).toUtf8().constData());
    }
    recorded << line;
  }
  endCase();
  if (record) {
    ASSERT_TRUE(WriteLines(file, recorded)) << "cannot write " << file.toStdString();
    GTEST_SKIP() << "recorded into " << file.toStdString();
  }
}

// A change of units shows the kept values in the new units without changing
// them: back in millimetres the fields show the texts as typed, and the
// settings keep millimetres and grams, also of what is typed in inches.
TEST_F(BalanceWindowTest, UnitsChangeShowsTheKeptValues) {
  Type("Bal_CgInput", "95.250");
  Type("Bal_MassInput", "2000");
  window->SetUnits(kInchesAndOunces);
  EXPECT_EQ(Input("Bal_CgInput").text(), QStringLiteral("3.75"));
  EXPECT_EQ(Input("Bal_MassInput").text(), QStringLiteral("70.54792"));
  window->SetUnits({});
  EXPECT_EQ(Input("Bal_CgInput").text(), QStringLiteral("95.250"));
  EXPECT_EQ(Input("Bal_MassInput").text(), QStringLiteral("2000"));
  window->SetUnits(kInchesAndOunces);
  Type("Bal_StationInput", "-4");
  window->close();
  for (const auto& [key, kept] : {std::pair{"Bal_CgInput", "95.250"}, {"Bal_MassInput", "2000"},
                                  {"Bal_StationInput", "-101.6"}})
    EXPECT_EQ(settings.value(QStringLiteral("BalanceCheck/") + QLatin1String(key)).toString(), QLatin1String(kept));
}

// Before the main window gives results there is nothing to show or to mark.
TEST(BalanceWindowWithoutResults, ShowsNothing) {
  QTemporaryDir folder;
  QSettings settings(folder.filePath(QStringLiteral("cgcalc.ini")), QSettings::IniFormat);
  settings.setValue(QStringLiteral("BalanceCheck/Bal_CgInput"), QStringLiteral("90"));
  ui::BalanceWindow window(settings);
  EXPECT_EQ(ChildOf<QLineEdit>(window, QStringLiteral("Bal_CgInput")).text(), QStringLiteral("90"));
  EXPECT_EQ(ChildOf<QLabel>(window, QStringLiteral("Bal_Cg")).text(), QString());
  EXPECT_EQ(ChildOf<QLabel>(window, QStringLiteral("Bal_Error")).text(), QString());
  EXPECT_EQ(window.MeasuredCg(), std::nullopt);
  window.SetResults(DefaultModelResults());
  EXPECT_EQ(ChildOf<QLabel>(window, QStringLiteral("Bal_Cg")).text(), QStringLiteral(" 90.0"));
  EXPECT_EQ(window.MeasuredCg(), 90.0);
}

// Typing keeps the inputs in memory: the settings learn them once typing
// pauses, and at the latest when the window closes.
TEST_F(BalanceWindowTest, InputsAreWrittenWhenTypingPausesOrTheWindowCloses) {
  const auto stored = [this] {
    return QSettings(folder.filePath(QStringLiteral("cgcalc.ini")), QSettings::IniFormat)
        .value(QStringLiteral("BalanceCheck/Bal_CgInput"))
        .toString();
  };
  Type("Bal_CgInput", "95");
  QCoreApplication::processEvents();
  EXPECT_EQ(stored(), QString());
  EXPECT_TRUE(QTest::qWaitFor([&stored] { return stored() == QStringLiteral("95"); }));
  Type("Bal_CgInput", "96");
  window->close();
  EXPECT_EQ(stored(), QStringLiteral("96"));
}

// Settings that cannot be written (their folder is a file, which stops
// root too) do not lose the inputs silently: the window says so, naming the
// file, once writing has failed, not before.
TEST_F(BalanceWindowTest, UnwritableSettingsAreSaid) {
  QFile blocker(folder.filePath(QStringLiteral("blocked")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  QSettings blocked(blocker.fileName() + QStringLiteral("/cgcalc.ini"), QSettings::IniFormat);
  window = std::make_unique<ui::BalanceWindow>(blocked);
  window->show();
  const QLabel& note = ChildOf<QLabel>(*window, QStringLiteral("Bal_SettingsNote"));
  Type("Bal_CgInput", "95");
  EXPECT_FALSE(note.isVisible());
  EXPECT_TRUE(QTest::qWaitFor([&note] { return note.isVisible(); }));
  EXPECT_TRUE(note.text().contains(blocked.fileName())) << note.text().toStdString();
}

// The choice and every typed field are there again in a new window, also
// from the settings file written by the one before.
TEST_F(BalanceWindowTest, InputsSurviveANewWindow) {
  Choice("Bal_ModeSupports").click();
  const std::pair<const char*, const char*> typed[] = {
      {"Bal_CgInput", ""},  {"Bal_Xa", "-50"},        {"Bal_Ma", "300"},           {"Bal_Xb", "150"},
      {"Bal_Mb", "1700"}, {"Bal_MassInput", "2100"}, {"Bal_StationInput", "-90.5"}};
  for (const auto& [field, text] : typed) Type(field, text);
  const std::map<std::string, std::string> shown = Outputs();

  OpenWindow();
  EXPECT_TRUE(Choice("Bal_ModeSupports").isChecked());
  for (const auto& [field, text] : typed) EXPECT_EQ(Input(field).text(), QString::fromLatin1(text)) << field;
  EXPECT_EQ(Outputs(), shown);

  // The next run reads the file anew.
  window.reset();
  settings.sync();
  QSettings nextRun(folder.filePath(QStringLiteral("cgcalc.ini")), QSettings::IniFormat);
  ui::BalanceWindow next(nextRun);
  EXPECT_TRUE(ChildOf<QRadioButton>(next, QStringLiteral("Bal_ModeSupports")).isChecked());
  for (const auto& [field, text] : typed)
    EXPECT_EQ(ChildOf<QLineEdit>(next, QString::fromLatin1(field)).text(), QString::fromLatin1(text)) << field;
}

}  // namespace
}  // namespace ui_test
