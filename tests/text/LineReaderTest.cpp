#include "text/LineReader.h"

#include "support/Bytes.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace velm
{
namespace
{

using test::HexBytes;

struct LinesCase {
    std::string_view text;
    std::vector<std::string_view> lines; // every line read before the end is reached
};

TEST(LineReader, SplitsAtLineFeedAndStopsAtTheEndOrAnEndOfFileMark)
{
    using namespace std::string_view_literals;
    const LinesCase cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"\r\n\r\n", {"", ""}},
        // Only a CR right before the LF is dropped.
        {"a\r\r\nb\rc\n", {"a\r", "b\rc"}},
        {"a\r", {"a\r"}},
        // 0x1A ends the text at a line start; inside a line it is data.
        {"a\r\n\x1A"
         "b\r\n",
         {"a"}},
        {"\x1A"
         "a",
         {}},
        {"a\x1A"
         "b\r\nc",
         {"a\x1A"
          "b",
          "c"}},
        {"a\0b\n"sv, {"a\0b"sv}},
    };
    for (const LinesCase& c : cases) {
        LineReader reader(c.text);
        std::vector<std::string> read;
        while (!reader.atEnd())
            read.emplace_back(reader.readLine());
        ASSERT_EQ(read.size(), c.lines.size()) << HexBytes(c.text);
        for (std::size_t i = 0; i < read.size(); ++i)
            EXPECT_EQ(read[i], c.lines[i])
                << HexBytes(c.text) << " line " << i << " gave " << HexBytes(read[i]);
    }
}

TEST(LineReader, ReadingAtTheEndGivesEmptyLines)
{
    LineReader reader("x\r\n\x1A"
                      "tail");
    EXPECT_EQ(reader.readLine(), "x");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), "");
    EXPECT_EQ(reader.readLine(), "");
    EXPECT_TRUE(reader.atEnd());
}

} // namespace
} // namespace velm
