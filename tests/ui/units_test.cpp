// Tools / Units: the model shown and typed in inches while it stays in
// millimetres, in the window and in its document.
#include "calc/units.h"
#include "files/model_document.h"
#include "present/unit_captions.h"
#include "file_test.h"

namespace ui_test {
namespace {

class UnitsTest : public FileCommandsTest {
 protected:
  void ShowInches(bool inches) {
    Action(inches ? QStringLiteral("Inches1") : QStringLiteral("Millimetres1")).trigger();
  }
  // The captions that name a unit, as one text.
  QString UnitCaptions() { return Caption(14).text() + QStringLiteral(" | ") + Caption(4).text(); }
  static QString CaptionsIn(present::Language language, calc::TUnits units) {
    return QString::fromUtf8(present::In(present::kWindowCaptions.units, language, units)) + QStringLiteral(" | ") +
           QString::fromUtf8(present::In(&present::Texts::rowArea, language, units));
  }
  files::ModelDocument SavedDocument(const QString& path) {
    const QByteArray bytes = ReadBytes(path);
    return files::ParseModelDocument(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  }
};

// The default model in inches: the recorded table, and the captions that
// name a unit in either language. Nothing but the units counts as a change.
TEST_F(UnitsTest, InchesShowTheRecordedTable) {
  const calc::TUnits inches{calc::LengthUnit::Inch, calc::MassUnit::Gram};
  ShowInches(true);
  EXPECT_EQ(Values(), ExpectedTable("default-inches"));
  EXPECT_EQ(Field(QStringLiteral("B")).text(), QStringLiteral("51.1811"));
  for (const present::LanguageEntry& entry : present::kLanguages) {
    SCOPED_TRACE(entry.buttonName);
    Button(QString::fromLatin1(entry.buttonName.data(), static_cast<qsizetype>(entry.buttonName.size()))).click();
    EXPECT_EQ(UnitCaptions(), CaptionsIn(entry.language, inches));
  }
  EXPECT_TRUE(Main().isWindowModified());
  ShowInches(false);
  EXPECT_EQ(Values(), DefaultTable());
  EXPECT_EQ(UnitCaptions(), CaptionsIn(present::Language::English, {}));
  EXPECT_FALSE(Main().isWindowModified());
  EXPECT_TRUE(TakeReports().isEmpty());
}

// Texts an inch cannot give back exactly: there and back restores each as
// it was, computes the very same model, and leaves the model saved.
TEST_F(UnitsTest, SwitchingThereAndBackChangesNoText) {
  const QStringList texts = {"1300.12345", "-0", " 220", "2.1E2", "0", "-30.0005", "0", "415", "50", "160",
                             "110", "40", "20", "30", "360"};
  for (int i = 0; i < calc::kModelFieldCount; ++i) SetField(Code(i), texts[i]);
  const QString path = PathIn(QStringLiteral("odd.cgcalc"));
  SaveModelAs(path);
  const auto model = ValuesOf(Main().Model());
  const QByteArray bytes = ReadBytes(path);
  const calc::FieldTexts dimensions = SavedDocument(path).Dimensions;
  ShowInches(true);
  EXPECT_EQ(ValuesOf(Main().Model()), model);
  Save();
  EXPECT_EQ(SavedDocument(path).Dimensions, dimensions);
  ShowInches(false);
  EXPECT_EQ(FieldTexts(), texts);
  EXPECT_EQ(ValuesOf(Main().Model()), model);
  Save();
  EXPECT_EQ(ReadBytes(path), bytes);
  EXPECT_FALSE(Main().isWindowModified());
  EXPECT_TRUE(TakeReports().isEmpty());
}

// A value typed in inches is saved as its millimetres to the thousandth,
// the unedited fields as they were given; loading the document shows
// inches again.
TEST_F(UnitsTest, TypedInchesSaveTheirMillimetres) {
  const QString path = PathIn(QStringLiteral("inches.cgcalc"));
  WriteBytes(path, ReadBytes(DataFile("documents/kept/decimals.cgcalc")));
  Load(path);
  const calc::FieldTexts given = SavedDocument(path).Dimensions;
  ShowInches(true);
  SetField(QStringLiteral("Li"), QStringLiteral("8.6615"));
  Save();
  calc::FieldTexts expected = given;
  expected[IndexOf("Li")] = "220.002";
  const files::ModelDocument saved = SavedDocument(path);
  EXPECT_EQ(saved.Dimensions, expected);
  EXPECT_EQ(saved.Units.Length, calc::LengthUnit::Inch);
  EXPECT_FALSE(Main().isWindowModified());

  Load(DataFile("default.dat"));
  EXPECT_FALSE(Action(QStringLiteral("Inches1")).isChecked());
  Load(path);
  EXPECT_TRUE(Action(QStringLiteral("Inches1")).isChecked());
  for (int i = 0; i < calc::kModelFieldCount; ++i) {
    SCOPED_TRACE(Code(i).toStdString());
    EXPECT_EQ(Field(Code(i)).text().toStdString(), calc::TypedLengthText(expected[i], calc::LengthUnit::Inch));
  }
  EXPECT_EQ(UnitCaptions(), CaptionsIn(present::Language::English, saved.Units));
  EXPECT_FALSE(Main().isWindowModified());
  EXPECT_TRUE(TakeReports().isEmpty());
}

}  // namespace
}  // namespace ui_test
