#pragma once

#include "interchange/Conversion.h"
#include "support/Bytes.h"
#include "support/Cards.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Table checks of the readers of other programs' files.

namespace velm::test
{

// The imported cards, or a failure and nothing when the file was refused.
inline ImportedCards Imported(ImportResult result, std::string_view file)
{
    if (const auto* refusal = std::get_if<ImportRefusal>(&result)) {
        ADD_FAILURE() << "refused (" << DescribeRefusal(*refusal) << "):\n"
                      << HexDump(file.substr(0, 120));
        return {};
    }
    return std::get<ImportedCards>(std::move(result));
}

using Parser = ImportResult (*)(std::string_view bytes);

// A file as another program writes it and the cards it gives, their values in UTF-8.
struct ReadCase {
    const char* what;
    std::string file;
    std::vector<CardText> cards;
};

inline void ExpectCardsRead(const std::vector<ReadCase>& cases, Parser parse)
{
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        const ImportedCards imported = Imported(parse(c.file), c.file);
        std::vector<CardRecord> expected;
        for (const CardText& values : c.cards)
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

} // namespace velm::test
