#pragma once

#include "sheets/PostcardBatch.h"

#include <QString>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velm::blent
{

// What the tool was asked to do: show a file in the preview window (the file chosen in an
// open dialog when none is named), or, with a PDF path, write the file's pages to that PDF
// and end.
struct Invocation {
    std::optional<std::string> file;
    std::optional<std::string> pdfOut;

    friend bool operator==(const Invocation&, const Invocation&) = default;
};

// Write the postcards of an address book to a PDF and end.
struct PostcardsInvocation {
    std::string pdfOut;
    std::string addressBook;
    PostcardRequest request;
};

struct UsageError {
    QString message;
    // The usage line that the message is followed by.
    QString usage;
};

// Reads the arguments after the program name: "[--pdf OUT.pdf] [FILE]", the file required
// with --pdf, or "--postcards OUT.pdf [--marked | --mark TEXT] [--sender N] [--offset X,Y]
// [--no-kanji-digits] [--no-joint-names] ADDRESSBOOK". The file's path is all remaining
// arguments joined by single spaces, since a caller that builds a Windows command line
// passes a path with spaces unquoted. The postcards' offset is 0,0 unless given.
std::variant<Invocation, PostcardsInvocation, UsageError>
ParseCommandLine(const std::vector<std::string>& args);

} // namespace velm::blent
