// Help / About: the About window in front of the main window, not modal.
#include "ui/about_window.h"
#include "ui/form1.h"

namespace ui {

void TForm1::about1Click() {
  if (aboutWindow_) aboutWindow_->ShowInFront();
}

}  // namespace ui
