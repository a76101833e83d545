#include "ui/about/about_window.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "present/language.h"
#include "ui/pictures/icons.h"
#include "ui/platform/appearance.h"

namespace ui {
namespace {

using enum present::Language;
using present::Texts;

enum class LineLook {
  Description,              // blue bold on the window's silver
  DescriptionOnButtonFace,  // blue bold on the system's button face
  Credit,                   // window-text colour, bold italic
  Plain,                    // the window's font
};

struct AboutLine {
  int number;  // Label<number>
  int left, top;
  present::Language language;
  present::Caption text;
  LineLook look;
};

// The window is in German and English at once, whatever the captions'
// language: each language's two lines read as one sentence (their trailing
// blanks belong to them); the credits stand in German. Credits and contact
// name the project, not a person: they stay true whoever works on it.
constexpr AboutLine kAboutLines[] = {
    {1, 40, 16, German, &Texts::aboutFirstLine, LineLook::DescriptionOnButtonFace},
    {7, 48, 32, German, &Texts::aboutSecondLine, LineLook::DescriptionOnButtonFace},
    {2, 32, 64, English, &Texts::aboutFirstLine, LineLook::Description},
    {8, 64, 80, English, &Texts::aboutSecondLine, LineLook::DescriptionOnButtonFace},
    {4, 88, 104, German, &Texts::aboutIdeaCredit, LineLook::Credit},
    {6, 128, 128, German, &Texts::aboutContact, LineLook::Plain},
    {5, 88, 152, German, &Texts::aboutImplementationCredit, LineLook::Credit},
    {3, 80, 176, English, &Texts::aboutContact, LineLook::Plain},
};

QFont FontOf(LineLook look) {
  QFont font = look == LineLook::Plain ? WindowFont() : BoldWindowFont();
  font.setItalic(look == LineLook::Credit);
  return font;
}

}  // namespace

// A dialog to the window system: X11 window managers keep only a dialog's
// window above the window it belongs to (WM_TRANSIENT_FOR); the minimise and
// maximise buttons stay as before.
AboutWindow::AboutWindow(HandlerBoundary& boundary)
    : QWidget(nullptr, Qt::Dialog | Qt::WindowMinMaxButtonsHint), boundary_(boundary) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("About"));
  setWindowIcon(AppIcon());
  // Closing the main window ends the program even while this one is shown.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFont(WindowFont());
  SetSilverBackground(*this);
  move(190, 202);
  resize(363, 244);

  buildLines();
  okButton_ = new QPushButton(QStringLiteral("O.K."), this);
  okButton_->setObjectName(QStringLiteral("Button1"));
  okButton_->setGeometry(152, 200, 75, 25);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, [this] { boundary_.Run([this] { dismiss(); }); });
}

void AboutWindow::buildLines() {
  for (const AboutLine& line : kAboutLines) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label%1").arg(line.number));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setFont(FontOf(line.look));
    if (line.look == LineLook::Description || line.look == LineLook::DescriptionOnButtonFace)
      SetTextColour(*label, kBlue);
    if (line.look == LineLook::DescriptionOnButtonFace) {
      label->setBackgroundRole(QPalette::Button);
      // Else the text would follow the background and take the button's text colour.
      label->setForegroundRole(QPalette::WindowText);
      label->setAutoFillBackground(true);
    }
    label->move(line.left, line.top);
    SetCaptionFitted(*label, Text(present::In(line.text, line.language)));
  }
}

void AboutWindow::ShowInFront() {
  // Set before showing, so that the activation finds the focus there.
  okButton_->setFocus(Qt::ActiveWindowFocusReason);
  show();
  raise();
  activateWindow();
}

void AboutWindow::dismiss() { hide(); }

void AboutWindow::keyPressEvent(QKeyEvent* event) {
  // Escape closes the window as "O.K." does, as it closes any dialog.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    boundary_.Run([this] { dismiss(); });
    return;
  }
  QWidget::keyPressEvent(event);
}

void AboutWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) emit Hidden();
}

}  // namespace ui
