#include "app/TForm1.h"
#include "app/Texts.h"
#include "interchange/Orbi.h"
#include "text/PathParts.h"

#include <QFile>
#include <QString>

// The commands of the ＯＲＢＩ menu: export and import. The export writes the store as it
// stands and leaves the card on screen and every flag alone; the import replaces the store
// without committing or asking, as a load does.

namespace velm
{

namespace
{

Platform::FileDialogSetup interchangeDialog(const QString& title, const std::string& path)
{
    return {title, QString::fromUtf8(texts::kInterchangeFilter),
            QString::fromUtf8(texts::kInterchangeExtension.substr(1)),
            QFile::decodeName(path.c_str())};
}

QString refusalNotice(OrbiRefusal refusal)
{
    switch (refusal) {
    case OrbiRefusal::NotOrbi:
        return QString::fromUtf8(texts::kNotInterchange);
    case OrbiRefusal::TooManyCards:
        return QString::fromUtf8(texts::kTooManyCardsToRead);
    }
    return {};
}

} // namespace

std::optional<std::string> TForm1::chooseInterchangeFile(Platform::Dialog dialog,
                                                         const QString& title)
{
    const std::optional<QString> chosen =
        m_platform.runFileDialog(dialog, interchangeDialog(title, m_store.InterchangePath));
    if (!chosen)
        return std::nullopt;
    // The chosen name is kept even when the command stops afterwards, so that the next
    // dialog proposes it again.
    m_store.InterchangePath = QFile::encodeName(*chosen).toStdString();
    return m_store.InterchangePath;
}

void TForm1::Ow1Click()
{
    const std::optional<std::string> path =
        chooseInterchangeFile(Platform::Dialog::Save, QString::fromUtf8(texts::kExportTitle));
    if (!path)
        return;
    if (FileExists(*path) && m_platform.ask(QString::fromUtf8(texts::kOverwriteQuestion),
                                            QString::fromUtf8(texts::kOverwriteCaption),
                                            Platform::Buttons::OkCancel) != Platform::Answer::Ok)
        return;
    ORBIwrite();
}

void TForm1::Or1Click()
{
    if (chooseInterchangeFile(Platform::Dialog::Open, QString::fromUtf8(texts::kImportTitle)))
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
    // A typed but unconfirmed number gives way to the card the user sees, which is the
    // card shown again after the import.
    settleCardNumber();
    auto read = ReadWholeFile(m_store.InterchangePath);
    if (const auto* failure = std::get_if<FileFailure>(&read)) {
        showFileError(*failure);
        return false;
    }
    auto parsed = ParseOrbi(std::get<std::string>(read));
    if (const auto* refusal = std::get_if<OrbiRefusal>(&parsed)) {
        m_platform.notice(refusalNotice(*refusal));
        return false;
    }
    auto& cards = std::get<std::vector<CardRecord>>(parsed);
    const std::size_t imported = cards.size();
    showFileInCaption(m_store.InterchangePath);
    m_store.AddressBookPath =
        ChangeExtension(m_store.InterchangePath, texts::kAddressBookExtension);
    takeLoadedCards(std::move(cards));
    m_platform.notice(QString::number(imported) + QString::fromUtf8(texts::kImportedAfterCount));
    return true;
}

} // namespace velm
