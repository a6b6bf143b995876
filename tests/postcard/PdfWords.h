#pragma once

#include <QString>
#include <vector>

namespace velm::testing
{

// A word that pdftotext finds on a page, with its box in mm from the page's top left.
struct PdfWord {
    QString text;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    double centreX() const { return (left + right) / 2; }
    double centreY() const { return (top + bottom) / 2; }
};

struct PdfPage {
    double width = 0; // mm
    double height = 0;
    std::vector<PdfWord> words;
};

// The pages of a PDF as `pdftotext -bbox` reads them; empty when it cannot.
std::vector<PdfPage> PdfWordBoxes(const QString& pdf);

} // namespace velm::testing
