#include "ui/platform/qt_dialogs.h"

#include <malloc.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "qstring_printer.h"
#include "ui/pictures/icons.h"
#include "ui/print_support/print_support.h"

namespace {

// Open shows both formats under one filter, Save as offers each; a bare
// name gets "dat", or "cgcalc" once documents are chosen. Neither dialog
// requires an existing file nor asks before overwriting.
TEST(QtDialogs, ModelFileDialogsAreSetUpAlike) {
  const struct {
    const char* name;
    QFileDialog::AcceptMode mode;
    QStringList filters;
  } cases[] = {{"open", QFileDialog::AcceptOpen, {QStringLiteral("Model Files (*.cgcalc *.dat)")}},
               {"save", QFileDialog::AcceptSave,
                {QStringLiteral("Model Documents (*.cgcalc)"), QStringLiteral("Model Files (*.dat)")}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto dialog = ui::MakeModelFileDialog(c.mode);
    EXPECT_EQ(dialog->acceptMode(), c.mode);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
    EXPECT_EQ(dialog->nameFilters(), c.filters);
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("dat"));
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
  }
  const auto saving = ui::MakeModelFileDialog(QFileDialog::AcceptSave);
  ui::ChooseSavedFormat(*saving, true);
  EXPECT_EQ(saving->selectedNameFilter(), QStringLiteral("Model Documents (*.cgcalc)"));
  EXPECT_EQ(saving->defaultSuffix(), QStringLiteral("cgcalc"));
}

// The failure report: the stop sign it is given (the very pixmap, not a new
// one), one OK button, the title as caption, the text as it is.
TEST(QtDialogs, ErrorBoxHasStopSignAndOneOkButton) {
  const QPixmap stopSign = ui::StopSign();
  ASSERT_FALSE(stopSign.isNull());
  const auto box = ui::MakeErrorBox(QStringLiteral("Cgcalc"), QStringLiteral("<b>x</b>."), nullptr, stopSign);
  EXPECT_EQ(box->iconPixmap().cacheKey(), stopSign.cacheKey());
  EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
  EXPECT_EQ(box->buttons().size(), 1);
  EXPECT_EQ(box->windowTitle(), QStringLiteral("Cgcalc"));
  EXPECT_EQ(box->text(), QStringLiteral("<b>x</b>."));
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

// The two new questions: their buttons, which one Enter and which one Escape
// presses, and the text as it is.
TEST(QtDialogs, QuestionsHaveTheirButtonsAndDefaults) {
  const QString text = QStringLiteral("<i>question</i>?");
  const struct {
    const char* name;
    std::unique_ptr<QMessageBox> box;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton enter, escape;
  } cases[] = {
      {"save changes", ui::MakeSaveChangesQuestion(QStringLiteral("Cgcalc"), text, nullptr),
       QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save, QMessageBox::Cancel},
      {"load anyway", ui::MakeLoadAnywayQuestion(QStringLiteral("Cgcalc"), text, nullptr),
       QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::No},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.box->standardButtons(), c.buttons);
    EXPECT_EQ(c.box->defaultButton(), c.box->button(c.enter));
    EXPECT_EQ(c.box->escapeButton(), c.box->button(c.escape));
    EXPECT_EQ(c.box->windowTitle(), QStringLiteral("Cgcalc"));
    EXPECT_EQ(c.box->text(), text);
    EXPECT_EQ(c.box->textFormat(), Qt::PlainText);
  }
}

// Every dialog belongs to the window that owns them: its child, so centred
// on it, with its icon, and gone with it.
TEST(QtDialogs, DialogsAreChildrenOfTheOwner) {
  auto owner = std::make_unique<QWidget>();
  owner->setWindowIcon(ui::AppIcon());
  ui::QtDialogs dialogs(owner.get());
  const auto box = dialogs.ErrorBox(QStringLiteral("Cgcalc"), QStringLiteral("x"));
  EXPECT_EQ(box->parentWidget(), owner.get());
  EXPECT_TRUE(box->isWindow());
  EXPECT_EQ(box->windowIcon().cacheKey(), owner->windowIcon().cacheKey());

  const auto fileDialog = ui::MakeModelFileDialog(QFileDialog::AcceptOpen, owner.get());
  EXPECT_EQ(fileDialog->parentWidget(), owner.get());
  QPrinter printer;
  const auto printDialog = ui::MakePrintDialog(printer, owner.get());
  EXPECT_EQ(printDialog->parentWidget(), owner.get());
}

// A thousand failure reports leave no memory behind: each box is made,
// shown, closed and destroyed as a report does, and the heap is measured
// around them after a first round has filled Qt's caches.
TEST(QtDialogs, ErrorBoxesLeaveNoMemoryBehind) {
  QWidget owner;
  owner.show();
  ui::QtDialogs dialogs(&owner);
  const auto showBoxes = [&dialogs](int count) {
    for (int i = 0; i < count; ++i) {
      const auto box = dialogs.ErrorBox(QStringLiteral("Cgcalc"), QStringLiteral("File not found."));
      box->show();
      box->hide();
      QApplication::processEvents();
    }
  };
  showBoxes(200);
  const std::size_t before = mallinfo2().uordblks;
  showBoxes(1000);
  const std::size_t after = mallinfo2().uordblks;
  // Some slack for the heap's own bookkeeping (a few bytes a box are seen);
  // a leak in each box's icon would be a megabyte.
  EXPECT_LT(after, before + 64 * 1024) << (after - before) / 1000 << " bytes per box";
}

// The name completion list of a file dialog closes with the dialog: left
// open, it stays on the screen and takes the next click.
TEST(QtDialogs, CompletionListClosesWithTheDialog) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (const char* name : {"glider.dat", "glider2.dat"}) {
    QFile file(folder.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QWidget owner;
  owner.show();
  const auto dialog = ui::MakeModelFileDialog(QFileDialog::AcceptOpen, &owner);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setDirectory(folder.path());
  dialog->open();  // window-modal, returns at once
  auto* nameField = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(nameField, nullptr);
  QCompleter* completer = nameField->completer();
  ASSERT_NE(completer, nullptr);
  // The folder is listed in the background; type until the list shows.
  ASSERT_TRUE(QTest::qWaitFor([&] {
    nameField->setFocus();
    nameField->clear();
    QTest::keyClicks(nameField, QStringLiteral("gli"));
    return completer->popup()->isVisible();
  }));
  dialog->reject();
  EXPECT_FALSE(completer->popup()->isVisible());
}

}  // namespace
