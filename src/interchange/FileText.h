#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velm
{

// The encodings in which other programs write text files for this one.
enum class TextEncoding { ShiftJis, Utf8 };

// A file's text as its reader takes it, without a byte-order mark and with UTF-16 turned
// into UTF-8, and the conversion of its values to Shift-JIS. A mark decides the encoding
// (UTF-8, or UTF-16 little or big endian as spreadsheets save "Unicode text"). A file
// without one is read as UTF-8 as long as its values are well-formed UTF-8, and as
// Shift-JIS from the first value that is not: Shift-JIS text is hardly ever UTF-8 by chance,
// and no pass over the whole file is needed to find out.
class FileText
{
  public:
    explicit FileText(std::string_view bytes);
    FileText(const FileText&) = delete;
    FileText& operator=(const FileText&) = delete;

    std::string_view text() const { return m_text; }

    // The Shift-JIS bytes of a value of the file, counting into `replaced` the characters
    // that Shift-JIS cannot hold and the bytes that form no UTF-8 character, which both
    // become "?".
    std::string shiftJis(std::string_view value, std::size_t& replaced);

    // The same for a value that names its own encoding; in a UTF-16 file every value is
    // UTF-8 whatever it claims.
    std::string shiftJis(std::string_view value, TextEncoding named, std::size_t& replaced);

  private:
    std::string m_converted;
    std::string_view m_text;
    TextEncoding m_encoding = TextEncoding::Utf8;
    // Whether a byte-order mark fixed the encoding.
    bool m_marked = false;
    bool m_wasUtf16 = false;
};

} // namespace velm
