#include "FormFixture.h"
#include "app/ShiftJisLineEdit.h"
#include "app/TForm2.h"
#include "store/Backups.h"
#include "store/FileIo.h"
#include "store/UserFolders.h"
#include "support/Cards.h"
#include "support/SameBytes.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velm
{
namespace
{

namespace fs = std::filesystem;
using test::MakeCard;
using test::SameBytes;

QString Q(const std::string& path)
{
    return QFile::decodeName(path.c_str());
}

std::string FileBytes(const std::string& path)
{
    const auto read = ReadWholeFile(path);
    return std::holds_alternative<std::string>(read) ? std::get<std::string>(read) : "(unreadable)";
}

// Sets an environment variable for the life of the object, then puts the old value back.
class ScopedVariable
{
  public:
    ScopedVariable(const char* name, const QByteArray& value)
        : m_name(name), m_old(qgetenv(name)), m_wasSet(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;
    ~ScopedVariable()
    {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

  private:
    const char* m_name;
    QByteArray m_old;
    bool m_wasSet;
};

// The names in a folder, sorted.
QStringList Listing(const std::string& folder)
{
    return QDir(Q(folder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

const std::vector<CardRecord> kCards{MakeCard({.Name1 = kName, .Tel = "03-1234"}),
                                     MakeCard({.Name1 = kOtherName})};

TEST(UserFiles, TheMarkerMovesTheUsersFilesAndLeavesTheCompanionsBesideTheProgram)
{
    struct Case {
        const char* what;
        bool installed;
    };
    for (const Case c : {Case{"a copy of its own", false}, Case{"installed", true}}) {
        SCOPED_TRACE(c.what);
        FormFixture fixture;
        QTemporaryDir dataHome;
        const ScopedVariable variable("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        const std::string dataDir =
            c.installed ? dataHome.path().toStdString() + "/velm/" : fixture.exeDir();
        fixture.writeFile("Blent.exe", "");
        if (c.installed) {
            fixture.writeFile(kInstalledMarker, "");
            ASSERT_TRUE(QDir(dataHome.path()).mkdir(QStringLiteral("velm")));
        }
        std::ofstream(dataDir + "addr.txt", std::ios::binary) << AddressBookBytes(kCards);
        // The program's folder may be read-only; nothing is written into it.
        fs::permissions(fixture.exeDir(), fs::perms::owner_write | fs::perms::group_write,
                        fs::perm_options::remove);
        const QStringList programFiles = Listing(fixture.exeDir());

        TForm1& form = fixture.start();
        EXPECT_EQ(form.store().DataDir, dataDir);
        EXPECT_EQ(form.store().ExeDir, fixture.exeDir());
        EXPECT_EQ(form.store().CardCount, 2);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("VELM - ") + Q(dataDir));
        EXPECT_EQ(form.store().InterchangePath, dataDir + "addr.orb");
        EXPECT_EQ(form.Form2->dataFolderLabel()->text(), Q(dataDir));

        if (c.installed) {
            form.MtetyoClick();
            form.PitiranClick();
            EXPECT_TRUE(fs::exists(dataDir + "addrb7.txt"));
            EXPECT_TRUE(fs::exists(dataDir + "addrb5.txt"));
            EXPECT_TRUE(fs::exists(dataDir + "addrb5.bpc"));
            ASSERT_EQ(fixture.platform.processes.size(), 1u);
            EXPECT_EQ(fixture.platform.processes[0].program, Q(fixture.exeDir() + "Blent.exe"));
            EXPECT_EQ(fixture.platform.processes[0].arguments,
                      QStringList{Q(dataDir + "addrb5.txt")});
            form.M1Click();
            EXPECT_EQ(fixture.platform.shellOpens,
                      std::vector<QString>{Q(fixture.exeDir() + "velm.htm")});
            EXPECT_EQ(Listing(fixture.exeDir()), programFiles);
        }
        EXPECT_TRUE(fixture.platform.errors.empty());
        fs::permissions(fixture.exeDir(), fs::perms::owner_write, fs::perm_options::add);
    }
}

// A window on an address book of two cards, with the backups in a folder of the test's own.
class BackupCommands : public ::testing::Test
{
  protected:
    void SetUp() override { fixture.startOn(kCards); }

    TForm1& form() { return *fixture.form; }
    std::string book() const { return fixture.pathInExeDir("addr.txt"); }
    std::vector<Backup> backups() const
    {
        return ListBackups(stateHome() + "/velm/backups/", book());
    }
    std::string stateHome() const { return state.path().toStdString(); }

    // Changes card 1's telephone number and saves.
    void saveWithTel(const QString& tel)
    {
        form().Tel->setText(tel);
        form().Save1Click();
    }

    QTemporaryDir state;
    ScopedVariable variable{"XDG_STATE_HOME", state.path().toLocal8Bit()};
    FormFixture fixture;
};

TEST_F(BackupCommands, ABackupThatCannotBeKeptDoesNotStopTheSave)
{
    // A file where the state folder belongs: no backup folder can be made.
    fixture.writeFile("state", "");
    const ScopedVariable blocked("XDG_STATE_HOME", Q(fixture.pathInExeDir("state")).toLocal8Bit());
    fixture.start();
    saveWithTel(QStringLiteral("999"));

    EXPECT_TRUE(fixture.platform.errors.empty());
    EXPECT_FALSE(form().store().StoreModified);
    EXPECT_PRED_FORMAT2(SameBytes, FileBytes(book()),
                        AddressBookBytes({MakeCard({.Name1 = kName, .Tel = "999"}),
                                          MakeCard({.Name1 = kOtherName})}));
}

TEST_F(BackupCommands, SavesKeepBackupsOutsideTheFolderAndRestoreLoadsOneWithoutTheFile)
{
    const std::string original = FileBytes(book());
    saveWithTel(QStringLiteral("111"));
    const std::string first = FileBytes(book());
    saveWithTel(QStringLiteral("222"));
    const std::string saved = FileBytes(book());
    const QString caption = form().windowTitle();
    const std::vector<Backup> kept = backups();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_PRED_FORMAT2(SameBytes, FileBytes(kept[0].path), first);
    EXPECT_PRED_FORMAT2(SameBytes, FileBytes(kept[1].path), original);
    EXPECT_EQ(Listing(fixture.exeDir()), QStringList{QStringLiteral("addr.txt")});

    fixture.platform.listAnswers.push_back(1); // the older one: the file as it was at start
    form().Restore1->trigger();

    ASSERT_EQ(fixture.platform.lists.size(), 1u);
    const Platform::ListChoice& shown = fixture.platform.lists[0];
    EXPECT_EQ(shown.title, QStringLiteral("バックアップから復元"));
    EXPECT_EQ(shown.headings, (QStringList{QStringLiteral("日時"), QStringLiteral("カード数"),
                                           QStringLiteral("サイズ")}));
    ASSERT_EQ(shown.rows.size(), 2u);
    EXPECT_EQ(shown.rows[1],
              (QStringList{Q(DisplayTime(kept[1])), QStringLiteral("2"),
                           QLocale(QLocale::Japanese).toString(qulonglong(kept[1].size)) +
                               QStringLiteral(" バイト")}));
    EXPECT_EQ(form().Tel->text(), QStringLiteral("03-1234"));
    EXPECT_EQ(form().store().CardCount, 2);
    EXPECT_TRUE(form().store().StoreModified);
    EXPECT_FALSE(form().store().CardEdited);
    EXPECT_EQ(form().store().AddressBookPath, book());
    EXPECT_EQ(form().windowTitle(), caption);
    EXPECT_EQ(form().Label2->text(), QStringLiteral("FILE : addr.txt"));
    EXPECT_PRED_FORMAT2(SameBytes, FileBytes(book()), saved)
        << "the file waits for the user's save";

    fixture.platform.answers.push_back(Platform::Answer::Cancel);
    EXPECT_FALSE(form().FormCloseQuery());
    ExpectOneQuestion(fixture.platform,
                      QStringLiteral("カードが変更されています。上書きしますか？"),
                      QStringLiteral("保存確認"), Platform::Buttons::YesNoCancel);
}

TEST_F(BackupCommands, RestoreWithoutBackupsOrCancelledChangesNothing)
{
    form().Restore1Click();
    EXPECT_EQ(fixture.platform.notices,
              std::vector<QString>{QStringLiteral("この住所録のバックアップはありません")});
    EXPECT_TRUE(fixture.platform.lists.empty());

    saveWithTel(QStringLiteral("111"));
    fixture.platform.listAnswers.push_back(std::nullopt);
    form().Restore1Click();
    EXPECT_EQ(fixture.platform.lists.size(), 1u);
    EXPECT_EQ(form().Tel->text(), QStringLiteral("111"));
    EXPECT_FALSE(form().store().StoreModified);
}

} // namespace
} // namespace velm
