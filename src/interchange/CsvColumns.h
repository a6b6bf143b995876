#pragma once

#include <optional>
#include <string_view>

namespace velm
{

// What a column of a CSV file holds, as its header says.
enum class CsvRole {
    Name1,         // the whole name
    Name2,         // this program's second name line
    FamilyName,    // 姓, Last Name
    GivenName,     // 名, First Name
    MiddleName,    // Middle Name
    Yomi,          // this program's reading, taken as it is
    Reading,       // another program's whole reading
    FamilyReading, // the reading of the family name
    GivenReading,  // the reading of the given name
    Mark,
    PostNo,
    Region,           // 都道府県
    Locality,         // 市区町村
    Street,           // 住所, 番地: every such column, in file order
    Building,         // 建物名, the second address line
    Country,          // added to the second address line unless it is Japan
    FormattedAddress, // the whole address, used when the parts are empty
    Tel,
    Mobile, // 携帯電話: the telephone when there is no other
    PhoneLabel,
    Company,
    Department,
    Memo,
};

// The role of a column by its header, in this program's layouts or in the usual Japanese
// and English ones, or nothing. Letters' case, full-width letters and digits, spaces,
// hyphens and brackets make no difference: 名前１ is 名前1, "姓（フリガナ）" is 姓フリガナ.
std::optional<CsvRole> RoleOfHeader(std::u32string_view header);

} // namespace velm
