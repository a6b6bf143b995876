#include "PdfWords.h"

#include "../blent/PdfTools.h"

#include <QRegularExpression>

namespace velm::testing
{

namespace
{

constexpr double kMillimetresPerPoint = 25.4 / 72;

double Millimetres(const QRegularExpressionMatch& match, int group)
{
    return match.captured(group).toDouble() * kMillimetresPerPoint;
}

} // namespace

std::vector<PdfPage> PdfWordBoxes(const QString& pdf)
{
    const auto output = blent::testing::RunTool(
        QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-enc"),
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

} // namespace velm::testing
