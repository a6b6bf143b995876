#include "app/ShiftJisLineEdit.h"
#include "app/TForm1.h"
#include "app/Texts.h"
#include "interchange/OtherFormats.h"
#include "text/PathParts.h"

#include <QString>
#include <array>
#include <span>
#include <utility>

// The commands of the 住所録 menu that move cards to and from the formats of phones, mail
// programs and spreadsheets (vCard and CSV). Neither touches the address-book file, its
// path or the file label: imported cards reach the file with the next 上書き保存.

namespace velm
{

namespace
{

// The format each entry of the export's filter writes, in the order of its entries; the
// last entry, every file, writes vCard 3.0 unless the name's extension says otherwise.
constexpr std::array<OtherFormat, 6> kExportFormats{OtherFormat::VCard30,     OtherFormat::VCard40,
                                                    OtherFormat::CsvShiftJis, OtherFormat::CsvUtf8,
                                                    OtherFormat::CsvContacts, OtherFormat::VCard30};

OtherFormat ChosenFormat(qsizetype filterEntry)
{
    const bool known =
        filterEntry >= 0 && filterEntry < static_cast<qsizetype>(kExportFormats.size());
    return kExportFormats[known ? static_cast<std::size_t>(filterEntry) : 0];
}

// The path with the format's extension added when its file name has none.
std::string WithExtension(std::string path, OtherFormat format)
{
    if (FileNamePart(path).find('.') == std::string::npos)
        path += ExtensionOf(format);
    return path;
}

} // namespace

QString TForm1::refusalNotice(ImportRefusal refusal)
{
    return QString::fromStdString(DescribeRefusal(refusal));
}

std::optional<std::string> TForm1::chooseOtherFormatFile(Platform::Dialog dialog,
                                                         std::string_view title,
                                                         const texts::FileKind& kind)
{
    // The file proposed first lies beside the address book, under its name.
    if (m_otherFormatPath.empty())
        m_otherFormatPath =
            ChangeExtension(m_store.AddressBookPath, ExtensionOf(OtherFormat::VCard30));
    // The save dialog proposes the name without its extension, so that the type of file
    // chosen in it decides the format unless the user types an extension.
    const std::string preset = dialog == Platform::Dialog::Save
                                   ? ChangeExtension(m_otherFormatPath, "")
                                   : m_otherFormatPath;
    std::optional<std::string> chosen = chooseFile(dialog, title, kind, preset);
    if (chosen)
        m_otherFormatPath = *chosen;
    return chosen;
}

void TForm1::ExportOther1Click()
{
    const std::optional<std::string> chosen = chooseOtherFormatFile(
        Platform::Dialog::Save, texts::kExportOtherTitle, texts::kOtherFormatFilesToWrite);
    if (!chosen)
        return;
    const OtherFormat format =
        FormatForFile(ChosenFormat(m_platform.chosenFilter(Platform::Dialog::Save)), *chosen);
    m_otherFormatPath = WithExtension(*chosen, format);
    if (!mayOverwrite(m_otherFormatPath, QString::fromUtf8(texts::kOverwriteQuestion),
                      texts::kOverwriteCaption))
        return;
    const ExportedFile exported = FormatOtherFormat(m_store, format);
    if (!writeFileOrReport(m_otherFormatPath, exported.bytes))
        return;
    m_platform.notice(QString::fromStdString(DescribeExport(exported.report)));
}

void TForm1::ImportOther1Click()
{
    settleCardNumber();
    const std::optional<std::string> path = chooseOtherFormatFile(
        Platform::Dialog::Open, texts::kImportOtherTitle, texts::kOtherFormatFilesToRead);
    if (!path)
        return;
    const std::optional<std::string> bytes = readFileOrReport(*path);
    if (!bytes)
        return;
    ImportResult result = ParseOtherFormat(*bytes, *path);
    if (const auto* refusal = std::get_if<ImportRefusal>(&result)) {
        m_platform.notice(refusalNotice(*refusal));
        return;
    }
    ImportedCards& imported = std::get<ImportedCards>(result);
    const QString summary = QString::fromStdString(DescribeImport(imported.report));
    if (imported.cards.empty()) {
        m_platform.notice(summary);
        return;
    }
    // The card on screen keeps what was typed into it, as when moving on to another card.
    if (m_store.CardEdited && !ikkentoroku())
        return;
    const Platform::Answer answer = askAddOrReplace(imported.cards.size());
    if (answer == Platform::Answer::Cancel)
        return;
    const bool adding = answer == Platform::Answer::Add;
    if (adding && static_cast<std::size_t>(m_store.CardCount) + imported.cards.size() >
                      static_cast<std::size_t>(CardStore::kCapacity)) {
        m_platform.notice(refusalNotice(ImportRefusal::TooManyTogether));
        return;
    }
    takeImportedCards(std::move(imported.cards), adding);
    m_platform.notice(summary);
}

Platform::Answer TForm1::askAddOrReplace(std::size_t count)
{
    if (m_store.CardCount == 0)
        return Platform::Answer::Replace;
    const QString question = QString::number(count) +
                             QString::fromUtf8(texts::kCardsToImportAfterCount) + '\n' +
                             QString::fromUtf8(texts::kAddOrReplaceQuestion);
    return m_platform.ask(question, QString::fromUtf8(texts::kAddOrReplaceCaption),
                          Platform::Buttons::AddReplaceCancel);
}

void TForm1::takeImportedCards(std::vector<CardRecord> cards, bool adding)
{
    const int first = adding ? m_store.CardCount + 1 : 1;
    if (adding) {
        const std::span<const CardRecord> counted = m_store.countedCards();
        // Room for every slot, so that the store takes the vector as its slots.
        std::vector<CardRecord> all;
        all.reserve(CardStore::kCapacity);
        all.assign(counted.begin(), counted.end());
        all.insert(all.end(), cards.begin(), cards.end());
        cards = std::move(all);
    }
    // The first card taken is shown: it is within the cards there are after the load.
    DNo->setText(QString::number(first));
    UpDown1->setPosition(first);
    takeUnsavedCards(std::move(cards));
}

} // namespace velm
