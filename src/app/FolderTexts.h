#pragma once

#include <QString>
#include <QStringList>

// The texts the user sees about the folder of the user's files and the backups of
// address-book files.

namespace velm
{

inline const QString kRestoreMenuItem = QStringLiteral("バックアップから復元(&R)...");
inline const QString kRestoreTitle = QStringLiteral("バックアップから復元");
inline const QString kRestorePrompt =
    QStringLiteral("読み込むバックアップを選んでください。\n"
                   "住所録ファイルは上書き保存するまで変わりません。");
// The columns of the list: when the file was replaced, its cards and its size.
inline const QStringList kBackupHeadings{QStringLiteral("日時"), QStringLiteral("カード数"),
                                         QStringLiteral("サイズ")};
// %1 is the size in bytes, with thousands separators.
inline const QString kBackupSize = QStringLiteral("%1 バイト");
// A backup that cannot be read as an address book has no number of cards.
inline const QString kBackupCardsUnknown = QStringLiteral("-");
inline const QString kNoBackups = QStringLiteral("この住所録のバックアップはありません");

// The About box's line before the folder of the user's files.
inline const QString kDataFolderCaption = QStringLiteral("住所録の場所:");

} // namespace velm
