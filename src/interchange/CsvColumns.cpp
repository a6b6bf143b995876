#include "interchange/CsvColumns.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace velm
{

namespace
{

struct HeaderName {
    std::u32string_view header;
    CsvRole role;
};

constexpr HeaderName kHeaderNames[] = {
    {U"名前１", CsvRole::Name1},
    {U"氏名", CsvRole::Name1},
    {U"名前", CsvRole::Name1},
    {U"Name", CsvRole::Name1},
    {U"名前２", CsvRole::Name2},
    {U"姓", CsvRole::FamilyName},
    {U"Last Name", CsvRole::FamilyName},
    {U"Family Name", CsvRole::FamilyName},
    {U"名", CsvRole::GivenName},
    {U"First Name", CsvRole::GivenName},
    {U"Given Name", CsvRole::GivenName},
    {U"Middle Name", CsvRole::MiddleName},
    {U"Additional Name", CsvRole::MiddleName},
    {U"読み", CsvRole::Yomi},
    {U"フリガナ", CsvRole::Reading},
    {U"ふりがな", CsvRole::Reading},
    {U"よみ", CsvRole::Reading},
    {U"姓フリガナ", CsvRole::FamilyReading},
    {U"姓ふりがな", CsvRole::FamilyReading},
    {U"姓よみ", CsvRole::FamilyReading},
    {U"セイ", CsvRole::FamilyReading},
    {U"Phonetic Last Name", CsvRole::FamilyReading},
    {U"Family Name Yomi", CsvRole::FamilyReading},
    {U"名フリガナ", CsvRole::GivenReading},
    {U"名ふりがな", CsvRole::GivenReading},
    {U"名よみ", CsvRole::GivenReading},
    {U"メイ", CsvRole::GivenReading},
    {U"Phonetic First Name", CsvRole::GivenReading},
    {U"Given Name Yomi", CsvRole::GivenReading},
    {U"印", CsvRole::Mark},
    {U"〒", CsvRole::PostNo},
    {U"郵便番号", CsvRole::PostNo},
    {U"Address 1 - Postal Code", CsvRole::PostNo},
    {U"都道府県", CsvRole::Region},
    {U"Address 1 - Region", CsvRole::Region},
    {U"市区町村", CsvRole::Locality},
    {U"Address 1 - City", CsvRole::Locality},
    {U"住所１", CsvRole::Street},
    {U"住所", CsvRole::Street},
    {U"番地", CsvRole::Street},
    {U"Address 1 - Street", CsvRole::Street},
    {U"住所２", CsvRole::Building},
    {U"建物名", CsvRole::Building},
    {U"Address 1 - Extended Address", CsvRole::Building},
    {U"Address 1 - Country", CsvRole::Country},
    {U"Address 1 - Formatted", CsvRole::FormattedAddress},
    {U"電話", CsvRole::Tel},
    {U"電話番号", CsvRole::Tel},
    {U"Phone 1 - Value", CsvRole::Tel},
    {U"携帯電話", CsvRole::Mobile},
    {U"Phone 1 - Label", CsvRole::PhoneLabel},
    {U"Phone 1 - Type", CsvRole::PhoneLabel},
    {U"会社", CsvRole::Company},
    {U"会社名", CsvRole::Company},
    {U"Organization Name", CsvRole::Company},
    {U"Organization 1 - Name", CsvRole::Company},
    {U"所属", CsvRole::Department},
    {U"部署", CsvRole::Department},
    {U"Organization Department", CsvRole::Department},
    {U"Organization 1 - Department", CsvRole::Department},
    {U"メモ", CsvRole::Memo},
    {U"備考", CsvRole::Memo},
    {U"Notes", CsvRole::Memo},
};

bool IsIgnoredInHeader(char32_t c)
{
    constexpr std::u32string_view kIgnored = U" \t　-_()（）[]［］【】「」";
    return kIgnored.find(c) != std::u32string_view::npos;
}

std::u32string Normalised(std::u32string_view header)
{
    std::u32string key;
    for (char32_t c : header) {
        if (c >= U'！' && c <= U'～')
            c = c - U'！' + U'!';
        if (c >= U'A' && c <= U'Z')
            c = c - U'A' + U'a';
        if (!IsIgnoredInHeader(c))
            key += c;
    }
    return key;
}

const std::vector<std::pair<std::u32string, CsvRole>>& NormalisedHeaderNames()
{
    static const auto names = [] {
        std::vector<std::pair<std::u32string, CsvRole>> normalised;
        for (const HeaderName& name : kHeaderNames)
            normalised.emplace_back(Normalised(name.header), name.role);
        return normalised;
    }();
    return names;
}

} // namespace

std::optional<CsvRole> RoleOfHeader(std::u32string_view header)
{
    const std::u32string key = Normalised(header);
    const auto& names = NormalisedHeaderNames();
    const auto found = std::ranges::find(names, key, &std::pair<std::u32string, CsvRole>::first);
    if (found == names.end())
        return std::nullopt;
    return found->second;
}

} // namespace velm
