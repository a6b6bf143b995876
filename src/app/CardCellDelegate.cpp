#include "app/CardCellDelegate.h"

#include <QPainter>

namespace velm
{

namespace
{

constexpr QChar kEllipsis(0x2026);

// The space between the text and each side of its cell, in pixels.
constexpr int kTextMargin = 3;

// The laid-out texts kept: every cell of a full store shown once, and then some.
constexpr qsizetype kMostLaidOutTexts = 10000;

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
    const QStaticText& shown = laidOut(text, option, textRect.width());
    const QSizeF size = shown.size();
    const QPointF at(rightAligned ? textRect.left() + textRect.width() - size.width()
                                  : textRect.left(),
                     textRect.top() + (textRect.height() - size.height()) / 2);
    painter->save();
    painter->setFont(option.font);
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawStaticText(at, shown);
    painter->restore();
}

const QStaticText& CardCellDelegate::laidOut(const QString& text,
                                             const QStyleOptionViewItem& option, int width) const
{
    const std::pair<int, QString> key{width, text};
    if (const auto found = m_laidOut.constFind(key); found != m_laidOut.cend())
        return *found;
    if (m_laidOut.size() >= kMostLaidOutTexts)
        m_laidOut.clear();
    QStaticText laid(ElideToWidth(text, option.fontMetrics, width));
    laid.setTextFormat(Qt::PlainText);
    laid.prepare(QTransform(), option.font);
    return *m_laidOut.insert(key, laid);
}

} // namespace velm
