// Thousands of random edits in random fields: the window never crashes,
// reports every failure exactly once, and after each change shows what the
// calculation gives for the texts on screen and the state the previous
// changes left behind. Restoring the default texts restores the default table.
#include <cstring>
#include <functional>
#include <random>

#include <QTest>

#include "aero/comparison.h"
#include "calc/fields.h"
#include "calc/stability.h"
#include "diagram/planform.h"
#include "present/result_table.h"
#include "window_test.h"

namespace ui_test {
namespace {

// How far a change got.
enum class Outcome { Complete, StoppedInCalculation, StoppedInDrawing };

// What the window must show, by the libraries' one-call path: a model and
// results of its own, carried from change to change as the window carries
// them, the labels as the result table formats them, and a canvas of its own.
class ExpectedWindow {
 public:
  // One change on the field texts; how far it got, and the failure's message.
  // On a canard or tandem the marks stand at the lattice's range, which
  // arrives when its thread has solved the model: `canardMarks` gives them.
  std::pair<Outcome, std::string> Cycle(const calc::FieldTexts& texts,
                                        const std::function<aero::CgRange()>& canardMarks) {
    try {
      calc::Recalculate(texts, model_, results_);
    } catch (const std::exception& failure) {
      return {Outcome::StoppedInCalculation, failure.what()};
    }
    try {
      const aero::CgRange marks = aero::IsTailAhead(model_, results_)
                                      ? canardMarks()
                                      : aero::CgRange{results_.CgLargeMargin, results_.CgSmallMargin};
      diagram::DrawPlanform(canvas_, model_, marks.Rear, marks.Forward);
    } catch (const std::exception& failure) {
      return {Outcome::StoppedInDrawing, failure.what()};
    }
    warning_ = present::AspectRatioWarning(results_);
    return {Outcome::Complete, {}};
  }

  // The labels for the results as they are now.
  ValueTexts Values() const {
    const present::ResultLabelTexts texts = present::LabelTexts(results_);
    ValueTexts values;
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = QString::fromStdString(texts[i]);
    return values;
  }
  // The warning as the last complete change left it.
  bool Warning() const { return warning_; }
  const diagram::Canvas& Canvas() const { return canvas_; }

 private:
  calc::TModelData model_;
  calc::TStabilityData results_;
  bool warning_ = false;
  diagram::Canvas canvas_{diagram::kDiagramWidth, diagram::kDiagramHeight};
};

class MonkeyTest : public WindowTest {
 protected:
  calc::FieldTexts Texts() {
    calc::FieldTexts texts;
    for (int i = 0; i < calc::kModelFieldCount; ++i) texts[i] = fields_[i]->text().toStdString();
    return texts;
  }

  // A change that stopped in the calculation may have written some labels
  // with the new results (the wing's, say) and left the others as they were.
  static bool ShowsOldOrNew(const ValueTexts& shown, const ValueTexts& old, const ValueTexts& computed) {
    for (std::size_t i = 0; i < shown.size(); ++i)
      if (shown[i] != old[i] && shown[i] != computed[i]) return false;
    return true;
  }

  // Called after the window's own cycle for the same change, once the key
  // that made it is released (no report comes while a key is down).
  void Check() {
    if (!changed_) return;
    changed_ = false;
    ++changes_;
    const auto [outcome, failure] = expected_.Cycle(Texts(), [this] { return Main().RangeMarks(); });
    failures_ += !failure.empty();
    QStringList wanted;
    if (!failure.empty()) wanted << QString::fromStdString(failure + ".");
    const QStringList reports = TakeReports();
    const diagram::Canvas* canvas = Diagram().DrawnCanvas();
    const bool sameDiagram =
        canvas && std::memcmp(canvas->Data(), expected_.Canvas().Data(),
                              sizeof(std::uint32_t) * diagram::kDiagramWidth * diagram::kDiagramHeight) == 0;
    const bool warningShown = !Caption(17).text().isEmpty();
    const ValueTexts shown = Values();
    const bool sameValues = outcome == Outcome::StoppedInCalculation
                                ? ShowsOldOrNew(shown, previous_, expected_.Values())
                                : shown == expected_.Values();
    previous_ = shown;
    if (reports == wanted && sameValues && sameDiagram && warningShown == expected_.Warning()) return;
    if (++mismatches_ <= 5) {
      std::string shownTexts;
      for (const std::string& text : Texts()) shownTexts += text + '|';
      ADD_FAILURE() << "change " << changes_ << " texts " << shownTexts
                    << ": reports " << reports.join('/').toStdString() << " wanted "
                    << wanted.join('/').toStdString() << (sameValues ? "" : ", values differ")
                    << (sameDiagram ? "" : ", diagram differs")
                    << (warningShown == expected_.Warning() ? "" : ", warning differs");
    }
  }

  std::array<QLineEdit*, calc::kModelFieldCount> fields_{};
  ExpectedWindow expected_;
  ValueTexts previous_;
  int changes_ = 0;
  int failures_ = 0;
  int mismatches_ = 0;
  bool changed_ = false;  // by the last key or text set
};

TEST_F(MonkeyTest, RandomEditsInRandomFields) {
  ShowWindows();
  for (int i = 0; i < calc::kModelFieldCount; ++i) {
    const std::string_view code = calc::kModelFieldCodes[i];
    fields_[i] = &Field(QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())));
  }
  expected_.Cycle(Texts(), [this] { return Main().RangeMarks(); });  // the start-up cycle
  previous_ = Values();
  ASSERT_EQ(expected_.Values(), previous_);
  for (QLineEdit* field : fields_) QObject::connect(field, &QLineEdit::textChanged, field, [this] { changed_ = true; });

  const unsigned seed = 20240607u;
  std::mt19937 random(seed);
  SCOPED_TRACE("seed " + std::to_string(seed));
  const auto pick = [&random](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
  const std::string keys = "0123456789-+.,eE aZ";
  const char* tokens[] = {"",      "0",    "-0",   "1e400", "1e5000", "-1e5000", "1e-400", "9e307", "1e308",
                          "  12",  "12a",  "1.5e3", "-150", "-1000",  "-200",    "-300",   "0.0001", "1e30",
                          "NaN",   "inf",  "99999999999999999999999", "-.5", "1e-320", "2e308"};

  constexpr int kEdits = 5000;
  for (int edit = 0; edit < kEdits && mismatches_ <= 5; ++edit) {
    const int index = pick(calc::kModelFieldCount);
    QLineEdit* field = fields_[index];
    switch (pick(4)) {
      case 0:  // typing a few characters at the end
        field->end(false);
        for (int n = 1 + pick(4); n > 0; --n) {
          QTest::keyClick(field, keys[pick(int(keys.size()))]);
          Check();
        }
        break;
      case 1:  // deleting backwards
        field->end(false);
        for (int n = 1 + pick(3); n > 0; --n) {
          QTest::keyClick(field, Qt::Key_Backspace);
          Check();
        }
        break;
      case 2:  // clearing the field
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        Check();
        break;
      default:  // a text set by the program, as Load does
        field->setText(pick(5) == 0 ? QString::fromLatin1(calc::kDefaultFieldTexts[index].data())
                                    : QString::fromLatin1(tokens[pick(int(std::size(tokens)))]));
        Check();
        break;
    }
  }
  EXPECT_EQ(mismatches_, 0);
  EXPECT_GE(changes_, kEdits);
  EXPECT_GT(failures_, 100) << "the edits should reach the failures, too";
  EXPECT_LT(failures_, changes_) << "and the computable states";

  for (int i = 0; i < calc::kModelFieldCount; ++i)
    fields_[i]->setText(QString::fromLatin1(calc::kDefaultFieldTexts[i].data()));
  EXPECT_EQ(Values(), DefaultTable());
  EXPECT_TRUE(Caption(17).text().isEmpty());
}

}  // namespace
}  // namespace ui_test
