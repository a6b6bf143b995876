#pragma once

#include "text/ShortString.h"

#include <array>
#include <cstddef>

namespace velm
{

// One address card: eleven short strings in record order. The field names are those of
// the edit boxes that show them.
struct CardRecord {
    // A blank card. The constructor is written out so that value-initialisation, as in
    // std::vector::resize or CardRecord{}, does not fill the unused bytes of the eleven
    // fields with zeros: a card is then made for the cost of eleven length bytes.
    CardRecord() {}

    ShortString Name1;  // 名前１, decides whether a newly committed card is counted
    ShortString Name2;  // ２
    ShortString Yomi;   // 読み
    ShortString Mark;   // 印
    ShortString Jusyo1; // 住所１
    ShortString Jusyo2; // 住所２
    ShortString PostNo; // 〒
    ShortString Tel;    // 電話
    ShortString biko1;  // 会社
    ShortString biko2;  // 所属
    ShortString biko3;  // メモ

    static constexpr std::size_t kFieldCount = 11;

    // The fields in record order, for code that walks all eleven.
    std::array<ShortString*, kFieldCount> fields();
    std::array<const ShortString*, kFieldCount> fields() const;

    void clear();

    friend bool operator==(const CardRecord&, const CardRecord&) = default;
};

} // namespace velm
