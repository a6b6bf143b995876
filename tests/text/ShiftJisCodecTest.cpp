#include "text/ShiftJisCodec.h"

#include "support/Bytes.h"
#include "text/ShiftJis.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velm
{
namespace
{

using namespace std::string_view_literals;
using test::HexBytes;

// The code points as "U+XXXX" words, for failure messages.
std::string CodePoints(std::u32string_view text)
{
    std::string out;
    for (const char32_t c : text) {
        char word[16];
        std::snprintf(word, sizeof word, "%sU+%04X", out.empty() ? "" : " ",
                      static_cast<unsigned>(c));
        out += word;
    }
    return out.empty() ? "(empty)" : out;
}

struct DecodeCase {
    std::string_view bytes;
    std::u32string_view text;
};

TEST(DecodeShiftJis, DecodesEveryKindOfCharacter)
{
    const DecodeCase cases[] = {
        {"", U""},
        {"Abc 123", U"Abc 123"},
        {"\x00\x1A\x7F"sv, U"\u0000\u001A\u007F"sv},
        {"\\~", U"\\~"},                                     // ASCII, not yen sign and overline
        {"\xB1\xDF", U"\uFF71\uFF9F"},                       // ｱﾟ half-width katakana
        {"\x81\x40", U"\u3000"},                             // full-width space
        {"\x82\xA0", U"\u3042"},                             // あ
        {"\x88\x9F\xEA\xA4", U"\u4E9C\u7199"},               // 亜熙
        {"\x87\x40", U"\u2460"},                             // ① (NEC special row)
        {"\xED\x40\xFA\x5C", U"\u7E8A\u7E8A"},               // 纊 twice (NEC and IBM codes)
        {"\xFC\x4B", U"\u9ED1"},                             // 黑, the last defined code
        {"\xF0\x40\xF9\xFC", U"\uE000\uE757"},               // user-defined area
        {"\x81\x60\x81\x7C\x81\x5C", U"\uFF5E\uFF0D\u2015"}, // ～－―
        {"\x81\x7A", U"\u3011"},                             // 】
        {"\x81\x81z", U"\uFF1Dz"},                           // ＝z
        // 0x5C as a second byte belongs to its character.
        {"\x95\x5C\\", U"\u8868\\"}, // 表
        // Bytes that Windows maps to private or control characters on their own.
        {"\x80\xA0\xFD\xFE\xFF", U"\u0080\uF8F0\uF8F1\uF8F2\uF8F3"},
    };
    for (const DecodeCase& c : cases) {
        EXPECT_EQ(CodePoints(DecodeShiftJis(c.bytes)), CodePoints(c.text))
            << "bytes " << HexBytes(c.bytes);
    }
}

TEST(DecodeShiftJis, GivesOneReplacementPerByteThatFormsNoCharacter)
{
    const DecodeCase cases[] = {
        {"\x81", U"\uFFFD"},     // lone lead byte
        {"ab\x82", U"ab\uFFFD"}, // lead byte at the end
        {"\xE0", U"\uFFFD"},
        {"\x81\x20"
         "a",
         U"\uFFFD a"},                 // trail below 0x40
        {"\x81\x7F", U"\uFFFD\u007F"}, // 0x7F is no trail
        {"\x81\xFD", U"\uFFFD\uF8F1"}, // trail above 0xFC
        {"\x81\x00"sv, U"\uFFFD\u0000"sv},
        {"\x85\x40", U"\uFFFD@"}, // undefined row
        {"\x82\x40", U"\uFFFD@"}, // undefined cell in a defined row
        // The byte after a failed lead byte may start a character of its own.
        {"\x85\x82\xA0", U"\uFFFD\u3042"}, // ?あ
        {"\x85\x85", U"\uFFFD\uFFFD"},
        {"\x82\xA0\x82", U"\u3042\uFFFD"}, // a value cut inside its last character
    };
    for (const DecodeCase& c : cases) {
        EXPECT_EQ(CodePoints(DecodeShiftJis(c.bytes)), CodePoints(c.text))
            << "bytes " << HexBytes(c.bytes);
    }
}

struct EncodeCase {
    char32_t c;
    std::string_view bytes;
};

void ExpectEncoded(std::span<const EncodeCase> cases)
{
    for (const EncodeCase& c : cases) {
        const std::optional<std::string> bytes = EncodeShiftJisChar(c.c);
        ASSERT_TRUE(bytes.has_value()) << CodePoints({&c.c, 1});
        EXPECT_EQ(HexBytes(*bytes), HexBytes(c.bytes)) << CodePoints({&c.c, 1});
    }
}

TEST(EncodeShiftJisChar, EncodesTheCodePagesCharacters)
{
    const EncodeCase cases[] = {
        {U'\0', "\x00"sv},
        {U'A', "A"},
        {U'\\', "\\"},
        {U'\u007F', "\x7F"},
        {U'\u0080', "\x80"},
        {U'\uFF71', "\xB1"}, // ｱ
        {U'\uF8F0', "\xA0"},
        {U'\u3000', "\x81\x40"}, // full-width space
        {U'\u3042', "\x82\xA0"}, // あ
        {U'\u8868', "\x95\x5C"}, // 表
        {U'\uE000', "\xF0\x40"}, // user-defined area
        {U'\uFF5E', "\x81\x60"}, // ～
        {U'\u3011', "\x81\x7A"}, // 】
        {U'\uFF5A', "\x82\x9A"}, // ｚ
        // Characters with more than one code take the one listed first by the code page.
        {U'\uFFE2', "\x81\xCA"}, // ￢, also EE F9 and FA 54
        {U'\u2235', "\x81\xE6"}, // ∵, also 87 9A and FA 5B
        {U'\u2160', "\x87\x54"}, // Ⅰ, also FA 4A
        {U'\u7E8A', "\xED\x40"}, // 纊, also FA 5C
        {U'\u2170', "\xEE\xEF"}, // ⅰ, also FA 40
        {U'\u9ED1', "\xEE\xEC"}, // 黑, also FC 4B
    };
    ExpectEncoded(cases);
}

TEST(EncodeShiftJisChar, StoresInputMethodCharactersAsTheirCodePageLookAlikes)
{
    const EncodeCase cases[] = {
        {U'\u301C', "\x81\x60"}, // 〜 wave dash
        {U'\u2212', "\x81\x7C"}, // − minus sign
        {U'\u2016', "\x81\x61"}, // ‖
        {U'\u2014', "\x81\x5C"}, // — em dash
        {U'\u00A2', "\x81\x91"}, // ¢
        {U'\u00A3', "\x81\x92"}, // £
        {U'\u00AC', "\x81\xCA"}, // ¬
    };
    ExpectEncoded(cases);
}

TEST(EncodeShiftJisChar, RefusesWhatTheCodePageCannotHold)
{
    const char32_t refused[] = {
        kUndecodable,  U'\uFFFF', U'\u00A5', U'\u203E', U'\u20AC', U'\u0100',
        U'\U0001F600', // emoji
        U'\U00020BB7', // 𠮷
        0xD800,        // a lone surrogate
        0x110000,      // beyond Unicode
    };
    for (const char32_t c : refused) {
        const std::optional<std::string> bytes = EncodeShiftJisChar(c);
        EXPECT_FALSE(bytes.has_value()) << CodePoints({&c, 1}) << " gave " << HexBytes(*bytes);
    }
}

TEST(EncodeShiftJis, WritesAQuestionMarkForEachCharacterItCannotHold)
{
    const struct {
        std::u32string_view text;
        std::string_view bytes;
    } cases[] = {
        {U"", ""},
        {U"\u5C71\u7530 Taro", "\x8E\x52\x93\x63 Taro"}, // 山田
        {U"a\U0001F600b", "a?b"},
        {U"\U00020BB7\u91CE\u5BB6", "?\x96\xEC\x89\xC6"}, // 𠮷野家
        {U"\uFFFD\uFFFD", "??"},
        {U"1\u301C2", "1\x81\x60"
                      "2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HexBytes(EncodeShiftJis(c.text)), HexBytes(c.bytes)) << CodePoints(c.text);
    }
}

// Every defined code decodes to one character, and encoding that character gives a code
// of the same character, never a higher one than this code. The count guards against a
// truncated table.
TEST(ShiftJisRoundTrip, EveryDoubleByteCodeComesBackAsItsCanonicalCode)
{
    int defined = 0;
    int canonical = 0;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsLeadByte(static_cast<unsigned char>(lead)))
            continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
            const std::u32string text = DecodeShiftJis(code);
            ASSERT_FALSE(text.empty());
            if (text[0] == kUndecodable)
                continue;
            ++defined;
            ASSERT_EQ(text.size(), 1u) << HexBytes(code);
            const std::optional<std::string> back = EncodeShiftJisChar(text[0]);
            ASSERT_TRUE(back.has_value()) << HexBytes(code);
            ASSERT_EQ(back->size(), 2u) << HexBytes(code);
            EXPECT_EQ(CodePoints(DecodeShiftJis(*back)), CodePoints(text)) << HexBytes(code);
            EXPECT_LE(static_cast<unsigned char>((*back)[0]) << 8 |
                          static_cast<unsigned char>((*back)[1]),
                      lead << 8 | trail)
                << HexBytes(code) << " came back as " << HexBytes(*back);
            canonical += *back == code;
        }
    }
    EXPECT_EQ(defined, 9604);
    EXPECT_EQ(canonical, 9206); // one code per distinct character
}

TEST(ShiftJisRoundTrip, EverySingleByteCharacterComesBackAsItsByte)
{
    for (unsigned byte = 0; byte < 256; ++byte) {
        if (IsLeadByte(static_cast<unsigned char>(byte)))
            continue;
        const std::string code(1, static_cast<char>(byte));
        const std::u32string text = DecodeShiftJis(code);
        ASSERT_EQ(text.size(), 1u) << HexBytes(code);
        EXPECT_EQ(HexBytes(EncodeShiftJis(text)), HexBytes(code));
    }
}

struct WithinCase {
    std::u16string_view text;
    std::size_t byteCount;
    std::size_t units;
};

TEST(UnitsWithinBytes, CountsTheCharactersWhollyInsideTheFirstBytes)
{
    const WithinCase cases[] = {
        {u"", 4, 0},
        {u"abc", 0, 0},
        {u"abc", 2, 2},
        {u"abc", 9, 3},
        {u"\u3042\u3044\u3046", 4, 2}, // あいう
        {u"\u3042\u3044\u3046", 5, 2}, // the third would be cut in half
        {u"a\u3042b", 2, 1},
        {u"a\u3042b", 3, 2},
        {u"\U0001F600a", 1, 2}, // a pair becomes one "?"
        {u"\U0001F600a", 2, 3},
        {u"\xD83D"
         u"a",
         2, 2}, // a lone surrogate is one "?" too
    };
    for (const WithinCase& c : cases) {
        EXPECT_EQ(UnitsWithinBytes(c.text, c.byteCount), c.units)
            << test::HexUnits(c.text) << " within " << c.byteCount;
    }
}

} // namespace
} // namespace velm
