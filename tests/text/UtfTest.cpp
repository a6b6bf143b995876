#include "text/Utf.h"

#include "support/Bytes.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace velm
{
namespace
{

using namespace std::string_view_literals;
using test::HexBytes;

TEST(Utf8, ReadsWellFormedSequencesAndRejectsTheRest)
{
    const struct {
        std::string_view bytes;
        char32_t codePoint;
        std::size_t length;
        bool valid;
    } cases[] = {
        {"A", U'A', 1, true},
        {"\xC3\xA9", U'\u00E9', 2, true},
        {"\xE3\x81\x82", U'\u3042', 3, true},
        {"\xF0\x9F\x98\x80", U'\U0001F600', 4, true},
        {"\x80", kReplacementCharacter, 1, false},             // a continuation byte alone
        {"\xC0\xAF", kReplacementCharacter, 1, false},         // overlong "/"
        {"\xE0\x80\xAF", kReplacementCharacter, 1, false},     // overlong "/"
        {"\xED\xA0\x80", kReplacementCharacter, 1, false},     // a surrogate
        {"\xF4\x90\x80\x80", kReplacementCharacter, 1, false}, // above U+10FFFF
        {"\xE3\x81", kReplacementCharacter, 1, false},         // cut short
        {"\xE3\x41\x82", kReplacementCharacter, 1, false},     // interrupted
        {"\xFF", kReplacementCharacter, 1, false},
    };
    for (const auto& c : cases) {
        const Utf8Character character = DecodeUtf8At(c.bytes, 0);
        EXPECT_EQ(character.codePoint, c.codePoint) << HexBytes(c.bytes);
        EXPECT_EQ(character.length, c.length) << HexBytes(c.bytes);
        EXPECT_EQ(character.valid, c.valid) << HexBytes(c.bytes);
    }
}

TEST(Utf8, WritesWhatItReads)
{
    for (const char32_t c : {U'\0', U'~', U'\u0080', U'\u07FF', U'\u0800', U'\uFFFD', U'\uFFFF',
                             U'\U00010000', U'\U0010FFFF'}) {
        std::string bytes;
        AppendUtf8(bytes, c);
        const Utf8Character back = DecodeUtf8At(bytes, 0);
        EXPECT_TRUE(back.valid) << HexBytes(bytes);
        EXPECT_EQ(back.codePoint, c) << HexBytes(bytes);
        EXPECT_EQ(back.length, bytes.size()) << HexBytes(bytes);
    }
}

TEST(Utf16, BecomesUtf8InEitherByteOrder)
{
    const struct {
        std::string_view bytes;
        ByteOrder order;
        std::string_view utf8;
    } cases[] = {
        {"A\0\x42\x30"sv, ByteOrder::LittleEndian, "A\xE3\x81\x82"},
        {"\0A\x30\x42"sv, ByteOrder::BigEndian, "A\xE3\x81\x82"},
        {"\x3D\xD8\x00\xDE"sv, ByteOrder::LittleEndian, "\xF0\x9F\x98\x80"}, // a surrogate pair
        {"\x3D\xD8"
         "A\0"sv,
         ByteOrder::LittleEndian,
         "\xEF\xBF\xBD"
         "A"},                                                   // a lone high one
        {"\x00\xDE"sv, ByteOrder::LittleEndian, "\xEF\xBF\xBD"}, // a lone low one
        {"A\0B"sv, ByteOrder::LittleEndian, "A\xEF\xBF\xBD"},    // an odd last byte
    };
    for (const auto& c : cases)
        EXPECT_EQ(HexBytes(Utf8FromUtf16(c.bytes, c.order)), HexBytes(c.utf8)) << HexBytes(c.bytes);
}

} // namespace
} // namespace velm
