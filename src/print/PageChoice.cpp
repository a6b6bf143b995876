#include "print/PageChoice.h"

#include <algorithm>

namespace velm::print
{
namespace
{

bool IsChosen(const PrintedPages& page, const std::vector<PageSpan>& spans)
{
    if (spans.empty())
        return true;
    return std::any_of(spans.begin(), spans.end(), [&page](const PageSpan& span) {
        return span.first <= page.last && page.first <= span.last;
    });
}

} // namespace

std::vector<PrintedPages> PrintedPagesOf(const PagedDocument& document)
{
    std::vector<PrintedPages> pages;
    for (int page = 0; page < document.pageCount(); ++page)
        pages.push_back(document.printedPages(page));
    return pages;
}

std::vector<int> PagesToSend(const std::vector<PrintedPages>& pages, const PageChoice& choice)
{
    std::vector<int> run;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (IsChosen(pages[page], choice.spans))
            run.push_back(static_cast<int>(page));
    }
    if (choice.lastPageFirst)
        std::reverse(run.begin(), run.end());

    const int copies = std::max(1, choice.copies);
    std::vector<int> sent;
    if (choice.collate) {
        for (int copy = 0; copy < copies; ++copy)
            sent.insert(sent.end(), run.begin(), run.end());
    } else {
        for (const int page : run)
            sent.insert(sent.end(), static_cast<std::size_t>(copies), page);
    }
    return sent;
}

} // namespace velm::print
