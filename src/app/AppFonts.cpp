#include "app/AppFonts.h"

namespace velm::AppFonts
{

namespace
{

QFont gothic(const QString& family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont proportional(int pixelSize)
{
    return gothic(QStringLiteral("IPAPGothic"), pixelSize);
}

QFont fixedPitch(int pixelSize)
{
    QFont font = gothic(QStringLiteral("IPAGothic"), pixelSize);
    font.setFixedPitch(true);
    return font;
}

} // namespace velm::AppFonts
