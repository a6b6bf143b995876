#include "PdfTools.h"
#include "blent/PrintDocument.h"
#include "blent/SheetRenderer.h"
#include "sheets/Sheets.h"
#include "store/CardStore.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QProcess>
#include <QRectF>
#include <QSizeF>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velm::blent
{
namespace
{

using namespace velm::blent::testing;

TEST(PaperForCode, MapsWindowsPaperCodesToPaperSizes)
{
    struct Case {
        int code;
        QPageSize::PageSizeId id;
        QSizeF mm;
    };
    const std::vector<Case> cases{
        {9, QPageSize::A4, {210, 297}},  {13, QPageSize::JisB5, {182, 257}},
        {11, QPageSize::A5, {148, 210}}, {12, QPageSize::JisB4, {257, 364}},
        {8, QPageSize::A3, {297, 420}},  {70, QPageSize::A6, {105, 148}},
        {0, QPageSize::A4, {210, 297}},  {999, QPageSize::A4, {210, 297}},
    };
    for (const Case& c : cases) {
        const QPageSize paper = PaperForCode(c.code);
        EXPECT_EQ(paper.id(), c.id) << c.code;
        EXPECT_EQ(paper.size(QPageSize::Millimeter), c.mm) << c.code;
    }
    PrintFormat landscape;
    landscape.paperCode = 13;
    landscape.orientation = Orientation::Landscape;
    EXPECT_EQ(PageLayoutFor(landscape).fullRect(QPageLayout::Millimeter).size(), QSizeF(257, 182));
}

// The grid places every character itself; with IPAGothic the glyphs also fill their
// cells exactly, so rules drawn with box-drawing characters join up.
TEST(TextFont, IsIPAGothicWithFullWidthTwiceHalfWidth)
{
    const QFont font = TextFont(PrintFormat{});
    if (QFontInfo(font).family() != QStringLiteral("IPAGothic"))
        GTEST_SKIP() << "IPAGothic is not installed (fonts-ipafont-gothic)";
    const QFontMetricsF metrics(font);
    const double half = metrics.horizontalAdvance(QLatin1Char('0'));
    for (const char16_t ch : {u'\u2500', u'\u2502', u'\u3042', u'\u3012'}) // ─ │ あ 〒
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QChar(ch)), 2 * half) << int(ch);
}

TEST(WritePdf, FailsForAnOutputThatCannotBeCreated)
{
    const PrintDocument document{"a.txt", "abc\r\n", {}, false};
    EXPECT_FALSE(WritePdf(document, "/nonexistent-dir/out.pdf", QDate(2024, 1, 2)));
}

// A store of 999 cards whose names carry their number, so the order can be checked in
// the text extracted from the PDF.
class FullStoreSheets : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/blent sheets-XXXXXX"));
        CardStore store;
        for (int k = 1; k <= CardStore::kCapacity; ++k) {
            CardRecord& card = store.card(k);
            card.Name1.assign("\x8E\x52\x93\x63" + CardKey(k)); // 山田
            card.Name2.assign("\x91\xBE\x98\x59");              // 太郎
            card.Tel.assign("03-1234-" + std::to_string(1000 + k));
            card.PostNo.assign("100-0005");
            card.Jusyo1.assign("\x93\x8C\x8B\x9E\x93\x73"); // 東京都
            card.Jusyo2.assign("\x8A\xDB\x82\xCC\x93\xE0"); // 丸の内
        }
        store.CardCount = CardStore::kCapacity;
        Save("addrb7.txt", Maketetyo(store));
        Save("addrb7.bpc", Maketetyobpc());
        Save("addrb5.txt", Makeitiran(store));
        Save("addrb5.bpc", Makeitiranbpc());
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    void SetUp() override
    {
        if (!HavePopplerTools())
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdftoppm) is not installed";
    }

    static std::string CardKey(int k)
    {
        char key[8];
        std::snprintf(key, sizeof key, "K%03d", k);
        return key;
    }

    static void Save(const char* name, std::string_view bytes)
    {
        std::ofstream(s_dir->filePath(QString::fromLatin1(name)).toStdString(), std::ios::binary)
            << bytes;
    }

    // Runs Blent.exe in its check mode on a sheet, passing the path with a space in it
    // unquoted, as a Windows command line would; returns the PDF's path.
    static QString RenderSheet(const char* name)
    {
        const QString pdf = s_dir->filePath(QString::fromLatin1(name) + QStringLiteral(".pdf"));
        QStringList args{QStringLiteral("--pdf"), pdf};
        args += s_dir->filePath(QString::fromLatin1(name)).split(QLatin1Char(' '));
        QProcess blent;
        blent.start(QStringLiteral(BLENT_EXE), args);
        EXPECT_TRUE(blent.waitForFinished(120000));
        EXPECT_EQ(blent.exitCode(), 0) << blent.readAllStandardError().toStdString();
        return pdf;
    }

    static void ExpectCardsInOrder(const QByteArray& text)
    {
        qsizetype at = 0;
        for (int k = 1; k <= CardStore::kCapacity; ++k) {
            const qsizetype found = text.indexOf(QByteArray::fromStdString(CardKey(k)), at);
            ASSERT_GE(found, 0) << "card " << k << " missing or out of order";
            at = found;
        }
    }

    static QTemporaryDir* s_dir;
};

QTemporaryDir* FullStoreSheets::s_dir = nullptr;

// 999 entries of five lines at 25 lines a page are 200 pages, two to a sheet.
TEST_F(FullStoreSheets, NotebookSheetPrintsEveryCardInOrder)
{
    const QString pdf = RenderSheet("addrb7.txt");
    EXPECT_EQ(PdfPageCount(pdf), 100);
    ExpectCardsInOrder(PdfText(pdf));
}

// Three heading lines and 999 × 3 card lines at 60 lines a page are 50 pages.
TEST_F(FullStoreSheets, ListSheetPrintsEveryCardInOrder)
{
    const QString pdf = RenderSheet("addrb5.txt");
    EXPECT_EQ(PdfPageCount(pdf), 50);
    ExpectCardsInOrder(PdfText(pdf));
}

// On a rasterised list page the 20 separators run unbroken across the table, and
// between the first and the last of them the three vertical rules are straight columns of
// dark pixels at the x of bytes 0, 20 and 78.
TEST_F(FullStoreSheets, ListSheetRulesLineUp)
{
    if (QFontInfo(TextFont(PrintFormat{})).family() != QStringLiteral("IPAGothic"))
        GTEST_SKIP() << "the expected positions assume IPAGothic (fonts-ipafont-gothic)";
    const QString pdf = RenderSheet("addrb5.txt");
    constexpr double kDpi = 150;
    const auto image = RasterisePage(pdf, 2, static_cast<int>(kDpi));
    ASSERT_TRUE(image);
    const double left = 25 / 25.4 * kDpi;
    const double cell = 5.25 * 0.97 / 72 * kDpi;

    std::vector<int> rowDark(static_cast<std::size_t>(image->height), 0);
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x)
            rowDark[static_cast<std::size_t>(y)] += image->dark(x, y) ? 1 : 0;
    }
    const std::vector<double> rules = RunCentres(rowDark, static_cast<int>(80 * cell * 0.95));
    ASSERT_EQ(rules.size(), 20u) << "horizontal rules broken";
    const double pitch = 3 * 10.5 * 1.03 / 72 * kDpi;
    for (std::size_t i = 1; i < rules.size(); ++i)
        EXPECT_NEAR(rules[i] - rules[i - 1], pitch, 1.5) << "rule " << i;

    // A pixel column counts a row when it or a neighbour is dark there, since a thin rule
    // may fall between two pixel columns.
    const int top = static_cast<int>(rules.front());
    const int bottom = static_cast<int>(rules.back());
    std::vector<int> columnDark(static_cast<std::size_t>(image->width), 0);
    for (int x = 1; x + 1 < image->width; ++x) {
        for (int y = top; y <= bottom; ++y) {
            if (image->dark(x - 1, y) || image->dark(x, y) || image->dark(x + 1, y))
                ++columnDark[static_cast<std::size_t>(x)];
        }
    }
    const std::vector<double> bars = RunCentres(columnDark, (bottom - top) * 85 / 100);
    ASSERT_EQ(bars.size(), 3u) << "vertical rules broken or misplaced";
    // The bar of bytes n and n+1 stands in the middle of its two cells.
    const int byteOfBar[] = {0, 20, 78};
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(bars[i], left + (byteOfBar[i] + 1) * cell, 2.0) << "bar " << i;
}

TEST(BlentExe, ReportsAFileItCannotReadAndWritesNothing)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QProcess blent;
    blent.start(QStringLiteral(BLENT_EXE),
                {QStringLiteral("--pdf"), pdf, dir.filePath(QStringLiteral("missing.txt"))});
    ASSERT_TRUE(blent.waitForFinished(60000));
    EXPECT_EQ(blent.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(blent.exitCode(), 1);
    EXPECT_TRUE(blent.readAllStandardError().contains("missing.txt"));
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
} // namespace velm::blent
