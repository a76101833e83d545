// What Load checks before and while it reads a file, through the window:
// line ends of every kind, files that do not look like model files, files
// that are no regular files, the name of a long path, and the file named on
// the command line.
#include <sys/stat.h>

#include <QFontMetrics>
#include <QMap>
#include <QTest>

#include "file_test.h"

namespace ui_test {
namespace {

// The result labels cgcalc-cli gives for a file in tests/data, from
// tests/data/expected/NAME.labels (a name and its text per line).
QMap<QString, QString> ExpectedLabels(const QString& file) {
  QFile listing(DataFile("expected/") + QString(file).replace(QStringLiteral(".dat"), QStringLiteral(".labels")));
  QMap<QString, QString> labels;
  if (!listing.open(QIODevice::ReadOnly)) return labels;
  for (const QByteArray& line : listing.readAll().split('\n')) {
    const qsizetype tab = line.indexOf('\t');
    if (tab > 0) labels.insert(QString::fromUtf8(line.left(tab)), QString::fromUtf8(line.mid(tab + 1)));
  }
  return labels;
}

class ModelFileChecksTest : public FileCommandsTest {
 protected:
  QMap<QString, QString> ShownLabels() {
    QMap<QString, QString> labels;
    const ValueTexts values = Values();
    for (std::size_t i = 0; i < values.size(); ++i)
      labels.insert(QString::fromLatin1(present::CellsInLabelOrder()[i]->name.data()), values[i]);
    return labels;
  }
};

// Line feeds alone, line feed then carriage return, and a mix of all line
// ends load without a question and give what the command-line tool gives.
TEST_F(ModelFileChecksTest, EveryLineEndLoads) {
  for (const char* file : {"lf_line_ends.dat", "lf_cr_line_ends.dat", "mixed_line_ends.dat"}) {
    SCOPED_TRACE(file);
    Load(DataFile(file));
    EXPECT_TRUE(dialogs.loadAnywayQuestions.empty());
    EXPECT_TRUE(TakeReports().isEmpty());
    EXPECT_EQ(Main().CurrentFileName(), DataFile(file));
    const QMap<QString, QString> expected = ExpectedLabels(QString::fromLatin1(file));
    ASSERT_FALSE(expected.isEmpty());
    const QMap<QString, QString> shown = ShownLabels();
    for (auto label = shown.cbegin(); label != shown.cend(); ++label) {
      SCOPED_TRACE(label.key().toStdString());
      EXPECT_EQ(label.value(), expected.value(label.key(), QStringLiteral("(missing)")));
    }
  }
}

// A file with more than numbers in it is loaded only when the user says so.
// The question names the file and quotes the first line that does not fit
// (its first 40 characters, anything unprintable as "?"); No changes
// nothing, Yes loads it like any model file.
TEST_F(ModelFileChecksTest, UnlikeModelFileAsksFirst) {
  const struct {
    const char* file;
    int line;
    const char* text;
    double span;  // what B becomes when loaded anyway
    const char* readsAs = "";  // a blank after the number changed it
  } rows[] = {
      {"notes.txt", 1, "Building notes for the two-panel glider,", 0},
      {"sixteen_lines.dat", 16, " 500", 1300},
      // In two pieces: "??>" in one literal would be a trigraph.
      {"program.bin", 1, "?ELF??????????????" ">?????@???????@???????", 0},
      {"blank_changes_sign.dat", 6, " -30 ", 1300, ", which reads as 30"},
  };
  for (const auto& row : rows) {
    for (const bool answer : {false, true}) {
      SCOPED_TRACE(std::string(row.file) + (answer ? ", yes" : ", no"));
      ShowWindows();
      SetField(QStringLiteral("B"), QStringLiteral("1500"));
      dialogs.replaceAnswers = {true};
      SaveAs(PathIn(QStringLiteral("before.dat")));
      const QStringList before = FieldTexts();
      const QString path = DataFile(row.file);
      dialogs.loadAnywayAnswers = {answer};
      Load(path);
      ASSERT_EQ(dialogs.loadAnywayQuestions.size(), 1u);
      EXPECT_EQ(dialogs.loadAnywayQuestions[0].title, kTitle);
      EXPECT_EQ(dialogs.loadAnywayQuestions[0].text,
                path + QStringLiteral(" does not look like a model file: line %1 reads \"%2\"%3. Load it anyway?")
                           .arg(row.line)
                           .arg(QString::fromLatin1(row.text), QString::fromLatin1(row.readsAs)));
      dialogs.loadAnywayQuestions.clear();
      EXPECT_EQ(Main().CurrentFileName(), answer ? path : PathIn(QStringLiteral("before.dat")));
      EXPECT_EQ(Main().Model().B, answer ? row.span : 1500);
      if (!answer) {
        EXPECT_EQ(FieldTexts(), before);
      }
      EXPECT_FALSE(Main().isWindowModified());
      TakeReports();
    }
  }
}

// A named pipe is refused at once (nothing waits for a writer), named in
// the report's message.
TEST_F(ModelFileChecksTest, NoRegularFileIsRefused) {
  const QString pipe = PathIn(QStringLiteral("pipe.dat"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  Load(pipe);
  EXPECT_EQ(TakeReports(), QStringList{pipe + QStringLiteral(" is a named pipe, not a model file.")});
  EXPECT_EQ(Main().CurrentFileName(), QStringLiteral("NoName"));
}

// A path too long for the room before the column heads loses its middle to
// "…" and shows whole as the line's tooltip; a short one shows whole.
TEST_F(ModelFileChecksTest, LongFileNameEndsBeforeTheColumnHeads) {
  QString folderPath = folder.path();
  for (const char* part : {"/a folder with a rather long name", "/and another one below it", "/and a third"}) {
    folderPath += QString::fromLatin1(part);
    ASSERT_TRUE(QDir().mkdir(folderPath));
  }
  const QString path = folderPath + QStringLiteral("/the model with the long name.dat");
  const QLabel& line = NamedLabel(QStringLiteral("Lab_fname"));
  const QLabel& wingHead = Caption(1);
  ASSERT_EQ(line.y(), wingHead.y()) << "the two share a row";
  ASSERT_GT(line.fontMetrics().horizontalAdvance(path), wingHead.x() - line.x()) << "the path is long enough";

  SaveAs(path);
  EXPECT_LT(line.geometry().right(), wingHead.x());
  EXPECT_TRUE(line.text().contains(QString::fromUtf8("\u2026")));
  EXPECT_TRUE(line.text().startsWith(folder.path().left(4)));
  EXPECT_TRUE(line.text().endsWith(QStringLiteral("long name.dat")));
  EXPECT_EQ(line.toolTip(), path);

  const QString shortPath = PathIn(QStringLiteral("short.dat"));
  SaveAs(shortPath);
  EXPECT_EQ(line.text(), shortPath);
  EXPECT_TRUE(line.toolTip().isEmpty());
}

// The file named on the command line loads once the window has started,
// as Load loads it; a file that cannot be loaded is reported and the window
// goes on working.
TEST_F(ModelFileChecksTest, FileOnTheCommandLine) {
  const QString other = PathIn(QStringLiteral("other.dat"));
  WriteBytes(other, "1500\r\n0\r\n240\r\n");
  CreateWindows();
  Main().LoadAtStart(other);
  windows->Show();
  ASSERT_TRUE(QTest::qWaitFor([this] { return Main().CurrentFileName() != QStringLiteral("NoName") &&
                                               !Main().CurrentFileName().isEmpty(); }));
  EXPECT_EQ(Main().CurrentFileName(), other);
  EXPECT_EQ(Field(QStringLiteral("B")).text(), QStringLiteral("1500"));
  EXPECT_EQ(NamedLabel(QStringLiteral("Lab_fname")).text(), other);

  const QString missing = PathIn(QStringLiteral("missing.dat"));
  CreateWindows();
  Main().LoadAtStart(missing);
  windows->Show();
  ASSERT_TRUE(QTest::qWaitFor([this] { return !dialogs.reports.empty(); }));
  EXPECT_EQ(TakeReports(), QStringList{missing + QStringLiteral("\nFile not found.")});
  EXPECT_EQ(Main().CurrentFileName(), QStringLiteral("NoName"));
  SetField(QStringLiteral("B"), QStringLiteral("1000"));
  EXPECT_EQ(NamedLabel(QStringLiteral("Lab_St")).text(), QStringLiteral(" 21.5"));
}

}  // namespace
}  // namespace ui_test
