#pragma once

#include <optional>

#include <QLabel>
#include <QString>

namespace ui {

// A one-line label for a text that may be longer than the label is wide: it
// shows as much as fits, cut at its end with "…", and the whole text as its
// tooltip whenever it is cut. It takes the width its layout gives it; its
// text never widens the window.
class ElidingLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidingLabel(QWidget* parent = nullptr);

  // Shows `text` followed by `mark`: when both do not fit, `text` is cut so
  // that the mark stays whole.
  void SetFullText(const QString& text, const QString& mark = QString());
  const QString& FullText() const { return text_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void fit();

  QString text_;
  QString mark_;
  std::optional<int> textWidth_;  // of text_ in the label's font, once measured
};

}  // namespace ui
