// Load, Save and Save as through the window's menu items and toolbar
// buttons, with scripted dialogs and real files in temporary folders.
#include <sys/resource.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <functional>

#include <QLineEdit>

#include "calc/number_text.h"
#include "file_test.h"
#include "ui/platform/qt_dialogs.h"

namespace ui_test {
namespace {

// Save as of the start-up model writes the 90-byte default file and names it.
TEST_F(FileCommandsTest, SaveOfDefaultModelGivesThe90ByteFile) {
  const QString path = PathIn(QStringLiteral("model.dat"));
  dialogs.saveAnswers = {path};
  Button(QStringLiteral("SaveButton")).click();
  const QByteArray bytes = ReadBytes(path);
  EXPECT_EQ(bytes.size(), 90);
  EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("313330300D0A202020300D0A")));
  EXPECT_EQ(bytes, ReadBytes(DataFile("default.dat")));
  EXPECT_EQ(Main().CurrentFileName(), path);
  EXPECT_EQ(FileNameLine(), path);
  EXPECT_TRUE(dialogs.replaceQuestions.empty());
  EXPECT_TRUE(TakeReports().isEmpty());
}

// Loading the default file gives the same model and results; the fields
// show the file's lines with their leading blanks.
TEST_F(FileCommandsTest, LoadOfDefaultFileGivesSameResults) {
  const QString path = DataFile("default.dat");
  const auto modelBefore = ValuesOf(Main().Model());
  dialogs.openAnswers = {path};
  Button(QStringLiteral("LoadButton")).click();
  EXPECT_EQ(FieldTexts(), kLoadedDefaultTexts);
  EXPECT_EQ(Values(), DefaultTable());
  EXPECT_EQ(ValuesOf(Main().Model()), modelBefore);
  EXPECT_EQ(Main().CurrentFileName(), path);
  EXPECT_EQ(FileNameLine(), path);
  EXPECT_TRUE(Main().RecalcEnabled());
  EXPECT_TRUE(TakeReports().isEmpty());
}

// Load first replaces the whole record, then writes the fields from Bot_B to
// Bot_Rh while the recalculation is off, then names the file, then
// recalculates once.
TEST_F(FileCommandsTest, LoadWritesTheFieldsInRecordOrder) {
  const QByteArray lines[] = {"1400", "100", "230", "200", "150", "-20", "-10", "420",
                              "60",   "150", "120", "50",  "10",  "25",  "380"};
  QByteArray bytes;
  for (const QByteArray& line : lines) bytes += line + "\r\n";
  const QString path = PathIn(QStringLiteral("other.dat"));
  WriteBytes(path, bytes);

  struct Notification {
    int index;
    bool recalcEnabled;
    QString area;
    QString fileNameLine;
    std::array<double, calc::kModelFieldCount> model;
  };
  std::vector<Notification> seen;
  const QObject watching;  // ends the connections before `seen` goes
  for (int i = 0; i < calc::kModelFieldCount; ++i) {
    QObject::connect(&Field(Code(i)), &QLineEdit::textChanged, &watching, [this, i, &seen] {
      seen.push_back({i, Main().RecalcEnabled(), NamedLabel(QStringLiteral("Lab_St")).text(), FileNameLine(),
                      ValuesOf(Main().Model())});
    });
  }
  Load(path);
  std::array<double, calc::kModelFieldCount> loaded{};
  for (int i = 0; i < calc::kModelFieldCount; ++i) loaded[i] = calc::ParseNumber(lines[i].toStdString());

  ASSERT_EQ(seen.size(), std::size_t(calc::kModelFieldCount));
  for (int i = 0; i < calc::kModelFieldCount; ++i) {
    SCOPED_TRACE(Code(i).toStdString());
    EXPECT_EQ(seen[i].index, i);
    EXPECT_FALSE(seen[i].recalcEnabled);
    EXPECT_EQ(seen[i].area, ExpectedLabelText("default", "Lab_St"));
    EXPECT_EQ(seen[i].fileNameLine, QStringLiteral("NoName"));
    EXPECT_EQ(seen[i].model, loaded);
    EXPECT_EQ(Field(Code(i)).text(), QString::fromStdString(calc::FormatFixed(loaded[i], 4, 0)));
  }
  EXPECT_EQ(Values(), TableForFields());
  EXPECT_NE(Values(), DefaultTable());
  EXPECT_EQ(FileNameLine(), path);
  EXPECT_TRUE(TakeReports().isEmpty());
}

struct RoundingRow {
  const char* name;
  const char* code;
  const char* typed;
  const char* line;  // the file line, and the field's text after loading it
};

// Saving rounds half away from zero to whole millimetres and takes the room
// a longer number needs; the value saved is what the field's text yielded.
// Loading the file back shows the line as it is, negative zero included.
TEST_F(FileCommandsTest, SaveRoundsAndLoadShowsTheLine) {
  const RoundingRow rows[] = {
      {"half up", "Vk", "12.5", "  13"},         {"half down", "Vk", "-12.5", " -13"},
      {"small positive", "Vk", "0.4", "   0"},   {"small negative", "Vk", "-0.4", "  -0"},
      {"negative zero", "Va", "-0", "  -0"},     {"decimal comma", "Vk", "12,5", "  12"},
      {"five digits", "B", "12345", "12345"},     {"minus thousand", "Va", "-1000", "-1000"},
  };
  const QList<QByteArray> defaultLines = Lines(ReadBytes(DataFile("default.dat")));
  for (const RoundingRow& row : rows) {
    SCOPED_TRACE(row.name);
    const QString code = QString::fromLatin1(row.code);
    const int index = IndexOf(row.code);
    const QString defaultText = Field(code).text();
    SetField(code, QString::fromLatin1(row.typed));
    const QString path = PathIn(QString::fromLatin1(row.name) + QStringLiteral(".dat"));
    // Decimals are lost in a .dat file, so saving one asks first.
    dialogs.datLossAnswers = {true};
    SaveAs(path);
    dialogs.datLossAnswers.clear();

    QList<QByteArray> expectedLines = defaultLines;
    expectedLines[index] = row.line;
    EXPECT_EQ(Lines(ReadBytes(path)), expectedLines);

    SetField(code, defaultText);
    Load(path);
    EXPECT_EQ(Field(code).text(), QString::fromLatin1(row.line));
    const double value = calc::ModelField(Main().Model(), index);
    EXPECT_EQ(value, calc::ParseNumber(row.line));
    EXPECT_EQ(std::signbit(value), QByteArray(row.line).contains('-'));
    SetField(code, defaultText);
  }
  EXPECT_TRUE(TakeReports().isEmpty());
}

// A hand-written line with decimals enters the record unrounded; the
// closing recalculation takes the rounded text of the field, except Rh of a
// flying wing, which it does not read.
TEST_F(FileCommandsTest, DecimalsInTheFileAreRoundedByTheRecalculation) {
  const struct {
    const char* name;
    int spanLine;  // 0 for a flying wing
    double rhAfter;
  } rows[] = {{"with tailplane", 415, 360}, {"flying wing", 0, 360.4}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SetField(QStringLiteral("Vk"), QStringLiteral("-30"));
    const QByteArray bytes = "1300\r\n0\r\n220\r\n210\r\n0\r\n12.5\r\n0\r\n" + QByteArray::number(row.spanLine) +
                             "\r\n50\r\n160\r\n110\r\n40\r\n20\r\n30\r\n360.4\r\n";
    const QString path = PathIn(QString::fromLatin1(row.name) + QStringLiteral(".dat"));
    WriteBytes(path, bytes);
    double vkWhileWriting = 0;
    const QMetaObject::Connection watch = QObject::connect(
        &Field(QStringLiteral("Vk")), &QLineEdit::textChanged, &Main(),
        [this, &vkWhileWriting] { vkWhileWriting = Main().Model().Vk; });
    Load(path);
    QObject::disconnect(watch);
    EXPECT_EQ(vkWhileWriting, 12.5);
    EXPECT_EQ(Field(QStringLiteral("Vk")).text(), QStringLiteral("  13"));
    EXPECT_EQ(Field(QStringLiteral("Rh")).text(), QStringLiteral(" 360"));
    EXPECT_EQ(Main().Model().Vk, 13);
    EXPECT_EQ(Main().Model().Rh, row.rhAfter);
  }
  EXPECT_TRUE(TakeReports().isEmpty());
}

struct QuirkRow {
  const char* file;  // in tests/data
  int lookLine;      // the line the question before loading names; 0: not asked
  QStringList texts;
  QStringList reports;  // of the closing recalculation
};

// Hand-edited files through the real command: the fields show what the
// reading rules make of them, and the closing recalculation works on it
// (a zero wing is reported like any failed recalculation). Files with more
// than numbers in them are loaded when the user says so.
TEST_F(FileCommandsTest, ReadingRulesThroughLoad) {
  const QString zero = QStringLiteral("   0");
  const auto padded = [&zero](QStringList leading) {
    while (leading.size() < calc::kModelFieldCount) leading << zero;
    return leading;
  };
  const QStringList zeroWing = {QStringLiteral("Invalid floating point operation.")};
  const QuirkRow rows[] = {
      {"ctrl_z_after_line3.dat", 4, padded({"1300", zero, " 220"}), {}},
      {"five_lines.dat", 0, padded({"1300", zero, " 220", " 210", zero}), {}},
      {"trailing_blank.dat", 1, padded({" 125", "   7"}), zeroWing},
      {"empty.dat", 0, padded({}), zeroWing},
      {"cr_line_ends.dat", 0, kLoadedDefaultTexts, {}},
      {"junk_after_line15.dat", 16, kLoadedDefaultTexts, {}},
  };
  for (const QuirkRow& row : rows) {
    SCOPED_TRACE(row.file);
    dialogs.loadAnywayQuestions.clear();
    dialogs.loadAnywayAnswers = {true};
    Load(DataFile(row.file));
    EXPECT_EQ(dialogs.loadAnywayQuestions.size(), row.lookLine ? 1u : 0u);
    if (row.lookLine && !dialogs.loadAnywayQuestions.empty()) {
      EXPECT_TRUE(dialogs.loadAnywayQuestions[0].text.contains(QStringLiteral(": line %1 reads").arg(row.lookLine)));
    }
    EXPECT_EQ(FieldTexts(), row.texts);
    EXPECT_EQ(TakeReports(), row.reports);
    EXPECT_EQ(FileNameLine(), DataFile(row.file));
    EXPECT_TRUE(Main().RecalcEnabled());
    if (row.reports.isEmpty()) {
      EXPECT_EQ(Values(), TableForFields());
    }
  }
}

// A cancelled open dialog changes nothing but still recalculates, once: a
// failing field is reported exactly once.
TEST_F(FileCommandsTest, CancelledLoadRecalculatesOnce) {
  EditFieldUnnoticed(QStringLiteral("B"), QString());
  Load(std::nullopt);
  EXPECT_EQ(TakeReports(), QStringList{QStringLiteral("Invalid floating point operation.")});
  EXPECT_TRUE(Main().RecalcEnabled());

  EditFieldUnnoticed(QStringLiteral("B"), QStringLiteral("1000"));
  dialogs.openAnswers = {std::nullopt};
  dialogs.saveChangesAnswers = {ui::Dialogs::UnsavedChanges::Discard};
  Button(QStringLiteral("LoadButton")).click();
  EXPECT_EQ(NamedLabel(QStringLiteral("Lab_St")).text(), QStringLiteral(" 21.5"));
  EXPECT_EQ(Main().CurrentFileName(), QStringLiteral("NoName"));
  EXPECT_EQ(FileNameLine(), QStringLiteral("NoName"));
  EXPECT_TRUE(TakeReports().isEmpty());
}

// The bare pattern "*.dat" names no file: even a file of that name in the
// current folder is neither read nor written, nothing is asked, and the
// name stays. Load still recalculates.
TEST_F(FileCommandsTest, BarePatternIsNoFile) {
  const CurrentFolder inFolder(folder.path());
  const QByteArray other = "1000\r\n";
  WriteBytes(PathIn(QStringLiteral("*.dat")), other);
  const QString pattern = QStringLiteral("*.dat");

  EditFieldUnnoticed(QStringLiteral("B"), QStringLiteral("1200"));
  Load(pattern);
  EXPECT_EQ(Field(QStringLiteral("B")).text(), QStringLiteral("1200"));
  EXPECT_EQ(Main().Model().B, 1200);
  EXPECT_TRUE(Main().RecalcEnabled());
  EXPECT_EQ(Main().CurrentFileName(), QStringLiteral("NoName"));

  SaveAs(pattern);
  EXPECT_EQ(ReadBytes(PathIn(pattern)), other);
  EXPECT_TRUE(dialogs.replaceQuestions.empty());
  EXPECT_EQ(FileNameLine(), QStringLiteral("NoName"));
  // Save keeps to the pattern and asks for nothing either.
  dialogs.saveAnswers = {PathIn(QStringLiteral("unused.dat"))};
  Save();
  EXPECT_EQ(dialogs.saveAnswers.size(), 1u);
  EXPECT_EQ(ReadBytes(PathIn(pattern)), other);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{pattern});
  EXPECT_TRUE(TakeReports().isEmpty());
}

// A cancelled save dialog does nothing at all.
TEST_F(FileCommandsTest, CancelledSaveAsDoesNothing) {
  const CurrentFolder inFolder(folder.path());
  SaveAs(std::nullopt);
  EXPECT_EQ(Main().CurrentFileName(), QStringLiteral("NoName"));
  EXPECT_TRUE(QDir(folder.path()).isEmpty());

  const QString path = PathIn(QStringLiteral("first.dat"));
  SaveAs(path);
  SaveAs(std::nullopt);
  EXPECT_EQ(Main().CurrentFileName(), path);
  EXPECT_EQ(FileNameLine(), path);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("first.dat")});
  EXPECT_TRUE(TakeReports().isEmpty());
}

// Before any file was chosen, Save asks for one like Save as, instead of
// writing a file "NoName" into the current folder.
TEST_F(FileCommandsTest, SaveBeforeAnyFileIsSaveAs) {
  const CurrentFolder inFolder(folder.path());
  ASSERT_EQ(Main().CurrentFileName(), QStringLiteral("NoName"));
  dialogs.saveAnswers = {std::nullopt};
  Save();
  EXPECT_TRUE(dialogs.saveAnswers.empty());
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
  EXPECT_EQ(Main().CurrentFileName(), QStringLiteral("NoName"));

  const QString path = PathIn(QStringLiteral("chosen.dat"));
  dialogs.saveAnswers = {path};
  Save();
  EXPECT_TRUE(dialogs.saveAnswers.empty());
  EXPECT_EQ(ReadBytes(path), ReadBytes(DataFile("default.dat")));
  EXPECT_EQ(Main().CurrentFileName(), path);
  EXPECT_EQ(FileNameLine(), path);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("chosen.dat")});
  EXPECT_TRUE(TakeReports().isEmpty());
}

// A document loads its dimensions as typed (in its own units); Save writes
// it back byte for byte, with what it holds besides them; Save as then
// offers documents.
TEST_F(FileCommandsTest, DocumentLoadsAsTypedAndSavesUnchanged) {
  const std::pair<const char*, const char*> rows[] = {{"decimals.cgcalc", "1300.5"}, {"everything.cgcalc", "94.4882"}};
  for (const auto& [name, span] : rows) {
    SCOPED_TRACE(name);
    const QByteArray original = ReadBytes(DataFile((std::string("documents/kept/") + name).c_str()));
    const QString path = PathIn(QString::fromLatin1(name));
    WriteBytes(path, original);
    Load(path);
    EXPECT_EQ(Field(QStringLiteral("B")).text(), QString::fromLatin1(span));
    WriteBytes(path, "changed on disk");
    Save();
    EXPECT_EQ(ReadBytes(path), original);
    dialogs.saveFormats.clear();
    SaveAs(std::nullopt);
    EXPECT_EQ(dialogs.saveFormats, std::vector<bool>{true});
  }
  EXPECT_TRUE(TakeReports().isEmpty());
}

// A document's tailplane height is the lattice's and the height window's,
// in the document's units (this one's are inches); typing another one is an
// unsaved change of the document, which Save writes in millimetres; loading
// a .dat model keeps the height the lattice had.
TEST_F(FileCommandsTest, DocumentKeepsItsTailHeight) {
  const QString path = PathIn(QStringLiteral("model.cgcalc"));
  WriteBytes(path, ReadBytes(DataFile("documents/kept/everything.cgcalc")));
  Load(path);
  Action(QStringLiteral("TailHeight1")).trigger();
  QLineEdit& input = ChildOf<QLineEdit>(ChildOf<QWidget>(Main(), QStringLiteral("TailHeightWindow")),
                                        QStringLiteral("TailHeight_Input"));
  EXPECT_EQ(input.text(), QStringLiteral("1.77165"));
  EXPECT_FALSE(Main().isWindowModified());
  input.setText(QStringLiteral("1.9685"));
  EXPECT_TRUE(Main().isWindowModified());
  Save();
  EXPECT_TRUE(ReadBytes(path).contains("\"tail_height\": 50,"));
  Load(DataFile("default.dat"));
  EXPECT_EQ(input.text(), QStringLiteral("50"));
  EXPECT_FALSE(Main().isWindowModified());
  EXPECT_TRUE(TakeReports().isEmpty());
  // The window keeps its text in the settings the later tests start from.
  input.clear();
}

// Save as .dat of a document with more than a .dat file holds asks first,
// naming what would be lost: No writes nothing and keeps the document as
// the current file; Yes writes the .dat file, which Save then keeps
// writing. A new model is offered .dat.
TEST_F(FileCommandsTest, SaveAsDatAsksBeforeLosingParts) {
  dialogs.saveFormats.clear();
  SaveAs(std::nullopt);
  EXPECT_EQ(dialogs.saveFormats, std::vector<bool>{false});
  const QString document = PathIn(QStringLiteral("model.cgcalc"));
  WriteBytes(document, ReadBytes(DataFile("documents/kept/everything.cgcalc")));
  Load(document);
  const QString dat = PathIn(QStringLiteral("model.dat"));
  for (const bool answer : {false, true}) {
    SCOPED_TRACE(answer);
    dialogs.datLossQuestions.clear();
    dialogs.datLossAnswers = {answer};
    SaveAs(dat);
    ASSERT_EQ(dialogs.datLossQuestions.size(), 1u);
    EXPECT_EQ(dialogs.datLossQuestions[0].title, kTitle);
    EXPECT_EQ(dialogs.datLossQuestions[0].text,
              dat + QStringLiteral(" is a .dat file, which holds only the fifteen dimensions in whole millimetres; "
                                   "the model's margins, units, balance inputs, tail height, notes, parts of a newer "
                                   "program would be lost. Save it anyway?"));
    EXPECT_EQ(QFileInfo::exists(dat), answer);
    EXPECT_EQ(Main().CurrentFileName(), answer ? dat : document);
  }
  // Still shown in the document's inches, written in millimetres.
  SetField(QStringLiteral("B"), QStringLiteral("100"));
  Save();
  EXPECT_EQ(Lines(ReadBytes(dat)).value(0), QByteArray("2540"));
  EXPECT_TRUE(TakeReports().isEmpty());
}

// Save writes the current record to the current file without any question.
TEST_F(FileCommandsTest, SaveToTheCurrentFileDoesNotAsk) {
  const QString path = PathIn(QStringLiteral("model.dat"));
  SaveAs(path);
  SetField(QStringLiteral("B"), QStringLiteral("1400.4"));
  dialogs.saveAnswers = {PathIn(QStringLiteral("unused.dat"))};
  Save();
  EXPECT_EQ(dialogs.saveAnswers.size(), 1u);
  EXPECT_TRUE(dialogs.replaceQuestions.empty());
  EXPECT_EQ(Lines(ReadBytes(path)).value(0), QByteArray("1400"));
  EXPECT_EQ(Field(QStringLiteral("B")).text(), QStringLiteral("1400.4"));
  EXPECT_TRUE(TakeReports().isEmpty());
}

// Save as asks before it replaces an existing file; No leaves file and name
// as they were, Yes replaces it. A new file is not asked about.
TEST_F(FileCommandsTest, SaveAsAsksBeforeReplacing) {
  const QString existing = PathIn(QStringLiteral("existing.dat"));
  WriteBytes(existing, "old");
  const struct {
    const char* name;
    bool answer;
    QByteArray contents;
    QString nameAfter;
  } rows[] = {{"no", false, "old", QStringLiteral("NoName")},
              {"yes", true, ReadBytes(DataFile("default.dat")), existing}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    dialogs.replaceQuestions.clear();
    dialogs.replaceAnswers = {row.answer};
    SaveAs(existing);
    ASSERT_EQ(dialogs.replaceQuestions.size(), 1u);
    EXPECT_EQ(dialogs.replaceQuestions[0].title, kTitle);
    EXPECT_EQ(dialogs.replaceQuestions[0].text, existing);
    EXPECT_EQ(ReadBytes(existing), row.contents);
    EXPECT_EQ(Main().CurrentFileName(), row.nameAfter);
    EXPECT_EQ(FileNameLine(), row.nameAfter);
  }
  dialogs.replaceQuestions.clear();
  SaveAs(PathIn(QStringLiteral("new.dat")));
  EXPECT_TRUE(dialogs.replaceQuestions.empty());
  EXPECT_TRUE(TakeReports().isEmpty());
}

// The question: Yes and No, No the default, naming the file.
TEST_F(FileCommandsTest, ReplaceQuestionBox) {
  const QString path = PathIn(QStringLiteral("model.dat"));
  const auto box = ui::MakeReplaceQuestion(kTitle, path, nullptr);
  EXPECT_EQ(box->icon(), QMessageBox::Question);
  EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
  EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::No));
  EXPECT_EQ(box->windowTitle(), kTitle);
  EXPECT_TRUE(box->text().startsWith(path + QStringLiteral(" already exists.")));
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

// A failed save is reported, naming the file, and never damages the file it
// was to replace; the file-name line and the file the next Save writes stay
// the last ones really written.
TEST_F(FileCommandsTest, FailedSaveKeepsTheOldFile) {
  const QString first = PathIn(QStringLiteral("first.dat"));
  SaveAs(first);
  const QString existing = PathIn(QStringLiteral("existing.dat"));
  WriteBytes(existing, "old contents");
  SetField(QStringLiteral("B"), QStringLiteral("1400"));

  // A file size limit stops the write halfway, as a full disk would.
  rlimit previousLimit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
  const sighandler_t previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = previousLimit;
  small.rlim_cur = 5;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  dialogs.replaceAnswers = {true};
  SaveAs(existing);
  ::setrlimit(RLIMIT_FSIZE, &previousLimit);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(TakeReports(), QStringList{existing + QStringLiteral("\nThe file would grow larger than the system allows.")});
  EXPECT_EQ(ReadBytes(existing), QByteArray("old contents"));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
            (QStringList{QStringLiteral("existing.dat"), QStringLiteral("first.dat")}));
  EXPECT_EQ(FileNameLine(), first);
  EXPECT_EQ(Main().CurrentFileName(), first);
  EXPECT_TRUE(Main().isWindowModified()) << "nothing was saved";

  // A folder cannot be replaced by a model file.
  const QString subfolder = PathIn(QStringLiteral("folder.dat"));
  ASSERT_TRUE(QDir().mkdir(subfolder));
  dialogs.replaceAnswers = {true};
  SaveAs(subfolder);
  EXPECT_EQ(TakeReports(), QStringList{subfolder + QStringLiteral("\nFile access denied.")});
  EXPECT_EQ(FileNameLine(), first);
  EXPECT_EQ(Main().CurrentFileName(), first);

  // The next Save writes the last file really written.
  Save();
  EXPECT_EQ(Lines(ReadBytes(first)).value(0), QByteArray("1400"));
  EXPECT_EQ(ReadBytes(existing), QByteArray("old contents"));
  EXPECT_FALSE(Main().isWindowModified());
  EXPECT_TRUE(TakeReports().isEmpty());
}

struct LoadFailureRow {
  const char* name;
  std::function<QString(const QTemporaryDir&)> path;
  std::function<QString(const QString& path)> report;
};

// A file that cannot be opened or read, is no regular file, or holds a
// number beyond the double range, is reported with its name; the model, the
// fields, the results and both names stay as they were, and the fields
// recalculate again afterwards.
TEST_F(FileCommandsTest, FailedLoadIsReportedAndChangesNothing) {
  const auto named = [](const char* message) {
    return [message](const QString& path) { return path + QLatin1Char('\n') + QString::fromLatin1(message); };
  };
  const LoadFailureRow rows[] = {
      {"missing file", [](const QTemporaryDir& dir) { return dir.filePath(QStringLiteral("missing.dat")); },
       named("File not found.")},
      {"missing folder", [](const QTemporaryDir& dir) { return dir.filePath(QStringLiteral("no/such.dat")); },
       named("File not found.")},
      {"folder", [](const QTemporaryDir& dir) { return dir.path(); },
       [](const QString& path) { return path + QStringLiteral(" is a folder, not a model file."); }},
      {"number beyond range", [](const QTemporaryDir&) { return DataFile("overflow_1e400.dat"); },
       named("Floating point overflow.")},
      {"refused document", [](const QTemporaryDir&) { return DataFile("documents/refused/duplicate-key.cgcalc"); },
       named("line 4, column 5: duplicate key \"B\"")},
  };
  const QString loaded = DataFile("default.dat");
  Load(loaded);
  SetField(QStringLiteral("B"), QStringLiteral("1400"));
  const QStringList texts = FieldTexts();
  const ValueTexts values = Values();
  const auto model = ValuesOf(Main().Model());
  for (const LoadFailureRow& row : rows) {
    SCOPED_TRACE(row.name);
    const QString path = row.path(folder);
    Load(path);
    EXPECT_EQ(TakeReports(), QStringList{row.report(path)});
    EXPECT_TRUE(Main().RecalcEnabled());
    EXPECT_EQ(FieldTexts(), texts);
    EXPECT_EQ(Values(), values);
    EXPECT_EQ(ValuesOf(Main().Model()), model);
    EXPECT_EQ(Main().CurrentFileName(), loaded);
    EXPECT_EQ(FileNameLine(), loaded);
  }
  SetField(QStringLiteral("B"), QStringLiteral("1300"));
  EXPECT_EQ(Values(), DefaultTable());
}

// A failed Load ends with its one report: the closing recalculation does not
// run (a failing field would add a second report), yet it is enabled again.
TEST_F(FileCommandsTest, FailedLoadIsReportedOnce) {
  EditFieldUnnoticed(QStringLiteral("B"), QString());
  const QString missing = PathIn(QStringLiteral("missing.dat"));
  Load(missing);
  EXPECT_EQ(TakeReports(), QStringList{missing + QStringLiteral("\nFile not found.")});
  EXPECT_TRUE(Main().RecalcEnabled());
  SetField(QStringLiteral("B"), QStringLiteral("1300"));
  EXPECT_EQ(Values(), DefaultTable());
  EXPECT_TRUE(TakeReports().isEmpty());
}

// After "deutsch" the file errors are German too, the system's and the
// reader's refusals alike.
TEST_F(FileCommandsTest, FileErrorsFollowTheLanguage) {
  Button(QStringLiteral("Button1")).click();
  const QString missing = PathIn(QStringLiteral("missing.dat"));
  Load(missing);
  EXPECT_EQ(TakeReports(), QStringList{missing + QStringLiteral("\nDatei nicht gefunden.")});
  Load(folder.path());
  EXPECT_EQ(TakeReports(), QStringList{folder.path() + QStringLiteral(" ist ein Ordner, keine Modelldatei.")});
}

// A flying wing is saved from the record: zeros in lines 8 to 14 whatever the
// tailplane fields show, and in line 15 the Rh of the last recalculation
// with a tailplane. Loaded back, the fields show just that.
TEST_F(FileCommandsTest, FlyingWingSave) {
  SetField(QStringLiteral("Rh"), QStringLiteral("400"));
  SetField(QStringLiteral("Bh"), QStringLiteral("0"));
  SetField(QStringLiteral("Rh"), QStringLiteral("999"));
  SetField(QStringLiteral("Lih"), QStringLiteral("777"));
  const QString path = PathIn(QStringLiteral("wing.dat"));
  SaveAs(path);
  const QList<QByteArray> lines = Lines(ReadBytes(path));
  const QList<QByteArray> expected = {"1300", "   0", " 220", " 210", "   0", " -30", "   0", "   0",
                                      "   0", "   0", "   0", "   0", "   0", "   0", " 400"};
  EXPECT_EQ(lines, expected);

  Load(path);
  QStringList expectedTexts;
  for (const QByteArray& line : expected) expectedTexts << QString::fromLatin1(line);
  EXPECT_EQ(FieldTexts(), expectedTexts);
  EXPECT_EQ(Main().Model().Rh, 400);
  EXPECT_TRUE(TakeReports().isEmpty());
}

}  // namespace
}  // namespace ui_test
