#include "FormFixture.h"
#include "app/ShiftJisLineEdit.h"
#include "interchange/Orbi.h"
#include "store/CardStore.h"
#include "support/Cards.h"
#include "support/SameBytes.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace velm
{
namespace
{

using test::MakeCard;
using test::SameBytes;

const QString kFilter = QStringLiteral("ＯＲＢＩ(*.orb)|*.orb|すべてのファイル(*.*)|*.*");
const QString kExportTitle = QStringLiteral("住所録をＯＲＢＩに変換");
const QString kImportTitle = QStringLiteral("ＯＲＢＩ読込み");
const QString kOverwrite = QStringLiteral("同名のファイルがあります。上書きしますか？");
const QString kNotOrbi = QStringLiteral("ＯＲＢＩファイルではありません");
const QString kTooMany = QStringLiteral("カードが999件を超えているため読み込めません");

QString Exported(int n)
{
    return QString::number(n) + QStringLiteral("人分のデータをＯＲＢＩに変換しました");
}

QString Imported(int n)
{
    return QString::number(n) + QStringLiteral("人分のＯＲＢＩデータを読み込みました");
}

CardRecord FullCard(std::string_view name1, std::string_view jusyo1, std::string_view jusyo2)
{
    return MakeCard({.Name1 = name1,
                     .Name2 = "\x91\xbe\x98\x59", // 太郎
                     .Yomi = "\xd4\xcf\xc0\xde",  // ﾔﾏﾀﾞ
                     .Mark = "\x90\xe6",          // 先
                     .Jusyo1 = jusyo1,
                     .Jusyo2 = jusyo2,
                     .PostNo = "100-0001",
                     .Tel = "03-1111-2222",
                     .biko1 = "\x8f\xa4\x8e\x96", // 商事
                     .biko2 = "\x89\x63\x8b\xc6", // 営業
                     .biko3 = "memo"});
}

const CardRecord kTokyo = FullCard(kName, "\x93\x8c\x8b\x9e\x93\x73",   // 東京都
                                   "\x90\xe7\x91\xe3\x93\x63\x8b\xe6"); // 千代田区
const CardRecord kOsaka = FullCard(kOtherName, "\x91\xe5\x8d\xe3 1-2",  // 大阪 1-2
                                   "");

// A window started on an address book of three cards, with the card store's own files in
// the program folder.
struct InterchangeFixture : FormFixture {
    InterchangeFixture() { startOn({kTokyo, kOsaka, MakeCard({.Name1 = kThirdName})}); }
};

// Leaves the number box as typing `number` into it does: the number waits to be confirmed.
void TypeCardNumber(TForm1& form, const QString& number)
{
    form.DNo->setText(number);
    form.Button3->show();
}

// A small ＯＲＢＩ file as another program may write it: its own column order, and a
// column whose tag this program does not know.
std::string ForeignOrbi(int cards)
{
    std::string bytes = "\"ORBI\",\"1.0\"\r\n\"I\",\"PTEL\",\"XXXX\",\"NAME\",\r\n";
    for (int i = 1; i <= cards; ++i)
        bytes +=
            "\"D\",\"0" + std::to_string(i) + "\",\"skip\",\"N" + std::to_string(i) + "\",\r\n";
    return bytes;
}

TEST(InterchangeCommands, DialogsStartFromTheInterchangePathAndCancelChangesNothing)
{
    struct Case {
        const char* what;
        QAction* TForm1::*item;
        Platform::Dialog dialog;
        QString title;
    };
    const std::vector<Case> cases{
        {"export", &TForm1::Ow1, Platform::Dialog::Save, kExportTitle},
        {"import", &TForm1::Or1, Platform::Dialog::Open, kImportTitle},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        InterchangeFixture fixture;
        TForm1& form = *fixture.form;
        form.store().InterchangePath = fixture.pathInExeDir("earlier.orb");
        TypeCardNumber(form, QStringLiteral("2"));
        fixture.platform.dialogResults.push_back(std::nullopt);

        (form.*c.item)->trigger();

        ASSERT_EQ(fixture.platform.dialogs.size(), 1u);
        const auto& run = fixture.platform.dialogs.front();
        EXPECT_EQ(run.dialog, c.dialog);
        EXPECT_EQ(run.setup.title, c.title);
        EXPECT_EQ(run.setup.filter, kFilter);
        EXPECT_EQ(run.setup.defaultExtension, QStringLiteral("orb"));
        EXPECT_EQ(run.setup.fileName, fixture.chosen("earlier.orb"));
        EXPECT_EQ(form.store().InterchangePath, fixture.pathInExeDir("earlier.orb"));
        EXPECT_EQ(form.store().CardCount, 3);
        EXPECT_TRUE(fixture.platform.notices.empty());
        EXPECT_TRUE(fixture.platform.questions.empty());
        EXPECT_EQ(QDir(fixture.folder.path()).entryList(QDir::Files),
                  QStringList{QStringLiteral("addr.txt")});
        EXPECT_EQ(form.DNo->text(), QStringLiteral("2"));
        EXPECT_FALSE(form.Button3->isHidden());
    }
}

TEST(InterchangeExport, WritesEveryCardAsTheAddressOptionSaysAndReportsTheCount)
{
    struct Case {
        const char* what;
        int clicksOnOption;
        bool joinedDirectly;
        bool emptyStore;
    };
    const std::vector<Case> cases{
        {"option ticked at start", 0, true, false},
        {"option clicked off", 1, false, false},
        {"option clicked off and on", 2, true, false},
        {"no cards", 0, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        InterchangeFixture fixture;
        TForm1& form = *fixture.form;
        if (c.emptyStore)
            form.store().replaceCards(std::vector<CardRecord>{});
        for (int i = 0; i < c.clicksOnOption; ++i)
            form.mame->trigger();
        ASSERT_EQ(form.mame->isChecked(), c.joinedDirectly);
        const QString captionBefore = form.windowTitle();
        fixture.platform.dialogResults.push_back(fixture.chosen("out.orb"));

        form.Ow1->trigger();

        EXPECT_PRED_FORMAT2(SameBytes, fixture.readFile("out.orb"),
                            FormatOrbi(form.store(), c.joinedDirectly));
        EXPECT_EQ(fixture.platform.notices, std::vector<QString>{Exported(form.store().CardCount)});
        EXPECT_TRUE(fixture.platform.questions.empty()) << "a new file needs no question";
        EXPECT_TRUE(fixture.platform.errors.empty());
        EXPECT_EQ(form.store().InterchangePath, fixture.pathInExeDir("out.orb"));
        EXPECT_EQ(form.store().AddressBookPath, fixture.pathInExeDir("addr.txt"));
        EXPECT_EQ(form.windowTitle(), captionBefore);
        EXPECT_EQ(form.Label2->text(), QStringLiteral("FILE : addr.txt"));
        EXPECT_FALSE(form.store().CardEdited);
        EXPECT_FALSE(form.store().StoreModified);
    }
}

TEST(InterchangeExport, AsksBeforeReplacingAFileAndKeepsADeclinedName)
{
    InterchangeFixture fixture;
    TForm1& form = *fixture.form;
    const std::string old = "old file\r\n";
    fixture.writeFile("old.orb", old);

    fixture.platform.dialogResults.push_back(fixture.chosen("old.orb"));
    fixture.platform.answers.push_back(Platform::Answer::Cancel);
    form.Ow1->trigger();

    ExpectOneQuestion(fixture.platform, kOverwrite, QStringLiteral("上書き確認"),
                      Platform::Buttons::OkCancel);
    EXPECT_PRED_FORMAT2(SameBytes, fixture.readFile("old.orb"), old);
    EXPECT_TRUE(fixture.platform.notices.empty());
    EXPECT_EQ(form.store().InterchangePath, fixture.pathInExeDir("old.orb"));

    fixture.platform.dialogResults.push_back(fixture.chosen("old.orb"));
    fixture.platform.answers.push_back(Platform::Answer::Ok);
    form.Ow1->trigger();

    ASSERT_EQ(fixture.platform.dialogs.size(), 2u);
    EXPECT_EQ(fixture.platform.dialogs.back().setup.fileName, fixture.chosen("old.orb"))
        << "the next dialog proposes the declined name";
    EXPECT_EQ(fixture.platform.questions.size(), 2u);
    EXPECT_PRED_FORMAT2(SameBytes, fixture.readFile("old.orb"), FormatOrbi(form.store(), true));
    EXPECT_EQ(fixture.platform.notices, std::vector<QString>{Exported(3)});
}

TEST(InterchangeExport, AnEditOnScreenIsNeitherExportedNorLost)
{
    InterchangeFixture fixture;
    TForm1& form = *fixture.form;
    form.show();
    const std::string storedBefore = FormatOrbi(form.store(), true);
    form.Tel->setFocus();
    QTest::keyClicks(form.Tel, "99");
    ASSERT_TRUE(form.store().CardEdited);

    fixture.platform.dialogResults.push_back(fixture.chosen("out.orb"));
    form.Ow1->trigger();

    EXPECT_PRED_FORMAT2(SameBytes, fixture.readFile("out.orb"), storedBefore);
    EXPECT_EQ(form.Tel->text(), QStringLiteral("03-1111-222299"));
    EXPECT_EQ(form.store().card(1).Tel.view(), "03-1111-2222");
    EXPECT_TRUE(form.store().CardEdited);
    EXPECT_FALSE(form.store().StoreModified);
}

TEST(InterchangeExport, AFailedWriteIsReportedWithoutACountAndLeavesNothingBehind)
{
    InterchangeFixture fixture;
    TForm1& form = *fixture.form;
    ASSERT_TRUE(QDir(fixture.folder.path()).mkpath(QStringLiteral("in the way.orb")));
    fixture.writeFile("in the way.orb/kept", "kept");

    fixture.platform.dialogResults.push_back(fixture.chosen("in the way.orb"));
    form.Ow1->trigger();

    EXPECT_EQ(fixture.platform.errors, std::vector<QString>{QStringLiteral("File access denied")});
    EXPECT_TRUE(fixture.platform.notices.empty());
    EXPECT_EQ(fixture.readFile("in the way.orb/kept"), "kept");
    EXPECT_EQ(QDir(fixture.folder.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("addr.txt")})
        << "no temporary file is left";
    EXPECT_EQ(form.store().InterchangePath, fixture.pathInExeDir("in the way.orb"));
}

TEST(InterchangeImport, ReplacesTheStoreAndMovesTheAddressBookBesideTheFile)
{
    struct Case {
        const char* what;
        int shownBefore;
        int cardsInFile;
        int shownAfter;
    };
    const std::vector<Case> cases{
        {"shown card stays", 2, 2, 2},
        {"new-card slot stays", 3, 2, 3},
        {"card beyond the new-card slot comes down", 4, 1, 2},
        {"no data lines", 3, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        InterchangeFixture fixture;
        TForm1& form = *fixture.form;
        form.UpDown1->setPosition(c.shownBefore);
        form.DNo->setText(QString::number(c.shownBefore));
        form.ikkenbun();
        form.Tel->setText(QStringLiteral("pending edit"));
        ASSERT_TRUE(QDir(fixture.folder.path()).mkdir(QStringLiteral("in")));
        fixture.writeFile("in/other.orb", ForeignOrbi(c.cardsInFile));
        fixture.platform.dialogResults.push_back(fixture.chosen("in/other.orb"));

        form.Or1->trigger();

        EXPECT_TRUE(fixture.platform.questions.empty()) << "the store is replaced unasked";
        EXPECT_EQ(fixture.platform.notices, std::vector<QString>{Imported(c.cardsInFile)});
        EXPECT_EQ(form.store().CardCount, c.cardsInFile);
        for (int k = 1; k <= CardStore::kCapacity; ++k) {
            const CardRecord expected =
                k <= c.cardsInFile
                    ? MakeCard({.Name1 = "N" + std::to_string(k), .Tel = "0" + std::to_string(k)})
                    : CardRecord{};
            ASSERT_EQ(form.store().card(k), expected) << "card " << k;
        }
        EXPECT_EQ(form.windowTitle(), QStringLiteral("VELM - ") + fixture.chosen("in/"));
        EXPECT_EQ(form.Label2->text(), QStringLiteral("FILE : other.orb"));
        EXPECT_EQ(form.store().AddressBookPath, fixture.pathInExeDir("in/other.txt"));
        EXPECT_EQ(form.store().InterchangePath, fixture.pathInExeDir("in/other.orb"));
        EXPECT_EQ(form.UpDown1->maximum(), c.cardsInFile + 1);
        EXPECT_EQ(form.UpDown1->position(), c.shownAfter);
        EXPECT_EQ(form.DNo->text(), QString::number(c.shownAfter));
        EXPECT_EQ(form.Label5->text(), QString::number(c.cardsInFile));
        const std::string shownTel =
            c.shownAfter <= c.cardsInFile ? "0" + std::to_string(c.shownAfter) : "";
        EXPECT_EQ(form.Tel->bytes(), shownTel);
        EXPECT_FALSE(form.store().CardEdited);
        EXPECT_FALSE(form.store().StoreModified);
        EXPECT_FALSE(QFile::exists(fixture.chosen("in/other.txt"))) << "written at the next save";
    }
}

// What the manual warns of: the file label names the imported file while 上書き保存 writes
// the ".txt" beside it, replacing a file of that name unasked; 名前をつけて保存 asks.
TEST(InterchangeImport, SaveThenReplacesTheTextFileBesideTheImportUnasked)
{
    InterchangeFixture fixture;
    TForm1& form = *fixture.form;
    fixture.writeFile("book.orb", ForeignOrbi(1));
    fixture.writeFile("book.txt", "another program's notes");
    fixture.platform.dialogResults.push_back(fixture.chosen("book.orb"));
    form.Or1->trigger();
    ASSERT_EQ(form.Label2->text(), QStringLiteral("FILE : book.orb"));

    form.Save1->trigger();

    EXPECT_TRUE(fixture.platform.questions.empty());
    EXPECT_EQ(fixture.readFile("book.txt"),
              AddressBookBytes({MakeCard({.Name1 = "N1", .Tel = "01"})}));
    EXPECT_EQ(form.Label2->text(), QStringLiteral("FILE : book.orb"));

    fixture.platform.dialogResults.push_back(fixture.chosen("book.txt"));
    fixture.platform.answers.push_back(Platform::Answer::Cancel);
    form.SaveAs1->trigger();
    ExpectOneQuestion(fixture.platform, kOverwrite, QStringLiteral("上書き確認"),
                      Platform::Buttons::OkCancel);
}

TEST(InterchangeImport, AnUnconfirmedCardNumberGivesWayToTheCardOnScreen)
{
    InterchangeFixture fixture;
    TForm1& form = *fixture.form;
    form.DNo->setText(QStringLiteral("7"));
    fixture.writeFile("other.orb", ForeignOrbi(2));
    fixture.platform.dialogResults.push_back(fixture.chosen("other.orb"));

    form.Or1->trigger();

    EXPECT_EQ(form.DNo->text(), QStringLiteral("1"));
    EXPECT_EQ(form.Name1->bytes(), "N1");
    EXPECT_TRUE(fixture.platform.errors.empty());
}

TEST(InterchangeImport, ReadsBackItsOwnExportWithTheLinesSeparated)
{
    InterchangeFixture fixture;
    TForm1& form = *fixture.form;
    std::vector<CardRecord> before;
    for (int k = 1; k <= form.store().CardCount; ++k)
        before.push_back(form.store().card(k));
    form.mame->trigger();
    fixture.platform.dialogResults.push_back(fixture.chosen("trip.orb"));
    form.Ow1->trigger();
    form.store().replaceCards(std::vector<CardRecord>{MakeCard({.Name1 = "other"})});

    fixture.platform.dialogResults.push_back(fixture.chosen("trip.orb"));
    form.Or1->trigger();

    EXPECT_EQ(fixture.platform.notices, (std::vector<QString>{Exported(3), Imported(3)}));
    ASSERT_EQ(form.store().CardCount, 3);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(form.store().card(k), before[std::size_t(k - 1)]) << "card " << k;
    EXPECT_EQ(form.Jusyo2->bytes(), kTokyo.Jusyo2.view());
}

TEST(InterchangeImport, RefusedFilesChangeNothingButTheInterchangePath)
{
    std::string thousand = ForeignOrbi(0);
    for (int i = 0; i < 1000; ++i)
        thousand += "\"D\",\"1\",\r\n";
    struct Case {
        const char* what;
        std::optional<std::string> bytes;
        std::vector<QString> notices;
        std::vector<QString> errors;
    };
    const std::vector<Case> cases{
        {"no ORBI in the first line", "\"orbi\",\"1.0\"\r\n" + ForeignOrbi(1), {kNotOrbi}, {}},
        {"empty file", "", {kNotOrbi}, {}},
        {"more than 999 data lines", thousand, {kTooMany}, {}},
        {"missing file", std::nullopt, {}, {QStringLiteral("File not found")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        InterchangeFixture fixture;
        TForm1& form = *fixture.form;
        form.Tel->setText(QStringLiteral("pending edit"));
        TypeCardNumber(form, QStringLiteral("2"));
        const QString captionBefore = form.windowTitle();
        if (c.bytes)
            fixture.writeFile("bad.orb", *c.bytes);
        fixture.platform.dialogResults.push_back(fixture.chosen("bad.orb"));

        form.Or1->trigger();

        EXPECT_EQ(fixture.platform.notices, c.notices);
        EXPECT_EQ(fixture.platform.errors, c.errors);
        EXPECT_EQ(form.store().InterchangePath, fixture.pathInExeDir("bad.orb"));
        EXPECT_EQ(form.store().AddressBookPath, fixture.pathInExeDir("addr.txt"));
        EXPECT_EQ(form.store().CardCount, 3);
        EXPECT_EQ(form.store().card(1), kTokyo);
        EXPECT_EQ(form.store().card(3), MakeCard({.Name1 = kThirdName}));
        EXPECT_EQ(form.windowTitle(), captionBefore);
        EXPECT_EQ(form.Label2->text(), QStringLiteral("FILE : addr.txt"));
        EXPECT_EQ(form.UpDown1->maximum(), 4);
        EXPECT_EQ(form.Tel->text(), QStringLiteral("pending edit"));
        EXPECT_TRUE(form.store().CardEdited);
        EXPECT_EQ(form.DNo->text(), QStringLiteral("2"));
        EXPECT_FALSE(form.Button3->isHidden());
    }
}

} // namespace
} // namespace velm
