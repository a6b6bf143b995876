#pragma once

#include <QFont>

namespace velm
{

// The window fonts. The Japanese Gothic faces of Debian's IPA fonts stand in for the
// Windows faces the layout was drawn with: IPAPGothic (proportional) for "ＭＳ Ｐゴシック"
// and IPAGothic (fixed pitch) for "ＭＳ ゴシック".
namespace AppFonts
{

QFont Proportional(int pixelSize);
QFont FixedPitch(int pixelSize);

} // namespace AppFonts
} // namespace velm
