#include "app/ShiftJisLineEdit.h"

#include "app/Texts.h"
#include "store/FileSafeValue.h"
#include "text/ShiftJisCodec.h"
#include "text/TypedText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace velm
{

namespace
{

// Laid over the text beyond the file's column: a light red ground, the text still legible.
const QColor kBeyondColumnColour(255, 0, 0, 48);

// QLineEdit's cursor rectangle begins this many pixels left of the cursor.
constexpr int kCursorRectangleLead = 5;

} // namespace

ShiftJisLineEdit::ShiftJisLineEdit(QWidget* parent) : SingleLineEdit(parent)
{
    setTextRule([this](std::u16string& text, std::size_t& cursor) {
        if (m_halfWidthNumbers)
            MakeHalfWidthNumber(text);
        MakeStorable(text, cursor);
    });
}

void ShiftJisLineEdit::setBytes(std::string_view bytes)
{
    m_filledBytes = bytes;
    m_filledText = QString::fromStdU32String(DecodeShiftJis(bytes));
    fillUnchecked(m_filledText);
}

std::string ShiftJisLineEdit::bytes() const
{
    const QString shown = text();
    if (shown == m_filledText)
        return m_filledBytes;
    return EncodeShiftJis(shown.toStdU32String());
}

void ShiftJisLineEdit::setHalfWidthNumbers(bool halfWidth)
{
    m_halfWidthNumbers = halfWidth;
}

void ShiftJisLineEdit::setFileColumnWidth(std::size_t bytes)
{
    m_fileColumnWidth = bytes;
    setToolTip(QString::fromUtf8(texts::FileColumnTooltip(bytes)));
    update();
}

void ShiftJisLineEdit::paintEvent(QPaintEvent* event)
{
    SingleLineEdit::paintEvent(event);
    // While a composition is shown inside the text, the text's characters are not where
    // text() puts them; the mark comes back once it is committed.
    if (m_fileColumnWidth > 0 && composition().isEmpty())
        markTextBeyondFileColumn();
}

void ShiftJisLineEdit::markTextBeyondFileColumn()
{
    const QString shown = text();
    const auto kept =
        static_cast<qsizetype>(UnitsWithinBytes(shown.toStdU16String(), m_fileColumnWidth));
    if (kept >= shown.size())
        return;
    const QFontMetricsF metrics(font());
    // Where the text starts as drawn, scrolled or not: the cursor's place less the width
    // of the text before it.
    const qreal textLeft = cursorRect().left() + kCursorRectangleLead -
                           metrics.horizontalAdvance(shown.left(cursorPosition()));
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    const QRectF beyond(textLeft + metrics.horizontalAdvance(shown.left(kept)), contents.top(),
                        metrics.horizontalAdvance(shown.mid(kept)), contents.height());
    QPainter painter(this);
    painter.setClipRect(contents);
    painter.fillRect(beyond, kBeyondColumnColour);
}

} // namespace velm
