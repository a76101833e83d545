#include "ui/qt_dialogs.h"

#include <QAbstractButton>

#include <gtest/gtest.h>

#include "qstring_printer.h"

namespace {

// Both model file dialogs offer only "*.dat", add "dat" to a bare name and
// neither require an existing file nor ask before overwriting.
TEST(QtDialogs, ModelFileDialogsAreSetUpAlike) {
  const struct {
    const char* name;
    QFileDialog::AcceptMode mode;
  } cases[] = {{"open", QFileDialog::AcceptOpen}, {"save", QFileDialog::AcceptSave}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto dialog = ui::MakeModelFileDialog(c.mode);
    EXPECT_EQ(dialog->acceptMode(), c.mode);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
    EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("Model Files (*.dat)")});
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("dat"));
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
  }
}

// The failure report: stop icon, one OK button, the title as caption, the text as it is.
TEST(QtDialogs, ErrorBoxHasStopIconAndOneOkButton) {
  const auto box = ui::MakeErrorBox(QStringLiteral("Cgcalc"), QStringLiteral("<b>x</b>."), nullptr);
  EXPECT_EQ(box->icon(), QMessageBox::Critical);
  EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
  EXPECT_EQ(box->buttons().size(), 1);
  EXPECT_EQ(box->windowTitle(), QStringLiteral("Cgcalc"));
  EXPECT_EQ(box->text(), QStringLiteral("<b>x</b>."));
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

}  // namespace
