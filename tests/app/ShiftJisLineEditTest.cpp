#include "app/ShiftJisLineEdit.h"

#include "app/AppFonts.h"
#include "support/Bytes.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velm
{
namespace
{

using namespace std::string_view_literals;
using test::HexBytes;

// The text's UTF-16 units in hex, for failure messages.
std::string Units(const QString& text)
{
    std::string out;
    for (const QChar c : text)
        out += (out.empty() ? "" : " ") + QString::number(c.unicode(), 16).toUpper().toStdString();
    return out.empty() ? "(empty)" : out;
}

QString FromUcs4(std::u32string_view text)
{
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

// A box in a shown, active window with the keyboard focus, as when the user types.
class ShiftJisLineEditTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_window = std::make_unique<QWidget>();
        m_box = new ShiftJisLineEdit(m_window.get());
        m_window->show();
        m_window->activateWindow();
        m_box->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }

    void typeText(const QString& text)
    {
        QTest::sendKeyEvent(QTest::Click, m_box, Qt::Key_unknown, text, Qt::NoModifier);
    }

    void sendInputMethodEvent(const QString& preedit, const QString& commit)
    {
        QInputMethodEvent event(preedit, {});
        event.setCommitString(commit);
        QApplication::sendEvent(m_box, &event);
    }

    std::unique_ptr<QWidget> m_window;
    ShiftJisLineEdit* m_box = nullptr;
};

struct FillCase {
    std::string_view bytes;
    std::u32string_view shown;
};

TEST_F(ShiftJisLineEditTest, GivesBackTheFilledBytesUntilTheTextChanges)
{
    const FillCase cases[] = {
        {"", U""},
        {"Taro", U"Taro"},
        {"\x8E\x52\x93\x63", U"\u5C71\u7530"}, // 山田
        {"\x82\xA0\x82", U"\u3042\uFFFD"},     // cut inside its last character
        {"\x85\x40"
         "a",
         U"\uFFFD@a"},                           // undefined code
        {"\xFA\x5C", U"\u7E8A"},                 // 纊 by its second code
        {"\x81\x7A\x81\x81z", U"\u3011\uFF1Dz"}, // 】＝z as an imported value may hold
        {"\x80\xA0\xFD", U"\u0080\uF8F0\uF8F1"},
        {"\x00\x01"sv, U"\u0000\u0001"sv},
    };
    for (const FillCase& c : cases) {
        m_box->setBytes(c.bytes);
        EXPECT_EQ(Units(m_box->text()), Units(FromUcs4(c.shown))) << HexBytes(c.bytes);
        EXPECT_EQ(HexBytes(m_box->bytes()), HexBytes(c.bytes));
    }
}

TEST_F(ShiftJisLineEditTest, FillingFiresTextChangedButNotTextEdited)
{
    QSignalSpy changed(m_box, &QLineEdit::textChanged);
    QSignalSpy edited(m_box, &QLineEdit::textEdited);
    m_box->setBytes("\x82\xA0");
    m_box->setBytes("\x82\xA0");
    m_box->setBytes("a");
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(edited.count(), 0);
}

TEST_F(ShiftJisLineEditTest, FillingWithTheSameTextByOtherBytesKeepsTheNewBytes)
{
    m_box->setBytes("\xED\x40"); // 纊
    m_box->setBytes("\xFA\x5C"); // 纊 by its second code
    EXPECT_EQ(HexBytes(m_box->bytes()), HexBytes("\xFA\x5C"));
}

struct EditCase {
    const char* name;
    std::string_view filled;
    int cursor;
    std::u32string_view typed;
    std::u32string_view shown;
    int shownCursor;
    std::string_view bytes;
};

// Typing goes through the same path as a key press with text; every edit makes the whole
// text storable, the filled part included.
TEST_F(ShiftJisLineEditTest, TypingStoresWhatTheBoxShows)
{
    const EditCase cases[] = {
        {"plain", "ab", 1, U"x", U"axb", 2, "axb"},
        {"emoji", "ab", 2, U"\U0001F600", U"ab?", 3, "ab?"},
        {"kanji outside", "", 0, U"\U00020BB7", U"?", 1, "?"},
        {"wave dash", "1", 1, U"\u301C", U"1\u301C", 2, "1\x81\x60"},
        {"minus sign", "", 0, U"\u2212", U"\u2212", 1, "\x81\x7C"},
        {"closing bracket", "a", 0, U"\u3011", U"\uFF3Da", 1,
         "\x81\x6E"
         "a"},
        {"z after trail 0x81", "\x81\x81", 1, U"z", U"\uFF1D\uFF5A", 2, "\x81\x81\x82\x9A"},
        {"undecodable byte",
         "\x82\xA0\x85"
         "a",
         1, U"x", U"\u3042x?a", 2, "\x82\xA0x?a"},
        {"cut character", "\x82\xA0\x82", 0, U"b", U"b\u3042?", 1, "b\x82\xA0?"},
        {"filled bracket", "\x81\x7A", 1, U"b", U"\uFF3Db", 2,
         "\x81\x6E"
         "b"},
    };
    for (const EditCase& c : cases) {
        m_box->setBytes(c.filled);
        m_box->setCursorPosition(c.cursor);
        typeText(FromUcs4(c.typed));
        EXPECT_EQ(Units(m_box->text()), Units(FromUcs4(c.shown))) << c.name;
        EXPECT_EQ(m_box->cursorPosition(), c.shownCursor) << c.name;
        EXPECT_EQ(HexBytes(m_box->bytes()), HexBytes(c.bytes)) << c.name;
    }
}

// An edited text takes each character's first code; the text as filled takes its own bytes.
TEST_F(ShiftJisLineEditTest, TypingAndDeletingBackGivesTheFilledBytes)
{
    m_box->setBytes("\xFA\x5C");
    m_box->end(false);
    QTest::keyClick(m_box, Qt::Key_A);
    EXPECT_EQ(HexBytes(m_box->bytes()), HexBytes("\xED\x40"
                                                 "a"));
    QTest::keyClick(m_box, Qt::Key_Backspace);
    EXPECT_EQ(HexBytes(m_box->bytes()), HexBytes("\xFA\x5C"));
}

TEST_F(ShiftJisLineEditTest, TypingFiresTextEditedOnceAKey)
{
    QSignalSpy edited(m_box, &QLineEdit::textEdited);
    typeText(QStringLiteral("a"));
    typeText(FromUcs4(U"\U0001F600"));
    ASSERT_EQ(edited.count(), 2);
    EXPECT_EQ(edited.at(1).at(0).toString(), QStringLiteral("a?"));
}

TEST_F(ShiftJisLineEditTest, PastedTextIsMadeStorable)
{
    m_box->setBytes("<>");
    m_box->setCursorPosition(1);
    QApplication::clipboard()->setText(FromUcs4(U"\u3011\U0001F600\uFF1Dz"));
    QTest::keyClick(m_box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Units(m_box->text()), Units(FromUcs4(U"<\uFF3D?\uFF1D\uFF5A>")));
    EXPECT_EQ(m_box->cursorPosition(), 5);
    EXPECT_EQ(HexBytes(m_box->bytes()), HexBytes("<\x81\x6E?\x81\x81\x82\x9A>"));
}

TEST_F(ShiftJisLineEditTest, InputMethodPreeditIsLeftAloneAndItsCommitIsMadeStorable)
{
    m_box->setBytes("ab");
    m_box->setCursorPosition(1);
    sendInputMethodEvent(FromUcs4(U"\u3051\u3064"), QString()); // preedit けつ
    EXPECT_EQ(m_box->text(), QStringLiteral("ab"));
    EXPECT_EQ(HexBytes(m_box->bytes()), HexBytes("ab"));

    sendInputMethodEvent(QString(), FromUcs4(U"\u3011\u301C")); // commit 】〜
    EXPECT_EQ(Units(m_box->text()), Units(FromUcs4(U"a\uFF3D\u301Cb")));
    EXPECT_EQ(m_box->cursorPosition(), 3);
    EXPECT_EQ(HexBytes(m_box->bytes()), HexBytes("a\x81\x6E\x81\x60"
                                                 "b"));
}

// The three ways text arrives other than by keys.
enum class Arrival { Paste, Drop, InputMethod };

TEST_F(ShiftJisLineEditTest, ArrivingLineBreaksBecomeSpacesAndControlsGo)
{
    struct Case {
        std::u32string_view arriving;
        std::u32string_view shown;
    };
    const Case cases[] = {
        {U"a\r\nb\rc\u2028d\u2029e\u0085f\tg", U"<a b c d e f g>"},
        {U"\x01x\x1F\x7Fy\r\n", U"<xy >"},
    };
    for (const Arrival way : {Arrival::Paste, Arrival::Drop, Arrival::InputMethod}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(Units(FromUcs4(c.arriving)));
            m_box->setBytes("<>");
            m_box->setCursorPosition(1);
            const QString arriving = FromUcs4(c.arriving);
            if (way == Arrival::Paste) {
                QApplication::clipboard()->setText(arriving);
                QTest::keyClick(m_box, Qt::Key_V, Qt::ControlModifier);
            } else if (way == Arrival::Drop) {
                QMimeData data;
                data.setText(arriving);
                const QPointF at =
                    m_box->inputMethodQuery(Qt::ImCursorRectangle).toRectF().center();
                QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton,
                                      Qt::NoModifier);
                QApplication::sendEvent(m_box, &enter);
                QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(m_box, &drop);
            } else {
                sendInputMethodEvent(QString(), arriving);
            }
            EXPECT_EQ(Units(m_box->text()), Units(FromUcs4(c.shown))) << static_cast<int>(way);
            EXPECT_EQ(m_box->cursorPosition(), m_box->text().size() - 1) << static_cast<int>(way);
        }
    }
}

// The columns of pixels drawn on the light red ground of text beyond the file's column.
std::vector<int> MarkedColumns(QWidget* box)
{
    const QImage image = box->grab().toImage();
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        const QColor pixel = image.pixelColor(x, image.height() / 2);
        if (pixel.red() - pixel.green() > 24 && pixel.red() - pixel.blue() > 24)
            columns.push_back(x);
    }
    return columns;
}

TEST_F(ShiftJisLineEditTest, TextBeyondTheFileColumnIsMarked)
{
    struct Case {
        const char* name;
        std::string bytes;
        bool cursorAtEnd;
        // The first marked column, within 4 pixels; -1 when nothing is marked. The text
        // starts 3 pixels in, and a half-width character is 6.5 pixels wide.
        int firstMarked;
    };
    const std::string kana20 = test::Repeated("\x82\xA0", 20); // あ x 20: 40 bytes
    const Case cases[] = {
        {"exactly the column", std::string(40, 'x'), true, -1},
        {"full width, exactly the column", kana20, true, -1},
        {"one byte beyond", std::string(41, 'x'), true, 263},
        {"a character cut in half", test::Repeated("\x82\xA0", 19) + "a\x82\xA0", true, 257},
        {"one full-width character beyond", kana20 + "a", true, 263},
        // The text ends at the right edge: 20 characters beyond the column take 130 pixels.
        {"scrolled to its end", std::string(60, 'x'), true, 156},
        {"scrolled to its start", std::string(60, 'x'), false, 263},
    };
    m_box->setFont(AppFonts::FixedPitch(13));
    m_box->resize(289, 20);
    m_box->setFileColumnWidth(40);
    m_box->clearFocus();
    for (const Case& c : cases) {
        m_box->setBytes(c.bytes);
        m_box->setCursorPosition(c.cursorAtEnd ? static_cast<int>(m_box->text().size()) : 0);
        const std::vector<int> marked = MarkedColumns(m_box);
        EXPECT_NEAR(marked.empty() ? -1 : marked.front(), c.firstMarked, c.firstMarked < 0 ? 0 : 4)
            << c.name;
    }
    EXPECT_EQ(m_box->toolTip(),
              QStringLiteral("住所録ファイルには全角20文字（40バイト）まで保存されます"));
}

} // namespace
} // namespace velm
