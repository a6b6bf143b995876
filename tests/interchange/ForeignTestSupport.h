#pragma once

#include "interchange/Conversion.h"
#include "interchange/OrbiTestSupport.h"
#include "text/ShiftJisCodec.h"
#include "text/Utf.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velm
{

// The Shift-JIS bytes of a UTF-8 text, so that tables can be written in readable Japanese.
inline std::string Sjis(std::string_view utf8)
{
    std::u32string text;
    for (std::size_t at = 0; at < utf8.size();) {
        const Utf8Character character = DecodeUtf8At(utf8, at);
        text += character.codePoint;
        at += character.length;
    }
    return EncodeShiftJis(text);
}

// A card from its eleven values in record order, written in UTF-8.
inline CardRecord SjisCard(const FieldValues& utf8Values)
{
    CardRecord card;
    const auto fields = card.fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i]->assign(Sjis(utf8Values[i]));
    return card;
}

// The imported cards, or a failure and nothing when the file was refused.
inline ImportedCards Imported(ImportResult result, std::string_view file)
{
    if (const auto* refusal = std::get_if<ImportRefusal>(&result)) {
        ADD_FAILURE() << "refused (" << DescribeRefusal(*refusal)
                      << "): " << HexDump(file.substr(0, 120));
        return {};
    }
    return std::get<ImportedCards>(std::move(result));
}

using Parser = ImportResult (*)(std::string_view bytes);

// A file as another program writes it and the cards it gives, their values in UTF-8.
struct ReadCase {
    const char* what;
    std::string file;
    std::vector<FieldValues> cards;
};

inline void ExpectCardsRead(const std::vector<ReadCase>& cases, Parser parse)
{
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        const ImportedCards imported = Imported(parse(c.file), c.file);
        std::vector<CardRecord> expected;
        for (const FieldValues& values : c.cards)
            expected.push_back(SjisCard(values));
        EXPECT_EQ(imported.cards, expected);
        EXPECT_EQ(imported.report.cards, expected.size());
    }
}

// A file that is refused as a whole, and why.
struct RefusedCase {
    const char* what;
    std::string file;
    ImportRefusal refusal;
};

inline void ExpectRefused(const std::vector<RefusedCase>& cases, Parser parse)
{
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.what);
        const ImportResult result = parse(c.file);
        ASSERT_TRUE(std::holds_alternative<ImportRefusal>(result));
        EXPECT_EQ(std::get<ImportRefusal>(result), c.refusal);
    }
}

// The largest store: 999 cards, every field 255 bytes of double-byte text (127 kanji and
// kana and an ASCII digit), no two cards alike.
inline std::vector<CardRecord> FullStoreCards()
{
    const std::u32string characters = U"山田太郎東京都新宿区丁目あア番地ソ表";
    std::vector<CardRecord> cards(CardStore::kCapacity);
    for (std::size_t k = 0; k < cards.size(); ++k) {
        const auto fields = cards[k].fields();
        for (std::size_t f = 0; f < fields.size(); ++f) {
            std::u32string text;
            for (std::size_t i = 0; i < 127; ++i)
                text += characters[(k * 7 + f * 3 + i) % characters.size()];
            text += static_cast<char32_t>(U'0' + k % 10);
            fields[f]->assign(EncodeShiftJis(text));
        }
    }
    return cards;
}

} // namespace velm
