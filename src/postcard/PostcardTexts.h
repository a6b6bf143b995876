#pragma once

#include <QString>

// The texts of postcard printing that a person reads.
namespace velm::PostcardTexts
{

// The summary after printing. %1 is a count or a list of card numbers.
inline const QString kPagesMade = QStringLiteral("%1枚の宛名面を作成しました。");
inline const QString kSkippedWithoutName =
    QStringLiteral("名前１が空欄のため印刷しなかったカード：%1");
inline const QString kPostalCodeNotSevenDigits =
    QStringLiteral("郵便番号が7桁でないため住所の先頭に印刷したカード：%1");
inline const QString kTextCut = QStringLiteral("入りきらない文字を「…」で省略したカード：%1");
// Between the card numbers of a list, and after its first numbers when it is long.
inline const QString kNumberSeparator = QStringLiteral("、");
inline const QString kMoreNumbers = QStringLiteral(" ほか%1枚");

// The options dialog.
inline const QString kDialogTitle = QStringLiteral("宛名印刷");
inline const QString kCardsGroup = QStringLiteral("印刷するカード");
inline const QString kAllCards = QStringLiteral("すべてのカード(&A)");
inline const QString kMarkedCards = QStringLiteral("印のあるカード(&M)");
inline const QString kMarkEquals = QStringLiteral("印が次の文字のカード(&E):");
inline const QString kCurrentCard = QStringLiteral("表示中のカード(&C)");
inline const QString kSenderGroup = QStringLiteral("差出人");
inline const QString kPrintSender = QStringLiteral("差出人を印刷する(&S)");
inline const QString kSenderCard = QStringLiteral("カード番号(&N):");
inline const QString kStyleGroup = QStringLiteral("書き方");
inline const QString kJointNames = QStringLiteral("連名を印刷する(&J)");
inline const QString kKanjiDigits = QStringLiteral("住所の数字を漢数字にする(&K)");
inline const QString kOffsetGroup =
    QStringLiteral("位置の調整（プリンターの送りのずれを直します）");
inline const QString kOffsetRight = QStringLiteral("右へ(&X):");
inline const QString kOffsetDown = QStringLiteral("下へ(&Y):");
inline const QString kMillimetreSuffix = QStringLiteral(" mm");
inline const QString kCancel = QStringLiteral("キャンセル");

// The PDF's document information.
inline const QString kPdfCreator = QStringLiteral("VELM");
inline const QString kPdfTitle = QStringLiteral("宛名印刷");

} // namespace velm::PostcardTexts
