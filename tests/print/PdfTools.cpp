#include "PdfTools.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

namespace velm::test
{
namespace
{

constexpr double kMillimetresPerPoint = 25.4 / 72;

double Millimetres(const QRegularExpressionMatch& match, int group)
{
    return match.captured(group).toDouble() * kMillimetresPerPoint;
}

} // namespace

std::optional<QByteArray> RunTool(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

bool HavePopplerTools()
{
    for (const char* tool : {"pdfinfo", "pdftotext", "pdftoppm"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    }
    return true;
}

int PdfPageCount(const QString& pdf)
{
    const auto info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    if (!info)
        return -1;
    for (const QByteArray& line : info->split('\n')) {
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

QByteArray PdfText(const QString& pdf)
{
    return RunTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")})
        .value_or(QByteArray());
}

std::optional<TextExtent> PdfTextExtent(const QString& pdf)
{
    const std::vector<PdfPage> pages = PdfWordBoxes(pdf);
    if (pages.empty())
        return std::nullopt;
    TextExtent extent;
    for (const PdfPage& page : pages) {
        extent.pageWidth = std::max(extent.pageWidth, page.width / kMillimetresPerPoint);
        for (const PdfWord& word : page.words)
            extent.rightmost = std::max(extent.rightmost, word.right / kMillimetresPerPoint);
    }
    return extent;
}

std::vector<PdfPage> PdfWordBoxes(const QString& pdf)
{
    const auto output =
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-enc"),
                                              QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!output)
        return {};
    static const QRegularExpression kPage(
        QString::fromLatin1(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression kWord(QString::fromLatin1(
        R"re(<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)</word>)re"));
    std::vector<PdfPage> pages;
    for (const QString& line : QString::fromUtf8(*output).split(QLatin1Char('\n'))) {
        if (const auto page = kPage.match(line); page.hasMatch())
            pages.push_back({Millimetres(page, 1), Millimetres(page, 2), {}});
        else if (const auto word = kWord.match(line); word.hasMatch() && !pages.empty())
            pages.back().words.push_back({word.captured(5), Millimetres(word, 1),
                                          Millimetres(word, 2), Millimetres(word, 3),
                                          Millimetres(word, 4)});
    }
    return pages;
}

std::optional<GreyImage> RasterisePage(const QString& pdf, int page, int dpi)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    const QString number = QString::number(page);
    if (!RunTool(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
                  QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                  QStringLiteral("-singlefile"), pdf, prefix}))
        return std::nullopt;
    QFile file(prefix + QStringLiteral(".pgm"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // A binary PGM: "P5", width, height, maximum value, one whitespace byte, the pixels.
    const QByteArray bytes = file.readAll();
    QList<QByteArray> header;
    qsizetype at = 0;
    while (header.size() < 4 && at < bytes.size()) {
        while (at < bytes.size() && QChar::isSpace(static_cast<unsigned char>(bytes[at])))
            ++at;
        const qsizetype start = at;
        while (at < bytes.size() && !QChar::isSpace(static_cast<unsigned char>(bytes[at])))
            ++at;
        header.append(bytes.mid(start, at - start));
    }
    ++at;
    if (header.size() != 4 || header[0] != "P5")
        return std::nullopt;
    GreyImage image{header[1].toInt(), header[2].toInt(), {}};
    const qsizetype size = static_cast<qsizetype>(image.width) * image.height;
    if (bytes.size() - at < size)
        return std::nullopt;
    image.pixels.assign(bytes.begin() + at, bytes.begin() + at + size);
    return image;
}

std::vector<double> RunCentres(const std::vector<int>& counts, int threshold)
{
    std::vector<double> centres;
    std::size_t i = 0;
    while (i < counts.size()) {
        if (counts[i] < threshold) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < counts.size() && counts[i] >= threshold)
            ++i;
        centres.push_back((static_cast<double>(start) + static_cast<double>(i - 1)) / 2);
    }
    return centres;
}

} // namespace velm::test
