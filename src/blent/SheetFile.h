#pragma once

#include "sheets/FormatSettings.h"

#include <QString>
#include <string>
#include <variant>

namespace velm::blent
{

// A text file to print and the layout it is printed with.
struct SheetFile {
    std::string path;
    std::string text; // the file's bytes, Shift-JIS
    PrintFormat format;
    bool hasFormatFile = false;
};

// The bytes of a regular file, at most the core's read limit, or the reason why they cannot
// be had. Anything but a regular file is refused unread, so that a device or a pipe can
// neither hang the tool nor fill its memory.
std::variant<std::string, QString> ReadRegularFile(const std::string& path);

// The format file of a text: the same path with the extension ".bpc".
std::string FormatFilePath(const std::string& textPath);

// Reads the text and, when there is one that can be read, its format file; neither is
// written. Only a regular file is read, so that a device or a pipe can neither hang the
// tool nor fill its memory, and at most the core's read limit. A text that cannot be read
// gives the message that says why; a format file that cannot be read leaves the defaults.
std::variant<SheetFile, QString> LoadSheetFile(const std::string& path);

} // namespace velm::blent
