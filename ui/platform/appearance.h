#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <string_view>

#include "ui/pictures/palette.h"

class QLabel;
class QWidget;

namespace ui {


// The windows' font: a sans-serif face 11 pixels high (8 point at 96 pixels
// per inch). It is set in pixels so that every screen and the offscreen
// platform lay the text out alike. Liberation Sans comes first because its
// widths let the longest row caption end before the margin column; the
// others stand in where it is missing.
QFont WindowFont();

// The same font in bold.
QFont BoldWindowFont();

// Sets the colour of a label's or a field's text; does nothing when the
// widget already has it, so that the recalculation can set it every time
// without repainting.
void SetTextColour(QWidget& widget, QRgb colour);

// The colour of a widget's text as SetTextColour set it.
QRgb TextColour(const QWidget& widget);

// The height of a line of text: caption and value labels are this high.
inline constexpr int kLineHeight = 13;

// A text of the libraries (UTF-8, umlauts included) for a control.
inline QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Sets a caption label's text; the label keeps its left edge and top and
// takes the width of its text. Does nothing when the text is unchanged.
void SetCaptionFitted(QLabel& label, const QString& text);

// Gives a widget a solid silver background.
void SetSilverBackground(QWidget& widget);

}  // namespace ui
