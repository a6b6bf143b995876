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
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QPalette::ColorGroup group =
        cell.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    const bool selected = cell.state.testFlag(QStyle::State_Selected);
    if (selected)
        painter->fillRect(cell.rect, cell.palette.brush(group, QPalette::Highlight));

    const QRect textRect = cell.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
    painter->save();
    painter->setFont(cell.font);
    painter->setPen(
        cell.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(textRect, static_cast<int>(cell.displayAlignment) | Qt::TextSingleLine,
                      ElideToWidth(cell.text, cell.fontMetrics, textRect.width()));
    painter->restore();
}

} // namespace velm
