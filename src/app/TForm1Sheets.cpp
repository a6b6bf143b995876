#include "app/TForm1.h"
#include "app/Texts.h"
#include "sheets/Sheets.h"

// The commands of the 作成 menu: create and print the two sheets. None of them commits the
// card on screen or touches the change flags: a sheet shows the store as it stands.

namespace velm
{

struct TForm1::SheetKind {
    texts::SheetTexts texts;
    std::string (*makeSheet)(const CardStore&);
    std::string_view (*makeFormat)();
};

const TForm1::SheetKind TForm1::kNotebookSheet{texts::kNotebookSheet, &Maketetyo, &Maketetyobpc};
const TForm1::SheetKind TForm1::kListSheet{texts::kListSheet, &Makeitiran, &Makeitiranbpc};

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
    const std::string path = pathInDataDir(sheet.texts.fileName);
    const QString named = QString::fromUtf8(texts::NamedSheet(sheet.texts));
    if (!mayOverwrite(path, named + QString::fromUtf8(texts::kSheetOverwriteQuestionAfterName),
                      texts::kSheetCaption))
        return;
    if (!writeFileOrReport(path, sheet.makeSheet(m_store)))
        return;
    m_platform.notice(named + QString::fromUtf8(texts::kSheetCreatedAfterName));
}

void TForm1::printSheet(const SheetKind& sheet)
{
    // An existing sheet is printed as it was last written, and an existing format file
    // keeps the changes the user or the print tool made to it.
    const std::string path = pathInDataDir(sheet.texts.fileName);
    if (!FileExists(path) && !writeFileOrReport(path, sheet.makeSheet(m_store)))
        return;
    const std::string formatPath = pathInDataDir(sheet.texts.formatFileName);
    if (!FileExists(formatPath) && !writeFileOrReport(formatPath, sheet.makeFormat()))
        return;
    handToPrintTool(path);
}

} // namespace velm
