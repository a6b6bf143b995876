// Fills a card edit box with any bytes and types any text into one. A box the user did
// not touch gives back the very bytes it was filled with; typed text becomes storable at
// once: the same number of characters, all of them encodable, none that would end a value
// in the address-book file, and fixing it again changes nothing.

#include "FuzzCheck.h"
#include "app/ShiftJisLineEdit.h"
#include "store/AddressBookFile.h"
#include "text/ShiftJisCodec.h"

#include <QApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

using namespace velm;
using namespace velm::fuzz;

namespace
{

QApplication& Application()
{
    static int argc = 1;
    static char name[] = "velm-fuzz";
    static char* argv[] = {name, nullptr};
    static const auto app = [] {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return std::make_unique<QApplication>(argc, argv);
    }();
    return *app;
}

// The input read as UTF-16 code units, lone surrogates included.
QString Utf16Units(std::string_view bytes)
{
    QString text;
    for (std::size_t i = 0; i + 2 <= bytes.size(); i += 2)
        text.append(QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) << 8 |
                                                static_cast<unsigned char>(bytes[i + 1]))));
    return text;
}

// Characters, a surrogate pair counting as one.
qsizetype CharacterCount(const QString& text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        ++count;
    }
    return count;
}

std::string Utf8Hex(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return HexBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void CheckStorableBytes(std::string_view bytes, const QString& text)
{
    Check(bytes.find("\x81\x7A") == std::string_view::npos,
          "storable text holds no closing bracket's bytes",
          [&] { return "text (UTF-8): " + Utf8Hex(text) + "\nbytes: " + HexBytes(bytes); });
    Check(FileSafeValue(bytes.substr(0, 255)) == bytes.substr(0, 255),
          "storable text is kept by the address-book file as it is",
          [&] { return "bytes: " + HexBytes(bytes); });
}

void CheckMakeStorable(const QString& typed, int cursor)
{
    QString text = typed;
    int newCursor = cursor;
    MakeStorable(text, newCursor);
    const auto detail = [&] {
        return "typed (UTF-8): " + Utf8Hex(typed);
    };
    Check(CharacterCount(text) == CharacterCount(typed), "fixing keeps the character count",
          detail);
    Check(newCursor >= 0 && newCursor <= text.size(), "the cursor stays in the text", detail);
    for (const char32_t c : text.toStdU32String())
        Check(EncodeShiftJisChar(c).has_value(), "every storable character is encodable", detail);
    CheckStorableBytes(EncodeShiftJis(text.toStdU32String()), text);

    QString again = text;
    int againCursor = newCursor;
    MakeStorable(again, againCursor);
    Check(again == text && againCursor == newCursor, "fixing storable text changes nothing",
          detail);
}

void CheckUntouchedBox(ShiftJisLineEdit& box, std::string_view bytes)
{
    box.setBytes(bytes);
    Check(box.bytes() == bytes, "an untouched box gives back its bytes",
          [&] { return "bytes: " + HexBytes(bytes); });
}

void CheckTypedBox(ShiftJisLineEdit& box, const QString& typed)
{
    box.setBytes({});
    box.insert(typed);
    const std::string bytes = box.bytes();
    CheckStorableBytes(bytes, box.text());
    Check(bytes == EncodeShiftJis(box.text().toStdU32String()),
          "a typed box gives the bytes of what it shows",
          [&] { return "bytes: " + HexBytes(bytes); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Application();
    static ShiftJisLineEdit box;
    const std::string_view bytes = AsBytes(data, size);
    CheckUntouchedBox(box, bytes);

    const QString typed = Utf16Units(bytes);
    const int cursor = size > 0 ? data[0] % (typed.size() + 1) : 0;
    CheckMakeStorable(typed, cursor);
    CheckTypedBox(box, typed);
    return 0;
}
