#pragma once

#include "interchange/Conversion.h"

#include <string_view>

namespace velm
{

class CardStore;

enum class VCardVersion { V30, V40 };

// Reads the cards of a vCard file: versions 2.1, 3.0 and 4.0, folded lines, property
// groups, CHARSET (Shift-JIS or UTF-8; otherwise the file's own encoding) and
// quoted-printable values as feature phones write them. Base64 parts are skipped. What no
// field holds goes to the memo as "種類: 値" items. More than 999 cards, or none, refuse
// the file.
ImportResult ParseVCard(std::string_view bytes);

// The cards 1..CardCount as a vCard file in UTF-8, each line ended by CR LF and folded at
// 75 bytes. Reading the file back gives the same cards.
ExportedFile FormatVCard(const CardStore& store, VCardVersion version);

// Whether the file's first non-blank line is BEGIN:VCARD.
bool LooksLikeVCard(std::string_view bytes);

} // namespace velm
