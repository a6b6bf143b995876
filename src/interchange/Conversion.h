#pragma once

#include "store/CardRecord.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velm
{

// What a conversion to or from another program's format had to change, counted for the
// summary the user sees: nothing is changed or left out silently.
struct ConversionReport {
    std::size_t cards = 0;
    // Cards in which characters became "?", and how many characters did.
    std::size_t cardsWithReplacements = 0;
    std::size_t replacedCharacters = 0;
    // Cards in which a value or a memo item did not fit into the 255 bytes of a field.
    std::size_t cardsNotFitting = 0;

    void countCard(std::size_t replaced, bool notFitting);
};

struct ImportedCards {
    std::vector<CardRecord> cards;
    ConversionReport report;
};

// Why a file was refused as a whole; nothing is imported.
enum class ImportRefusal {
    NoCards,       // a vCard file without a card
    NoKnownColumn, // a CSV file whose header names no column this program knows
    TooManyCards,  // more than 999 cards
    // more than 999 cards together with those the cards are added to
    TooManyTogether,
};

using ImportResult = std::variant<ImportedCards, ImportRefusal>;

struct ExportedFile {
    std::string bytes;
    ConversionReport report;
};

// What another format holds without a field of its own goes to the memo as "kind: value"
// items, after the memo's own text and each other, separated by " / ".
inline constexpr std::string_view kMemoItemSeparator = " / ";
inline constexpr std::string_view kMemoKindSeparator = ": ";

// The texts of the summaries, in UTF-8. Each count comes before its text; the replaced
// characters follow the cards they were in.
inline constexpr std::string_view kCardsImportedAfterCount = "件のカードを読み込みました";
inline constexpr std::string_view kCardsExportedAfterCount = "件のカードを書き出しました";
inline constexpr std::string_view kReplacedCardsAfterCount = "件のカードで";
inline constexpr std::string_view kReplacedCharactersAfterCount = "文字を「?」にしました";
inline constexpr std::string_view kNotFittingCardsAfterCount =
    "件のカードで255バイトに入りきらない内容を省きました";

// The texts of the refusals NoCards, NoKnownColumn and TooManyTogether; TooManyCards is
// told with kTooManyCardsMessage, as for the address book.
inline constexpr std::string_view kNoVCardsMessage = "vCardのカードがありません";
inline constexpr std::string_view kNoKnownColumnMessage = "見出しに読み込める列がありません";
inline constexpr std::string_view kTooManyTogetherMessage =
    "合わせると999件を超えるため追加できません";

// The summaries and the refusal as UTF-8 text, one line each, for the notice of the window
// and the output of the command-line converter alike.
std::string DescribeImport(const ConversionReport& report);
std::string DescribeExport(const ConversionReport& report);
std::string DescribeRefusal(ImportRefusal refusal);

} // namespace velm
