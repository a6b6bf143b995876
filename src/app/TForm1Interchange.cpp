#include "app/TForm1.h"
#include "app/Texts.h"
#include "interchange/Orbi.h"
#include "text/PathParts.h"

#include <QString>

// The commands of the ＯＲＢＩ menu: export and import. The export writes the store as it
// stands and leaves the card on screen and every flag alone; the import replaces the store
// without committing or asking, as a load does.

namespace velm
{

QString TForm1::refusalNotice(OrbiRefusal refusal)
{
    switch (refusal) {
    case OrbiRefusal::NotOrbi:
        return QString::fromUtf8(texts::kNotInterchange);
    case OrbiRefusal::TooManyCards:
        return QString::fromUtf8(texts::kTooManyCardsToRead);
    }
    return {};
}

std::optional<std::string> TForm1::chooseInterchangeFile(Platform::Dialog dialog,
                                                         std::string_view title)
{
    std::optional<std::string> chosen =
        chooseFile(dialog, title, texts::kInterchangeFiles, m_store.InterchangePath);
    // The chosen name is kept even when the command stops afterwards, so that the next
    // dialog proposes it again.
    if (chosen)
        m_store.InterchangePath = *chosen;
    return chosen;
}

void TForm1::Ow1Click()
{
    const std::optional<std::string> path =
        chooseInterchangeFile(Platform::Dialog::Save, texts::kExportTitle);
    if (!path)
        return;
    if (!mayOverwrite(*path, QString::fromUtf8(texts::kOverwriteQuestion),
                      texts::kOverwriteCaption))
        return;
    ORBIwrite();
}

void TForm1::Or1Click()
{
    if (chooseInterchangeFile(Platform::Dialog::Open, texts::kImportTitle))
        ORBIread();
}

bool TForm1::ORBIwrite()
{
    if (!writeFileOrReport(m_store.InterchangePath, FormatOrbi(m_store, mame->isChecked())))
        return false;
    m_platform.notice(QString::number(m_store.CardCount) +
                      QString::fromUtf8(texts::kExportedAfterCount));
    return true;
}

bool TForm1::ORBIread()
{
    std::optional<std::vector<CardRecord>> cards = readCards(m_store.InterchangePath, &ParseOrbi);
    if (!cards)
        return false;
    const std::size_t imported = cards->size();
    showFileInCaption(m_store.InterchangePath);
    m_store.AddressBookPath =
        ChangeExtension(m_store.InterchangePath, texts::kAddressBookExtension);
    takeLoadedCards(std::move(*cards));
    m_platform.notice(QString::number(imported) + QString::fromUtf8(texts::kImportedAfterCount));
    return true;
}

} // namespace velm
