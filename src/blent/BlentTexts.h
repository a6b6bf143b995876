#pragma once

#include <QString>

// The texts that the print tool shows or writes to its standard error.
namespace velm::blent::texts
{

inline const QString kCaption = QStringLiteral("Blent");
// %1: the file's name.
inline const QString kWindowTitle = QStringLiteral("%1 - Blent");
// The header's page number and date.
inline const QString kPageNumber = QStringLiteral("- %1 -");
inline const QString kDateFormat = QStringLiteral("yyyy/MM/dd");

inline const QString kOpenTitle = QStringLiteral("印刷するファイルを開く");
inline const QString kOpenFilter = QStringLiteral("テキストファイル (*.txt);;すべてのファイル (*)");

// Messages on the standard error start with the tool's name.
inline const QString kErrorPrefix = QStringLiteral("Blent.exe: ");
inline const QString kUsage = QStringLiteral("使い方: Blent.exe [--pdf 出力.pdf] ファイル");
inline const QString kPdfPathMissing =
    QStringLiteral("--pdf のあとに書き出すPDFの名前がありません");
inline const QString kFileMissing = QStringLiteral("印刷するファイルの名前がありません");

// The postcards of an address book.
inline const QString kPostcardsUsage =
    QStringLiteral("使い方: Blent.exe --postcards 出力.pdf [--marked | --mark 印] [--sender 番号] "
                   "[--offset X,Y] [--no-kanji-digits] [--no-joint-names] 住所録.txt");
inline const QString kPostcardsPdfMissing =
    QStringLiteral("--postcards のあとに書き出すPDFの名前がありません");
inline const QString kAddressBookMissing = QStringLiteral("住所録ファイルの名前がありません");
// %1: the option.
inline const QString kValueMissing = QStringLiteral("%1 のあとに値がありません");
inline const QString kUnknownOption = QStringLiteral("%1 というオプションはありません");
inline const QString kOneMarkChoice =
    QStringLiteral("--marked と --mark はどちらか一つだけ指定できます");
// %1: the value given.
inline const QString kBadSenderNumber =
    QStringLiteral("--sender のカード番号 %1 は使えません（1 から 999）");
inline const QString kBadOffset =
    QStringLiteral("--offset の値 %1 は使えません（X,Y の mm、それぞれ -5.0 から 5.0）");
// %1: the address book's name; %2: the card number.
inline const QString kNoSenderCard = QStringLiteral("%1 にはカード %2 がありません");
// %1: the address book's name.
inline const QString kNoPostcards = QStringLiteral("%1 には印刷する宛名面がありません");
// The PDF's title. %1: the address book's name.
inline const QString kPostcardsTitle = QStringLiteral("宛名印刷 - %1");
// Why an address book cannot be read, after kCannotRead.
inline const QString kNoCards = QStringLiteral("住所録カードがありません");
inline const QString kTooManyCards = QStringLiteral("カードが999件を超えています");

// %1: the path; %2: the reason, one of those below.
inline const QString kCannotRead = QStringLiteral("%1 を読み込めません: %2");
inline const QString kNotAFile = QStringLiteral("通常のファイルではありません");
inline const QString kNotFound = QStringLiteral("ファイルが見つかりません");
inline const QString kAccessDenied = QStringLiteral("アクセスが拒否されました");
inline const QString kTooLarge = QStringLiteral("64 MB を超えるファイルは印刷できません");
// %1: the system's error number.
inline const QString kInputOutputError = QStringLiteral("入出力エラー %1");
// %1: the PDF's path.
inline const QString kCannotWritePdf = QStringLiteral("%1 を書き込めません");

// The format's values that leave no room on the paper. %1: the file's name.
inline const QString kNoRoomForLine = QStringLiteral(
    "%1 の書式では用紙に1行も入らないため印刷しません（上余白 %2 mm、フォントサイズ %3 "
    "ポイント、用紙の高さ %4 mm）");
inline const QString kNoRoomForCharacter = QStringLiteral(
    "%1 の書式では用紙に1字も入らないため印刷しません（左余白 %2 mm、フォントサイズ %3 "
    "ポイント、字間 %4 ％、用紙の幅 %5 mm）");
// %1: the file's name; %2: the page limit; %3 to %5: the lines per page and what sets them.
inline const QString kTooManyPages = QStringLiteral(
    "%1 は %2 頁を超えるため印刷しません（1頁 %3 行: フォントサイズ %4 ポイント、行間 %5 ％）");

} // namespace velm::blent::texts
