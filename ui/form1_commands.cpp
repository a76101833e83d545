// The main window's commands. Load, Save, Save as, Print, About and the two
// language buttons are connected but do nothing yet: their work (the model
// file commands, printing, the About window's contents and the caption
// switch) is still to be written.
#include "ui/form1.h"

namespace ui {

void TForm1::Load1Click() {}
void TForm1::Save1Click() {}
void TForm1::Saveas1Click() {}
void TForm1::Print1Click() {}
void TForm1::about1Click() {}
void TForm1::Button1Click() {}
void TForm1::Button2Click() {}

}  // namespace ui
