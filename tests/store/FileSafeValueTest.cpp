#include "store/FileSafeValue.h"

#include "support/Bytes.h"
#include "text/ShiftJis.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace velm
{
namespace
{

using test::HexBytes;
using test::HexUnits;

// The text as UTF-16, surrogate pairs for characters beyond the Basic Multilingual Plane.
std::u16string Utf16(std::u32string_view text)
{
    std::u16string units;
    for (char32_t c : text) {
        if (c < 0x10000) {
            units += static_cast<char16_t>(c);
            continue;
        }
        c -= 0x10000;
        units += static_cast<char16_t>(0xD800 + (c >> 10));
        units += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
    return units;
}

// A value without any of kBytesOfUnsafeCharacters is stored without looking at its
// characters, so every character the rule changes, after any character, must hold one.
TEST(FileSafeCharacter, EveryCharacterItChangesHoldsAnUnsafeByte)
{
    const auto checkCharacter = [](std::string_view character) {
        for (const bool afterCloseLead : {false, true}) {
            if (FileSafeCharacter(character, afterCloseLead) == character)
                continue;
            EXPECT_NE(character.find_first_of(kBytesOfUnsafeCharacters), std::string_view::npos)
                << HexBytes(character) << (afterCloseLead ? " after 0x81" : "");
        }
    };
    for (int first = 0; first < 256; ++first) {
        const char lead = static_cast<char>(first);
        if (!IsLeadByte(static_cast<unsigned char>(first))) {
            checkCharacter(std::string(1, lead));
            continue;
        }
        for (int second = 0; second < 256; ++second)
            checkCharacter(std::string{lead, static_cast<char>(second)});
    }
}

struct SafeCase {
    std::string_view value;
    std::string_view safe;
};

TEST(FileSafeValue, ReplacesOnlyTheCharactersThatFormTheClosingPair)
{
    const SafeCase cases[] = {
        {"", ""},
        {"plain z", "plain z"},
        {"\x81\x7A", "\x81\x6E"}, // 】 -> ］
        {"a\x81\x7A\x81\x7A"
         "b",
         "a\x81\x6E\x81\x6E"
         "b"}, // 】】
        {"\x82\x81"
         "z",
         "\x82\x81\x82\x9A"}, // ａz -> ａｚ
        {"\x82\x81"
         "zz",
         "\x82\x81\x82\x9A"
         "z"}, // only the z right after it
        {"\x81\x81"
         "z",
         "\x81\x81\x82\x9A"}, // ＝z: ＝ is 0x81 0x81
        {"\x82\xa0"
         "z",
         "\x82\xa0"
         "z"},                    // あz: no pair
        {"\x81\x79", "\x81\x79"}, // 【 stays
        // メz (0x83 0x81 0x7A): the pair spans two characters.
        {"\x83\x81\x7A"
         "b",
         "\x83\x81\x82\x9A"
         "b"},
        // A lone lead byte at the end is kept.
        {"ab\x81", "ab\x81"},
        {"\x88\x9F\x81", "\x88\x9F\x81"}, // 亜 and a lone 0x81
        // LF would end the file's line: it becomes a space; CR stays.
        {"a\nb\r\nc\r", "a b\r c\r"},
        {"\x82\x81\n"
         "z",
         "\x82\x81 z"},
        {"\x81\n", "\x81 "}, // LF after a lead byte forms no character with it
    };
    for (const SafeCase& c : cases) {
        const std::string safe = FileSafeValue(c.value);
        EXPECT_EQ(safe, c.safe) << HexBytes(c.value) << " gave " << HexBytes(safe);
        EXPECT_EQ(FileSafeText(c.value), safe) << HexBytes(c.value);
        ShortString field("old value");
        AssignFileSafe(field, c.value);
        EXPECT_EQ(field.view(), c.safe)
            << HexBytes(c.value) << " stored " << HexBytes(field.view());
    }
}

TEST(FileSafeValue, KeepsAtMost255BytesWhereTheTextGrowsBeyond)
{
    std::string value(253, 'x');
    value += "\x82\x81"
             "z";
    EXPECT_EQ(FileSafeText(value), std::string(253, 'x') + "\x82\x81\x82\x9A");
    const std::string safe = FileSafeValue(value);
    ASSERT_EQ(safe.size(), 255u);
    EXPECT_EQ(safe.substr(253), "\x82\x81");
    ShortString field;
    AssignFileSafe(field, value);
    EXPECT_EQ(field.view(), safe);
    AssignFileSafe(field, std::string(300, 'y'));
    EXPECT_EQ(field.view(), std::string(255, 'y'));
}

struct StorableCase {
    std::u32string_view text;
    std::size_t cursor;
    std::u32string_view storable;
    std::size_t storableCursor;
};

TEST(MakeStorable, ReplacesWhatAValueCannotHoldAndKeepsTheCursorInPlace)
{
    const StorableCase cases[] = {
        {U"", 0, U"", 0},
        {U"abc", 1, U"abc", 1},
        {U"\u5C71\u7530", 2, U"\u5C71\u7530", 2}, // 山田
        // Characters outside the code page; an emoji takes two UTF-16 units.
        {U"a\U0001F600b", 0, U"a?b", 0},
        {U"a\U0001F600b", 1, U"a?b", 1},
        {U"a\U0001F600b", 2, U"a?b", 2}, // between the surrogates
        {U"a\U0001F600b", 3, U"a?b", 2},
        {U"a\U0001F600b", 4, U"a?b", 3},
        {U"\U00020BB7\u91CE\u5BB6", 3, U"?\u91CE\u5BB6", 2}, // 𠮷野家
        {U"\U0001F600\U0001F600", 4, U"??", 2},
        {U"x\uFFFDy", 3, U"x?y", 3}, // shown for an undecodable byte
        {U"\u00A5\u20AC", 1, U"??", 1},
        // Characters that input methods produce stay; the code page holds their look-alikes.
        {U"\u301C\u2212\u2016\u2014\u00A2\u00A3\u00AC", 7,
         U"\u301C\u2212\u2016\u2014\u00A2\u00A3\u00AC", 7},
        // 】 closes a value in the address-book file.
        {U"a\u3011b", 2, U"a\uFF3Db", 2},
        // A "z" after a character whose second byte is 0x81 would form 0x81 0x7A too.
        {U"\uFF1Dz", 2, U"\uFF1D\uFF5A", 2},                    // ＝z
        {U"\uFF41zz", 1, U"\uFF41\uFF5Az", 1},                  // ａzz: only the first z
        {U"\u9999z\u6C0Fz", 4, U"\u9999\uFF5A\u6C0F\uFF5A", 4}, // 香z氏z
        {U"\uFF1D z", 3, U"\uFF1D z", 3},
        {U"\uFF1DZ", 2, U"\uFF1DZ", 2},
        {U"az", 2, U"az", 2},
        {U"z", 1, U"z", 1},
        // ］ ends in 0x6E, so a z after a replaced 】 stays.
        {U"\u3011z", 2, U"\uFF3Dz", 2},
    };
    for (const StorableCase& c : cases) {
        std::u16string text = Utf16(c.text);
        std::size_t cursor = c.cursor;
        MakeStorable(text, cursor);
        EXPECT_EQ(HexUnits(text), HexUnits(Utf16(c.storable)))
            << "from " << HexUnits(Utf16(c.text));
        EXPECT_EQ(cursor, c.storableCursor) << "from " << HexUnits(Utf16(c.text));
    }
}

TEST(MakeStorable, ReplacesLoneSurrogates)
{
    std::u16string text = u"a\xD800"
                          u"b\xDC00";
    std::size_t cursor = 4;
    MakeStorable(text, cursor);
    EXPECT_EQ(text, u"a?b?");
    EXPECT_EQ(cursor, 4);
}

} // namespace
} // namespace velm
