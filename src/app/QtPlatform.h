#pragma once

#include "app/Platform.h"
#include "app/Texts.h"
#include "print/QtPrintDesk.h"

#include <QString>
#include <array>

class QWidget;

namespace velm
{

// The platform layer on Qt Widgets: message boxes, file dialogs, the postcard dialog with
// the user's settings, the print library's dialogs, process start and the desktop's
// default applications.
class QtPlatform final : public Platform
{
  public:
    QtPlatform() = default;

    // The window that file dialogs and questions belong to.
    void setDialogParent(QWidget* parent) { m_dialogParent = parent; }

    void notice(const QString& text) override;
    Answer ask(const QString& text, const QString& caption, Buttons buttons) override;
    void showError(const QString& message) override;
    std::optional<QString> runFileDialog(Dialog dialog, const FileDialogSetup& setup) override;
    qsizetype chosenFilter(Dialog dialog) const override;
    std::optional<int> chooseFromList(const ListChoice& choice) override;
    void startProcess(const QString& program, const QStringList& arguments) override;
    void openInTextViewer(const QString& file) override;
    void shellOpen(const QString& target, std::function<void()> whenNotOpened) override;
    std::optional<PostcardRequest> askPostcardOptions(int cardCount, int cardOnScreen) override;
    print::PrintDesk& printDesk() override { return m_printDesk; }

  private:
    QWidget* m_dialogParent = nullptr;
    print::QtPrintDesk m_printDesk{QString::fromUtf8(texts::kProgramName)};
    // The filter entry chosen last in each dialog, counted from 0; the same entry is
    // chosen again whichever filter the next command sets up.
    std::array<qsizetype, 2> m_chosenFilter{};
};

// Turns a filter of alternating display texts and patterns separated by "|" into Qt's
// name filters, one per entry: the display text, then the entry's patterns in parentheses,
// which a dialog that hides the filters' details does not show.
QStringList NameFiltersFromPipeList(const QString& filter);

} // namespace velm
