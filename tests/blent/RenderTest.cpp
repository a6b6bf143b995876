#include "blent/BlentMain.h"
#include "blent/Paper.h"
#include "blent/TextSheet.h"
#include "print/PdfTools.h"
#include "sheets/Sheets.h"
#include "store/CardStore.h"
#include "text/ShiftJisCodec.h"

#include <QFontInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace velm::blent
{
namespace
{

using test::GreyImage;

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

// Realistic cards: names and addresses with ASCII spaces and digits, some too long for
// their columns so that a column cuts them inside a double-byte character. Jusyo2 starts
// with the card's key, so the order can be checked in the PDF's text.
const std::vector<std::string> kNames{
    "\x8E\x52\x93\x63 \x91\xBE\x98\x59", // 山田 太郎
    // 株式会社 やまだ商事本店: its first 18 bytes end in the lead byte of 事
    "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0 \x82\xE2\x82\xDC\x82\xBE\x8F\xA4\x8E\x96\x96\x7B\x93\x58",
    "\x8D\xB2\x81\x58\x96\xD8 \x88\xEA\x98\x59\x89\x45\x89\x71\x96\xE5", // 佐々木 一郎右衛門
    "1\x94\xD4\x92\x6E \x8E\x52\x96\x7B\x8D\x48\x96\xB1\x93\x58\x91\xE3\x95\x5C", // 1番地
                                                                                  // 山本工務店代表
};
const std::vector<std::string> kAddresses{
    // 大阪府大阪市中央区 御堂筋本町ビル１２階
    "\x91\xE5\x8D\xE3\x95\x7B\x91\xE5\x8D\xE3\x8E\x73\x92\x86\x89\x9B\x8B\xE6 \x8C\xE4\x93\xB0"
    "\x8B\xD8\x96\x7B\x92\xAC\x83\x72\x83\x8B\x82\x50\x82\x51\x8A\x4B",
    // 東京都千代田区丸の内1-2-3 丸の内ビルディング
    "\x93\x8C\x8B\x9E\x93\x73\x90\xE7\x91\xE3\x93\x63\x8B\xE6\x8A\xDB\x82\xCC\x93\xE0"
    "1-2-3 \x8A\xDB\x82\xCC\x93\xE0\x83\x72\x83\x8B\x83\x66\x83\x42\x83\x93\x83\x4F",
};

std::string CardKey(int k)
{
    char key[8];
    std::snprintf(key, sizeof key, "K%03d", k);
    return key;
}

class FullStoreSheets : public ::testing::Test
{
  protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/blent sheets-XXXXXX"));
        s_store = new CardStore;
        for (int k = 1; k <= CardStore::kCapacity; ++k) {
            CardRecord& card = s_store->card(k);
            const auto pick = [k](const std::vector<std::string>& texts) {
                return texts[static_cast<std::size_t>(k) % texts.size()];
            };
            card.Name1.assign(pick(kNames));
            card.Name2.assign(kNames[static_cast<std::size_t>(k + 1) % kNames.size()]);
            card.Tel.assign(k % 7 == 0 ? std::string(255, '9')
                                       : "06-1234-" + std::to_string(1000 + k));
            card.PostNo.assign("541-0053");
            card.Jusyo1.assign(pick(kAddresses));
            card.Jusyo2.assign(CardKey(k) + " " + kAddresses[static_cast<std::size_t>(k + 1) % 2]);
        }
        s_store->CardCount = CardStore::kCapacity;
        Save("addrb7.txt", Maketetyo(*s_store));
        Save("addrb7.bpc", Maketetyobpc());
        Save("addrb5.txt", Makeitiran(*s_store));
        Save("addrb5.bpc", Makeitiranbpc());
    }
    static void TearDownTestSuite()
    {
        delete s_store;
        s_store = nullptr;
        delete s_dir;
        s_dir = nullptr;
    }
    void SetUp() override
    {
        if (!test::HavePopplerTools())
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdftoppm) is not installed";
        if (QFontInfo(LoadSheetFont(PrintFormat{}).font).family() != QStringLiteral("IPAGothic"))
            GTEST_SKIP() << "the sheets are measured in IPAGothic (fonts-ipafont-gothic)";
    }

    static std::string PathOf(const char* name)
    {
        return s_dir->filePath(QString::fromLatin1(name)).toStdString();
    }

    static void Save(const char* name, std::string_view bytes)
    {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
    }

    // Runs Blent.exe on a sheet, passing the path with a space in it unquoted, as a
    // Windows command line would; returns the PDF's path. Each sheet is rendered once.
    static QString RenderSheet(const char* name)
    {
        const QString pdf = s_dir->filePath(QString::fromLatin1(name) + QStringLiteral(".pdf"));
        if (QFile::exists(pdf))
            return pdf;
        QStringList args{QStringLiteral("--pdf"), pdf};
        args += QString::fromStdString(PathOf(name)).split(QLatin1Char(' '));
        QProcess blent;
        blent.start(QStringLiteral(BLENT_EXE), args);
        EXPECT_TRUE(blent.waitForFinished(120000));
        EXPECT_EQ(blent.exitCode(), 0) << blent.readAllStandardError().toStdString();
        return pdf;
    }

    static std::unique_ptr<TextSheet> Sheet(const char* name)
    {
        auto opened = OpenTextSheet(PathOf(name), QDate(2024, 1, 2));
        EXPECT_TRUE(std::holds_alternative<std::unique_ptr<TextSheet>>(opened));
        return std::move(std::get<std::unique_ptr<TextSheet>>(opened));
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

    // Every character of a PDF's text comes from one field of a card or from the sheet's
    // own texts: a lone lead byte paired with the next column's byte would print a
    // character that none of them holds.
    static void ExpectOnlyCharactersOfTheCards(const QByteArray& pdfText)
    {
        std::set<char32_t> allowed;
        const auto allow = [&allowed](std::string_view bytes) {
            for (const char32_t ch : DecodeShiftJis(bytes))
                allowed.insert(ch);
        };
        for (int k = 1; k <= CardStore::kCapacity; ++k) {
            for (const ShortString* field : s_store->card(k).fields())
                allow(field->view());
        }
        // 〒・電 氏名 住所, the page numbers, the date and the file name.
        allow("\x81\xA7\x81\x45\x93\x64\x8E\x81\x96\xBC\x8F\x5A\x8F\x8A- /0123456789.abdrtx");
        for (const char32_t ch : QString::fromUtf8(pdfText).toStdU32String()) {
            if (ch > U' ') {
                EXPECT_TRUE(allowed.contains(ch)) << "U+" << std::hex << static_cast<unsigned>(ch);
            }
        }
    }

    static QTemporaryDir* s_dir;
    static CardStore* s_store;
};

QTemporaryDir* FullStoreSheets::s_dir = nullptr;
CardStore* FullStoreSheets::s_store = nullptr;

// The notebook's 999 entries of five lines at 25 lines a page are 200 pages, two to a
// sheet; the list's three heading lines and 999 × 3 card lines at 60 lines a page are 50.
TEST_F(FullStoreSheets, EachSheetPrintsEveryCardInOrderWithWholeCharacters)
{
    struct Case {
        const char* name;
        int pdfPages;
    };
    for (const Case& c : {Case{"addrb7.txt", 100}, Case{"addrb5.txt", 50}}) {
        SCOPED_TRACE(c.name);
        const QString pdf = RenderSheet(c.name);
        EXPECT_EQ(test::PdfPageCount(pdf), c.pdfPages);
        const QByteArray text = test::PdfText(pdf);
        ExpectCardsInOrder(text);
        ExpectOnlyCharactersOfTheCards(text);
    }
}

// A telephone number of 255 digits is cut at the right edge of the text, 5 mm before the
// paper's edge, not drawn past the paper. (pdftotext rounds the page's width to a point.)
TEST_F(FullStoreSheets, NothingIsDrawnPastTheRightEdge)
{
    constexpr double kRounding = 0.5;
    for (const char* name : {"addrb7.txt", "addrb5.txt"}) {
        const auto extent = test::PdfTextExtent(RenderSheet(name));
        ASSERT_TRUE(extent) << name;
        EXPECT_LE(extent->rightmost,
                  extent->pageWidth - MmToPt(PageLayout::kEdgeMarginMm) + kRounding)
            << name;
    }
}

constexpr int kDpi = 600;

int Pixels(double pt)
{
    return static_cast<int>(pt * kDpi / 72);
}

// Checks that the vertical rule whose middle lies at `x` is dark on every pixel row from
// `top` to `bottom` (points), and on the pixel columns either side of its middle.
void ExpectUnbrokenRule(const GreyImage& image, double x, double top, double bottom,
                        const std::string& what)
{
    const int column = Pixels(x);
    int gaps = 0;
    int firstGap = -1;
    for (int y = Pixels(top); y <= Pixels(bottom); ++y) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (!image.dark(column + dx, y)) {
                ++gaps;
                firstGap = firstGap < 0 ? y : firstGap;
            }
        }
    }
    EXPECT_EQ(gaps, 0) << what << ": light pixels from row " << firstGap << " (x " << column
                       << ", rows " << Pixels(top) << " to " << Pixels(bottom) << ")";
}

// The middle of the two-cell character at `column`.
double RuleX(const PageLayout& layout, int slot, int column)
{
    return layout.columnX(slot, column) + layout.cellWidth();
}

// Every box on a notebook sheet has both side rules unbroken from its top line through its
// name line to its bottom line, on both pages of the sheet.
TEST_F(FullStoreSheets, NotebookBoxRulesAreUnbroken)
{
    const auto sheet = Sheet("addrb7.txt");
    const auto image = test::RasterisePage(RenderSheet("addrb7.txt"), 1, kDpi);
    ASSERT_TRUE(image);
    const PageLayout& layout = sheet->layout();
    const double em = layout.fontSize();
    for (int slot = 0; slot < 2; ++slot) {
        for (int box = 0; box < 5; ++box) {
            // From below the top rule's middle to above the bottom rule's.
            const double top = layout.lineTop(slot, box * 5) + 0.6 * em;
            const double bottom = layout.lineTop(slot, box * 5 + 2) + 0.4 * em;
            for (const int column : {0, 20})
                ExpectUnbrokenRule(*image, RuleX(layout, slot, column), top, bottom,
                                   "slot " + std::to_string(slot) + " box " + std::to_string(box) +
                                       " column " + std::to_string(column));
        }
    }
}

// On a list page between the heading pages the three vertical rules run unbroken from the
// top of its first line to its last separator.
TEST_F(FullStoreSheets, ListTableRulesAreUnbroken)
{
    const auto sheet = Sheet("addrb5.txt");
    const auto image = test::RasterisePage(RenderSheet("addrb5.txt"), 2, kDpi);
    ASSERT_TRUE(image);
    const PageLayout& layout = sheet->layout();
    const double top = layout.lineTop(0, 0) + 1.0 / kDpi * 72;
    const double bottom = layout.lineTop(0, layout.linesPerPage() - 1) + 0.4 * layout.fontSize();
    for (const int column : {0, 20, 78})
        ExpectUnbrokenRule(*image, RuleX(layout, 0, column), top, bottom,
                           "column " + std::to_string(column));
}

} // namespace
} // namespace velm::blent
