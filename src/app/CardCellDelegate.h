#pragma once

#include <QStyledItemDelegate>

namespace velm
{

// Draws the cells of the card list: the highlight of the selected row and the text, elided
// to the cell. A field holds up to 255 bytes, of which a column shows a few characters;
// the style's own drawing lays out and elides every field in full, which made each
// keystroke in the search box slow over a full store. Here the text is elided by the widths
// of its characters before it is drawn.
class CardCellDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// The text when it fits `width` pixels in `metrics`; otherwise as much of its start as
// fits together with "…", followed by "…".
QString ElideToWidth(const QString& text, const QFontMetrics& metrics, int width);

} // namespace velm
