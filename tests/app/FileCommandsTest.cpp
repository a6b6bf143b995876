#include "FormFixture.h"
#include "app/ShiftJisLineEdit.h"
#include "store/CardStore.h"
#include "store/FileIo.h"
#include "support/Cards.h"
#include "support/SameBytes.h"
#include "text/ShiftJisCodec.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace velm
{
namespace
{

using Answer = Platform::Answer;
using test::MakeCard;
using test::SameBytes;

namespace fs = std::filesystem;

const std::string kSato = "\x8d\xb2\x93\xa1"; // 佐藤

const QString kFilter = QStringLiteral("住所録(*.txt)|*.txt|すべてのファイル(*.*)|*.*");
const QString kOverwriteQuestion = QStringLiteral("同名のファイルがあります。上書きしますか？");
const QString kSaveQuestion = QStringLiteral("カードが変更されています。上書きしますか？");

const std::vector<CardRecord> kCards{MakeCard({.Name1 = kName, .Tel = "03-1234"}),
                                     MakeCard({.Name1 = kOtherName})};

QString Q(const std::string& path)
{
    return QFile::decodeName(path.c_str());
}

std::string ReadPath(const std::string& path)
{
    const auto read = ReadWholeFile(path);
    return std::holds_alternative<std::string>(read) ? std::get<std::string>(read) : "(unreadable)";
}

void ExpectBytes(const std::string& path, const std::string& expected)
{
    EXPECT_PRED_FORMAT2(SameBytes, ReadPath(path), expected) << path;
}

// Starts the window on an address book holding `cards`, shown and active so that typing
// and closing work as for the user.
TForm1& StartShown(FormFixture& fixture, const std::vector<CardRecord>& cards = kCards)
{
    fixture.writeFile("addr.txt", AddressBookBytes(cards));
    return fixture.startShown();
}

// Replaces the box's text by typing, as the user would.
void TypeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

QString CaptionFor(const FormFixture& fixture, const std::string& subFolder = {})
{
    return QStringLiteral("VELM - ") + Q(fixture.exeDir() + subFolder);
}

// The window keeps its cards in `fileName` in `subFolder` of the program folder and names
// that file in its caption and its file label.
void ExpectAddressBookFile(const FormFixture& fixture, const TForm1& form,
                           const std::string& subFolder, const std::string& fileName)
{
    EXPECT_EQ(form.store().AddressBookPath, fixture.pathInExeDir(subFolder + fileName));
    EXPECT_EQ(form.windowTitle(), CaptionFor(fixture, subFolder));
    EXPECT_EQ(form.Label2->text(), QStringLiteral("FILE : ") + Q(fileName));
}

void ExpectAddressBookDialog(const ScriptedPlatform& platform, Platform::Dialog dialog,
                             const QString& title, const std::string& preset)
{
    ASSERT_EQ(platform.dialogs.size(), 1u);
    const auto& run = platform.dialogs.front();
    EXPECT_EQ(run.dialog, dialog);
    EXPECT_EQ(run.setup.title, title);
    EXPECT_EQ(run.setup.filter, kFilter);
    EXPECT_EQ(run.setup.defaultExtension, QStringLiteral("txt"));
    EXPECT_EQ(run.setup.fileName, Q(preset));
}

TEST(FileOpen, LoadsTheChosenFileOverUnsavedChangesWithoutAsking)
{
    FormFixture fixture;
    TForm1& form = StartShown(fixture);
    const std::string first = fixture.pathInExeDir("addr.txt");
    ASSERT_TRUE(QDir(fixture.folder.path()).mkdir(QStringLiteral("other")));
    const std::string chosen = fixture.pathInExeDir("other/book.txt");
    fixture.writeFile("other/book.txt",
                      AddressBookBytes({MakeCard({.Name1 = kSato, .Tel = "099"})}));
    TypeInto(form.Tel, QStringLiteral("111"));
    form.ikkentoroku();
    TypeInto(form.Tel, QStringLiteral("222"));

    fixture.platform.dialogResults.push_back(Q(chosen));
    form.Open1Click();

    ExpectAddressBookDialog(fixture.platform, Platform::Dialog::Open,
                            QStringLiteral("住所録を開く"), first);
    EXPECT_TRUE(fixture.platform.questions.empty());
    ExpectAddressBookFile(fixture, form, "other/", "book.txt");
    EXPECT_EQ(form.store().InterchangePath, fixture.pathInExeDir("other/book.orb"));
    EXPECT_EQ(form.store().CardCount, 1);
    EXPECT_EQ(form.Name1->bytes(), kSato);
    EXPECT_EQ(form.Tel->text(), QStringLiteral("099"));
    EXPECT_FALSE(form.store().CardEdited);
    EXPECT_FALSE(form.store().StoreModified);
    EXPECT_TRUE(form.Name1->hasFocus());
    ExpectBytes(first, AddressBookBytes(kCards));
}

TEST(FileOpen, ARefusedOrUnreadableFileLeavesEverythingOnThePreviousFile)
{
    struct Case {
        const char* what;
        std::optional<std::string> bytes; // nothing: no such file
        bool asFolder;
        QString notice;
        QString error;
    };
    std::string tooMany;
    for (int i = 0; i < 1000; ++i)
        tooMany += AddressBookBytes({MakeCard({.Name1 = "x"})});
    const std::vector<Case> cases{
        {"empty file", "", false, QStringLiteral("住所録カードがありません"), {}},
        {"no card line first",
         "memo\r\n" + AddressBookBytes(kCards),
         false,
         QStringLiteral("住所録カードがありません"),
         {}},
        {"1000 cards",
         tooMany,
         false,
         QStringLiteral("カードが999件を超えているため読み込めません"),
         {}},
        {"missing file", std::nullopt, false, {}, QStringLiteral("File not found")},
        {"a folder", std::nullopt, true, {}, Q(FileFailure::fromErrno(EISDIR).message())},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FormFixture fixture;
        TForm1& form = StartShown(fixture);
        const std::string previous = form.store().AddressBookPath;
        const std::string refused = fixture.pathInExeDir("refused.txt");
        if (c.bytes)
            fixture.writeFile("refused.txt", *c.bytes);
        if (c.asFolder) {
            ASSERT_TRUE(QDir(fixture.folder.path()).mkdir(QStringLiteral("refused.txt")));
        }
        TypeInto(form.Tel, QStringLiteral("555"));
        TypeInto(form.DNo, QStringLiteral("2"));

        fixture.platform.dialogResults.push_back(Q(refused));
        form.Open1Click();

        EXPECT_EQ(fixture.platform.notices,
                  c.notice.isEmpty() ? std::vector<QString>{} : std::vector<QString>{c.notice});
        EXPECT_EQ(fixture.platform.errors,
                  c.error.isEmpty() ? std::vector<QString>{} : std::vector<QString>{c.error});
        ExpectAddressBookFile(fixture, form, "", "addr.txt");
        EXPECT_EQ(form.store().InterchangePath, fixture.pathInExeDir("addr.orb"));
        EXPECT_EQ(form.store().CardCount, 2);
        EXPECT_EQ(form.DNo->text(), QStringLiteral("2")) << "the typed number waits on";
        EXPECT_TRUE(form.Button3->isVisible());

        // The next save goes to the file on show, never into the refused one.
        form.Save1Click();
        ExpectBytes(previous, AddressBookBytes({MakeCard({.Name1 = kName, .Tel = "555"}),
                                                MakeCard({.Name1 = kOtherName})}));
        if (c.bytes)
            ExpectBytes(refused, *c.bytes);
        EXPECT_EQ(fs::is_directory(refused), c.asFolder);
    }
}

// Text pasted, committed by an input method or typed in full width reaches the file on the
// lines it belongs to, and the file gives every card back whole.
TEST(FileSave, TextArrivingInTheBoxesKeepsEveryCardWhole)
{
    std::vector<CardRecord> five;
    for (const char* name : {"A", "B", "C", "D", "E"})
        five.push_back(MakeCard({.Name1 = name}));
    FormFixture fixture;
    TForm1& form = StartShown(fixture, five);

    form.Jusyo1->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("東京都千代田区丸の内\n１－１－１"));
    QTest::keyClick(form.Jusyo1, Qt::Key_V, Qt::ControlModifier);
    form.biko3->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("a\r\nb\tc\u2028"));
    QTest::keyClick(form.biko3, Qt::Key_V, Qt::ControlModifier);
    form.PostNo->setFocus();
    SendInputMethodEvent(form.PostNo, {}, QStringLiteral("１００−０００１"));
    form.Tel->setFocus();
    for (const QChar c : QStringLiteral("０３ー１２３４－５６７８"))
        QTest::sendKeyEvent(QTest::Click, form.Tel, Qt::Key_unknown, c, Qt::NoModifier);
    form.Save1Click();

    fixture.form.reset();
    const TForm1& reloaded = fixture.start();
    ASSERT_EQ(reloaded.store().CardCount, 5);
    EXPECT_EQ(reloaded.store().card(1),
              MakeCard({.Name1 = "A",
                        .Jusyo1 = EncodeShiftJis(U"東京都千代田区丸の内 １－１－１"),
                        .PostNo = "100-0001",
                        .Tel = "03-1234-5678",
                        .biko3 = "a b c"}));
    for (int k = 2; k <= 5; ++k)
        EXPECT_EQ(reloaded.store().card(k), five[static_cast<std::size_t>(k - 1)]);
}

TEST(FileSaveAs, ToANewNameCommitsWritesAndShowsTheNewFile)
{
    FormFixture fixture;
    TForm1& form = StartShown(fixture);
    const std::string first = fixture.pathInExeDir("addr.txt");
    ASSERT_TRUE(QDir(fixture.folder.path()).mkdir(QStringLiteral("new folder")));
    const std::string chosen = fixture.pathInExeDir("new folder/copy.txt");
    TypeInto(form.Tel, QStringLiteral("0120"));

    fixture.platform.dialogResults.push_back(Q(chosen));
    form.SaveAs1Click();

    ExpectAddressBookDialog(fixture.platform, Platform::Dialog::Save,
                            QStringLiteral("住所録に名前をつけて保存"), first);
    EXPECT_TRUE(fixture.platform.questions.empty());
    ExpectBytes(chosen, AddressBookBytes({MakeCard({.Name1 = kName, .Tel = "0120"}),
                                          MakeCard({.Name1 = kOtherName})}));
    ExpectBytes(first, AddressBookBytes(kCards));
    ExpectAddressBookFile(fixture, form, "new folder/", "copy.txt");
    EXPECT_EQ(form.store().InterchangePath, fixture.pathInExeDir("addr.orb"));
    EXPECT_FALSE(form.store().CardEdited);
    EXPECT_FALSE(form.store().StoreModified);
}

TEST(FileSaveAs, AnExistingFileIsOverwrittenOnlyAfterOk)
{
    struct Case {
        const char* what;
        const char* target;
        Answer answer;
    };
    const std::vector<Case> cases{
        {"current file, OK", "addr.txt", Answer::Ok},
        {"current file, Cancel", "addr.txt", Answer::Cancel},
        {"other file, OK", "old.txt", Answer::Ok},
        {"other file, Cancel", "old.txt", Answer::Cancel},
    };
    const std::string oldBytes = AddressBookBytes({MakeCard({.Name1 = kSato})});
    const std::string edited = AddressBookBytes(
        {MakeCard({.Name1 = kName, .Tel = "777"}), MakeCard({.Name1 = kOtherName})});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FormFixture fixture;
        TForm1& form = StartShown(fixture);
        const std::string first = fixture.pathInExeDir("addr.txt");
        const std::string target = fixture.pathInExeDir(c.target);
        if (target != first)
            fixture.writeFile(c.target, oldBytes);
        const std::string targetBefore = ReadPath(target);
        TypeInto(form.Tel, QStringLiteral("777"));

        fixture.platform.dialogResults.push_back(Q(target));
        fixture.platform.answers.push_back(c.answer);
        form.SaveAs1Click();

        ExpectOneQuestion(fixture.platform, kOverwriteQuestion, QStringLiteral("上書き確認"),
                          Platform::Buttons::OkCancel);
        const char* shownFile = c.answer == Answer::Ok ? c.target : "addr.txt";
        EXPECT_EQ(form.Label2->text(), QStringLiteral("FILE : ") + QLatin1String(shownFile));
        if (c.answer == Answer::Ok) {
            ExpectBytes(target, edited);
            EXPECT_EQ(form.store().AddressBookPath, target);
            EXPECT_FALSE(form.store().StoreModified);
            continue;
        }
        ExpectBytes(target, targetBefore);
        EXPECT_EQ(form.store().AddressBookPath, first);
        EXPECT_TRUE(form.store().CardEdited);
        EXPECT_EQ(form.windowTitle(), CaptionFor(fixture));
        // The declined file is not written by a later save either.
        form.Save1Click();
        ExpectBytes(first, edited);
        if (target != first)
            ExpectBytes(target, oldBytes);
    }
}

TEST(FileCommands, CancelledDialogsChangeNothing)
{
    const std::vector<std::pair<const char*, void (TForm1::*)()>> commands{
        {"open", &TForm1::Open1Click},
        {"save as", &TForm1::SaveAs1Click},
    };
    for (const auto& [what, command] : commands) {
        SCOPED_TRACE(what);
        FormFixture fixture;
        TForm1& form = StartShown(fixture);
        TypeInto(form.Tel, QStringLiteral("1"));
        TypeInto(form.DNo, QStringLiteral("2"));
        const QString caption = form.windowTitle();

        fixture.platform.dialogResults.push_back(std::nullopt);
        (form.*command)();

        EXPECT_EQ(form.store().AddressBookPath, fixture.pathInExeDir("addr.txt"));
        EXPECT_EQ(form.windowTitle(), caption);
        EXPECT_EQ(form.Tel->text(), QStringLiteral("1"));
        EXPECT_EQ(form.DNo->text(), QStringLiteral("2"));
        EXPECT_TRUE(form.Button3->isVisible());
        EXPECT_TRUE(form.store().CardEdited);
        EXPECT_FALSE(form.store().StoreModified);
        ExpectBytes(fixture.pathInExeDir("addr.txt"), AddressBookBytes(kCards));
        EXPECT_TRUE(fixture.platform.questions.empty());
    }
}

TEST(FilePrintAddr, HandsTheFileOverSavingFirstOnlyWhenItIsMissing)
{
    struct Case {
        bool filePresent;
        bool toolPresent;
    };
    const std::vector<Case> cases{{true, true}, {true, false}, {false, true}, {false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.filePresent ? "file present" : "file absent") +
                     (c.toolPresent ? ", tool present" : ", tool absent"));
        FormFixture fixture;
        TForm1& form = StartShown(fixture);
        // Both folders have spaces in their names, which must not split the program path.
        const QDir folder(fixture.folder.path());
        ASSERT_TRUE(folder.mkdir(QStringLiteral("My Tools")) && folder.mkdir("My Books"));
        const std::string exeDir = fixture.pathInExeDir("My Tools/");
        form.store().ExeDir = exeDir;
        const std::string book = fixture.pathInExeDir("My Books/addr book.txt");
        form.store().AddressBookPath = book;
        if (c.filePresent)
            fixture.writeFile("My Books/addr book.txt", AddressBookBytes(kCards));
        // The tool is looked for when the command runs, not at start-up.
        if (c.toolPresent)
            fixture.writeFile("My Tools/Blent.exe", "");
        TypeInto(form.Tel, QStringLiteral("333"));

        form.PrintAddrClick();

        if (c.filePresent) {
            ExpectBytes(book, AddressBookBytes(kCards));
            EXPECT_TRUE(form.store().CardEdited) << "the edit on screen is not committed";
        } else {
            ExpectBytes(book, AddressBookBytes({MakeCard({.Name1 = kName, .Tel = "333"}),
                                                MakeCard({.Name1 = kOtherName})}));
            EXPECT_FALSE(form.store().CardEdited);
            EXPECT_FALSE(form.store().StoreModified);
        }
        const auto& platform = fixture.platform;
        if (c.toolPresent) {
            ASSERT_EQ(platform.processes.size(), 1u);
            EXPECT_TRUE(platform.textViewerFiles.empty());
            const auto& start = platform.processes[0];
            EXPECT_EQ(start.program, Q(exeDir + "Blent.exe"));
            EXPECT_EQ(start.arguments, QStringList{Q(book)});
            EXPECT_EQ(start.program + ' ' + start.arguments.join(' '),
                      Q(exeDir + "Blent.exe " + book));
        } else {
            EXPECT_TRUE(platform.processes.empty());
            ASSERT_EQ(platform.textViewerFiles.size(), 1u);
            EXPECT_EQ(platform.textViewerFiles[0], Q(book));
        }
        EXPECT_TRUE(platform.errors.empty());
    }
}

TEST(FileCloseQuery, CommitsTheCardThenAsksOnlyWhenTheStoreChanged)
{
    struct Case {
        const char* what;
        std::optional<QString> typedTel; // nothing: no edit
        bool typeUnconfirmedNumber;      // "2" in DNo without Enter before closing
        std::optional<Answer> answer;    // nothing: no question expected
        bool closes;
        std::string fileAfter;
        std::string card1TelAfter;
    };
    const std::string original = AddressBookBytes(kCards);
    const std::string edited = AddressBookBytes(
        {MakeCard({.Name1 = kName, .Tel = "999"}), MakeCard({.Name1 = kOtherName})});
    const std::vector<Case> cases{
        {"nothing changed", std::nullopt, false, std::nullopt, true, original, "03-1234"},
        {"edit, Yes", QStringLiteral("999"), false, Answer::Yes, true, edited, "999"},
        {"edit, No", QStringLiteral("999"), false, Answer::No, true, original, "999"},
        {"edit, Cancel", QStringLiteral("999"), false, Answer::Cancel, false, original, "999"},
        {"edit typed back to the earlier text", QStringLiteral("03-1234"), false, Answer::No, true,
         original, "03-1234"},
        {"unconfirmed card number, Yes", QStringLiteral("999"), true, Answer::Yes, true, edited,
         "999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FormFixture fixture;
        TForm1& form = StartShown(fixture);
        // Moving through the cards without editing changes nothing.
        QTest::keyClick(form.Name1, Qt::Key_Right, Qt::ControlModifier);
        QTest::keyClick(form.Name1, Qt::Key_Left, Qt::ControlModifier);
        ASSERT_EQ(form.DNo->text(), QStringLiteral("1"));
        if (c.typedTel)
            TypeInto(form.Tel, *c.typedTel);
        if (c.typeUnconfirmedNumber)
            TypeInto(form.DNo, QStringLiteral("2"));
        if (c.answer)
            fixture.platform.answers.push_back(*c.answer);

        EXPECT_EQ(form.close(), c.closes);

        if (c.answer) {
            ExpectOneQuestion(fixture.platform, kSaveQuestion, QStringLiteral("保存確認"),
                              Platform::Buttons::YesNoCancel);
        } else {
            EXPECT_TRUE(fixture.platform.questions.empty());
        }
        EXPECT_EQ(form.isVisible(), !c.closes);
        ExpectBytes(fixture.pathInExeDir("addr.txt"), c.fileAfter);
        EXPECT_EQ(form.store().card(1).Tel.view(), c.card1TelAfter);
        EXPECT_EQ(form.store().card(2).Tel.view(), "");
        if (c.answer == Answer::Cancel) {
            EXPECT_TRUE(form.store().StoreModified) << "the commit stays done";
        }
        EXPECT_TRUE(fixture.platform.errors.empty());
    }
}

// One of the commands that save, run against `target`: as AddressBookPath, or as the name
// chosen in the dialog for Save As.
struct SavingCommand {
    const char* what;
    bool keepsTargetPath;
    // Returns whether the window is still open afterwards.
    bool (*run)(FormFixture& fixture, TForm1& form, const std::string& target);
};

const std::vector<SavingCommand>& SavingCommands()
{
    static const std::vector<SavingCommand> kCommands{
        {"save", true,
         [](FormFixture&, TForm1& form, const std::string& target) {
             form.store().AddressBookPath = target;
             form.Save1Click();
             return true;
         }},
        {"save as", false,
         [](FormFixture& fixture, TForm1& form, const std::string& target) {
             fixture.platform.dialogResults.push_back(Q(target));
             form.SaveAs1Click();
             return true;
         }},
        {"edit and print", true,
         [](FormFixture& fixture, TForm1& form, const std::string& target) {
             fixture.writeFile("Blent.exe", "");
             form.store().AddressBookPath = target;
             form.PrintAddrClick();
             return true;
         }},
        {"close, Yes", true,
         [](FormFixture& fixture, TForm1& form, const std::string& target) {
             form.store().AddressBookPath = target;
             fixture.platform.answers.push_back(Answer::Yes);
             return !form.close();
         }},
    };
    return kCommands;
}

// A target in the program folder that cannot be written, also by root.
struct UnwritableTarget {
    const char* what;
    const char* target;
    const char* fileInTheWay; // a plain file where the target's folder should be
    QString error;
};

// Makes the permission bits hold while it lives when the tests run as root, by taking on
// the unprivileged user "nobody" as the effective user.
class PermissionsHold
{
  public:
    PermissionsHold()
    {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && ::seteuid(kNobody) == 0)
            m_wasRoot = true;
    }
    PermissionsHold(const PermissionsHold&) = delete;
    PermissionsHold& operator=(const PermissionsHold&) = delete;
    ~PermissionsHold()
    {
        if (m_wasRoot) {
            EXPECT_EQ(::seteuid(0), 0);
        }
    }

    bool active() const { return ::geteuid() != 0; }

  private:
    bool m_wasRoot = false;
};

struct FailedSave {
    QString error;
    bool stillOpen;
};

// Starts the window, edits a card and runs the command against the target; `prepare`
// readies the program folder and `run` wraps the command.
void ExpectCleanFailure(const SavingCommand& command, const std::string& targetInFolder,
                        const std::function<void(FormFixture&)>& prepare,
                        const std::function<FailedSave(const std::function<bool()>&)>& run)
{
    FormFixture fixture;
    TForm1& form = StartShown(fixture);
    const std::string first = fixture.pathInExeDir("addr.txt");
    const std::string target = fixture.pathInExeDir(targetInFolder);
    prepare(fixture);
    TypeInto(form.Tel, QStringLiteral("444"));
    fixture.platform.errors.clear();

    const FailedSave expected = run([&] { return command.run(fixture, form, target); });

    EXPECT_EQ(fixture.platform.errors, std::vector<QString>{expected.error});
    EXPECT_TRUE(expected.stillOpen);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(fs::exists(target));
    ExpectBytes(first, AddressBookBytes(kCards));
    EXPECT_EQ(form.store().card(1).Tel.view(), "444") << "the commit before the write stays";
    EXPECT_TRUE(form.store().CardEdited);
    EXPECT_TRUE(form.store().StoreModified);
    EXPECT_EQ(form.store().AddressBookPath, command.keepsTargetPath ? target : first);
    EXPECT_EQ(form.windowTitle(), CaptionFor(fixture));
    EXPECT_EQ(form.Label2->text(), QStringLiteral("FILE : addr.txt"));
    EXPECT_TRUE(fixture.platform.processes.empty());
    EXPECT_TRUE(fixture.platform.textViewerFiles.empty());
}

TEST(FileSaveFailures, AMissingFolderFailsCleanlyFromEveryCommand)
{
    const std::vector<UnwritableTarget> targets{
        {"missing folder", "missing/addr.txt", nullptr, QStringLiteral("File not found")},
        {"file in the way of the folder", "plain/addr.txt", "plain",
         Q(FileFailure::fromErrno(ENOTDIR).message())},
    };
    for (const UnwritableTarget& t : targets)
        for (const SavingCommand& command : SavingCommands()) {
            SCOPED_TRACE(std::string(t.what) + " from " + command.what);
            ExpectCleanFailure(
                command, t.target,
                [&t](FormFixture& fixture) {
                    if (t.fileInTheWay)
                        fixture.writeFile(t.fileInTheWay, "not a folder");
                },
                [&t](const std::function<bool()>& command) {
                    return FailedSave{t.error, command()};
                });
        }
}

TEST(FileSaveFailures, AReadOnlyFolderFailsCleanlyFromEveryCommand)
{
    {
        const PermissionsHold probe;
        if (!probe.active())
            GTEST_SKIP() << "running as root, and the user nobody cannot be taken on";
    }
    for (const SavingCommand& command : SavingCommands()) {
        SCOPED_TRACE(command.what);
        ExpectCleanFailure(
            command, "locked/addr.txt",
            [](FormFixture& fixture) {
                const fs::path folder = fixture.folder.path().toStdString();
                fs::create_directory(folder / "locked");
                fs::permissions(folder, static_cast<fs::perms>(0755));
                fs::permissions(folder / "locked", static_cast<fs::perms>(0555));
            },
            [](const std::function<bool()>& command) {
                const PermissionsHold hold;
                return FailedSave{QStringLiteral("File access denied"), command()};
            });
    }
}

TEST(FileReading, AFileOverTheReadLimitIsRefusedWithANoticeByEveryCommandThatReads)
{
    // The start-up load has no command: it meets the file as addr.txt.
    struct Case {
        const char* what;
        const char* file;
        void (TForm1::*command)();
    };
    const Case cases[] = {
        {"start-up", "addr.txt", nullptr},
        {"開", "big.txt", &TForm1::Open1Click},
        {"ＯＲＢＩ読み込み", "big.orb", &TForm1::Or1Click},
        {"他の形式から読み込み", "big.vcf", &TForm1::ImportOther1Click},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FormFixture fixture;
        const std::string big = fixture.pathInExeDir(c.file);
        // Sparse: the size without the disk space.
        std::ofstream(big, std::ios::binary) << AddressBookBytes(kCards);
        fs::resize_file(big, kDefaultReadLimit + 1);
        TForm1& form = c.command ? StartShown(fixture) : fixture.start();
        if (c.command) {
            fixture.platform.dialogResults.push_back(Q(big));
            (form.*c.command)();
        }

        EXPECT_EQ(fixture.platform.notices,
                  std::vector<QString>{QStringLiteral("ファイルが大きすぎます（64MBまで）")});
        EXPECT_TRUE(fixture.platform.errors.empty());
        EXPECT_EQ(form.store().CardCount, c.command ? 2 : 0);
        EXPECT_EQ(form.store().AddressBookPath, fixture.pathInExeDir("addr.txt"));
        EXPECT_EQ(form.windowTitle(), c.command ? CaptionFor(fixture) : QStringLiteral("VELM"));
        EXPECT_EQ(form.Label2->text(),
                  c.command ? QStringLiteral("FILE : addr.txt") : QStringLiteral("FILE : "));
        EXPECT_FALSE(form.store().StoreModified);
    }
}

} // namespace
} // namespace velm
