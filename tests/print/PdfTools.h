#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace velm::test
{

// The output of a program that ended with exit code 0, or nothing.
std::optional<QByteArray> RunTool(const QString& program, const QStringList& args);

// True when poppler-utils' pdfinfo, pdftotext and pdftoppm can be run.
bool HavePopplerTools();

// The page count that pdfinfo reports, or -1.
int PdfPageCount(const QString& pdf);

// The text that pdftotext extracts, as UTF-8.
QByteArray PdfText(const QString& pdf);

// The right edge of the rightmost word on any page, and the pages' width, in points, as
// pdftotext -bbox reports them.
struct TextExtent {
    double rightmost = 0;
    double pageWidth = 0;
};
std::optional<TextExtent> PdfTextExtent(const QString& pdf);

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

// A page's size in mm and its words.
struct PdfPage {
    double width = 0;
    double height = 0;
    std::vector<PdfWord> words;
};

// The pages of a PDF as `pdftotext -bbox` reads them; empty when it cannot.
std::vector<PdfPage> PdfWordBoxes(const QString& pdf);

// One page rasterised in grey: width × height bytes, 0 black to 255 white.
struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;

    bool dark(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x] < 128; }
};

std::optional<GreyImage> RasterisePage(const QString& pdf, int page, int dpi);

// Runs of consecutive indexes whose value passes `threshold`, as their centres.
std::vector<double> RunCentres(const std::vector<int>& counts, int threshold);

} // namespace velm::test
