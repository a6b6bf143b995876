#pragma once

#include <ostream>
#include <span>
#include <string>

namespace velm
{

// The exit statuses of the converter.
inline constexpr int kConverted = 0;
inline constexpr int kInputRefused = 1; // unreadable or refused input, or a failed write
inline constexpr int kUsageError = 2;

// The command-line converter: `INPUT OUTPUT` converts one file into another, and
// `--append-to BOOK.txt INPUT` adds INPUT's cards after those of the address book BOOK.txt
// and rewrites it. The formats follow the extensions (.txt, .orb, .vcf, .csv); options choose
// the kind of vCard and CSV written. The summary goes to `out`, errors to `err`, both in
// UTF-8. Files are written as the program writes them: whole, or not at all.
int RunConvert(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

} // namespace velm
