#include "app/TForm1.h"

// The commands of the ＯＲＢＩ menu: export and import.

namespace velm
{

void TForm1::Or1Click() {}
void TForm1::Ow1Click() {}

bool TForm1::ORBIread()
{
    return false;
}

bool TForm1::ORBIwrite()
{
    return false;
}

} // namespace velm
