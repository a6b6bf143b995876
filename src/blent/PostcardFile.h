#pragma once

#include "blent/CommandLine.h"
#include "postcard/PostcardDocument.h"

#include <QString>
#include <memory>
#include <variant>

namespace velm::blent
{

// Why an address book gives no postcards, and the exit status that says so.
struct PostcardsRefusal {
    QString message;
    int status = 1;
};

// Reads the address book named on the command line with the core's reader and lays out the
// postcards it asks for: 1 for a file that cannot be read or gives no postcard, 2 for a
// sender that is not one of its cards.
std::variant<std::unique_ptr<PostcardDocument>, PostcardsRefusal>
OpenPostcards(const PostcardsInvocation& invocation);

} // namespace velm::blent
