// Unsaved changes: the window knows whether its fifteen values differ from
// those last loaded or saved, shows it in its title, and asks before closing,
// quitting or loading would lose them.
#include <QTest>

#include "file_test.h"

namespace ui_test {
namespace {

using Answer = ui::Dialogs::UnsavedChanges;

class UnsavedChangesTest : public FileCommandsTest {
 protected:
  // Types over the whole of a field, key by key.
  void Type(const QString& code, const QString& text) {
    QLineEdit& field = Field(code);
    field.setFocus();
    field.selectAll();
    if (text.isEmpty()) {
      QTest::keyClick(&field, Qt::Key_Delete);
    } else {
      QTest::keyClicks(&field, text);
    }
  }

  // The question asked, and forgets it; empty when none was asked.
  QString TakeQuestion() {
    if (dialogs.saveChangesQuestions.empty()) return {};
    EXPECT_EQ(dialogs.saveChangesQuestions.size(), 1u);
    EXPECT_EQ(dialogs.saveChangesQuestions.back().title, kTitle);
    const QString question = dialogs.saveChangesQuestions.back().text;
    dialogs.saveChangesQuestions.clear();
    return question;
  }
};

// Values count, not keystrokes: a digit typed and deleted again, or the
// same number written otherwise, is no change. The title carries the mark
// while the values differ from those last loaded or saved.
TEST_F(UnsavedChangesTest, ModifiedMarkFollowsTheValues) {
  const QString title = QString(Main().windowTitle()).remove(QStringLiteral("[*]"));
  EXPECT_EQ(ShownTitle(), title);
  const struct {
    const char* name;
    const char* code;
    const char* text;
    bool modified;
  } rows[] = {
      {"other span", "B", "1301", true},        {"span as before", "B", "1300", false},
      {"same value written otherwise", "B", "1300.0", false},
      {"leading blanks", "B", "  1300", false}, {"invalid rest ignored", "B", "1300x", false},
      {"negative zero", "La", "-0", true},      {"zero again", "La", "0", false},
      {"empty is zero", "La", "", false},        {"beyond range", "Lk", "1e400", true},
      {"back", "Lk", "210", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Type(QString::fromLatin1(row.code), QString::fromLatin1(row.text));
    EXPECT_EQ(Main().isWindowModified(), row.modified);
    EXPECT_EQ(ShownTitle(), row.modified ? title + QLatin1Char('*') : title);
  }
  // A digit and Backspace.
  Type(QStringLiteral("Li"), QStringLiteral("2205"));
  EXPECT_TRUE(Main().isWindowModified());
  QTest::keyClick(&Field(QStringLiteral("Li")), Qt::Key_Backspace);
  EXPECT_FALSE(Main().isWindowModified());
  TakeReports();
}

// Saving and loading make the values shown the saved ones; a change after
// them is one again.
TEST_F(UnsavedChangesTest, SaveAndLoadClearTheMark) {
  Type(QStringLiteral("B"), QStringLiteral("1400"));
  SaveAs(PathIn(QStringLiteral("model.dat")));
  EXPECT_FALSE(Main().isWindowModified());
  Type(QStringLiteral("B"), QStringLiteral("1500"));
  EXPECT_TRUE(Main().isWindowModified());
  Save();
  EXPECT_FALSE(Main().isWindowModified());
  Type(QStringLiteral("B"), QStringLiteral("1600"));
  Load(DataFile("default.dat"));
  EXPECT_FALSE(Main().isWindowModified());
  Type(QStringLiteral("B"), QStringLiteral("1300.4"));  // saved as 1300, but another value now
  EXPECT_TRUE(Main().isWindowModified());
  EXPECT_TRUE(TakeReports().isEmpty());
}

// Closing the window with changes asks "Save changes to NAME?". Save saves
// (by Save as while there is no file) and closes; Discard closes without
// saving; Cancel, or a save that is cancelled, keeps the window and its values.
TEST_F(UnsavedChangesTest, ClosingWithChangesAsks) {
  const QString path = PathIn(QStringLiteral("chosen.dat"));
  const struct {
    const char* name;
    Answer answer;
    std::optional<QString> saveAs;
    bool closes;
    bool saved;
  } rows[] = {{"save", Answer::Save, path, true, true},
              {"save, dialog cancelled", Answer::Save, std::nullopt, false, false},
              {"discard", Answer::Discard, std::nullopt, true, false},
              {"cancel", Answer::Cancel, std::nullopt, false, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ShowWindows();
    QFile::remove(path);
    Type(QStringLiteral("B"), QStringLiteral("1400"));
    dialogs.saveChangesAnswers = {row.answer};
    dialogs.saveAnswers = {row.saveAs};
    EXPECT_EQ(Main().close(), row.closes);
    EXPECT_EQ(TakeQuestion(), QStringLiteral("Save changes to NoName?"));
    EXPECT_EQ(Main().isVisible(), !row.closes);
    EXPECT_EQ(QFile::exists(path), row.saved);
    if (row.saved) {
      EXPECT_EQ(Lines(ReadBytes(path)).value(0), QByteArray("1400"));
    }
    EXPECT_EQ(Field(QStringLiteral("B")).text(), QStringLiteral("1400"));
    dialogs.saveAnswers.clear();
  }
  EXPECT_TRUE(TakeReports().isEmpty());
}

// Without changes the window closes without a question; with them, File /
// Quit asks the same question, naming the current file.
TEST_F(UnsavedChangesTest, QuitAsksOnlyAboutChanges) {
  const QString path = PathIn(QStringLiteral("model.dat"));
  SaveAs(path);
  Type(QStringLiteral("Rh"), QStringLiteral("400"));
  dialogs.saveChangesAnswers = {Answer::Cancel};
  Action(QStringLiteral("Quit1")).trigger();
  EXPECT_EQ(TakeQuestion(), QStringLiteral("Save changes to %1?").arg(path));
  EXPECT_TRUE(Main().isVisible());

  dialogs.saveChangesAnswers = {Answer::Save};
  Action(QStringLiteral("Quit1")).trigger();
  EXPECT_FALSE(TakeQuestion().isEmpty());
  EXPECT_FALSE(Main().isVisible());
  EXPECT_EQ(Lines(ReadBytes(path)).value(14), QByteArray(" 400"));

  ShowWindows();
  EXPECT_TRUE(Main().close());
  EXPECT_TRUE(TakeQuestion().isEmpty());
}

// A save that fails is reported and keeps the window open with its values.
TEST_F(UnsavedChangesTest, FailedSaveKeepsTheWindow) {
  const QString path = PathIn(QStringLiteral("model.dat"));
  SaveAs(path);
  // The file becomes a folder: saving to it fails.
  ASSERT_TRUE(QFile::remove(path));
  ASSERT_TRUE(QDir().mkdir(path));
  Type(QStringLiteral("B"), QStringLiteral("1400"));
  dialogs.saveChangesAnswers = {Answer::Save};
  EXPECT_FALSE(Main().close());
  EXPECT_TRUE(Main().isVisible());
  EXPECT_EQ(TakeReports(), QStringList{path + QStringLiteral("\nFile access denied.")});
  EXPECT_EQ(Field(QStringLiteral("B")).text(), QStringLiteral("1400"));
  EXPECT_TRUE(Main().isWindowModified());
}

// Load asks before the changes would be replaced by the file: Cancel ends
// Load before its dialog, Discard goes on to it, Save saves first.
TEST_F(UnsavedChangesTest, LoadAsksFirst) {
  const struct {
    const char* name;
    Answer answer;
    bool opens;
    QByteArray savedSpan;
  } rows[] = {{"cancel", Answer::Cancel, false, "1300"},
              {"discard", Answer::Discard, true, "1300"},
              {"save", Answer::Save, true, "1400"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ShowWindows();
    const QString path = PathIn(QString::fromLatin1(row.name) + QStringLiteral(".dat"));
    SaveAs(path);
    Type(QStringLiteral("B"), QStringLiteral("1400"));
    dialogs.saveChangesAnswers = {row.answer};
    dialogs.openAnswers = {DataFile("default.dat")};
    Action(QStringLiteral("Load1")).trigger();
    EXPECT_EQ(TakeQuestion(), QStringLiteral("Save changes to %1?").arg(path));
    EXPECT_EQ(dialogs.openAnswers.empty(), row.opens);
    EXPECT_EQ(Field(QStringLiteral("B")).text(), row.opens ? QStringLiteral("1300") : QStringLiteral("1400"));
    EXPECT_EQ(Lines(ReadBytes(path)).value(0), row.savedSpan);
    dialogs.openAnswers.clear();
  }
  EXPECT_TRUE(TakeReports().isEmpty());
}

}  // namespace
}  // namespace ui_test
