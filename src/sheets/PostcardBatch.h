#pragma once

#include "sheets/PostcardLayout.h"
#include "store/CardRecord.h"

#include <span>
#include <string>
#include <vector>

namespace velm
{

// Which cards get a postcard.
enum class PostcardChoice {
    All,        // every card
    Marked,     // the cards whose 印 is not empty
    MarkEquals, // the cards whose 印 is exactly a given text
    Current,    // the card on screen
};

struct PostcardSelection {
    PostcardChoice choice = PostcardChoice::All;
    // For MarkEquals: the text as Shift-JIS. Trailing spaces do not count, as a stored 印
    // never ends in one.
    std::string mark;
    // For Current: the number of the card on screen.
    int currentCard = 0;
};

// The numbers (1-based) of the chosen cards among `cards`, card 1 first, in order. The card
// on screen is chosen only when it is one of `cards`.
std::vector<int> ChoosePostcards(std::span<const CardRecord> cards,
                                 const PostcardSelection& selection);

struct PostcardPage {
    int cardNumber = 0;
    AddressSide side;
};

// The pages of a printing run and what the user is told about it afterwards.
struct PostcardRun {
    std::vector<PostcardPage> pages;
    std::vector<int> skippedWithoutName;
    std::vector<int> postalCodeNotSevenDigits;
    std::vector<int> withoutPostalCode;
    std::vector<int> textCut;
};

// Lays out one page for each of the numbered cards that has a Name1, in the order given;
// every number is one of `cards` (1 to its size), as ChoosePostcards gives them.
PostcardRun LayOutPostcards(std::span<const CardRecord> cards, std::span<const int> numbers,
                            const PostcardOptions& options);

// What the user asks of 宛名印刷, in the dialog or on the print tool's command line.
struct PostcardRequest {
    PostcardSelection selection;
    // The number of the card printed as the sender, or 0 for none.
    int senderCard = 0;
    // Everything but the sender, which is the card numbered senderCard.
    PostcardOptions options;
};

// The postcards of the chosen cards among `cards` (card 1 first), with the numbered card as
// the sender; a number that is not one of `cards` gives no sender.
PostcardRun MakePostcards(std::span<const CardRecord> cards, const PostcardRequest& request);

} // namespace velm
