#pragma once

// What the tests of the file commands share: test data, file helpers and a
// window with a temporary folder.
#include <array>
#include <optional>
#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "calc/fields.h"
#include "calc/stability.h"
#include "window_test.h"

namespace ui_test {

// The field texts that loading the default model gives, in file order.
inline const QStringList kLoadedDefaultTexts = {"1300", "   0", " 220", " 210", "   0", " -30", "   0", " 415",
                                         "  50", " 160", " 110", "  40", "  20", "  30", " 360"};

inline QString DataFile(const char* name) {
  return QStringLiteral(CGCALC_TEST_DATA_DIR "/") + QString::fromLatin1(name);
}

inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "(unreadable)";
  return file.readAll();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

// The lines of a model file without their line ends.
inline QList<QByteArray> Lines(const QByteArray& bytes) {
  QList<QByteArray> lines = bytes.split('\n');
  if (!lines.isEmpty() && lines.constLast().isEmpty()) lines.removeLast();
  for (QByteArray& line : lines) line.chop(1);  // the carriage return
  return lines;
}

inline QString Code(int index) {
  const std::string_view code = calc::kModelFieldCodes[index];
  return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

inline int IndexOf(const char* code) {
  for (int i = 0; i < calc::kModelFieldCount; ++i)
    if (calc::kModelFieldCodes[i] == code) return i;
  throw std::logic_error("no field code");
}

inline std::array<double, calc::kModelFieldCount> ValuesOf(const calc::TModelData& model) {
  std::array<double, calc::kModelFieldCount> values{};
  for (int i = 0; i < calc::kModelFieldCount; ++i) values[i] = calc::ModelField(model, i);
  return values;
}

// Runs the program in `folder` while it lives, so that bare names land there.
class CurrentFolder {
 public:
  explicit CurrentFolder(const QString& folder) : previous_(QDir::currentPath()) { QDir::setCurrent(folder); }
  ~CurrentFolder() { QDir::setCurrent(previous_); }

 private:
  QString previous_;
};

class FileCommandsTest : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    ShowWindows();
  }

  QString PathIn(const QString& name) const { return folder.filePath(name); }

  // The commands as the user starts them; each consumes its scripted answer.
  // Load discards unsaved changes when it asks about them.
  void Load(const std::optional<QString>& answer) {
    dialogs.openAnswers = {answer};
    dialogs.saveChangesAnswers = {ui::Dialogs::UnsavedChanges::Discard};
    Action(QStringLiteral("Load1")).trigger();
    EXPECT_TRUE(dialogs.openAnswers.empty()) << "the open dialog was not shown";
    dialogs.saveChangesAnswers.clear();
  }
  void SaveAs(const std::optional<QString>& answer) {
    dialogs.saveAnswers = {answer};
    Action(QStringLiteral("Saveas1")).trigger();
    EXPECT_TRUE(dialogs.saveAnswers.empty()) << "the save dialog was not shown";
  }
  void Save() { Action(QStringLiteral("Save1")).trigger(); }

  QStringList FieldTexts() {
    QStringList texts;
    for (int i = 0; i < calc::kModelFieldCount; ++i) texts << Field(Code(i)).text();
    return texts;
  }

  // The table the calculation gives for the fields as they are now, by the
  // library's own path.
  ValueTexts TableForFields() {
    calc::FieldTexts texts;
    for (int i = 0; i < calc::kModelFieldCount; ++i) texts[i] = Field(Code(i)).text().toStdString();
    calc::TModelData model;
    calc::TStabilityData results;
    calc::Recalculate(texts, model, results);
    const present::ResultLabelTexts labels = present::LabelTexts(results);
    ValueTexts table;
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = QString::fromStdString(labels[i]);
    return table;
  }

  QString FileNameLine() { return NamedLabel(QStringLiteral("Lab_fname")).text(); }

  QTemporaryDir folder;
};

}  // namespace ui_test
