#pragma once

#include <QString>
#include <array>

// The texts of the card list window and of the menu item that opens it.
namespace velm::CardListTexts
{

inline const QString kMenuItem = QStringLiteral("カード一覧(&L)...");
inline const QString kWindowTitle = QStringLiteral("カード一覧");
inline const QString kSearchPlaceholder = QStringLiteral("名前・読み・住所・電話などで検索");

// The column headers, left to right.
inline const std::array<QString, 9> kColumnHeaders{
    QStringLiteral("Ｎｏ．"), QStringLiteral("名前１"), QStringLiteral("名前２"),
    QStringLiteral("読み"),   QStringLiteral("印"),     QStringLiteral("〒"),
    QStringLiteral("住所１"), QStringLiteral("電話"),   QStringLiteral("会社"),
};

// "n / CardCount 件": the cards shown and the cards in the store.
inline QString ShownOfCount(int shown, int count)
{
    return QStringLiteral("%1 / %2 件").arg(shown).arg(count);
}

} // namespace velm::CardListTexts
