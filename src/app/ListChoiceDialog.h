#pragma once

#include "app/Platform.h"

#include <QDialog>

class QTreeWidget;

namespace velm
{

// A modal dialog that lists rows under column headings and lets the user choose one: the
// first row is chosen at start, a double click or Enter takes the row under it, OK takes the
// chosen one and Cancel, Esc or the close box take none.
class ListChoiceDialog final : public QDialog
{
    Q_OBJECT

  public:
    ListChoiceDialog(const Platform::ListChoice& choice, QWidget* parent);

    // The index of the chosen row, or -1 when no row is chosen.
    int chosenRow() const;

    QTreeWidget* list() const { return m_list; }

  private:
    QTreeWidget* m_list = nullptr;
};

} // namespace velm
