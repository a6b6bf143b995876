#include "app/TForm1.h"
#include "sheets/Sheets.h"

// The commands of the 作成 menu: create and print the two sheets. None of them commits the
// card on screen or touches the change flags: a sheet shows the store as it stands.

namespace velm
{

struct TForm1::SheetKind {
    // The name the messages give the sheet, in UTF-8.
    std::string_view title;
    // File names inside the folder of the user's files.
    std::string_view fileName;
    std::string_view formatFileName;
    std::string (*makeSheet)(const CardStore&);
    std::string_view (*makeFormat)();
};

const TForm1::SheetKind TForm1::kNotebookSheet{"手帳ファイル", "addrb7.txt", "addrb7.bpc",
                                               &Maketetyo, &Maketetyobpc};
const TForm1::SheetKind TForm1::kListSheet{"一覧表ファイル", "addrb5.txt", "addrb5.bpc",
                                           &Makeitiran, &Makeitiranbpc};

void TForm1::MtetyoClick()
{
    createSheet(kNotebookSheet);
}

void TForm1::MitiranClick()
{
    createSheet(kListSheet);
}

void TForm1::PtetyoClick()
{
    printSheet(kNotebookSheet);
}

void TForm1::PitiranClick()
{
    printSheet(kListSheet);
}

void TForm1::createSheet(const SheetKind& sheet)
{
    const std::string path = m_store.DataDir + std::string(sheet.fileName);
    // The messages name the sheet as e.g. 手帳ファイル(addrb7.txt), with ASCII parentheses.
    const QString named = QString::fromUtf8(sheet.title.data(), qsizetype(sheet.title.size())) +
                          '(' + QLatin1String(sheet.fileName) + ')';
    if (FileExists(path) &&
        m_platform.ask(named + QStringLiteral("を上書きしますか？"), QStringLiteral("作成確認"),
                       Platform::Buttons::OkCancel) != Platform::Answer::Ok)
        return;
    if (!writeFileOrReport(path, sheet.makeSheet(m_store)))
        return;
    m_platform.notice(named + QStringLiteral("を作成しました"));
}

void TForm1::printSheet(const SheetKind& sheet)
{
    // An existing sheet is printed as it was last written, and an existing format file
    // keeps the changes the user or the print tool made to it.
    const std::string path = m_store.DataDir + std::string(sheet.fileName);
    if (!FileExists(path) && !writeFileOrReport(path, sheet.makeSheet(m_store)))
        return;
    const std::string formatPath = m_store.DataDir + std::string(sheet.formatFileName);
    if (!FileExists(formatPath) && !writeFileOrReport(formatPath, sheet.makeFormat()))
        return;
    handToPrintTool(path);
}

} // namespace velm
