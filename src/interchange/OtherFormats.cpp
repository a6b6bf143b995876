#include "interchange/OtherFormats.h"

#include "interchange/Csv.h"
#include "interchange/VCard.h"
#include "text/AsciiCase.h"
#include "text/PathParts.h"

#include <string>

namespace velm
{

namespace
{

constexpr std::string_view kVCardExtension = ".vcf";
constexpr std::string_view kCsvExtension = ".csv";
constexpr std::string_view kTextExtension = ".txt";

bool IsVCard(OtherFormat format)
{
    return format == OtherFormat::VCard30 || format == OtherFormat::VCard40;
}

} // namespace

std::string_view ExtensionOf(OtherFormat format)
{
    return IsVCard(format) ? kVCardExtension : kCsvExtension;
}

OtherFormat FormatForFile(OtherFormat chosen, std::string_view fileName)
{
    const std::string extension = ExtensionPart(fileName);
    if (EqualsIgnoringAsciiCase(extension, kVCardExtension) && !IsVCard(chosen))
        return OtherFormat::VCard30;
    if ((EqualsIgnoringAsciiCase(extension, kCsvExtension) ||
         EqualsIgnoringAsciiCase(extension, kTextExtension)) &&
        IsVCard(chosen))
        return OtherFormat::CsvShiftJis;
    return chosen;
}

ExportedFile FormatOtherFormat(const CardStore& store, OtherFormat format)
{
    switch (format) {
    case OtherFormat::VCard30:
        return FormatVCard(store, VCardVersion::V30);
    case OtherFormat::VCard40:
        return FormatVCard(store, VCardVersion::V40);
    case OtherFormat::CsvShiftJis:
        return FormatCsv(store, CsvLayout::Velm, TextEncoding::ShiftJis);
    case OtherFormat::CsvUtf8:
        return FormatCsv(store, CsvLayout::Velm, TextEncoding::Utf8);
    case OtherFormat::CsvContacts:
        break;
    }
    return FormatCsv(store, CsvLayout::Contacts, TextEncoding::Utf8);
}

ImportResult ParseOtherFormat(std::string_view bytes, std::string_view fileName)
{
    if (EqualsIgnoringAsciiCase(ExtensionPart(fileName), kVCardExtension) || LooksLikeVCard(bytes))
        return ParseVCard(bytes);
    return ParseCsv(bytes);
}

} // namespace velm
