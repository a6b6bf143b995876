#pragma once

#include <QLabel>

namespace velm
{

// A label that reports the pointer entering and leaving it, and a click: a left-button
// release over the label, as a button counts one.
class ClickableLabel final : public QLabel
{
    Q_OBJECT

  public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void entered();
    void left();
    void clicked();

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace velm
