#include "app/ShiftJisLineEdit.h"

#include "text/ShiftJisCodec.h"

#include <QValidator>
#include <optional>

namespace velm
{

namespace
{

constexpr char32_t kRightLenticularBracket = U'\u3011'; // 】 0x81 0x7A
constexpr char32_t kFullWidthRightBracket = U'\uFF3D';  // ］
constexpr char32_t kFullWidthSmallZ = U'\uFF5A';        // ｚ

// The storable form of `c`, given whether the character before it ends in the byte 0x81.
char32_t StorableChar(char32_t c, bool afterTrail0x81)
{
    if (c == kRightLenticularBracket)
        return kFullWidthRightBracket;
    if (c == U'z' && afterTrail0x81)
        return kFullWidthSmallZ;
    return EncodeShiftJisChar(c) ? c : U'?';
}

bool EndsInTrail0x81(char32_t storable)
{
    const std::optional<std::string> bytes = EncodeShiftJisChar(storable);
    return bytes && bytes->size() == 2 && static_cast<unsigned char>((*bytes)[1]) == 0x81;
}

} // namespace

void MakeStorable(QString& text, int& cursor)
{
    QString storable;
    storable.reserve(text.size());
    std::optional<int> newCursor;
    bool afterTrail0x81 = false;
    qsizetype i = 0;
    while (i < text.size()) {
        // A cursor inside a surrogate pair ends up after the pair's replacement.
        if (!newCursor && i >= cursor)
            newCursor = static_cast<int>(storable.size());
        char32_t c = text[i].unicode();
        qsizetype units = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            units = 2;
        }
        // Every storable character lies in the Basic Multilingual Plane.
        const char32_t fixed = StorableChar(c, afterTrail0x81);
        storable.append(QChar(static_cast<char16_t>(fixed)));
        afterTrail0x81 = EndsInTrail0x81(fixed);
        i += units;
    }
    cursor = newCursor.value_or(static_cast<int>(storable.size()));
    text = storable;
}

// Fixes the text on every edit and always accepts it, so the edit goes through in its
// storable form. Switched off while the box is filled from program code.
class ShiftJisLineEdit::StorableTextValidator : public QValidator
{
  public:
    using QValidator::QValidator;

    bool active = true;

    State validate(QString& input, int& pos) const override
    {
        if (active)
            MakeStorable(input, pos);
        return Acceptable;
    }
};

ShiftJisLineEdit::ShiftJisLineEdit(QWidget* parent)
    : QLineEdit(parent), validator_(new StorableTextValidator(this))
{
    setValidator(validator_);
}

void ShiftJisLineEdit::setBytes(std::string_view bytes)
{
    filledBytes_ = bytes;
    filledText_ = QString::fromStdU32String(DecodeShiftJis(bytes));
    validator_->active = false;
    setText(filledText_);
    validator_->active = true;
}

std::string ShiftJisLineEdit::bytes() const
{
    const QString shown = text();
    if (shown == filledText_)
        return filledBytes_;
    return EncodeShiftJis(shown.toStdU32String());
}

} // namespace velm
