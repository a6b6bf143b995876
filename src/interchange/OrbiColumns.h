#pragma once

#include "store/CardRecord.h"

#include <array>
#include <string_view>

namespace velm
{

// One known column of an ＯＲＢＩ data line: its tag and the card field it carries. The
// address column has no single field: it joins or splits Jusyo1 and Jusyo2.
struct OrbiColumn {
    std::string_view tag;
    ShortString CardRecord::*field;
};

inline constexpr std::string_view kAddressTag = "PADR";

// The known columns in the order the export writes them; the import accepts them in any
// order, as its tag line names them.
inline constexpr std::array<OrbiColumn, 10> kKnownColumns{{
    {"NAPR", &CardRecord::Yomi},
    {"NAME", &CardRecord::Name1},
    {"NAM2", &CardRecord::Name2},
    {"PZIP", &CardRecord::PostNo},
    {kAddressTag, nullptr},
    {"PTEL", &CardRecord::Tel},
    {"OFCE", &CardRecord::biko1},
    {"SCTN", &CardRecord::biko2},
    {"RMRK", &CardRecord::biko3},
    {"PSTN", &CardRecord::Mark},
}};

// The column the export adds after the known ones: the honorific derived from Mark. The
// import does not read it back.
inline constexpr std::string_view kHonorificTag = "NAHO";

} // namespace velm
