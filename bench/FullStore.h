#pragma once

#include "store/CardRecord.h"

#include <string>
#include <vector>

namespace velm
{

class CardStore;

// The largest store the program holds: 999 cards, each of the eleven fields 255 bytes of
// double-byte text (127 Shift-JIS kanji and kana and one ASCII digit), no two cards alike.
std::vector<CardRecord> FullStoreCards();

// A card store holding FullStoreCards(), made on first use.
const CardStore& FullStore();

} // namespace velm
