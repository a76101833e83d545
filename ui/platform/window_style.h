#pragma once

#include <QProxyStyle>

namespace ui {

// The application's own style on the platform's: it changes nothing in how
// the windows look, but draws the menu bar's "more items" chevron itself.
// The platform style loads that picture from an image file, and reading an
// image file makes Qt load every image-format plugin, which would slow the
// start-up of a program that reads no images at all.
class WindowStyle : public QProxyStyle {
  Q_OBJECT

 public:
  // Wraps the style `baseStyleName` names (as QStyleFactory knows it).
  explicit WindowStyle(const QString& baseStyleName);

  QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

// Makes WindowStyle, over the style the application would use, the
// application's style; does nothing when it is already. Needs a QApplication
// and must run before the first window is built: widgets take their style's
// pictures when they are made.
void UseWindowStyle();

}  // namespace ui
