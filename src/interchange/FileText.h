#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velm
{

// The encodings in which other programs write text files for this one.
enum class TextEncoding { ShiftJis, Utf8 };

// A file's text as its reader takes it: without a byte-order mark, UTF-16 turned into
// UTF-8, and the encoding found. A mark decides (UTF-8, UTF-16 little or big endian, as
// spreadsheets save "Unicode text"); without one the text is UTF-8 when all of it is
// well-formed UTF-8, and Shift-JIS otherwise.
class FileText
{
  public:
    explicit FileText(std::string_view bytes);
    FileText(const FileText&) = delete;
    FileText& operator=(const FileText&) = delete;

    std::string_view text() const { return m_text; }
    TextEncoding encoding() const { return m_encoding; }
    // Whether the file was UTF-16, so that its bytes are UTF-8 whatever they claim.
    bool wasUtf16() const { return m_wasUtf16; }

  private:
    std::string m_converted;
    std::string_view m_text;
    TextEncoding m_encoding = TextEncoding::Utf8;
    bool m_wasUtf16 = false;
};

// The Shift-JIS bytes of a value written in `encoding`, counting into `replaced` the
// characters that Shift-JIS cannot hold, and bytes that form no UTF-8 character, which
// both become "?". Shift-JIS is taken as it is.
std::string ShiftJisFromText(std::string_view value, TextEncoding encoding, std::size_t& replaced);

// The code points of a value written in `encoding`; what forms no character becomes
// U+FFFD.
std::u32string DecodeText(std::string_view value, TextEncoding encoding);

// Appends the UTF-8 of Shift-JIS bytes to `out`, counting into `replaced` the bytes that
// form no character, which become "?".
void AppendUtf8FromShiftJis(std::string& out, std::string_view value, std::size_t& replaced);

} // namespace velm
