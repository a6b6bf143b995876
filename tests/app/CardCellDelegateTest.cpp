#include "app/CardCellDelegate.h"

#include "app/AppFonts.h"

#include <QFontMetrics>
#include <algorithm>
#include <gtest/gtest.h>

namespace velm
{
namespace
{

TEST(ElideToWidth, KeepsWhatFitsAndEndsTheRestWithAnEllipsis)
{
    // A fixed-pitch face, in which every kana is as wide as the next.
    const QFontMetrics metrics(AppFonts::FixedPitch(12));
    const int kana = metrics.horizontalAdvance(QChar(u'あ'));
    const int ellipsis = metrics.horizontalAdvance(QChar(u'…'));
    const QString text = QStringLiteral("あいうえお");
    struct Case {
        QString text;
        int width;
        QString shown;
    };
    const Case cases[] = {
        {text, 5 * kana, text},
        {text, 100 * kana, text},
        {text, 5 * kana - 1, QStringLiteral("あいう…")},
        {text, 3 * kana + ellipsis, QStringLiteral("あいう…")},
        {text, 3 * kana + ellipsis - 1, QStringLiteral("あい…")},
        {text, ellipsis, QStringLiteral("…")},
        {text, 0, QStringLiteral("…")},
        {QString(), 0, QString()},
    };
    for (const Case& c : cases) {
        const QString shown = ElideToWidth(c.text, metrics, c.width);
        EXPECT_EQ(shown, c.shown) << "width " << c.width;
        if (shown != c.text) {
            EXPECT_LE(metrics.horizontalAdvance(shown), std::max(c.width, ellipsis));
        }
    }
}

} // namespace
} // namespace velm
