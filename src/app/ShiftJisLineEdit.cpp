#include "app/ShiftJisLineEdit.h"

#include "store/FileSafeValue.h"
#include "text/ShiftJisCodec.h"

#include <QValidator>

namespace velm
{

// Makes the text storable on every edit and always accepts it, so the edit goes through
// in its storable form. Switched off while the box is filled from program code.
class ShiftJisLineEdit::StorableTextValidator : public QValidator
{
  public:
    using QValidator::QValidator;

    void setActive(bool active) { m_active = active; }

    State validate(QString& input, int& pos) const override
    {
        if (!m_active)
            return Acceptable;
        std::u16string text = input.toStdU16String();
        std::size_t cursor = static_cast<std::size_t>(pos);
        MakeStorable(text, cursor);
        input = QString::fromStdU16String(text);
        pos = static_cast<int>(cursor);
        return Acceptable;
    }

  private:
    bool m_active = true;
};

ShiftJisLineEdit::ShiftJisLineEdit(QWidget* parent)
    : QLineEdit(parent), m_validator(new StorableTextValidator(this))
{
    setValidator(m_validator);
}

void ShiftJisLineEdit::setBytes(std::string_view bytes)
{
    m_filledBytes = bytes;
    m_filledText = QString::fromStdU32String(DecodeShiftJis(bytes));
    m_validator->setActive(false);
    setText(m_filledText);
    m_validator->setActive(true);
}

std::string ShiftJisLineEdit::bytes() const
{
    const QString shown = text();
    if (shown == m_filledText)
        return m_filledBytes;
    return EncodeShiftJis(shown.toStdU32String());
}

} // namespace velm
