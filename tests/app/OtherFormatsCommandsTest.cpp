#include "FormFixture.h"
#include "app/ShiftJisLineEdit.h"
#include "interchange/OtherFormats.h"
#include "store/CardStore.h"
#include "support/Bytes.h"
#include "support/Cards.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace velm
{
namespace
{

using test::HexBytes;
using test::MakeCard;

const QString kImportTitle = QStringLiteral("他の形式から読み込み");
const QString kExportTitle = QStringLiteral("他の形式で書き出し");

// Two cards as a phone exports them.
constexpr std::string_view kTwoCards = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Aoki\r\nTEL:1\r\n"
                                       "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nFN:Baba\r\n"
                                       "EMAIL:b@example.jp\r\nEND:VCARD\r\n";

QString Imported(int n)
{
    return QString::number(n) + QStringLiteral("件のカードを読み込みました");
}

// A window started on an address book of three cards.
struct OtherFormatsFixture : FormFixture {
    OtherFormatsFixture()
    {
        startOn({MakeCard({.Name1 = kName}), MakeCard({.Name1 = kOtherName}),
                 MakeCard({.Name1 = kThirdName})});
    }

    // Imports `bytes` from a file of that name, answering the question with `answer`.
    void import(std::string_view name, std::string_view bytes, Platform::Answer answer)
    {
        writeFile(name, bytes);
        platform.dialogResults.push_back(chosen(name));
        platform.answers.push_back(answer);
        form->ImportOther1->trigger();
    }

    std::vector<std::string> names() const
    {
        std::vector<std::string> names;
        for (int k = 1; k <= form->store().CardCount; ++k)
            names.push_back(form->store().card(k).Name1.str());
        return names;
    }
};

TEST(OtherFormatsCommands, TheMenuItemsStandInTheAddressBookMenu)
{
    OtherFormatsFixture fixture;
    TForm1& form = *fixture.form;
    EXPECT_EQ(form.ImportOther1->text(), QStringLiteral("他の形式から読み込み(&I)..."));
    EXPECT_EQ(form.ExportOther1->text(), QStringLiteral("他の形式で書き出し(&E)..."));
    EXPECT_TRUE(form.File1->actions().contains(form.ImportOther1));
    EXPECT_TRUE(form.File1->actions().contains(form.ExportOther1));
}

TEST(OtherFormatsExport, TheFilterEntryAndTheExtensionChooseTheFormat)
{
    const struct {
        qsizetype entry;
        const char* typed;
        const char* written;
        OtherFormat format;
    } cases[] = {
        {0, "out", "out.vcf", OtherFormat::VCard30},
        {1, "out", "out.vcf", OtherFormat::VCard40},
        {2, "out", "out.csv", OtherFormat::CsvShiftJis},
        {3, "out", "out.csv", OtherFormat::CsvUtf8},
        {4, "out", "out.csv", OtherFormat::CsvContacts},
        {5, "out", "out.vcf", OtherFormat::VCard30},
        {0, "out.csv", "out.csv", OtherFormat::CsvShiftJis},
        {3, "out.vcf", "out.vcf", OtherFormat::VCard30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.entry) + " " + c.typed);
        OtherFormatsFixture fixture;
        TForm1& form = *fixture.form;
        const QString captionBefore = form.windowTitle();
        fixture.platform.filterChoice = c.entry;
        fixture.platform.dialogResults.push_back(fixture.chosen(c.typed));

        form.ExportOther1->trigger();

        ASSERT_EQ(fixture.platform.dialogs.size(), 1u);
        const auto& run = fixture.platform.dialogs.front();
        EXPECT_EQ(run.dialog, Platform::Dialog::Save);
        EXPECT_EQ(run.setup.title, kExportTitle);
        EXPECT_EQ(run.setup.fileName, fixture.chosen("addr")) << "the type chosen decides";
        EXPECT_EQ(HexBytes(fixture.readFile(c.written)),
                  HexBytes(FormatOtherFormat(form.store(), c.format).bytes));
        EXPECT_EQ(fixture.platform.notices,
                  std::vector<QString>{QStringLiteral("3件のカードを書き出しました")});
        EXPECT_TRUE(fixture.platform.questions.empty());
        EXPECT_EQ(form.store().AddressBookPath, fixture.pathInExeDir("addr.txt"));
        EXPECT_EQ(form.store().InterchangePath, fixture.pathInExeDir("addr.orb"));
        EXPECT_EQ(form.windowTitle(), captionBefore);
        EXPECT_FALSE(form.store().StoreModified);
    }
}

TEST(OtherFormatsExport, AsksBeforeReplacingAFileAndTheNextDialogProposesIt)
{
    OtherFormatsFixture fixture;
    TForm1& form = *fixture.form;
    fixture.writeFile("old.vcf", "old");
    fixture.platform.dialogResults.push_back(fixture.chosen("old.vcf"));
    fixture.platform.answers.push_back(Platform::Answer::Cancel);

    form.ExportOther1->trigger();

    ASSERT_EQ(fixture.platform.questions.size(), 1u);
    EXPECT_EQ(fixture.platform.questions.front().text,
              QStringLiteral("同名のファイルがあります。上書きしますか？"));
    EXPECT_EQ(fixture.platform.questions.front().caption, QStringLiteral("上書き確認"));
    EXPECT_EQ(fixture.readFile("old.vcf"), "old");
    EXPECT_TRUE(fixture.platform.notices.empty());

    fixture.platform.dialogResults.push_back(std::nullopt);
    form.ImportOther1->trigger();
    EXPECT_EQ(fixture.platform.dialogs.back().setup.fileName, fixture.chosen("old.vcf"));
    EXPECT_EQ(fixture.platform.dialogs.back().setup.title, kImportTitle);
    fixture.platform.dialogResults.push_back(std::nullopt);
    form.ExportOther1->trigger();
    EXPECT_EQ(fixture.platform.dialogs.back().setup.fileName, fixture.chosen("old"));
}

TEST(OtherFormatsImport, CommitsTheCardOnScreenThenAddsOrReplacesAsAnswered)
{
    const std::string typed = "Typed";
    const struct {
        Platform::Answer answer;
        std::vector<std::string> names;
        int shown;
        // Cancel leaves the committed card on screen as the close question does.
        bool stillEdited;
    } cases[] = {
        {Platform::Answer::Add, {typed, kOtherName, kThirdName, "Aoki", "Baba"}, 4, false},
        {Platform::Answer::Replace, {"Aoki", "Baba"}, 1, false},
        {Platform::Answer::Cancel, {typed, kOtherName, kThirdName}, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        OtherFormatsFixture fixture;
        TForm1& form = *fixture.form;
        form.show();
        form.UpDown1->setPosition(3);
        form.DNo->setText(QStringLiteral("3"));
        form.ikkenbun();
        // An edit pending on card 1 with a number typed but not confirmed in DNo.
        form.UpDown1->setPosition(1);
        form.DNo->setText(QStringLiteral("1"));
        form.ikkenbun();
        form.Name1->setFocus();
        form.Name1->selectAll();
        QTest::keyClicks(form.Name1, QString::fromStdString(typed));
        form.DNo->setText(QStringLiteral("3"));
        const QString captionBefore = form.windowTitle();

        fixture.import("cards.vcf", kTwoCards, c.answer);

        ASSERT_EQ(fixture.platform.questions.size(), 1u);
        const auto& question = fixture.platform.questions.front();
        EXPECT_EQ(question.text,
                  QStringLiteral("2件のカードを読み込みます。\n最後のカードの後に追加しますか、"
                                 "すべてのカードと置き換えますか？"));
        EXPECT_EQ(question.caption, QStringLiteral("読み込み確認"));
        EXPECT_EQ(question.buttons, Platform::Buttons::AddReplaceCancel);
        EXPECT_EQ(fixture.names(), c.names);
        EXPECT_EQ(form.DNo->text(), QString::number(c.shown));
        EXPECT_EQ(form.UpDown1->position(), c.shown);
        EXPECT_EQ(form.UpDown1->maximum(), form.store().CardCount + 1);
        EXPECT_EQ(form.Name1->bytes(), form.store().card(c.shown).Name1.view());
        EXPECT_TRUE(form.store().StoreModified);
        EXPECT_EQ(form.store().CardEdited, c.stillEdited);
        EXPECT_EQ(form.store().AddressBookPath, fixture.pathInExeDir("addr.txt"));
        EXPECT_EQ(form.windowTitle(), captionBefore);
        EXPECT_EQ(form.Label2->text(), QStringLiteral("FILE : addr.txt"));
        const std::vector<QString> notices = c.answer == Platform::Answer::Cancel
                                                 ? std::vector<QString>{}
                                                 : std::vector{Imported(2)};
        EXPECT_EQ(fixture.platform.notices, notices);
        EXPECT_EQ(form.store().card(3).Name1.empty(), c.answer == Platform::Answer::Replace)
            << "slots above the count are blank after a replacement";
    }
}

TEST(OtherFormatsImport, RefusesWholeWhatItCannotTakeAndChangesNothing)
{
    const struct {
        const char* what;
        int cardsBefore;
        std::string_view file;
        QString notice;
        bool asks;
    } cases[] = {
        {"no known column", 3, "a,b\r\n1,2\r\n", QStringLiteral("見出しに読み込める列がありません"),
         false},
        {"no card", 3, "nothing\r\n", QStringLiteral("見出しに読み込める列がありません"), false},
        {"header without rows", 3, "Name\r\n", Imported(0), false},
        {"more than 999 together", 998, kTwoCards,
         QStringLiteral("合わせると999件を超えるため追加できません"), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OtherFormatsFixture fixture;
        TForm1& form = *fixture.form;
        form.store().replaceCards(
            std::vector<CardRecord>(c.cardsBefore, MakeCard({.Name1 = kName})));
        fixture.import("cards.csv", c.file, Platform::Answer::Add);
        EXPECT_EQ(fixture.platform.notices, std::vector<QString>{c.notice});
        EXPECT_EQ(fixture.platform.questions.size(), c.asks ? 1u : 0u);
        EXPECT_EQ(form.store().CardCount, c.cardsBefore);
        EXPECT_FALSE(form.store().StoreModified);
    }
}

TEST(OtherFormatsImport, AnEmptyStoreTakesTheCardsWithoutAQuestion)
{
    OtherFormatsFixture fixture;
    TForm1& form = *fixture.form;
    form.store().replaceCards({});
    fixture.writeFile("cards.vcf", kTwoCards);
    fixture.platform.dialogResults.push_back(fixture.chosen("cards.vcf"));

    form.ImportOther1->trigger();

    EXPECT_TRUE(fixture.platform.questions.empty());
    EXPECT_EQ(fixture.names(), (std::vector<std::string>{"Aoki", "Baba"}));
    EXPECT_EQ(form.store().card(2).biko3.view(), "\x83\x81\x81\x5b\x83\x8b: b@example.jp");
    EXPECT_TRUE(form.store().StoreModified);
}

} // namespace
} // namespace velm
