#include "interchange/Orbi.h"
#include "interchange/OrbiColumns.h"
#include "store/CardStore.h"
#include "store/Honorific.h"

#include <string>
#include <string_view>

namespace velm
{

namespace
{

// "ORBI","1.0","ＸＮ"," — the header line up to the writing program's name.
constexpr std::string_view kHeaderStart = "\"ORBI\",\"1.0\",\""
                                          "\x82\x77\x82\x6d" // ＸＮ
                                          "\",\"";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kDataRecord = "\"D\",";
constexpr std::string_view kTagRecord = "\"I\",";
// The two bytes backslash and "n" that stand between the address lines when they are not
// joined directly.
constexpr std::string_view kAddressSeparator = "\\n";

std::string HeaderLine(const CardStore& store)
{
    std::string line(kHeaderStart);
    line += store.VersionText.view();
    line += '"';
    return line;
}

std::string TagLine()
{
    std::string line(kTagRecord);
    for (const OrbiColumn& column : kKnownColumns)
        line += QuoteValue(column.tag);
    line += QuoteValue(kHonorificTag);
    return line;
}

std::string AddressJoin(const CardRecord& card, bool mameJoin)
{
    std::string joined(card.Jusyo1.view());
    if (!mameJoin)
        joined += kAddressSeparator;
    joined += card.Jusyo2.view();
    return joined;
}

std::string DataLine(const CardRecord& card, bool mameJoin)
{
    std::string line(kDataRecord);
    for (const OrbiColumn& column : kKnownColumns)
        line += column.field != nullptr ? QuoteValue((card.*column.field).view())
                                        : QuoteValue(AddressJoin(card, mameJoin));
    line += QuoteValue(Honorific(card.Mark));
    return line;
}

void AppendLine(std::string& file, std::string_view line)
{
    file += line;
    file += kLineEnd;
}

} // namespace

std::string QuoteValue(std::string_view value)
{
    if (value.empty())
        return ",";
    std::string quoted;
    quoted.reserve(value.size() + 3);
    quoted += '"';
    quoted += value;
    quoted += "\",";
    return quoted;
}

std::string FormatOrbi(const CardStore& store, bool mameJoin)
{
    std::string file;
    AppendLine(file, HeaderLine(store));
    AppendLine(file, TagLine());
    for (int k = 1; k <= store.CardCount; ++k)
        AppendLine(file, DataLine(store.card(k), mameJoin));
    return file;
}

} // namespace velm
