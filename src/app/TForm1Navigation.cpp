#include "app/TForm1.h"

// Moving between cards, the jump by number, insertion and deletion.

namespace velm
{

bool TForm1::UpDown1ChangingEx(UpDown::Direction)
{
    return true;
}

void TForm1::UpDown1Click(UpDown::Button) {}

bool TForm1::DNoKeyPress(QKeyEvent*)
{
    return false;
}

void TForm1::Button3Click() {}
void TForm1::FormKeyDown(QKeyEvent*) {}
void TForm1::Label5Click() {}
void TForm1::Label5MouseEnter() {}
void TForm1::Label5MouseLeave() {}
void TForm1::Button1Click() {}
void TForm1::Button2Click() {}

} // namespace velm
