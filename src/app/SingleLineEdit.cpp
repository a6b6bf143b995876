#include "app/SingleLineEdit.h"

#include "text/TypedText.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QValidator>
#include <utility>

namespace velm
{

// Applies the rules on every edit and always accepts the result, so the edit goes through
// in its changed form. Switched off while the box is filled unchecked.
class SingleLineEdit::RuleValidator : public QValidator
{
  public:
    using QValidator::QValidator;

    void setActive(bool active) { m_active = active; }
    void setRule(TextRule rule) { m_rule = std::move(rule); }

    State validate(QString& input, int& pos) const override
    {
        if (!m_active)
            return Acceptable;
        std::u16string text = input.toStdU16String();
        std::size_t cursor = static_cast<std::size_t>(pos);
        MakeSingleLine(text, cursor);
        if (m_rule)
            m_rule(text, cursor);
        input = QString::fromStdU16String(text);
        pos = static_cast<int>(cursor);
        return Acceptable;
    }

  private:
    bool m_active = true;
    TextRule m_rule;
};

SingleLineEdit::SingleLineEdit(QWidget* parent)
    : QLineEdit(parent), m_validator(new RuleValidator(this))
{
    setValidator(m_validator);
}

void SingleLineEdit::setTextRule(TextRule rule)
{
    m_validator->setRule(std::move(rule));
}

void SingleLineEdit::fillUnchecked(const QString& text)
{
    m_validator->setActive(false);
    setText(text);
    m_validator->setActive(true);
}

void SingleLineEdit::commitComposition()
{
    if (m_composition.isEmpty())
        return;
    if (hasFocus()) {
        QInputMethod* inputMethod = QGuiApplication::inputMethod();
        inputMethod->commit();
        inputMethod->reset();
    }
    if (m_composition.isEmpty())
        return;
    QInputMethodEvent commit;
    commit.setCommitString(m_composition);
    QCoreApplication::sendEvent(this, &commit);
}

void SingleLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    m_composition = event->preeditString();
    QLineEdit::inputMethodEvent(event);
}

} // namespace velm
