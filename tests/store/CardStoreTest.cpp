#include "store/CardStore.h"

#include "support/Cards.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace velm
{
namespace
{

using test::DescribeCard;
using test::MakeCard;

CardRecord NamedCard(const std::string& name)
{
    return MakeCard({name, "n2", "yomi", "M", "j1", "j2", "100-0001", "03", "b1", "b2", "b3"});
}

BoxTexts Boxes(const std::string& name1)
{
    return {name1, "n2", "yomi", "M", "j1", "j2", "100-0001", "03", "b1", "b2", "b3"};
}

// A store holding cards named "1".."n"; the new-card slot n + 1 holds `newCard`.
std::unique_ptr<CardStore> StoreWithCards(int n, const CardRecord& newCard = {})
{
    auto store = std::make_unique<CardStore>();
    std::vector<CardRecord> cards;
    for (int k = 1; k <= n; ++k)
        cards.push_back(NamedCard(std::to_string(k)));
    store->replaceCards(cards);
    if (n < CardStore::kCapacity)
        store->card(n + 1) = newCard;
    return store;
}

std::string Names(const CardStore& store, int upTo)
{
    std::string names;
    for (int k = 1; k <= upTo; ++k)
        names += "[" + store.card(k).Name1.str() + "]";
    return names;
}

struct CommitCase {
    const char* what;
    int count;         // cards before the commit
    int slot;          // the card committed
    std::string name1; // the Name1 box
    int countAfter;
    std::string storedName1;
};

TEST(CardStoreCommit, CountsANewCardOnlyWhenItsTrimmedNameIsNotEmpty)
{
    const CommitCase cases[] = {
        {"new card with a name", 2, 3, "Sato", 3, "Sato"},
        {"new card without a name", 2, 3, "", 2, ""},
        {"name of spaces and controls", 2, 3, " \t\x01 ", 2, ""},
        {"leading spaces stay", 2, 3, "  Sato \r\n", 3, "  Sato"},
        {"counted card loses its name", 2, 2, "", 2, ""},
        {"first card of an empty store", 0, 1, "A", 1, "A"},
        {"last slot of a nearly full store", 998, 999, "Z", 999, "Z"},
    };
    for (const CommitCase& c : cases) {
        auto store = StoreWithCards(c.count);
        store->commit(c.slot, Boxes(c.name1));
        EXPECT_EQ(store->CardCount, c.countAfter) << c.what;
        EXPECT_EQ(store->card(c.slot).Name1.view(), c.storedName1) << c.what;
        EXPECT_EQ(store->card(c.slot).Tel.view(), "03") << c.what;
        EXPECT_TRUE(store->StoreModified) << c.what;
    }
}

TEST(CardStoreCommit, TrimsCutsAndMakesEveryValueFileSafe)
{
    auto store = StoreWithCards(1);
    BoxTexts boxes;
    boxes[0] = "A\x81\x7A"
               "B"; // A】B
    boxes[1] = "\x82\x81"
               "z";                   // ａz
    boxes[4] = std::string(300, 'x'); // Jusyo1 longer than a field holds
    boxes[7] = "\t03 \x7F";           // 0x7F is not blank
    boxes[10] = "memo\x1A\x1A";
    store->commit(1, boxes);
    const CardRecord& card = store->card(1);
    EXPECT_EQ(card.Name1.view(), "A\x81\x6E"
                                 "B")
        << DescribeCard(card);                                              // A］B
    EXPECT_EQ(card.Name2.view(), "\x82\x81\x82\x9A") << DescribeCard(card); // ａｚ
    EXPECT_EQ(card.Jusyo1.view(), std::string(255, 'x'));
    EXPECT_EQ(card.Tel.view(), "\t03 \x7F") << DescribeCard(card);
    EXPECT_EQ(card.biko3.view(), "memo") << DescribeCard(card);
    EXPECT_TRUE(card.Yomi.empty());
    EXPECT_EQ(store->CardCount, 1);
}

TEST(CardStoreInsert, MovesTheCardsFromThePositionUpAndBlanksIt)
{
    struct InsertCase {
        int count;
        int position;
        std::string names; // names of cards 1..count + 1 afterwards
    };
    const InsertCase cases[] = {
        {3, 1, "[][1][2][3]"}, {3, 2, "[1][][2][3]"}, {3, 3, "[1][2][][3]"},
        {3, 4, "[1][2][3][]"}, {0, 1, "[]"},
    };
    for (const InsertCase& c : cases) {
        auto store = StoreWithCards(c.count, NamedCard("new"));
        ASSERT_TRUE(store->insertBlank(c.position)) << c.position;
        EXPECT_EQ(store->CardCount, c.count + 1);
        EXPECT_EQ(Names(*store, c.count + 1), c.names) << "insert at " << c.position;
        EXPECT_EQ(store->card(c.position), CardRecord{}) << DescribeCard(store->card(c.position));
        EXPECT_FALSE(store->StoreModified);
    }
}

TEST(CardStoreInsert, RefusesAFullStoreAndPositionsOutsideTheCards)
{
    auto full = StoreWithCards(CardStore::kCapacity);
    EXPECT_FALSE(full->insertBlank(1));
    EXPECT_FALSE(full->insertBlank(CardStore::kCapacity + 1));
    EXPECT_EQ(full->CardCount, CardStore::kCapacity);
    EXPECT_EQ(full->card(1).Name1.view(), "1");
    EXPECT_EQ(full->card(CardStore::kCapacity).Name1.view(), "999");

    auto store = StoreWithCards(2);
    EXPECT_FALSE(store->insertBlank(0));
    EXPECT_FALSE(store->insertBlank(4));
    EXPECT_EQ(Names(*store, 2), "[1][2]");
    EXPECT_EQ(store->CardCount, 2);
}

TEST(CardStoreDelete, MovesTheFollowingCardsAndTheNewCardSlotDown)
{
    struct DeleteCase {
        int count;
        int card;
        std::string names; // names of cards 1..count afterwards, the last from the new-card slot
    };
    const DeleteCase cases[] = {
        {3, 1, "[2][3][new]"},
        {3, 2, "[1][3][new]"},
        {3, 3, "[1][2][new]"},
        {1, 1, "[new]"},
    };
    for (const DeleteCase& c : cases) {
        auto store = StoreWithCards(c.count, NamedCard("new"));
        ASSERT_TRUE(store->deleteCard(c.card));
        EXPECT_EQ(store->CardCount, c.count - 1);
        EXPECT_EQ(Names(*store, c.count), c.names) << "delete " << c.card;
        EXPECT_EQ(store->card(c.count + 1).Name1.view(), "new") << "the new-card slot stays";
        EXPECT_TRUE(store->StoreModified);
    }
}

TEST(CardStoreDelete, AFullStoreTreatsTheSlotAfterTheLastAsEmpty)
{
    auto store = StoreWithCards(CardStore::kCapacity);
    ASSERT_TRUE(store->deleteCard(1));
    EXPECT_EQ(store->CardCount, CardStore::kCapacity - 1);
    EXPECT_EQ(store->card(1).Name1.view(), "2");
    EXPECT_EQ(store->card(CardStore::kCapacity - 1).Name1.view(), "999");
    EXPECT_EQ(store->card(CardStore::kCapacity), CardRecord{});
}

TEST(CardStoreDelete, RefusesNumbersOutsideTheCards)
{
    for (const int c : {0, -1, 3, 4, 1000}) {
        auto store = StoreWithCards(2, NamedCard("new"));
        EXPECT_FALSE(store->deleteCard(c)) << c;
        EXPECT_EQ(store->CardCount, 2);
        EXPECT_EQ(Names(*store, 3), "[1][2][new]");
        EXPECT_FALSE(store->StoreModified);
    }
    auto empty = StoreWithCards(0);
    EXPECT_FALSE(empty->deleteCard(1));
}

// A vector with room for every slot becomes the slots; any other is copied into them. Both
// must leave the same store.
TEST(CardStoreReplace, BlanksTheSlotsAboveTheNewCardsAndClearsTheChangeFlag)
{
    for (const std::size_t room : {std::size_t{2}, std::size_t{CardStore::kCapacity}}) {
        auto store = StoreWithCards(5);
        store->StoreModified = true;
        std::vector<CardRecord> cards;
        cards.reserve(room);
        cards.push_back(NamedCard("a"));
        cards.push_back(NamedCard("b"));
        store->replaceCards(std::move(cards));
        EXPECT_EQ(store->CardCount, 2) << "room for " << room;
        EXPECT_EQ(Names(*store, 2), "[a][b]") << "room for " << room;
        for (int k = 3; k <= CardStore::kCapacity; ++k)
            ASSERT_EQ(store->card(k), CardRecord{}) << "slot " << k << ", room for " << room;
        EXPECT_FALSE(store->StoreModified) << "room for " << room;
    }
}

} // namespace
} // namespace velm
