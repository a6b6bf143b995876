#include "FormFixture.h"
#include "app/ShiftJisLineEdit.h"
#include "sheets/Sheets.h"
#include "store/CardStore.h"
#include "support/Cards.h"
#include "support/SameBytes.h"

#include <QAction>
#include <QDir>
#include <QTest>
#include <gtest/gtest.h>

namespace velm
{
namespace
{

using test::MakeCard;
using test::SameBytes;

const std::string kStale = "stale sheet\r\n";
const std::string kUserFormat = "edited by the user\r\n";

// What the tests need to know about one sheet and its menu items.
struct Sheet {
    const char* what;
    const char* fileName;
    const char* formatFileName;
    QString question;
    QString done;
    std::string (*make)(const CardStore&);
    std::string_view (*makeFormat)();
    QAction* TForm1::*create;
    QAction* TForm1::*print;
};

const std::vector<Sheet>& Sheets()
{
    static const std::vector<Sheet> sheets{
        {"notebook", "addrb7.txt", "addrb7.bpc",
         QStringLiteral("手帳ファイル(addrb7.txt)を上書きしますか？"),
         QStringLiteral("手帳ファイル(addrb7.txt)を作成しました"), &Maketetyo, &Maketetyobpc,
         &TForm1::Mtetyo, &TForm1::Ptetyo},
        {"list", "addrb5.txt", "addrb5.bpc",
         QStringLiteral("一覧表ファイル(addrb5.txt)を上書きしますか？"),
         QStringLiteral("一覧表ファイル(addrb5.txt)を作成しました"), &Makeitiran, &Makeitiranbpc,
         &TForm1::Mitiran, &TForm1::Pitiran},
    };
    return sheets;
}

const std::vector<CardRecord> kCards{
    MakeCard({.Name1 = kName, .Jusyo1 = "Tokyo", .Tel = "03-1234"}),
    MakeCard({.Name1 = kOtherName})};

// The sheet as written from a store holding exactly `cards`.
std::string SheetOf(const Sheet& sheet, const std::vector<CardRecord>& cards)
{
    auto store = std::make_unique<CardStore>();
    store->replaceCards(cards);
    return sheet.make(*store);
}

// A program folder holding the address book of kCards, and the print tool when asked.
struct SheetFixture : FormFixture {
    explicit SheetFixture(bool withPrintTool = false)
    {
        writeFile("addr.txt", AddressBookBytes(kCards));
        if (withPrintTool)
            writeFile("Blent.exe", "");
        start();
    }

    bool exists(const char* name) const
    {
        return QFile::exists(QString::fromStdString(pathInExeDir(name)));
    }

    void expectFile(const char* name, std::string_view expected) const
    {
        EXPECT_PRED_FORMAT2(SameBytes, readFile(name), expected) << name;
    }
};

TEST(SheetCommands, CreateWritesAMissingSheetWithoutAskingAndSaysSo)
{
    for (const Sheet& sheet : Sheets()) {
        SCOPED_TRACE(sheet.what);
        SheetFixture fixture;
        (fixture.form.get()->*sheet.create)->trigger();

        fixture.expectFile(sheet.fileName, SheetOf(sheet, kCards));
        EXPECT_TRUE(fixture.platform.questions.empty());
        EXPECT_EQ(fixture.platform.notices, std::vector<QString>{sheet.done});
        EXPECT_TRUE(fixture.platform.errors.empty());
        EXPECT_FALSE(fixture.exists(sheet.formatFileName)) << "creating writes no format file";
        EXPECT_TRUE(fixture.platform.processes.empty());
        EXPECT_TRUE(fixture.platform.textViewerFiles.empty());
    }
}

TEST(SheetCommands, CreateOverAnExistingSheetAsksAndOnlyOkRewritesIt)
{
    struct Case {
        const char* what;
        Platform::Answer answer;
        bool rewritten;
    };
    const std::vector<Case> cases{
        {"OK", Platform::Answer::Ok, true},
        {"Cancel", Platform::Answer::Cancel, false},
    };
    for (const Sheet& sheet : Sheets()) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(sheet.what) + " " + c.what);
            SheetFixture fixture;
            fixture.writeFile(sheet.fileName, kStale);
            fixture.platform.answers.push_back(c.answer);
            (fixture.form.get()->*sheet.create)->trigger();

            ExpectOneQuestion(fixture.platform, sheet.question, QStringLiteral("作成確認"),
                              Platform::Buttons::OkCancel);
            fixture.expectFile(sheet.fileName, c.rewritten ? SheetOf(sheet, kCards) : kStale);
            EXPECT_EQ(fixture.platform.notices,
                      c.rewritten ? std::vector<QString>{sheet.done} : std::vector<QString>{});
            EXPECT_TRUE(fixture.platform.errors.empty());
        }
    }
}

TEST(SheetCommands, PrintWritesOnlyWhatIsMissingAndHandsTheSheetOver)
{
    struct Case {
        const char* what;
        bool sheetThere;
        bool formatThere;
        bool toolThere;
    };
    const std::vector<Case> cases{
        {"nothing there, tool", false, false, true},
        {"sheet there, tool", true, false, true},
        {"both there, tool", true, true, true},
        {"format there, tool", false, true, true},
        {"nothing there, tool gone", false, false, false},
        {"both there, tool gone", true, true, false},
    };
    for (const Sheet& sheet : Sheets()) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(sheet.what) + ": " + c.what);
            // The items are enabled because the tool was there at start; it may go later.
            SheetFixture fixture(true);
            if (c.sheetThere)
                fixture.writeFile(sheet.fileName, kStale);
            if (c.formatThere)
                fixture.writeFile(sheet.formatFileName, kUserFormat);
            if (!c.toolThere) {
                ASSERT_TRUE(
                    QFile::remove(QString::fromStdString(fixture.pathInExeDir("Blent.exe"))));
            }
            QAction* item = fixture.form.get()->*sheet.print;
            ASSERT_TRUE(item->isEnabled());
            item->trigger();

            fixture.expectFile(sheet.fileName, c.sheetThere ? kStale : SheetOf(sheet, kCards));
            fixture.expectFile(sheet.formatFileName,
                               c.formatThere ? kUserFormat : std::string(sheet.makeFormat()));
            const QString sheetPath = QString::fromStdString(fixture.pathInExeDir(sheet.fileName));
            if (c.toolThere) {
                ASSERT_EQ(fixture.platform.processes.size(), 1u);
                EXPECT_EQ(fixture.platform.processes.front().program,
                          QString::fromStdString(fixture.pathInExeDir("Blent.exe")));
                EXPECT_EQ(fixture.platform.processes.front().arguments, QStringList{sheetPath});
                EXPECT_TRUE(fixture.platform.textViewerFiles.empty());
            } else {
                EXPECT_TRUE(fixture.platform.processes.empty());
                EXPECT_EQ(fixture.platform.textViewerFiles, std::vector<QString>{sheetPath});
            }
            EXPECT_TRUE(fixture.platform.questions.empty());
            EXPECT_TRUE(fixture.platform.notices.empty());
            EXPECT_TRUE(fixture.platform.errors.empty());
        }
    }
}

TEST(SheetCommands, PrintStartsTheToolInTheProgramFolderWithTheSheetsPathUnchanged)
{
    // Spaces, a backslash and double-byte characters in the folder's name go into the tool's
    // path and into the argument as they are, unquoted.
    const std::vector<std::string> folders{"My Tools", "My Tools\\\xE8\xA1\xA8", // My Tools\表
                                           "\xE4\xBD\x8F\xE6\x89\x80"};          // 住所
    for (const Sheet& sheet : Sheets()) {
        for (const std::string& folder : folders) {
            SCOPED_TRACE(std::string(sheet.what) + " in " + folder);
            SheetFixture fixture(true);
            ASSERT_TRUE(QDir(fixture.folder.path()).mkdir(QString::fromStdString(folder)));
            const std::string exeDir = fixture.pathInExeDir(folder + "/");
            // A copy of its own keeps its sheets beside itself.
            fixture.form->store().ExeDir = exeDir;
            fixture.form->store().DataDir = exeDir;
            fixture.writeFile(folder + "/Blent.exe", "");
            (fixture.form.get()->*sheet.print)->trigger();

            ASSERT_EQ(fixture.platform.processes.size(), 1u);
            EXPECT_EQ(fixture.platform.processes[0].program,
                      QString::fromStdString(exeDir + "Blent.exe"));
            EXPECT_EQ(fixture.platform.processes[0].arguments,
                      QStringList{QString::fromStdString(exeDir + sheet.fileName)});
        }
    }
}

TEST(SheetCommands, AFailedWriteEndsTheCommandWithTheErrorDialog)
{
    // A folder standing where a file is to be written cannot be replaced, even by root.
    struct Case {
        const char* what;
        bool print;
        bool folderForSheet;
    };
    const std::vector<Case> cases{
        {"create, sheet blocked", false, true},
        {"print, sheet blocked", true, true},
        {"print, format file blocked", true, false},
    };
    for (const Sheet& sheet : Sheets()) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(sheet.what) + ": " + c.what);
            SheetFixture fixture(true);
            const char* blocked = c.folderForSheet ? sheet.fileName : sheet.formatFileName;
            ASSERT_TRUE(QDir(fixture.folder.path()).mkdir(QString::fromLatin1(blocked)));
            (fixture.form.get()->*(c.print ? sheet.print : sheet.create))->trigger();

            EXPECT_EQ(fixture.platform.errors.size(), 1u);
            EXPECT_TRUE(fixture.platform.notices.empty());
            EXPECT_TRUE(fixture.platform.processes.empty());
            EXPECT_TRUE(fixture.platform.textViewerFiles.empty());
            // Nothing is left beside the folder: no format file after a blocked sheet and no
            // temporary file of the failed write.
            QStringList expectedFiles{QStringLiteral("Blent.exe"), QStringLiteral("addr.txt")};
            if (!c.folderForSheet)
                expectedFiles << QString::fromLatin1(sheet.fileName);
            expectedFiles.sort();
            EXPECT_EQ(QDir(fixture.folder.path()).entryList(QDir::Files, QDir::Name),
                      expectedFiles);
        }
    }
}

TEST(SheetCommands, AnEditNotYetCommittedStaysOutOfTheSheetAndTheFlagsStay)
{
    for (const Sheet& sheet : Sheets()) {
        for (const bool print : {false, true}) {
            SCOPED_TRACE(std::string(sheet.what) + (print ? " print" : " create"));
            SheetFixture fixture(true);
            TForm1& form = *fixture.form;
            form.show();
            form.Name1->setFocus();
            QTest::keyClicks(form.Name1, "Typed");
            ASSERT_TRUE(form.store().CardEdited);

            (form.*(print ? sheet.print : sheet.create))->trigger();

            fixture.expectFile(sheet.fileName, SheetOf(sheet, kCards));
            EXPECT_TRUE(form.store().CardEdited);
            EXPECT_FALSE(form.store().StoreModified);
            EXPECT_EQ(form.store().card(1).Name1.view(), kName);
            EXPECT_EQ(form.Name1->text(), QStringLiteral("山田Typed"))
                << "the edit stays on screen";
        }
    }
}

TEST(SheetCommands, CreatingAfterACommittedChangeRefreshesWhatPrintHandsOver)
{
    SheetFixture fixture(true);
    TForm1& form = *fixture.form;
    const Sheet& notebook = Sheets().front();
    form.Mtetyo->trigger();
    form.Tel->setText(QStringLiteral("0120"));
    ASSERT_TRUE(form.ikkentoroku());

    form.Ptetyo->trigger();
    fixture.expectFile(notebook.fileName, SheetOf(notebook, kCards));

    fixture.platform.answers.push_back(Platform::Answer::Ok);
    form.Mtetyo->trigger();
    form.Ptetyo->trigger();
    fixture.expectFile(
        notebook.fileName,
        SheetOf(notebook, {MakeCard({.Name1 = kName, .Jusyo1 = "Tokyo", .Tel = "0120"}),
                           MakeCard({.Name1 = kOtherName})}));
    EXPECT_EQ(fixture.platform.processes.size(), 2u);
}

} // namespace
} // namespace velm
