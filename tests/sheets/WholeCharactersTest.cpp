#include "sheets/Sheets.h"
#include "support/Bytes.h"
#include "support/Cards.h"
#include "text/ShiftJis.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace velm
{
namespace
{

using test::CardText;
using test::HexDump;
using test::StoreWith;

// The offset of the first lead byte in `line` that does not start a whole character, or
// npos when every character is whole.
std::size_t LoneLeadByte(std::string_view line)
{
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (!IsLeadByte(static_cast<unsigned char>(line[i])))
            continue;
        if (i + 1 >= line.size() || !IsTrailByte(static_cast<unsigned char>(line[i + 1])))
            return i;
        ++i;
    }
    return std::string_view::npos;
}

// True when a character starts at `offset`, reading the line character by character from
// its start as a printer does. A lone lead byte at the end of a column would pair with the
// first byte of the next one and move this boundary.
bool CharacterStartsAt(std::string_view line, std::size_t offset)
{
    std::size_t i = 0;
    while (i < offset)
        i += IsLeadByte(static_cast<unsigned char>(line[i])) ? 2 : 1;
    return i == offset;
}

// Checks every line of a sheet; `columnStarts(n)` gives the byte offsets where the columns
// of line n (0-based) start.
template <typename ColumnStarts>
void ExpectWholeCharacters(const char* sheetName, std::string_view sheet, ColumnStarts columnStarts)
{
    std::size_t number = 0;
    for (std::size_t start = 0; start < sheet.size(); ++number) {
        const std::size_t end = sheet.find("\r\n", start);
        ASSERT_NE(end, std::string_view::npos);
        const std::string_view line = sheet.substr(start, end - start);
        start = end + 2;
        EXPECT_EQ(LoneLeadByte(line), std::string_view::npos)
            << sheetName << " line " << number + 1 << ":\n"
            << HexDump(line);
        for (const std::size_t offset : columnStarts(number)) {
            EXPECT_TRUE(CharacterStartsAt(line, offset))
                << sheetName << " line " << number + 1 << ", column at byte " << offset << ":\n"
                << HexDump(line);
        }
    }
}

// Names and addresses of whole characters, led by zero to three single-byte characters
// (ASCII, a half-width katakana) so that every column cuts them at every byte parity. The
// double-byte characters include ones whose second byte has the value of a lead byte (漢
// 0x8A 0xBF) or of "\" (表 0x95 0x5C).
std::vector<CardText> CardsCutEverywhere(std::vector<std::string>& texts)
{
    const std::vector<std::string_view> leads{"", "1", " \xB1", "a-2"};
    const std::string body = "\x8E\x52\x93\x63\x8A\xBF\x95\x5C\x83\x41\x82\xA0"; // 山田漢表アあ
    for (const std::string_view lead : leads) {
        std::string text(lead);
        while (text.size() < 60)
            text += body;
        texts.push_back(text);
    }
    std::vector<CardText> cards;
    for (const std::string& text : texts) {
        for (std::size_t length = 0; length <= text.size(); ++length) {
            const std::string_view part = std::string_view(text).substr(0, length);
            if (LoneLeadByte(part) != std::string_view::npos)
                continue;
            cards.push_back({.Name1 = part,
                             .Name2 = part,
                             .Jusyo1 = part,
                             .Jusyo2 = part,
                             .PostNo = part,
                             .Tel = part});
        }
    }
    return cards;
}

// The notebook's name line has bars at bytes 0 and 20 around the name; the list's card
// lines have bars at 0, 20 and 78, a 〒 or the telephone column at 22, the address at 38.
TEST(SheetColumns, HoldOnlyWholeCharactersWhereverTheyCutAName)
{
    std::vector<std::string> texts;
    const auto store = StoreWith(CardsCutEverywhere(texts));
    ExpectWholeCharacters("notebook", Maketetyo(*store), [](std::size_t line) {
        return line % 5 == 1 ? std::vector<std::size_t>{2, 20, 22} : std::vector<std::size_t>{};
    });
    ExpectWholeCharacters("list", Makeitiran(*store), [](std::size_t line) {
        return line >= 3 && (line - 3) % 3 < 2 ? std::vector<std::size_t>{2, 20, 22, 38, 78}
                                               : std::vector<std::size_t>{};
    });
}

} // namespace
} // namespace velm
