#pragma once

#include "store/CardRecord.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace velm
{

// The address side of a postcard (通常はがき), 100 × 148 mm, portrait. Every position is in mm
// from the card's top left corner, x to the right and y down.
inline constexpr double kPostcardWidth = 100.0;
inline constexpr double kPostcardHeight = 148.0;

// A postal-code box printed on the card.
struct PostalBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double centreX() const { return left + width / 2; }
    double centreY() const { return top + height / 2; }
};

// The seven postal-code boxes as Japan Post places them, left to right.
std::array<PostalBox, 7> PostalBoxes();

// The seven digits of a postal code, half-width or full-width, in order and half-width;
// every other character (〒, hyphens, spaces) is passed over. Nothing when there are not
// exactly seven.
std::optional<std::u32string> PostalDigits(std::u32string_view postNo);

enum class FontRole { Mincho, Gothic };

// One character placed on the card: the centre and side of its em square (a half-width
// character is centred in the half of it that it takes), whether it is turned 90°
// clockwise about that centre, and its typeface.
struct PlacedGlyph {
    char32_t ch = 0;
    double x = 0;
    double y = 0;
    double size = 0;
    bool rotated = false;
    FontRole font = FontRole::Mincho;

    friend bool operator==(const PlacedGlyph&, const PlacedGlyph&) = default;
};

struct PostcardOptions {
    // The card printed as the sender in the lower left, when there is one.
    std::optional<CardRecord> sender;
    // 連名: Name2 as a second addressee beside Name1.
    bool jointNames = true;
    // 漢数字: the digits of the addresses as kanji numerals.
    bool kanjiDigits = true;
    // Moves everything by this much, -5.0 to +5.0 mm each, for printers that feed off-centre.
    double offsetX = 0;
    double offsetY = 0;
};

inline constexpr double kMaxPostcardOffset = 5.0;

// The address side of one card.
// Where a card's postal code went: into the boxes, to the head of the address when it did
// not give seven digits, or nowhere when the card has none.
enum class PostalCodePlace { Boxes, AddressHead, None };

struct AddressSide {
    std::vector<PlacedGlyph> glyphs;
    PostalCodePlace postalCode = PostalCodePlace::None;
    // True when a text did not fit even in its smallest size and was ended with "…".
    bool textCut = false;
};

// Lays out the address side of `card`: postal digits in the boxes, address and company on
// the right, the name with its honorific down the middle, the sender in the lower left.
// Nothing for a card without Name1.
std::optional<AddressSide> LayOutAddressSide(const CardRecord& card,
                                             const PostcardOptions& options);

} // namespace velm
