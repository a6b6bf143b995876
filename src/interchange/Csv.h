#pragma once

#include "interchange/Conversion.h"
#include "interchange/FileText.h"

#include <string_view>

namespace velm
{

class CardStore;

// The columns of an exported CSV file: this program's own, with Japanese headers, or the
// layout that web contact services import and export.
enum class CsvLayout { Velm, Contacts };

// Reads CSV or tab-separated text with a header line, in UTF-8, UTF-16 or Shift-JIS. The
// columns are found by their headers, in this program's layouts and in the usual Japanese
// and English ones; columns without a field go to the memo as "見出し: 値" items. A row
// without any value is no card. A header without a known column refuses the file.
ImportResult ParseCsv(std::string_view bytes);

// The cards 1..CardCount as CSV with a header line, values quoted where they hold commas,
// double quotes or line breaks, lines ended by CR LF. UTF-8 starts with a byte-order mark.
ExportedFile FormatCsv(const CardStore& store, CsvLayout layout, TextEncoding encoding);

} // namespace velm
