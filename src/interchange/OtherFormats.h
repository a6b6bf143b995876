#pragma once

#include "interchange/Conversion.h"

#include <string_view>

namespace velm
{

class CardStore;

// The formats in which cards go to phones, mail programs and spreadsheets.
enum class OtherFormat {
    VCard30,
    VCard40,
    CsvShiftJis, // this program's columns, Shift-JIS, as spreadsheets on Windows read it
    CsvUtf8,     // this program's columns, UTF-8
    CsvContacts, // the columns of web contact services, UTF-8
};

// The format's extension, with its full stop: ".vcf" or ".csv".
std::string_view ExtensionOf(OtherFormat format);

// The format to write a file of that name in when `chosen` was asked for: the extension
// wins where it names the other kind of file (".vcf" makes vCard 3.0; ".csv" or ".txt"
// makes CSV in Shift-JIS); otherwise the choice stands.
OtherFormat FormatForFile(OtherFormat chosen, std::string_view fileName);

ExportedFile FormatOtherFormat(const CardStore& store, OtherFormat format);

// Reads a vCard file when the name ends in ".vcf" or the text begins like one, and CSV or
// tab-separated text otherwise.
ImportResult ParseOtherFormat(std::string_view bytes, std::string_view fileName);

} // namespace velm
