#pragma once

#include <QLineEdit>
#include <QString>
#include <string>
#include <string_view>

namespace velm
{

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

    StorableTextValidator* m_validator = nullptr;
    std::string m_filledBytes;
    QString m_filledText;
};

} // namespace velm
