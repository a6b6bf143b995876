#include "blent/TextSheet.h"

#include "blent/BlentTexts.h"
#include "blent/Paper.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <cmath>
#include <string>

namespace velm::blent
{
namespace
{

QFileInfo InfoOf(const std::string& path)
{
    return QFileInfo(QString::fromLocal8Bit(path));
}

QString Number(double value)
{
    return QString::number(value);
}

// Why the format leaves no room on the paper, or nothing when it leaves some.
QString NoRoomMessage(const QString& name, const PageLayout& layout, SizePt paper)
{
    const PrintFormat& format = layout.format();
    if (layout.linesThatFit() == 0)
        return texts::kNoRoomForLine.arg(name, Number(format.topMarginMm),
                                         Number(format.fontSizePt),
                                         Number(std::round(PtToMm(paper.height))));
    if (layout.columnsThatFit() == 0)
        return texts::kNoRoomForCharacter.arg(
            name, Number(format.leftMarginMm), Number(format.fontSizePt),
            Number(format.charSpacingPercent), Number(std::round(PtToMm(paper.width))));
    return {};
}

} // namespace

std::variant<std::unique_ptr<TextSheet>, QString> TextSheet::create(SheetFile file, QDate date)
{
    const QString name = InfoOf(file.path).fileName();
    const PrintFormat format = file.format;
    SheetFont font = LoadSheetFont(format);
    const QSizeF paper = PageLayoutFor(format).fullRect(QPageLayout::Point).size();
    const SizePt paperPt{paper.width(), paper.height()};
    const PageLayout layout(format, paperPt, font.halfAdvance * format.fontSizePt);
    if (QString message = NoRoomMessage(name, layout, paperPt); !message.isEmpty())
        return message;

    std::unique_ptr<TextSheet> sheet(new TextSheet(std::move(file), std::move(font), layout, date));
    if (sheet->printedPageCount() > kMaxPages)
        return texts::kTooManyPages.arg(name)
            .arg(kMaxPages)
            .arg(layout.linesPerPage())
            .arg(Number(format.fontSizePt), Number(format.lineSpacingPercent));
    return sheet;
}

TextSheet::TextSheet(SheetFile file, SheetFont font, const PageLayout& layout, QDate date)
    : m_file(std::move(file)), m_font(std::move(font)),
      m_layout(layout), m_grid{m_file.format.tabsExpand, m_file.format.tabWidth,
                               layout.wrapColumns()},
      m_lines(SplitIntoGridLines(m_file.text, m_grid)),
      m_pages(Paginate(m_file.text, m_lines, PageBreaksFor(m_file.text), layout.linesPerPage(),
                       kMaxPages)),
      m_date(date.toString(texts::kDateFormat))
{
}

QString TextSheet::name() const
{
    return InfoOf(m_file.path).fileName();
}

QString TextSheet::pdfPath() const
{
    const QFileInfo info = InfoOf(m_file.path);
    return QDir(info.absolutePath()).filePath(info.completeBaseName() + QStringLiteral(".pdf"));
}

QPageLayout TextSheet::pageLayout() const
{
    return PageLayoutFor(m_file.format);
}

bool TextSheet::twoSided() const
{
    return m_file.format.twoSided;
}

int TextSheet::pageCount() const
{
    const int perSheet = m_layout.pagesPerSheet();
    return (printedPageCount() + perSheet - 1) / perSheet;
}

print::PrintedPages TextSheet::printedPages(int page) const
{
    const int perSheet = m_layout.pagesPerSheet();
    return {page * perSheet + 1, std::min((page + 1) * perSheet, printedPageCount())};
}

void TextSheet::paintPage(QPainter& painter, int page) const
{
    SheetPainter sheetPainter(painter, m_font, m_layout);
    const print::PrintedPages printed = printedPages(page);
    for (int number = printed.first; number <= printed.last; ++number)
        paintTextPage(sheetPainter, (number - 1) % m_layout.pagesPerSheet(), number - 1);
}

void TextSheet::paintTextPage(SheetPainter& painter, int slot, int index) const
{
    const PrintFormat& format = m_file.format;
    const QString number = format.pageNumbers ? texts::kPageNumber.arg(index + 1) : QString();
    if (m_layout.hasHeader())
        painter.paintHeader(slot, format.fileNameInHeader ? name() : QString(),
                            m_layout.hasFooter() ? QString() : number,
                            format.dateInHeader ? m_date : QString());
    if (m_layout.hasFooter())
        painter.paintFooter(slot, number);
    const TextPage& page = m_pages[static_cast<std::size_t>(index)];
    const std::string_view text = m_file.text;
    for (int line = 0; line < page.lineCount; ++line) {
        const GridLine& grid = m_lines[static_cast<std::size_t>(page.firstLine + line)];
        painter.paintLine(slot, line,
                          PlaceCharacters(text.substr(grid.offset, grid.length), m_grid,
                                          m_layout.columnsThatFit()));
    }
}

} // namespace velm::blent
