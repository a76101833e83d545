#pragma once

#include <array>
#include <optional>

#include <QImage>
#include <QLabel>
#include <QString>

namespace ui {

// A one-line label for a text that may be longer than the label is wide: it
// shows as much as fits, cut at its end with "…", and the whole text as its
// tooltip whenever it is cut. It takes the width its layout gives it; its
// text never widens the window.
//
// It may be repainted at every keystroke (a mark comes, the colour turns), so
// it never measures its text for a size hint, and it keeps the last two looks
// it painted as pictures: switching back and forth between them, or to a look
// prepared in advance (Prepare), draws no text. The pictures include the
// background, in the palette's window colour: the label suits a window
// filled with that colour.
class ElidingLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidingLabel(QWidget* parent = nullptr);

  // Shows `text` followed by `mark`: when both do not fit, `text` is cut so
  // that the mark stays whole.
  void SetFullText(const QString& text, const QString& mark = QString());
  const QString& FullText() const { return text_; }

  // Draws now, off screen, the look the label would have with `mark` in
  // `colour`, so that changing to it later costs no text drawing.
  void Prepare(const QString& mark, QColor colour);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Look {
    QString shown;  // what fits of the text, and the mark
    QRgb colour = 0;
    QRgb background = 0;
    QImage picture;
  };
  // What fits of the text beside `mark`.
  QString ShownWith(const QString& mark);
  void fit();
  const QImage& pictureOf(const QString& shown, QColor colour);

  QString text_;
  QString mark_;
  std::optional<int> textWidth_;  // of text_ in the label's font, once measured
  std::array<Look, 2> looks_;
  std::size_t newestLook_ = 0;
};

}  // namespace ui
