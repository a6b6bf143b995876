#pragma once

#include <QLineEdit>
#include <QString>
#include <cstddef>
#include <functional>
#include <string>

class QInputMethodEvent;

namespace velm
{

// An edit box for one line of text, as the card boxes and the card-number box are.
//
// Whatever arrives in it, typed, pasted, dropped or committed by an input method, is made
// one line at once (MakeSingleLine), then follows the box's own text rule, so the text never
// holds a line break or another control character. Text set by program code through
// setText follows the same rules; fillUnchecked leaves it as it is.
//
// The box also keeps the text an input method is composing in it, which is not part of
// text() until it is committed, so that a command can commit it before it acts.
class SingleLineEdit : public QLineEdit
{
    Q_OBJECT

  public:
    // Changes the box's text, given in UTF-16, keeping `cursor` on the same character.
    using TextRule = std::function<void(std::u16string& text, std::size_t& cursor)>;

    explicit SingleLineEdit(QWidget* parent = nullptr);

    // The rule that follows the single-line rule on every edit.
    void setTextRule(TextRule rule);

    // The text being composed, shown at the cursor; empty when nothing is composed.
    const QString& composition() const { return m_composition; }

    // Commits the composition into the text, as confirming it in the input method would.
    // The desktop's input method is asked first, while the box has the focus; when it has
    // not committed (some commit only when reset, the offscreen platform has none), the box
    // commits the text it has been shown itself.
    void commitComposition();

  protected:
    // Fills the box from program code with `text` as it is, rules aside.
    void fillUnchecked(const QString& text);

    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    class RuleValidator;

    RuleValidator* m_validator = nullptr;
    QString m_composition;
};

} // namespace velm
