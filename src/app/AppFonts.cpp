#include "app/AppFonts.h"

namespace velm::AppFonts
{

namespace
{

QFont Gothic(const QString& family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont Proportional(int pixelSize)
{
    return Gothic(QStringLiteral("IPAPGothic"), pixelSize);
}

QFont FixedPitch(int pixelSize)
{
    QFont font = Gothic(QStringLiteral("IPAGothic"), pixelSize);
    font.setFixedPitch(true);
    return font;
}

} // namespace velm::AppFonts
