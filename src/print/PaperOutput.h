#pragma once

#include "print/PageChoice.h"
#include "print/PagedDocument.h"

class QPrinter;

namespace velm::print
{

class Progress;

enum class OutputResult { Done, Cancelled, Failed };

// Writes every page to a PDF whose pages have the exact size of the document's paper: the
// file is replaced only by a complete PDF, so a failure or a cancel leaves an existing file
// as it was. `progress` may be null.
OutputResult WritePdf(const PagedDocument& document, const QString& path, Progress* progress);

// Sets the printer up for the document before the print dialog: the job's name, the paper,
// two-sided printing, and for Print to File the document's PDF, unless the user chose a
// file in an earlier run. The default printer stays selected where there is one.
void PreparePrinter(QPrinter& printer, const PagedDocument& document);

// What the print dialog left in the printer: the page range, and the copies that the
// printer does not make itself.
PageChoice ChoiceOf(const QPrinter& printer);

// Prints `pages` (0-based, in order) after the print dialog, on the printer or into the
// file it chose, a PDF with pages of the paper's exact size. A cancelled job is aborted; a
// cancelled Print to File leaves no file.
OutputResult PrintPages(const PagedDocument& document, QPrinter& printer,
                        const std::vector<int>& pages, Progress* progress);

} // namespace velm::print
