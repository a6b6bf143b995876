#include "FormFixture.h"
#include "app/ShiftJisLineEdit.h"
#include "postcard/PostcardDocument.h"
#include "print/PdfTools.h"
#include "print/PreviewWindow.h"
#include "support/Cards.h"

#include <QAction>
#include <QDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

// 宛名印刷 from the 作成 menu: the dialog's answer, the print preview of the cards as the
// store holds them, and the summary once the postcards are printed.

namespace velm
{
namespace
{

using test::MakeCard;

// Three cards: one with a postal code of seven digits, one without a name, one with a
// postal code of two.
const std::vector<CardRecord> kCards{MakeCard({.Name1 = kName, .PostNo = "100-0005"}),
                                     MakeCard({.Jusyo1 = "Tokyo"}),
                                     MakeCard({.Name1 = kOtherName, .PostNo = "12"})};

struct PostcardFixture : FormFixture {
    PostcardFixture()
    {
        writeFile("addr.txt", AddressBookBytes(kCards));
        startShown();
    }

    print::PreviewWindow* preview() const { return form->findChild<print::PreviewWindow*>(); }
};

bool Holds(const AddressSide& side, char32_t ch)
{
    return std::ranges::any_of(side.glyphs, [ch](const PlacedGlyph& g) { return g.ch == ch; });
}

TEST(PostcardCommand, PreviewsTheStoredCardsAndSummarisesTheRunOnceSaved)
{
    PostcardFixture fixture;
    TForm1& form = *fixture.form;
    // An edit on screen that is not committed is not printed.
    QTest::keyClicks(form.Name1, QStringLiteral("Z"));
    fixture.platform.postcardAnswers.push_back(PostcardRequest{});
    ASSERT_TRUE(form.Patena->isEnabled());
    form.Patena->trigger();

    ASSERT_EQ(fixture.platform.postcardDialogs.size(), 1u);
    EXPECT_EQ(fixture.platform.postcardDialogs[0].cardCount, 3);
    EXPECT_EQ(fixture.platform.postcardDialogs[0].cardOnScreen, 1);
    print::PreviewWindow* preview = fixture.preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("宛名印刷"));
    const auto& document = dynamic_cast<const PostcardDocument&>(preview->document());
    ASSERT_EQ(document.pageCount(), 2);
    EXPECT_EQ(document.postcard(0).cardNumber, 1);
    EXPECT_EQ(document.postcard(1).cardNumber, 3);
    EXPECT_TRUE(Holds(document.postcard(0).side, U'山'));
    EXPECT_FALSE(Holds(document.postcard(0).side, U'Ｚ'));
    EXPECT_TRUE(form.store().CardEdited);
    EXPECT_EQ(document.name(), QStringLiteral("宛名印刷 - addr.txt"));
    const QString pdf = QDir(fixture.folder.path()).filePath(QStringLiteral("addr_宛名.pdf"));
    EXPECT_EQ(document.pdfPath(), pdf);
    EXPECT_TRUE(fixture.platform.notices.empty());

    fixture.platform.printing.fileDialogResults.push_back(pdf);
    preview->saveAsPdf();
    if (test::HavePopplerTools()) {
        EXPECT_EQ(test::PdfPageCount(pdf), 2);
    }
    EXPECT_EQ(fixture.platform.notices,
              std::vector<QString>{
                  QStringLiteral("2枚の宛名面を作成しました。\n"
                                 "名前１が空欄のため印刷しなかったカード：2\n"
                                 "郵便番号が7桁でないため住所の先頭に印刷したカード：3")});
}

TEST(PostcardCommand, OpensNoPreviewWhenTheUserCancelsOrNoCardGivesAPage)
{
    PostcardRequest marked;
    marked.selection.choice = PostcardChoice::Marked;
    const struct {
        const char* what;
        std::optional<PostcardRequest> answer;
        std::vector<QString> notices;
    } kCases[] = {
        {"cancelled", std::nullopt, {}},
        {"no card marked", marked, {QStringLiteral("0枚の宛名面を作成しました。")}},
    };
    for (const auto& c : kCases) {
        PostcardFixture fixture;
        fixture.platform.postcardAnswers.push_back(c.answer);
        fixture.form->Patena->trigger();
        EXPECT_EQ(fixture.preview(), nullptr) << c.what;
        EXPECT_EQ(fixture.platform.notices, c.notices) << c.what;
    }
}

} // namespace
} // namespace velm
