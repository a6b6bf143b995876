#include "app/TForm1.h"
#include "app/Texts.h"
#include "store/Backups.h"

#include <QLocale>
#include <QtGlobal>

// The backups of address-book files: one is kept before every save replaces a file, and the
// 住所録 menu brings the cards of one back into the store.

namespace velm
{

namespace
{

Platform::ListChoice BackupChoice(const std::vector<Backup>& backups)
{
    Platform::ListChoice choice{
        QString::fromUtf8(texts::kRestoreTitle), QString::fromUtf8(texts::kRestorePrompt), {}, {}};
    for (const std::string_view heading : texts::kBackupHeadings)
        choice.headings << QString::fromUtf8(heading);
    const QLocale locale(QLocale::Japanese, QLocale::Japan);
    for (const Backup& backup : backups)
        choice.rows.push_back({QString::fromStdString(DisplayTime(backup)),
                               QString::fromUtf8(backup.cards ? std::to_string(*backup.cards)
                                                              : texts::kBackupCardsUnknown),
                               locale.toString(static_cast<qulonglong>(backup.size)) +
                                   QString::fromUtf8(texts::kBackupSizeAfterNumber)});
    return choice;
}

} // namespace

void TForm1::keepBackupOf(const std::string& path)
{
    if (!m_backupsFolder || !FileExists(path))
        return;
    // A full disk or an unwritable state folder costs the backup, never the save.
    if (const auto failure = KeepBackup(*m_backupsFolder, path, BackupStampNow()))
        qWarning("No backup of %s: %s", path.c_str(), failure->message().c_str());
}

void TForm1::Restore1Click()
{
    settleCardNumber();
    const std::vector<Backup> backups = m_backupsFolder
                                            ? ListBackups(*m_backupsFolder, m_store.AddressBookPath)
                                            : std::vector<Backup>{};
    if (backups.empty()) {
        m_platform.notice(QString::fromUtf8(texts::kNoBackups));
        return;
    }
    const std::optional<int> chosen = m_platform.chooseFromList(BackupChoice(backups));
    if (!chosen || *chosen < 0 || static_cast<std::size_t>(*chosen) >= backups.size())
        return;
    std::optional<std::vector<CardRecord>> cards =
        readCards(backups[*chosen].path, &ParseAddressBook);
    if (!cards)
        return;
    // The path, the caption and the file label stay on the current file, which the cards now
    // differ from until the user saves them over it.
    takeUnsavedCards(std::move(*cards));
}

} // namespace velm
