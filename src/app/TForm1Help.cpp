#include "app/TForm1.h"

// The commands of the ヘルプ menu.

namespace velm
{

void TForm1::About1Click() {}
void TForm1::M1Click() {}
void TForm1::ZanterClick() {}

} // namespace velm
