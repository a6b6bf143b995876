#include "convert/ConvertCommand.h"

#include "interchange/Conversion.h"
#include "interchange/Csv.h"
#include "interchange/Orbi.h"
#include "interchange/VCard.h"
#include "store/AddressBookFile.h"
#include "store/CardLayout.h"
#include "store/CardStore.h"
#include "store/FileIo.h"
#include "text/AsciiCase.h"
#include "text/PathParts.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

namespace velm
{

namespace
{

constexpr std::string_view kUsage =
    "usage: velm-convert [OPTIONS] INPUT OUTPUT\n"
    "       velm-convert [OPTIONS] --append-to BOOK.txt INPUT\n"
    "\n"
    "Converts cards between the address book (.txt), ORBI (.orb), vCard (.vcf) and CSV\n"
    "(.csv), each known by its extension. An input .txt that is no address book is read as\n"
    "tab-separated text. --append-to adds the cards of INPUT after those of BOOK.txt.\n"
    "\n"
    "  --csv-encoding sjis|utf8    the encoding of CSV written (sjis; utf8 for contacts)\n"
    "  --csv-layout velm|contacts  this program's columns or those of web contacts (velm)\n"
    "  --vcard 3.0|4.0             the vCard version written (3.0)\n";

// Told after writing an address book whose columns cut values of this many cards; the window
// marks such values in its boxes.
constexpr std::string_view kCutToColumnsAfterCount =
    "件のカードで住所録ファイルの列に入りきらない内容を切りました";

// The ＯＲＢＩ file is written as the program writes it by default, with 筆まめ形式にする ticked.
constexpr bool kMameJoin = true;

enum class FileKind { AddressBook, Orbi, VCard, Csv };

std::optional<FileKind> KindOfFile(std::string_view path)
{
    const std::string extension = AsciiUpper(ExtensionPart(path));
    if (extension == ".TXT")
        return FileKind::AddressBook;
    if (extension == ".ORB")
        return FileKind::Orbi;
    if (extension == ".VCF")
        return FileKind::VCard;
    if (extension == ".CSV")
        return FileKind::Csv;
    return std::nullopt;
}

struct Options {
    std::vector<std::string> files;
    std::optional<std::string> appendTo;
    VCardVersion vcard = VCardVersion::V30;
    CsvLayout csvLayout = CsvLayout::Velm;
    std::optional<TextEncoding> csvEncoding;
};

// A usage error, with what was wrong.
struct UsageError {
    std::string message;
};

// Sets the option `name` from `value`; false when the value is not one of its choices.
bool SetOption(Options& options, std::string_view name, std::string_view value)
{
    if (name == "--append-to") {
        options.appendTo = std::string(value);
        return true;
    }
    if (name == "--csv-encoding" && (value == "sjis" || value == "utf8")) {
        options.csvEncoding = value == "sjis" ? TextEncoding::ShiftJis : TextEncoding::Utf8;
        return true;
    }
    if (name == "--csv-layout" && (value == "velm" || value == "contacts")) {
        options.csvLayout = value == "velm" ? CsvLayout::Velm : CsvLayout::Contacts;
        return true;
    }
    if (name == "--vcard" && (value == "3.0" || value == "4.0")) {
        options.vcard = value == "3.0" ? VCardVersion::V30 : VCardVersion::V40;
        return true;
    }
    return false;
}

std::variant<Options, UsageError> ParseArguments(std::span<const std::string> arguments)
{
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (!argument.starts_with("--")) {
            options.files.emplace_back(argument);
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        std::string_view value;
        if (equals != std::string_view::npos)
            value = argument.substr(equals + 1);
        else if (i + 1 < arguments.size())
            value = arguments[++i];
        else
            return UsageError{"missing value of " + std::string(name)};
        if (!SetOption(options, name, value))
            return UsageError{"unknown option or value: " + std::string(argument) +
                              (equals == std::string_view::npos ? " " + std::string(value) : "")};
    }
    const std::size_t wanted = options.appendTo ? 1 : 2;
    if (options.files.size() != wanted)
        return UsageError{options.appendTo ? "give one INPUT to append" : "give INPUT and OUTPUT"};
    // Writing over the input would replace another program's file with what this program
    // keeps of it.
    std::error_code unused;
    if (!options.appendTo &&
        std::filesystem::equivalent(options.files.front(), options.files.back(), unused))
        return UsageError{"INPUT and OUTPUT are the same file"};
    return options;
}

// The cards of a file and what reading them changed, or the text of why it was refused.
using ReadResult = std::variant<ImportedCards, std::string>;

// The cards of a format read without conversion: the summary only counts them.
ImportedCards Counted(std::vector<CardRecord> cards)
{
    ConversionReport report;
    report.cards = cards.size();
    return {std::move(cards), report};
}

ReadResult FromImport(ImportResult result)
{
    if (const auto* refusal = std::get_if<ImportRefusal>(&result))
        return DescribeRefusal(*refusal);
    return std::get<ImportedCards>(std::move(result));
}

// An address book; `orText` reads a file that is none as tab-separated text instead.
ReadResult ReadAddressBook(std::string_view bytes, bool orText)
{
    // The program writes an empty store as an empty file.
    if (bytes.empty())
        return Counted({});
    auto parsed = ParseAddressBook(bytes);
    if (const auto* refusal = std::get_if<AddressBookRefusal>(&parsed)) {
        if (*refusal == AddressBookRefusal::NoCards && orText)
            return FromImport(ParseCsv(bytes));
        return std::string(*refusal == AddressBookRefusal::NoCards ? kNoCardsMessage
                                                                   : kTooManyCardsMessage);
    }
    return Counted(std::get<std::vector<CardRecord>>(std::move(parsed)));
}

ReadResult ReadCards(const std::string& path, FileKind kind, bool textFallback)
{
    auto read = ReadWholeFile(path);
    if (const auto* failure = std::get_if<FileFailure>(&read)) {
        // A file over the read limit is told as the window tells it.
        if (failure->kind == FileFailure::Kind::TooLarge)
            return std::string(kFileTooLargeMessage);
        return failure->message();
    }
    const std::string& bytes = std::get<std::string>(read);
    switch (kind) {
    case FileKind::AddressBook:
        return ReadAddressBook(bytes, textFallback);
    case FileKind::Orbi: {
        auto parsed = ParseOrbi(bytes);
        if (const auto* refusal = std::get_if<OrbiRefusal>(&parsed))
            return std::string(*refusal == OrbiRefusal::NotOrbi ? kNotOrbiMessage
                                                                : kTooManyCardsMessage);
        return Counted(std::get<std::vector<CardRecord>>(std::move(parsed)));
    }
    case FileKind::VCard:
        return FromImport(ParseVCard(bytes));
    case FileKind::Csv:
        break;
    }
    return FromImport(ParseCsv(bytes));
}

// The bytes of the file, and what writing them changed.
ExportedFile Format(const CardStore& store, FileKind kind, const Options& options)
{
    ExportedFile exported;
    switch (kind) {
    case FileKind::AddressBook:
        exported.bytes = FormatAddressBook(store);
        break;
    case FileKind::Orbi:
        exported.bytes = FormatOrbi(store, kMameJoin);
        break;
    case FileKind::VCard:
        return FormatVCard(store, options.vcard);
    case FileKind::Csv: {
        const TextEncoding defaultEncoding =
            options.csvLayout == CsvLayout::Contacts ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
        return FormatCsv(store, options.csvLayout, options.csvEncoding.value_or(defaultEncoding));
    }
    }
    exported.report.cards = static_cast<std::size_t>(store.CardCount);
    return exported;
}

class Conversion
{
  public:
    Conversion(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

    int run(std::span<const std::string> arguments)
    {
        if (arguments.size() == 1 && arguments.front() == "--help") {
            m_out << kUsage;
            return kConverted;
        }
        auto parsed = ParseArguments(arguments);
        if (const auto* usage = std::get_if<UsageError>(&parsed)) {
            m_err << "velm-convert: " << usage->message << "\n" << kUsage;
            return kUsageError;
        }
        const Options& options = std::get<Options>(parsed);
        const std::string& input = options.files.front();
        const std::string& output = options.appendTo ? *options.appendTo : options.files.back();
        const std::optional<FileKind> inputKind = KindOfFile(input);
        const std::optional<FileKind> outputKind = KindOfFile(output);
        if (!inputKind || !outputKind ||
            (options.appendTo && outputKind != FileKind::AddressBook)) {
            m_err << "velm-convert: "
                  << (options.appendTo ? "BOOK must be an address book (.txt) and " : "")
                  << "files must end in .txt, .orb, .vcf or .csv\n"
                  << kUsage;
            return kUsageError;
        }

        std::optional<ImportedCards> cards = read(input, *inputKind, true);
        if (!cards)
            return kInputRefused;
        m_out << DescribeImport(cards->report) << "\n";
        if (options.appendTo && !appendToBook(*options.appendTo, *cards))
            return kInputRefused;

        auto store = std::make_unique<CardStore>();
        store->replaceCards(std::move(cards->cards));
        const ExportedFile exported = Format(*store, *outputKind, options);
        if (const std::optional<FileFailure> failure =
                WriteFileAtomically(output, exported.bytes)) {
            m_err << "velm-convert: " << output << ": " << failure->message() << "\n";
            return kInputRefused;
        }
        m_out << DescribeExport(exported.report) << "\n";
        if (*outputKind == FileKind::AddressBook)
            tellCutToColumns(*store);
        return kConverted;
    }

  private:
    void tellCutToColumns(const CardStore& store)
    {
        const std::span<const CardRecord> cards = store.countedCards();
        const auto cut = std::ranges::count_if(
            cards, [](const CardRecord& card) { return !card_layout::FitsColumns(card); });
        if (cut > 0)
            m_out << cut << kCutToColumnsAfterCount << "\n";
    }

    std::optional<ImportedCards> read(const std::string& path, FileKind kind, bool textFallback)
    {
        ReadResult result = ReadCards(path, kind, textFallback);
        if (const auto* refusal = std::get_if<std::string>(&result)) {
            m_err << "velm-convert: " << path << ": " << *refusal << "\n";
            return std::nullopt;
        }
        return std::get<ImportedCards>(std::move(result));
    }

    // Puts the book's cards before `added`; false, with the reason told, when the book is
    // unreadable or the cards would be too many.
    bool appendToBook(const std::string& book, ImportedCards& added)
    {
        std::optional<ImportedCards> before = read(book, FileKind::AddressBook, false);
        if (!before)
            return false;
        if (before->cards.size() + added.cards.size() >
            static_cast<std::size_t>(CardStore::kCapacity)) {
            m_err << "velm-convert: " << book << ": "
                  << DescribeRefusal(ImportRefusal::TooManyTogether) << "\n";
            return false;
        }
        before->cards.insert(before->cards.end(), added.cards.begin(), added.cards.end());
        added.cards = std::move(before->cards);
        return true;
    }

    std::ostream& m_out;
    std::ostream& m_err;
};

} // namespace

int RunConvert(std::span<const std::string> arguments, std::ostream& out, std::ostream& err)
{
    return Conversion(out, err).run(arguments);
}

} // namespace velm
