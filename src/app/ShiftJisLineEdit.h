#pragma once

#include "app/SingleLineEdit.h"

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

class QPaintEvent;

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
// Whatever the user types, pastes or commits through an input method is made one line
// (see SingleLineEdit) and storable (see MakeStorable) at once, so the box always shows what
// bytes() will give.
//
// The address-book file keeps only the first bytes of a value, as many as its column is
// wide. With a column width set, the text beyond it is drawn on a light red ground and the
// tooltip says how much the file keeps; nothing is cut at the box, since the store keeps
// the whole value for the other files.
class ShiftJisLineEdit : public SingleLineEdit
{
    Q_OBJECT

  public:
    explicit ShiftJisLineEdit(QWidget* parent = nullptr);

    void setBytes(std::string_view bytes);
    std::string bytes() const;

    // Full-width digits and hyphens become ASCII as they arrive (MakeHalfWidthNumber), as
    // the file's postal-code column expects.
    void setHalfWidthNumbers(bool halfWidth);

    // The width in bytes of the field's column in the address-book file.
    void setFileColumnWidth(std::size_t bytes);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void markTextBeyondFileColumn();

    bool m_halfWidthNumbers = false;
    std::size_t m_fileColumnWidth = 0; // 0: no column to mark
    std::string m_filledBytes;
    QString m_filledText;
};

} // namespace velm
