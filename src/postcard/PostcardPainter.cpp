#include "postcard/PostcardPainter.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <QRawFont>
#include <QString>
#include <QTransform>
#include <array>
#include <map>
#include <tuple>

namespace velm
{

namespace
{

constexpr double kMillimetresPerInch = 25.4;

// Glyphs are drawn from fonts of this pixel size, scaled to the size of their em square, so
// that sizes are exact on every device.
constexpr int kReferencePixels = 100;

// A font role's font at the reference size.
struct RoleFont {
    explicit RoleFont(FontRole role)
        : font(PostcardFont(role)), raw(QRawFont::fromFont(font)), metrics(font)
    {
    }

    QFont font;
    QRawFont raw;
    QFontMetricsF metrics;
};

// Glyphs of one font, size and turn, drawn together as one glyph run, which spares the
// text layout of every single character; a PDF of many cards is written several times
// faster so.
struct RunKey {
    FontRole font = FontRole::Mincho;
    double size = 0;
    bool rotated = false;

    friend auto operator<=>(const RunKey&, const RunKey&) = default;
};

struct RunGlyphs {
    QList<quint32> indexes;
    QList<QPointF> positions;
};

// The run's coordinates: reference pixels, turned with the run, in millimetres on the card.
QTransform RunTransform(const RunKey& key)
{
    QTransform transform;
    if (key.rotated)
        transform.rotate(90);
    transform.scale(key.size / kReferencePixels, key.size / kReferencePixels);
    return transform;
}

// The baseline origin of a glyph in its run's coordinates: centred by its advance on the
// centre of its em square, and with the baseline where the em square ends below it. The em
// square of the IPA fonts reaches their ascent above the baseline; their descent also holds
// the line gap, so it is not used.
QPointF GlyphOrigin(const PlacedGlyph& glyph, const RunKey& key, double advance, double ascent)
{
    const QPointF centre = RunTransform(key).inverted().map(QPointF(glyph.x, glyph.y));
    return centre + QPointF(-advance / 2, ascent - kReferencePixels / 2.0);
}

// Draws a glyph the font does not hold as text, so that Qt finds it in another font.
void DrawWithFallback(QPainter& painter, const PlacedGlyph& glyph, const RoleFont& font,
                      const QTransform& page)
{
    const QString text = QString::fromUcs4(&glyph.ch, 1);
    const RunKey key{glyph.font, glyph.size, glyph.rotated};
    painter.setFont(font.font);
    painter.setWorldTransform(RunTransform(key) * page);
    painter.drawText(
        GlyphOrigin(glyph, key, font.metrics.horizontalAdvance(text), font.metrics.ascent()), text);
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

void PaintAddressSide(QPainter& painter, const AddressSide& side)
{
    const std::array<RoleFont, 2> fonts = {RoleFont(FontRole::Mincho), RoleFont(FontRole::Gothic)};
    const QPaintDevice& device = *painter.device();
    const QTransform page = QTransform::fromScale(device.logicalDpiX() / kMillimetresPerInch,
                                                  device.logicalDpiY() / kMillimetresPerInch) *
                            painter.worldTransform();
    painter.save();
    std::map<RunKey, RunGlyphs> runs;
    for (const PlacedGlyph& glyph : side.glyphs) {
        const RoleFont& font = fonts[glyph.font == FontRole::Gothic ? 1 : 0];
        const QList<quint32> indexes =
            font.raw.glyphIndexesForString(QString::fromUcs4(&glyph.ch, 1));
        if (indexes.size() != 1 || indexes.front() == 0) {
            DrawWithFallback(painter, glyph, font, page);
            continue;
        }
        const RunKey key{glyph.font, glyph.size, glyph.rotated};
        const double advance = font.raw.advancesForGlyphIndexes(indexes).front().x();
        RunGlyphs& run = runs[key];
        run.indexes.append(indexes.front());
        run.positions.append(GlyphOrigin(glyph, key, advance, font.raw.ascent()));
    }
    for (const auto& [key, glyphs] : runs) {
        QGlyphRun run;
        run.setRawFont(fonts[key.font == FontRole::Gothic ? 1 : 0].raw);
        run.setGlyphIndexes(glyphs.indexes);
        run.setPositions(glyphs.positions);
        painter.setWorldTransform(RunTransform(key) * page);
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    painter.restore();
}

} // namespace velm
