#pragma once

#include "print/PrintDesk.h"

namespace velm::print
{

// The print dialogs of the desktop: Qt's print, file and progress dialogs and message boxes,
// with `caption` as the title of the messages and the progress window.
class QtPrintDesk final : public PrintDesk
{
  public:
    explicit QtPrintDesk(QString caption);

    bool choosePrinter(QPrinter& printer, int lastPage, QWidget* parent) override;
    std::optional<QString> chooseSavePath(const QString& title, const QString& proposed,
                                          const QString& filter, QWidget* parent) override;
    std::optional<QString> chooseOpenPath(const QString& title, const QString& filter,
                                          QWidget* parent) override;
    void warn(const QString& text, QWidget* parent) override;
    std::unique_ptr<Progress> startProgress(const QString& label, int total,
                                            QWidget* parent) override;

  private:
    QString m_caption;
};

} // namespace velm::print
