#include "app/ShiftJisLineEdit.h"
#include "app/TForm1.h"
#include "interchange/OtherFormats.h"
#include "text/PathParts.h"

#include <QFile>
#include <QString>
#include <array>
#include <utility>

// The commands of the 住所録 menu that move cards to and from the formats of phones, mail
// programs and spreadsheets (vCard and CSV). Neither touches the address-book file, its
// path or the file label: imported cards reach the file with the next 上書き保存.

namespace velm
{

namespace
{

const QString kImportTitle = QStringLiteral("他の形式から読み込み");
const QString kExportTitle = QStringLiteral("他の形式で書き出し");
const QString kImportFilter =
    QStringLiteral("vCard・CSV(*.vcf *.csv *.txt)|*.vcf;*.csv;*.txt|すべてのファイル(*.*)|*.*");
// The export's filter entries, each writing the format in the same place of kExportFormats.
const QString kExportFilter = QStringLiteral(
    "vCard 3.0(*.vcf)|*.vcf|vCard 4.0(*.vcf)|*.vcf|CSV Shift-JIS (Excel)(*.csv)|*.csv|"
    "CSV UTF-8(*.csv)|*.csv|Web連絡先 CSV(*.csv)|*.csv|すべてのファイル(*.*)|*.*");
constexpr std::array<OtherFormat, 6> kExportFormats{OtherFormat::VCard30,     OtherFormat::VCard40,
                                                    OtherFormat::CsvShiftJis, OtherFormat::CsvUtf8,
                                                    OtherFormat::CsvContacts, OtherFormat::VCard30};
const QString kOverwriteQuestion = QStringLiteral("同名のファイルがあります。上書きしますか？");
const QString kOverwriteCaption = QStringLiteral("上書き確認");
const QString kAddOrReplaceQuestion =
    QStringLiteral("%1件のカードを読み込みます。\n"
                   "最後のカードの後に追加しますか、すべてのカードと置き換えますか？");
const QString kAddOrReplaceCaption = QStringLiteral("読み込み確認");
// The file proposed first: beside the address book, under its name.
constexpr std::string_view kFirstExtension = ".vcf";

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

std::optional<std::string>
TForm1::chooseOtherFormatFile(Platform::Dialog dialog, const QString& title, const QString& filter)
{
    if (m_otherFormatPath.empty())
        m_otherFormatPath = ChangeExtension(m_store.AddressBookPath, kFirstExtension);
    // The save dialog proposes the name without its extension, so that the type of file
    // chosen in it decides the format unless the user types an extension.
    const std::string preset = dialog == Platform::Dialog::Save
                                   ? ChangeExtension(m_otherFormatPath, "")
                                   : m_otherFormatPath;
    const std::optional<QString> chosen = m_platform.runFileDialog(
        dialog, {title, filter, QString(), QFile::decodeName(preset.c_str())});
    if (!chosen)
        return std::nullopt;
    m_otherFormatPath = QFile::encodeName(*chosen).toStdString();
    return m_otherFormatPath;
}

void TForm1::ExportOther1Click()
{
    const std::optional<std::string> chosen =
        chooseOtherFormatFile(Platform::Dialog::Save, kExportTitle, kExportFilter);
    if (!chosen)
        return;
    const OtherFormat format =
        FormatForFile(ChosenFormat(m_platform.chosenFilter(Platform::Dialog::Save)), *chosen);
    m_otherFormatPath = WithExtension(*chosen, format);
    if (FileExists(m_otherFormatPath) &&
        m_platform.ask(kOverwriteQuestion, kOverwriteCaption, Platform::Buttons::OkCancel) !=
            Platform::Answer::Ok)
        return;
    const ExportedFile exported = FormatOtherFormat(m_store, format);
    if (!writeFileOrReport(m_otherFormatPath, exported.bytes))
        return;
    m_platform.notice(QString::fromStdString(DescribeExport(exported.report)));
}

void TForm1::ImportOther1Click()
{
    settleCardNumber();
    const std::optional<std::string> path =
        chooseOtherFormatFile(Platform::Dialog::Open, kImportTitle, kImportFilter);
    if (!path)
        return;
    auto read = ReadWholeFile(*path);
    if (const auto* failure = std::get_if<FileFailure>(&read)) {
        showFileError(*failure);
        return;
    }
    ImportResult result = ParseOtherFormat(std::get<std::string>(read), *path);
    if (const auto* refusal = std::get_if<ImportRefusal>(&result)) {
        m_platform.notice(QString::fromStdString(DescribeRefusal(*refusal)));
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
        m_platform.notice(QString::fromStdString(DescribeRefusal(ImportRefusal::TooManyTogether)));
        return;
    }
    takeImportedCards(std::move(imported.cards), adding);
    m_platform.notice(summary);
}

Platform::Answer TForm1::askAddOrReplace(std::size_t count)
{
    if (m_store.CardCount == 0)
        return Platform::Answer::Replace;
    return m_platform.ask(kAddOrReplaceQuestion.arg(count), kAddOrReplaceCaption,
                          Platform::Buttons::AddReplaceCancel);
}

void TForm1::takeImportedCards(std::vector<CardRecord> cards, bool adding)
{
    const int first = adding ? m_store.CardCount + 1 : 1;
    if (adding) {
        // Room for every slot, so that the store takes the vector as its slots.
        std::vector<CardRecord> all;
        all.reserve(CardStore::kCapacity);
        for (int k = 1; k <= m_store.CardCount; ++k)
            all.push_back(m_store.card(k));
        all.insert(all.end(), cards.begin(), cards.end());
        cards = std::move(all);
    }
    m_store.replaceCards(std::move(cards));
    m_store.StoreModified = true;
    followCardCount();
    DNo->setText(QString::number(first));
    UpDown1->setPosition(first);
    ikkenbun();
    Name1->setFocus();
}

} // namespace velm
