#include "scripted_dialogs.h"

namespace ui_test {
namespace {

template <class Answer>
Answer Next(std::deque<Answer>& answers, Answer cancelled, const std::function<void()>& whileOpen) {
  if (whileOpen) whileOpen();
  if (answers.empty()) return cancelled;
  Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace

void ScriptedDialogs::ShowError(const QString& title, const QString& text) { reports.push_back({title, text}); }

std::optional<QString> ScriptedDialogs::ChooseFileToOpen() {
  return Next(openAnswers, std::optional<QString>(), whileOpen);
}

std::optional<QString> ScriptedDialogs::ChooseFileToSave(bool document) {
  saveFormats.push_back(document);
  return Next(saveAnswers, std::optional<QString>(), whileOpen);
}

bool ScriptedDialogs::ConfirmReplace(const QString& title, const QString& path) {
  replaceQuestions.push_back({title, path});
  return Next(replaceAnswers, false, whileOpen);
}

ScriptedDialogs::UnsavedChanges ScriptedDialogs::SaveChanges(const QString& title, const QString& question) {
  saveChangesQuestions.push_back({title, question});
  return Next(saveChangesAnswers, UnsavedChanges::Cancel, whileOpen);
}

bool ScriptedDialogs::ConfirmLoadAnyway(const QString& title, const QString& question) {
  loadAnywayQuestions.push_back({title, question});
  return Next(loadAnywayAnswers, false, whileOpen);
}

bool ScriptedDialogs::ConfirmDatLoss(const QString& title, const QString& question) {
  datLossQuestions.push_back({title, question});
  return Next(datLossAnswers, false, whileOpen);
}

bool ScriptedDialogs::ChoosePrinter(QPrinter& printer) {
  const bool confirmed = Next(printAnswers, false, whileOpen);
  if (confirmed && choosePrinter) choosePrinter(printer);
  return confirmed;
}

}  // namespace ui_test
