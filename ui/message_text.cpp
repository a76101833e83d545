#include "ui/message_text.h"

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

}  // namespace ui
