#include "postcard/PostcardPainter.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPaintDevice>
#include <QPainter>
#include <QString>
#include <QTransform>
#include <array>

namespace velm
{

namespace
{

constexpr double kMillimetresPerInch = 25.4;

// Glyphs are drawn from fonts of this pixel size, scaled to the size of their em square, so
// that sizes are exact on every device.
constexpr int kReferencePixels = 100;

// A font role's font and its metrics at the reference size.
struct RoleFont {
    explicit RoleFont(FontRole role) : font(PostcardFont(role)), metrics(font) {}

    QFont font;
    QFontMetricsF metrics;
};

// Where a glyph's text is drawn from, in reference pixels from the centre of its em square:
// centred by its advance, and with the baseline where the em square ends below it. The em
// square of the IPA fonts reaches their ascent above the baseline; their descent also holds
// the line gap, so it is not used.
QPointF TextOrigin(const RoleFont& font, const QString& text)
{
    return {-font.metrics.horizontalAdvance(text) / 2,
            font.metrics.ascent() - kReferencePixels / 2.0};
}

// Maps the glyph's reference pixels, centred on its em square, to millimetres on the card.
QTransform GlyphTransform(const PlacedGlyph& glyph)
{
    QTransform transform;
    transform.translate(glyph.x, glyph.y);
    if (glyph.rotated)
        transform.rotate(90);
    transform.scale(glyph.size / kReferencePixels, glyph.size / kReferencePixels);
    return transform;
}

} // namespace

QFont PostcardFont(FontRole role)
{
    const bool gothic = role == FontRole::Gothic;
    QFont font(gothic ? QStringLiteral("IPAPGothic") : QStringLiteral("IPAMincho"));
    font.setStyleHint(gothic ? QFont::SansSerif : QFont::Serif);
    font.setPixelSize(kReferencePixels);
    return font;
}

QPageLayout PostcardPageLayout()
{
    const QPageSize postcard(QSizeF(kPostcardWidth, kPostcardHeight), QPageSize::Millimeter);
    return QPageLayout(postcard, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

void PaintAddressSide(QPainter& painter, const AddressSide& side)
{
    const std::array<RoleFont, 2> fonts = {RoleFont(FontRole::Mincho), RoleFont(FontRole::Gothic)};
    const QPaintDevice& device = *painter.device();
    const QTransform page = QTransform::fromScale(device.logicalDpiX() / kMillimetresPerInch,
                                                  device.logicalDpiY() / kMillimetresPerInch) *
                            painter.worldTransform();
    painter.save();
    const RoleFont* current = nullptr;
    for (const PlacedGlyph& glyph : side.glyphs) {
        const RoleFont& font = fonts[glyph.font == FontRole::Gothic ? 1 : 0];
        if (&font != current) {
            painter.setFont(font.font);
            current = &font;
        }
        const QString text = QString::fromUcs4(&glyph.ch, 1);
        painter.setWorldTransform(GlyphTransform(glyph) * page);
        painter.drawText(TextOrigin(font, text), text);
    }
    painter.restore();
}

} // namespace velm
