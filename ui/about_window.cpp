#include "ui/about_window.h"

#include <QHideEvent>

#include "ui/look.h"

namespace ui {

TForm2::TForm2(HandlerBoundary& boundary) : boundary_(boundary) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("About"));
  // Closing the main window ends the program even while this one is shown.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFont(WindowFont());
  SetSilverBackground(*this);
  move(190, 202);
  resize(363, 244);

  Button1 = new QPushButton(QStringLiteral("O.K."), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(152, 200, 75, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, [this] { boundary_.Run([this] { Button1Click(); }); });
}

void TForm2::Button1Click() { hide(); }

void TForm2::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) emit Hidden();
}

}  // namespace ui
