#include "postcard/PostcardDocument.h"
#include "print/PaperOutput.h"
#include "print/PdfTools.h"
#include "sheets/PostcardBatch.h"
#include "support/Bytes.h"
#include "support/Cards.h"

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace velm
{
namespace
{

using test::HavePopplerTools;
using test::PdfPage;
using test::PdfWord;
using test::PdfWordBoxes;
using test::RasterisePage;
using test::SjisCard;

constexpr double kMillimetresPerInch = 25.4;

// Cards whose postal codes, in every form a user types them, give the digits below.
const std::u32string_view kDigits[] = {U"1000005", U"5300001", U"9876543"};

std::vector<CardRecord> SampleCards()
{
    return {SjisCard({.Name1 = "山田 太郎",
                      .Name2 = "山田 花子",
                      .Jusyo1 = "東京都千代田区丸の内1-2-3",
                      .Jusyo2 = "丸の内ビル（10階）",
                      .PostNo = "〒100-0005"}),
            SjisCard({.Name1 = "佐藤 一郎",
                      .Mark = "先",
                      .Jusyo1 = "大阪市北区梅田、ノース・ゲート",
                      .PostNo = "５３０－０００１",
                      .biko1 = "株式会社サンプル",
                      .biko2 = "営業部"}),
            SjisCard(
                {.Name1 = "鈴木 花子", .Jusyo1 = test::Repeated("東", 127), .PostNo = "987 6543"})};
}

// Writes the pages as the preview's "PDFで保存" does.
print::OutputResult WritePages(std::vector<PostcardPage> pages, const QString& pdf)
{
    return print::WritePdf(PostcardDocument(std::move(pages), QStringLiteral("宛名印刷"), pdf), pdf,
                           nullptr);
}

PostcardRun SampleRun()
{
    PostcardOptions options;
    options.sender =
        SjisCard({.Name1 = "高橋 健一", .Jusyo1 = "横浜市中区山下町1-2", .PostNo = "231-0023"});
    return LayOutPostcards(SampleCards(), std::vector<int>{1, 2, 3}, options);
}

class PostcardPdf : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        if (!HavePopplerTools())
            GTEST_SKIP() << "poppler-utils are not installed";
        ASSERT_EQ(WritePages(run.pages, pdf), print::OutputResult::Done);
    }

    QTemporaryDir folder;
    QString pdf = folder.filePath(QStringLiteral("postcards.pdf"));
    PostcardRun run = SampleRun();
};

TEST_F(PostcardPdf, KeepsEveryGlyphAsTextOnAPageOfExactlyAPostcard)
{
    const std::vector<PdfPage> pages = PdfWordBoxes(pdf);
    ASSERT_EQ(pages.size(), run.pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_NEAR(pages[i].width, kPostcardWidth, 0.001);
        EXPECT_NEAR(pages[i].height, kPostcardHeight, 0.001);
        std::size_t characters = 0;
        for (const PdfWord& word : pages[i].words) {
            characters += static_cast<std::size_t>(word.text.toUcs4().size());
            EXPECT_GE(word.left, 0) << word.text.toStdString();
            EXPECT_GE(word.top, 0) << word.text.toStdString();
            EXPECT_LE(word.right, kPostcardWidth) << word.text.toStdString();
            EXPECT_LE(word.bottom, kPostcardHeight) << word.text.toStdString();
        }
        EXPECT_EQ(characters, run.pages[i].side.glyphs.size());
    }
}

TEST_F(PostcardPdf, CentresEachPostalDigitInItsBox)
{
    const std::vector<PdfPage> pages = PdfWordBoxes(pdf);
    ASSERT_EQ(pages.size(), std::size(kDigits));
    const auto boxes = PostalBoxes();
    const double belowBoxes = boxes.front().top + boxes.front().height + 1;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        std::vector<PdfWord> digits;
        std::ranges::copy_if(pages[i].words, std::back_inserter(digits),
                             [&](const PdfWord& w) { return w.bottom < belowBoxes; });
        std::ranges::sort(digits, {}, &PdfWord::left);
        ASSERT_EQ(digits.size(), boxes.size());
        for (std::size_t d = 0; d < boxes.size(); ++d) {
            EXPECT_EQ(digits[d].text, QString::fromUcs4(&kDigits[i][d], 1));
            EXPECT_NEAR(digits[d].centreX(), boxes[d].centreX(), 0.5);
            EXPECT_NEAR(digits[d].centreY(), boxes[d].centreY(), 0.5);
        }
    }
}

TEST_F(PostcardPdf, PrintsDigitsAboutFiveMillimetresTallClearOfTheBoxEdges)
{
    constexpr int kDpi = 300;
    const auto image = RasterisePage(pdf, 1, kDpi);
    ASSERT_TRUE(image);
    const auto pixel = [](double mm) {
        return static_cast<int>(mm * kDpi / kMillimetresPerInch);
    };
    constexpr double kAround = 1.0; // mm looked at around each box
    for (const PostalBox& box : PostalBoxes()) {
        int top = image->height, bottom = -1, left = image->width, right = -1;
        for (int y = pixel(box.top - kAround); y <= pixel(box.top + box.height + kAround); ++y) {
            for (int x = pixel(box.left - kAround); x <= pixel(box.left + box.width + kAround);
                 ++x) {
                if (image->dark(x, y)) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        const double inkHeight = (bottom - top + 1) * kMillimetresPerInch / kDpi;
        EXPECT_NEAR(inkHeight, 5.0, 0.5);
        EXPECT_GT(left, pixel(box.left + 0.5));
        EXPECT_LT(right, pixel(box.left + box.width - 0.5));
        EXPECT_GT(top, pixel(box.top + 0.5));
        EXPECT_LT(bottom, pixel(box.top + box.height - 0.5));
    }
}

TEST(PostcardPdfFonts, DrawsACharacterTheIpaFontsLackFromAnotherFont)
{
    if (!HavePopplerTools())
        GTEST_SKIP() << "poppler-utils are not installed";
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("fallback.pdf"));
    // Ⱡ is in DejaVu but in neither IPA font.
    const PostcardPage page{
        1, {{{U'Ⱡ', 50, 50, 10}, {U'山', 50, 70, 10}}, PostalCodePlace::Boxes, false}};
    ASSERT_EQ(WritePages({page}, pdf), print::OutputResult::Done);
    const std::vector<PdfPage> pages = PdfWordBoxes(pdf);
    ASSERT_EQ(pages.size(), 1u);
    QString text;
    for (const PdfWord& word : pages.front().words)
        text += word.text;
    EXPECT_EQ(text, QStringLiteral("Ⱡ山"));
}

} // namespace
} // namespace velm
