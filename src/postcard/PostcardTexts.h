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

// The PDF's document information.
inline const QString kPdfCreator = QStringLiteral("VELM");
inline const QString kPdfTitle = QStringLiteral("宛名印刷");

} // namespace velm::PostcardTexts
