#include "app/TForm1.h"

// The commands of the 作成 menu: create and print the two sheets.

namespace velm
{

void TForm1::MtetyoClick() {}
void TForm1::MitiranClick() {}
void TForm1::PtetyoClick() {}
void TForm1::PitiranClick() {}

} // namespace velm
