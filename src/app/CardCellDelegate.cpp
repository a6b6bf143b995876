#include "app/CardCellDelegate.h"

#include <QPainter>

namespace velm
{

namespace
{

constexpr QChar kEllipsis(0x2026);

// The space between the text and each side of its cell, in pixels.
constexpr int kTextMargin = 3;

} // namespace

QString ElideToWidth(const QString& text, const QFontMetrics& metrics, int width)
{
    const int ellipsis = metrics.horizontalAdvance(kEllipsis);
    int used = 0;
    qsizetype keptWithEllipsis = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        used += metrics.horizontalAdvance(text[i]);
        if (used > width)
            return text.left(keptWithEllipsis) + kEllipsis;
        if (used + ellipsis <= width)
            keptWithEllipsis = i + 1;
    }
    return text;
}

void CardCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    // Only the text and its alignment are asked of the model; the style's full set of
    // roles costs more than drawing the text.
    const QString text = index.data(Qt::DisplayRole).toString();
    const bool rightAligned =
        index.data(Qt::TextAlignmentRole).toInt() & static_cast<int>(Qt::AlignRight);
    const QPalette::ColorGroup group =
        option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));

    const QRect textRect = option.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    const int flags =
        (rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine;
    painter->save();
    painter->setFont(option.font);
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(textRect, flags, ElideToWidth(text, option.fontMetrics, textRect.width()));
    painter->restore();
}

} // namespace velm
