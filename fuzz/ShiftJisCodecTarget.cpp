// Decodes any bytes as Shift-JIS and encodes any code points. Decoding never fails, and
// encoding what was decoded gives bytes that decode to the same text, each character in
// its lowest code: the very same bytes where no character used a higher one. Every code
// point encodes to bytes of exactly one character. The conversions between Shift-JIS and
// UTF-8 give what converting character by character gives.

#include "FuzzCheck.h"
#include "text/ShiftJis.h"
#include "text/ShiftJisCodec.h"
#include "text/Utf.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

using namespace velm;
using namespace velm::fuzz;

namespace
{

// The numeric code of a one- or two-byte character.
unsigned Code(std::string_view character)
{
    unsigned code = 0;
    for (const char c : character)
        code = code << 8 | static_cast<unsigned char>(c);
    return code;
}

// The text as it reads once every undecodable byte became the "?" the encoder writes.
std::u32string WithQuestionMarks(std::u32string text)
{
    std::replace(text.begin(), text.end(), kUndecodable, U'?');
    return text;
}

// For bytes that decode without a replacement: every character of the encoding is the
// same character in a code no higher than the one it was read from.
void CheckLowestCodes(std::string_view bytes, std::string_view encoded)
{
    Check(encoded.size() == bytes.size(), "a character keeps its byte length",
          [&] { return "bytes: " + HexBytes(bytes) + "\nencoded: " + HexBytes(encoded); });
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t length = IsLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
        const std::string_view read = bytes.substr(i, length);
        const std::string_view written = encoded.substr(i, length);
        const auto detail = [&] {
            return "read: " + HexBytes(read) + "\nwritten: " + HexBytes(written);
        };
        Check(DecodeShiftJis(written) == DecodeShiftJis(read), "a character encodes to itself",
              detail);
        Check(Code(written) <= Code(read), "a character encodes to its lowest code", detail);
        i += length;
    }
}

void CheckDecodeEncode(std::string_view bytes)
{
    const std::u32string text = DecodeShiftJis(bytes);
    Check(text.size() <= bytes.size(), "no byte decodes to two characters");
    const std::string encoded = EncodeShiftJis(text);
    Check(DecodeShiftJis(encoded) == WithQuestionMarks(text),
          "encoding what was decoded decodes to the same text",
          [&] { return "bytes: " + HexBytes(bytes) + "\nencoded: " + HexBytes(encoded); });
    Check(EncodeShiftJis(DecodeShiftJis(encoded)) == encoded, "an encoding is stable",
          [&] { return "encoded: " + HexBytes(encoded); });
    if (text.find(kUndecodable) == std::u32string::npos)
        CheckLowestCodes(bytes, encoded);
}

// Code points built from three bytes each, reaching past the last valid one.
std::u32string CodePoints(std::string_view bytes)
{
    std::u32string text;
    for (std::size_t i = 0; i + 3 <= bytes.size(); i += 3)
        text.push_back(static_cast<char32_t>(static_cast<unsigned char>(bytes[i]) << 16 |
                                             static_cast<unsigned char>(bytes[i + 1]) << 8 |
                                             static_cast<unsigned char>(bytes[i + 2])));
    return text;
}

void CheckEncodeDecode(const std::u32string& text)
{
    const std::string encoded = EncodeShiftJis(text);
    const std::u32string decoded = DecodeShiftJis(encoded);
    Check(decoded.size() == text.size(), "every code point encodes to one character",
          [&] { return "encoded: " + HexBytes(encoded); });
    Check(decoded.find(kUndecodable) == std::u32string::npos, "an encoding always decodes",
          [&] { return "encoded: " + HexBytes(encoded); });
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto own = EncodeShiftJisChar(text[i]);
        Check(own ? EncodeShiftJisChar(decoded[i]) == own : decoded[i] == U'?',
              "a code point comes back as a character with its code, or as \"?\"",
              [&] { return "code point " + std::to_string(static_cast<unsigned>(text[i])); });
    }
}

// Shift-JIS to UTF-8 at once is the text decoded, with "?" for what forms no character.
void CheckShiftJisToUtf8(std::string_view bytes)
{
    const std::u32string text = DecodeShiftJis(bytes);
    std::string expected;
    for (const char32_t c : WithQuestionMarks(text))
        AppendUtf8(expected, c);
    std::string utf8 = "x";
    const std::size_t replaced = AppendUtf8FromShiftJis(utf8, bytes);
    Check(utf8 == "x" + expected, "Shift-JIS becomes the UTF-8 of its characters",
          [&] { return "bytes: " + HexBytes(bytes) + "\nUTF-8: " + HexBytes(utf8); });
    Check(replaced == static_cast<std::size_t>(std::count(text.begin(), text.end(), kUndecodable)),
          "every byte that forms no character is counted");
}

// UTF-8 to Shift-JIS at once is each UTF-8 character encoded, with "?" for a byte that
// forms none.
void CheckUtf8ToShiftJis(std::string_view utf8)
{
    std::string expected;
    FromUtf8 counted;
    for (std::size_t at = 0; at < utf8.size();) {
        const Utf8Character character = DecodeUtf8At(utf8, at);
        at += character.length;
        const auto encoded =
            character.valid ? EncodeShiftJisChar(character.codePoint) : std::nullopt;
        expected += encoded.value_or("?");
        counted.replaced += encoded ? 0 : 1;
        counted.wellFormed = counted.wellFormed && character.valid;
    }
    std::string shiftJis = "x";
    const FromUtf8 result = AppendShiftJisFromUtf8(shiftJis, utf8);
    Check(shiftJis == "x" + expected, "UTF-8 becomes the Shift-JIS of its characters",
          [&] { return "UTF-8: " + HexBytes(utf8) + "\nShift-JIS: " + HexBytes(shiftJis); });
    Check(result.replaced == counted.replaced && result.wellFormed == counted.wellFormed,
          "a conversion from UTF-8 counts what it replaced and tells malformed text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = AsBytes(data, size);
    CheckDecodeEncode(bytes);
    CheckEncodeDecode(CodePoints(bytes));
    CheckShiftJisToUtf8(bytes);
    CheckUtf8ToShiftJis(bytes);
    return 0;
}
