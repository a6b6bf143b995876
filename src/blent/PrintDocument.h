#pragma once

#include "blent/PrintFormat.h"

#include <string>
#include <variant>

namespace velm::blent
{

// A text file to print and the layout it is printed with.
struct PrintDocument {
    std::string path;
    std::string text; // the file's bytes, Shift-JIS
    PrintFormat format;
    bool hasFormatFile = false;
};

struct LoadError {
    std::string path;
    std::string reason;
};

// The format file of a text: the same path with the extension ".bpc".
std::string FormatFilePath(const std::string& textPath);

// Reads the text and, when one can be read, its format file; both are only read. A format
// file that is missing or unreadable leaves the defaults. A text that cannot be read
// (missing, a directory, no permission) is an error.
std::variant<PrintDocument, LoadError> LoadPrintDocument(const std::string& path);

} // namespace velm::blent
