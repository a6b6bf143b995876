#include "sheets/PostcardLayout.h"

#include "sheets/PostcardBatch.h"
#include "support/Bytes.h"
#include "support/Cards.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velm
{
namespace
{

constexpr double kTolerance = 1e-6;

AddressSide Side(const test::CardText& text, const PostcardOptions& options = {})
{
    std::optional<AddressSide> side = LayOutAddressSide(test::SjisCard(text), options);
    EXPECT_TRUE(side.has_value());
    return side.value_or(AddressSide{});
}

// The first glyph of a character; a blank glyph when there is none.
PlacedGlyph Glyph(const AddressSide& side, char32_t ch, std::size_t nth = 0)
{
    for (const PlacedGlyph& glyph : side.glyphs) {
        if (glyph.ch == ch && nth-- == 0)
            return glyph;
    }
    ADD_FAILURE() << "no glyph " << static_cast<unsigned>(ch);
    return {};
}

// The characters whose centres lie at x (shifted punctuation aside), top to bottom.
std::u32string TextAt(const AddressSide& side, double x)
{
    std::vector<PlacedGlyph> column;
    for (const PlacedGlyph& glyph : side.glyphs) {
        if (std::abs(glyph.x - x) < kTolerance)
            column.push_back(glyph);
    }
    std::ranges::sort(column, {}, &PlacedGlyph::y);
    std::u32string text;
    for (const PlacedGlyph& glyph : column)
        text += glyph.ch;
    return text;
}

TEST(PostcardLayout, BoxesLieAsJapanPostPrintsThem)
{
    const auto boxes = PostalBoxes();
    const double gaps[] = {1.3, 1.3, 1.9, 1.1, 1.1, 1.1};
    for (std::size_t i = 0; i + 1 < boxes.size(); ++i)
        EXPECT_NEAR(boxes[i + 1].left - boxes[i].left - boxes[i].width, gaps[i], kTolerance) << i;
    EXPECT_NEAR(kPostcardWidth - boxes.back().left - boxes.back().width, 8.0, kTolerance);
    EXPECT_NEAR(boxes.front().centreY(), 16.0, kTolerance);
}

TEST(PostcardLayout, PutsEachPostalDigitUprightInTheCentreOfItsBox)
{
    const AddressSide side = Side({.Name1 = "山田", .PostNo = "〒１２３-4567"});
    EXPECT_EQ(side.postalCode, PostalCodePlace::Boxes);
    std::vector<PlacedGlyph> digits;
    std::ranges::copy_if(side.glyphs, std::back_inserter(digits),
                         [](const PlacedGlyph& g) { return g.font == FontRole::Gothic; });
    const auto boxes = PostalBoxes();
    ASSERT_EQ(digits.size(), boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(digits[i].ch, U"1234567"[i]);
        EXPECT_NEAR(digits[i].x, boxes[i].centreX(), kTolerance);
        EXPECT_NEAR(digits[i].y, boxes[i].centreY(), kTolerance);
        EXPECT_FALSE(digits[i].rotated);
        // Figures take about three quarters of the em square: about 5 mm of the 8 mm box.
        EXPECT_NEAR(digits[i].size * 0.75, 5.0, 0.3);
    }
}

TEST(PostcardLayout, AddressWithoutSevenDigitsCarriesTheCodeAtItsHead)
{
    const AddressSide side = Side({.Name1 = "山田", .Jusyo1 = "東京", .PostNo = "〒12-34"});
    EXPECT_EQ(side.postalCode, PostalCodePlace::AddressHead);
    EXPECT_EQ(TextAt(side, Glyph(side, U'東').x), U"〒１２｜３４東京");
}

TEST(PostcardLayout, SetsColumnsFromRightToLeftWithTheSecondLineTwoCharactersLower)
{
    const AddressSide side = Side({.Name1 = "山田 太郎",
                                   .Jusyo1 = "東京都",
                                   .Jusyo2 = "丸ビル",
                                   .biko1 = "会社",
                                   .biko2 = "部署"});
    const double xs[] = {Glyph(side, U'東').x, Glyph(side, U'丸').x, Glyph(side, U'会').x,
                         Glyph(side, U'部').x, Glyph(side, U'山').x};
    EXPECT_TRUE(std::ranges::is_sorted(xs, std::ranges::greater()));
    EXPECT_NEAR(Glyph(side, U'山').x, kPostcardWidth / 2, kTolerance);
    EXPECT_EQ(TextAt(side, xs[0]), U"東京都");
    EXPECT_EQ(TextAt(side, xs[4]), U"山田太郎様");
    const double pitch = Glyph(side, U'京').y - Glyph(side, U'東').y;
    EXPECT_NEAR(Glyph(side, U'丸').y, Glyph(side, U'東').y + 2 * pitch, kTolerance);
    EXPECT_LT(Glyph(side, U'会').size, Glyph(side, U'東').size);
    EXPECT_GT(Glyph(side, U'山').size, Glyph(side, U'東').size);
    // The gap between family and given name.
    EXPECT_GT(Glyph(side, U'太').y - Glyph(side, U'田').y,
              Glyph(side, U'田').y - Glyph(side, U'山').y);
}

TEST(PostcardLayout, TurnsDashesAndMovesPunctuationAndSmallKanaUpAndRight)
{
    const AddressSide side = Side({.Name1 = "山田", .Jusyo1 = "あ、ーっい"});
    const PlacedGlyph first = Glyph(side, U'あ');
    const double pitch = (Glyph(side, U'い').y - first.y) / 4;
    const struct {
        char32_t ch;
        int cell;
        bool rotated;
        double right; // shift from the cell's centre, as shares of the size
        double up;
    } kCases[] = {{U'あ', 0, false, 0, 0},
                  {U'、', 1, false, 0.6, 0.6},
                  {U'ー', 2, true, 0, 0},
                  {U'っ', 3, false, 0.1, 0.1}};
    for (const auto& c : kCases) {
        const PlacedGlyph glyph = Glyph(side, c.ch);
        EXPECT_EQ(glyph.rotated, c.rotated) << static_cast<unsigned>(c.ch);
        EXPECT_NEAR(glyph.x - first.x, c.right * first.size, kTolerance);
        EXPECT_NEAR(first.y + c.cell * pitch - glyph.y, c.up * first.size, kTolerance);
    }
}

TEST(PostcardLayout, WritesAddressDigitsAsKanjiOnlyWhenAsked)
{
    for (const bool kanji : {true, false}) {
        PostcardOptions options;
        options.kanjiDigits = kanji;
        const AddressSide side =
            Side({.Name1 = "一郎2世", .Jusyo1 = "町1-20", .biko1 = "第3課"}, options);
        EXPECT_EQ(TextAt(side, Glyph(side, U'町').x), kanji ? U"町一｜二〇" : U"町１｜２０");
        EXPECT_EQ(TextAt(side, Glyph(side, U'郎').x), U"一郎２世様");
        EXPECT_EQ(TextAt(side, Glyph(side, U'第').x), U"第３課");
    }
}

TEST(PostcardLayout, LinesUpAJointNameWithTheGivenName)
{
    const struct {
        std::string_view name2;
        char32_t first;   // the first character printed of the joint name
        char32_t besides; // the character of Name1 it stands beside
    } kCases[] = {
        {"山田 花子", U'花', U'太'},
        {"山田花子", U'花', U'太'},
        {"花子", U'花', U'山'},
        {"鈴木 花子", U'鈴', U'山'},
    };
    for (const auto& c : kCases) {
        const AddressSide side = Side({.Name1 = "山田 太郎", .Name2 = c.name2});
        const PlacedGlyph joint = Glyph(side, c.first);
        EXPECT_NEAR(joint.y, Glyph(side, c.besides).y, kTolerance);
        EXPECT_LT(joint.x + joint.size / 2, Glyph(side, U'山').x - Glyph(side, U'山').size / 2);
        EXPECT_EQ(std::ranges::count(side.glyphs, U'山', &PlacedGlyph::ch), 1);
        EXPECT_NEAR(Glyph(side, U'様', 0).y, Glyph(side, U'様', 1).y, kTolerance);
    }
    PostcardOptions single;
    single.jointNames = false;
    const AddressSide side = Side({.Name1 = "山田 太郎", .Name2 = "花子"}, single);
    EXPECT_EQ(std::ranges::count(side.glyphs, U'花', &PlacedGlyph::ch), 0);
}

TEST(PostcardLayout, WritesSenseiForTheMarkSenAndSamaOtherwiseAndNeverCutsIt)
{
    const std::string longName = test::Repeated("山", 40);
    const struct {
        std::string_view name;
        std::string_view mark;
        std::u32string_view columnEnd;
        bool cut;
    } kCases[] = {{"山田", "先", U"山田先生", false},
                  {"山田", "先生", U"山田様", false},
                  {"山田", "", U"山田様", false},
                  {"山田", "\u3000先", U"山田様", false},
                  {longName, "先", U"山…先生", true}};
    for (const auto& c : kCases) {
        const AddressSide side = Side({.Name1 = c.name, .Mark = c.mark});
        EXPECT_TRUE(TextAt(side, kPostcardWidth / 2).ends_with(c.columnEnd));
        EXPECT_EQ(side.textCut, c.cut);
    }
}

TEST(PostcardLayout, SetsLongTextCloserThenSmallerThenInTwoColumnsThenCutsIt)
{
    const struct {
        std::size_t length;
        bool closer;
        bool smaller;
        std::size_t columns;
        bool cut;
    } kCases[] = {{10, false, false, 1, false},
                  {18, true, false, 1, false},
                  {20, true, true, 1, false},
                  {40, true, true, 2, false},
                  {127, true, true, 2, true}};
    const PlacedGlyph single = Glyph(Side({.Name1 = "山田", .Jusyo1 = "東"}), U'東');
    const AddressSide two = Side({.Name1 = "山田", .Jusyo1 = "東東"});
    const double nominalPitch = Glyph(two, U'東', 1).y - Glyph(two, U'東').y;
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.length);
        const AddressSide side = Side({.Name1 = "山田", .Jusyo1 = test::Repeated("東", c.length)});
        std::vector<PlacedGlyph> set;
        std::ranges::copy_if(side.glyphs, std::back_inserter(set),
                             [](const PlacedGlyph& g) { return g.ch == U'東' || g.ch == U'…'; });
        EXPECT_EQ(set[1].y - set[0].y < nominalPitch - kTolerance, c.closer);
        EXPECT_EQ(set[0].size < single.size - kTolerance, c.smaller);
        EXPECT_GE(set[0].size, single.size * 0.6 - kTolerance);
        std::vector<double> xs;
        for (const PlacedGlyph& glyph : set)
            xs.push_back(glyph.x);
        std::ranges::sort(xs);
        EXPECT_EQ(static_cast<std::size_t>(std::ranges::unique(xs).begin() - xs.begin()),
                  c.columns);
        EXPECT_EQ(side.textCut, c.cut);
        EXPECT_EQ(set.back().ch == U'…', c.cut);
    }
}

// A card and a sender with every field full of double-byte text.
PostcardOptions FullSender(double offsetX, double offsetY)
{
    PostcardOptions options;
    const std::string full = test::Repeated("東", 127);
    options.sender = test::SjisCard(
        {.Name1 = full, .Name2 = full, .Jusyo1 = full, .Jusyo2 = full, .PostNo = "1234567"});
    options.offsetX = offsetX;
    options.offsetY = offsetY;
    return options;
}

AddressSide FullSide(const PostcardOptions& options)
{
    const std::string full = test::Repeated("東", 127);
    return Side({.Name1 = full,
                 .Name2 = full,
                 .Jusyo1 = full,
                 .Jusyo2 = full,
                 .PostNo = "1234567",
                 .biko1 = full,
                 .biko2 = full},
                options);
}

// The width a glyph takes: half its em square for a half-width character.
double Width(const PlacedGlyph& glyph)
{
    return glyph.ch < 0x80 ? glyph.size / 2 : glyph.size;
}

bool Overlap(const PlacedGlyph& a, const PlacedGlyph& b)
{
    return std::abs(a.x - b.x) < (Width(a) + Width(b)) / 2 - kTolerance &&
           std::abs(a.y - b.y) < (a.size + b.size) / 2 - kTolerance;
}

TEST(PostcardLayout, KeepsEveryGlyphOnTheCardAndApartFromTheOthers)
{
    for (const double offset : {0.0, -5.0, 5.0}) {
        const AddressSide side = FullSide(FullSender(offset, -offset));
        for (const PlacedGlyph& glyph : side.glyphs) {
            EXPECT_GE(glyph.x - glyph.size / 2, 0);
            EXPECT_LE(glyph.x + glyph.size / 2, kPostcardWidth);
            EXPECT_GE(glyph.y - glyph.size / 2, 0);
            EXPECT_LE(glyph.y + glyph.size / 2, kPostcardHeight);
        }
        for (std::size_t i = 0; i < side.glyphs.size(); ++i) {
            for (std::size_t j = i + 1; j < side.glyphs.size(); ++j)
                EXPECT_FALSE(Overlap(side.glyphs[i], side.glyphs[j])) << i << " " << j;
        }
    }
}

TEST(PostcardLayout, MovesEverythingByTheOffsetUpToFiveMillimetres)
{
    const AddressSide still = FullSide(FullSender(0, 0));
    const struct {
        double x, y;           // asked for
        double movedX, movedY; // expected
    } kCases[] = {{1.5, -0.5, 1.5, -0.5}, {-5.0, 5.0, -5.0, 5.0}, {9.0, -7.5, 5.0, -5.0}};
    for (const auto& c : kCases) {
        const AddressSide moved = FullSide(FullSender(c.x, c.y));
        ASSERT_EQ(moved.glyphs.size(), still.glyphs.size());
        for (std::size_t i = 0; i < still.glyphs.size(); ++i) {
            EXPECT_NEAR(moved.glyphs[i].x - still.glyphs[i].x, c.movedX, kTolerance);
            EXPECT_NEAR(moved.glyphs[i].y - still.glyphs[i].y, c.movedY, kTolerance);
        }
    }
}

TEST(PostcardLayout, PutsTheSenderSmallInTheLowerLeftWithItsDigitsInARow)
{
    PostcardOptions options;
    options.sender =
        test::SjisCard({.Name1 = "鈴木 一郎", .Jusyo1 = "大阪市北区", .PostNo = "530-0001"});
    const AddressSide side = Side({.Name1 = "山田", .PostNo = "1000005"}, options);
    std::vector<PlacedGlyph> digits;
    for (const PlacedGlyph& glyph : side.glyphs) {
        if (glyph.ch == U'大' || glyph.ch == U'鈴') {
            EXPECT_LT(glyph.x + glyph.size / 2, kPostcardWidth / 3);
            EXPECT_GT(glyph.y, kPostcardHeight / 2);
            EXPECT_LE(glyph.size, Glyph(side, U'山').size / 2);
        }
        if (glyph.font == FontRole::Gothic && glyph.y > kPostcardHeight / 2)
            digits.push_back(glyph);
    }
    ASSERT_EQ(digits.size(), 7u);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        EXPECT_EQ(digits[i].ch, U"5300001"[i]);
        EXPECT_DOUBLE_EQ(digits[i].y, digits[0].y);
        if (i > 0) {
            EXPECT_GT(digits[i].x, digits[i - 1].x);
        }
    }
    EXPECT_GT(digits[0].y, Glyph(side, U'大').y);
}

TEST(PostcardBatch, ChoosesCardsByMarkOrTheCardOnScreen)
{
    const std::vector<CardRecord> cards = {test::SjisCard({.Name1 = "一", .Mark = "友"}),
                                           test::SjisCard({.Name1 = "二"}),
                                           test::SjisCard({.Name1 = "三", .Mark = "友人"})};
    const struct {
        PostcardSelection selection;
        std::vector<int> expected;
    } kCases[] = {
        {{PostcardChoice::All, "", 0}, {1, 2, 3}},
        {{PostcardChoice::Marked, "", 0}, {1, 3}},
        {{PostcardChoice::MarkEquals, test::Sjis("友  "), 0}, {1}},
        {{PostcardChoice::MarkEquals, "", 0}, {2}},
        {{PostcardChoice::Current, "", 2}, {2}},
        {{PostcardChoice::Current, "", 4}, {}},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(ChoosePostcards(cards, c.selection), c.expected);
}

TEST(PostcardBatch, SkipsCardsWithoutANameAndNamesThoseWithFaults)
{
    const std::vector<CardRecord> cards = {
        test::SjisCard({.Name1 = "一", .PostNo = "1000005"}),
        test::SjisCard({.Name1 = "\u3000", .PostNo = "1000005"}),
        test::SjisCard({.Name1 = "三", .PostNo = "100"}),
        test::SjisCard({.Name1 = "四", .Jusyo1 = test::Repeated("東", 127), .PostNo = "1000005"}),
        test::SjisCard({.Name1 = "五", .PostNo = " \u3000"})};
    const PostcardRun run = LayOutPostcards(cards, std::vector<int>{5, 4, 3, 2, 1}, {});
    std::vector<int> pages;
    for (const PostcardPage& page : run.pages)
        pages.push_back(page.cardNumber);
    EXPECT_EQ(pages, (std::vector<int>{5, 4, 3, 1}));
    EXPECT_EQ(run.skippedWithoutName, std::vector<int>{2});
    EXPECT_EQ(run.postalCodeNotSevenDigits, std::vector<int>{3});
    EXPECT_EQ(run.withoutPostalCode, std::vector<int>{5});
    EXPECT_EQ(run.textCut, std::vector<int>{4});
}

// The sender is the card of its number, printed as LayOutPostcards prints a given sender; a
// number that is none of the cards prints none.
TEST(PostcardBatch, MakesThePostcardsOfARequestWithItsSenderByNumber)
{
    const std::vector<CardRecord> cards = {test::SjisCard({.Name1 = "一", .Mark = "友"}),
                                           test::SjisCard({.Name1 = "二"})};
    for (const int sender : {0, 1, 2, 3}) {
        PostcardRequest request;
        request.selection.choice = PostcardChoice::Marked;
        request.senderCard = sender;
        PostcardOptions options;
        if (sender == 1 || sender == 2)
            options.sender = cards[static_cast<std::size_t>(sender) - 1];
        const PostcardRun run = MakePostcards(cards, request);
        ASSERT_EQ(run.pages.size(), 1u) << sender;
        EXPECT_EQ(run.pages[0].cardNumber, 1) << sender;
        EXPECT_EQ(run.pages[0].side.glyphs, LayOutAddressSide(cards[0], options)->glyphs) << sender;
    }
}

} // namespace
} // namespace velm
