#pragma once

#include "sheets/PostcardBatch.h"

#include <QString>
#include <span>

namespace velm
{

enum class PostcardPdfResult {
    Written,
    NoPages,     // nothing to print; no file is written
    CannotWrite, // the file cannot be created or written
};

// Writes a PDF of one 100 × 148 mm page per postcard, its text kept as text.
PostcardPdfResult WritePostcardPdf(std::span<const PostcardPage> pages, const QString& path);

} // namespace velm
