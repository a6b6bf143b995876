#pragma once

#include "sheets/PostcardLayout.h"

#include <QFont>

class QPainter;

namespace velm
{

// The typeface of a font role: IPAMincho for names and addresses, IPAPGothic for the postal
// digits (its zero, unlike IPAGothic's, has no slash).
QFont PostcardFont(FontRole role);

// Paints the glyphs of one address side. The painter's origin is the card's top left corner
// and its unit one pixel of its device, as on a printer or PDF writer set to the full page;
// the device's resolution gives the millimetre.
void PaintAddressSide(QPainter& painter, const AddressSide& side);

} // namespace velm
