#pragma once

#include "print/PagedDocument.h"

#include <vector>

namespace velm::print
{

// A run of printed page numbers, both ends included.
struct PageSpan {
    int first = 1;
    int last = 1;
};

// What a print job asks for, in printed page numbers.
struct PageChoice {
    std::vector<PageSpan> spans; // empty: every page
    int copies = 1;              // the copies the program paints itself
    bool collate = true;         // whole runs one after the other, else each page's copies together
    bool lastPageFirst = false;
};

// The printed page numbers of every page of the document.
std::vector<PrintedPages> PrintedPagesOf(const PagedDocument& document);

// The pages (0-based) a job sends, in order: every page that holds a chosen printed page
// number, as many times as there are copies.
std::vector<int> PagesToSend(const std::vector<PrintedPages>& pages, const PageChoice& choice);

} // namespace velm::print
