#include "app/TForm1.h"

// The commands of the 住所録 menu and the question when the window closes.

namespace velm
{

void TForm1::Save1Click()
{
    saveAddressBook();
}

void TForm1::Open1Click() {}
void TForm1::SaveAs1Click() {}
void TForm1::PrintAddrClick() {}

bool TForm1::FormCloseQuery()
{
    return true;
}

} // namespace velm
