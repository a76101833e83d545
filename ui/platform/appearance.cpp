#include "ui/platform/appearance.h"

#include <QLabel>
#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace ui {

QFont WindowFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans Condensed"),
                    QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  // Whole-pixel glyphs: crisp at 11 px, as captions of this size look on
  // other desktops, and each glyph is rasterised once instead of once per
  // sub-pixel position, which makes the first paint cheaper. Liberation's
  // advances stay the same, so every caption keeps its width.
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

QFont BoldWindowFont() {
  QFont font = WindowFont();
  font.setBold(true);
  return font;
}

void SetTextColour(QWidget& widget, QRgb colour) {
  if (TextColour(widget) == colour) return;
  QPalette palette = widget.palette();
  // Labels draw with WindowText, fields with Text.
  palette.setColor(QPalette::WindowText, QColor(colour));
  palette.setColor(QPalette::Text, QColor(colour));
  widget.setPalette(palette);
}

QRgb TextColour(const QWidget& widget) { return widget.palette().color(QPalette::WindowText).rgb(); }

void SetCaptionFitted(QLabel& label, const QString& text) {
  if (label.text() == text && label.width() == label.sizeHint().width()) return;
  label.setText(text);
  label.resize(label.sizeHint().width(), kLineHeight);
}

void SetSilverBackground(QWidget& widget) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, QColor(kSilver));
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

}  // namespace ui
