#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <QString>

#include "ui/platform/dialogs.h"

namespace ui_test {

// Dialogs that never open a window: reports and questions are recorded, and
// the file and print dialogs and the questions take the next scripted answer
// (cancel, or No, when none is left).
class ScriptedDialogs final : public ui::Dialogs {
 public:
  struct Report {
    QString title;
    QString text;
  };

  void ShowError(const QString& title, const QString& text) override;
  std::optional<QString> ChooseFileToOpen() override;
  std::optional<QString> ChooseFileToSave(bool document) override;
  bool ConfirmReplace(const QString& title, const QString& path) override;
  UnsavedChanges SaveChanges(const QString& title, const QString& question) override;
  bool ConfirmLoadAnyway(const QString& title, const QString& question) override;
  bool ConfirmDatLoss(const QString& title, const QString& question) override;
  bool ChoosePrinter(QPrinter& printer) override;

  std::vector<Report> reports;
  std::deque<std::optional<QString>> openAnswers;
  std::deque<std::optional<QString>> saveAnswers;
  std::vector<bool> saveFormats;  // for each save dialog: whether it offered documents first
  std::vector<Report> replaceQuestions;  // the title and the path asked about
  std::deque<bool> replaceAnswers;
  std::vector<Report> saveChangesQuestions;  // the title and the question
  std::deque<UnsavedChanges> saveChangesAnswers;
  std::vector<Report> loadAnywayQuestions;  // the title and the question
  std::deque<bool> loadAnywayAnswers;
  std::vector<Report> datLossQuestions;  // the title and the question
  std::deque<bool> datLossAnswers;
  std::deque<bool> printAnswers;
  // What the user picks in a confirmed print dialog: gets the printer the
  // dialog was opened with (and so sees its current settings).
  std::function<void(QPrinter&)> choosePrinter;
  // What happens while a question or a file or print dialog is open, before
  // it is answered (the user taking their time, say).
  std::function<void()> whileOpen;
};

}  // namespace ui_test
