#pragma once

#include <QLineEdit>
#include <QString>
#include <string>
#include <string_view>

namespace velm
{

// Makes typed or pasted text storable in a card: every character code page 932 cannot
// hold becomes "?", "】" becomes "］", and a "z" right after a character whose Shift-JIS
// second byte is 0x81 becomes "ｚ" (the address-book file closes every value with the
// byte pair 0x81 0x7A, so neither may occur inside a value). Each change keeps the text's
// length in characters; `cursor`, a position in `text`, is moved along with the text.
void MakeStorable(QString& text, int& cursor);

// An edit box for one Shift-JIS card field.
//
// setBytes fills the box from program code: the bytes are shown decoded, whatever they are,
// and fire textChanged like any setText. As long as the text is still the one shown then,
// bytes() gives back exactly those bytes, so a box the user did not change loses nothing,
// not even a character cut in half or one with two codes in the code page. Once the text
// differs, bytes() encodes it.
//
// Whatever the user types, pastes or commits through an input method is made storable at
// once (see MakeStorable), so the box always shows what bytes() will give.
class ShiftJisLineEdit : public QLineEdit
{
    Q_OBJECT

  public:
    explicit ShiftJisLineEdit(QWidget* parent = nullptr);

    void setBytes(std::string_view bytes);
    std::string bytes() const;

  private:
    class StorableTextValidator;

    StorableTextValidator* validator_ = nullptr;
    std::string filledBytes_;
    QString filledText_;
};

} // namespace velm
