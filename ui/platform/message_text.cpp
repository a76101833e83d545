#include "ui/platform/message_text.h"

#include <QDir>

namespace ui {

QString ApplicationTitle(const QString& executablePath) {
  // Both separators count, so that a path written either way gives the same title.
  const qsizetype lastSeparator =
      std::max(executablePath.lastIndexOf(QLatin1Char('/')), executablePath.lastIndexOf(QLatin1Char('\\')));
  QString title = executablePath.mid(lastSeparator + 1);
  const qsizetype fullStop = title.indexOf(QLatin1Char('.'));
  if (fullStop >= 0) title.truncate(fullStop);
  if (title.size() > 1) title = title.left(1) + title.mid(1).toLower();
  return title;
}

QString MessageWithFullStop(const QString& message) {
  if (!message.isEmpty() && message.back().unicode() > u'.') return message + QLatin1Char('.');
  return message;
}

QString ShownFileName(const QString& path) { return QDir::toNativeSeparators(path); }

QString FileMessage(const QString& path, const QString& message) {
  return ShownFileName(path) + QLatin1Char('\n') + message;
}

QString SaveChangesQuestion(const QString& path) {
  return QStringLiteral("Save changes to %1?").arg(ShownFileName(path));
}

QString UnlikeModelQuestion(const QString& path, int line, const QString& lineText, const QString& readsAs) {
  // Built piece by piece: the name or the line may hold "%1" themselves.
  const QString value = readsAs.isEmpty() ? QString() : QStringLiteral(", which reads as ") + readsAs;
  return ShownFileName(path) + QStringLiteral(" does not look like a model file: line ") + QString::number(line) +
         QStringLiteral(" reads \"") + lineText + QStringLiteral("\"") + value + QStringLiteral(". Load it anyway?");
}

QString DatLossQuestion(const QString& path, const QString& lost) {
  // Built piece by piece, as the question above.
  return ShownFileName(path) +
         QStringLiteral(" is a .dat file, which holds only the fifteen dimensions in whole millimetres; the model's ") +
         lost + QStringLiteral(" would be lost. Save it anyway?");
}

}  // namespace ui
