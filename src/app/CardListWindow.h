#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QTableView;

namespace velm
{

class CardListModel;
class CardStore;
class ShiftJisLineEdit;

// The card list window: a search box over a table of the cards, to find a card by a few
// characters of any of its fields and show it in the main window. Typing filters the rows
// at each keystroke; a click on a column header orders the rows (never the store) by that
// column. Up and Down in the search box move the selected row; Enter, a click or a double
// click on a row hands its card to the main window; Esc closes the window. The window is a
// child window of the main window, which owns the store and tells the window when the store
// changed.
class CardListWindow final : public QWidget
{
    Q_OBJECT

  public:
    // Shows the card with this number in the main window.
    using ShowCard = std::function<void(int card)>;

    CardListWindow(const CardStore& store, ShowCard showCard, QWidget* parent);

    // Shows the window or brings it to the front, with the cursor in the search box.
    void bringUp();

    // Reads the store again. A hidden window does so when it is shown next.
    void storeChanged();

    ShiftJisLineEdit* searchBox() const { return m_searchBox; }
    QTableView* table() const { return m_table; }
    QLabel* statusLine() const { return m_statusLine; }

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createComponents();
    void search();

    // Puts the window above or below the main window, where there is more room, so that it
    // covers none of the card it shows; it is made shorter to fit that room, down to a
    // least height.
    void placeBesideMainWindow();

    // Selects the row and makes it seen; nothing when there is no such row.
    void selectRow(int row);

    // The card of the selected row, or 0 when no row is selected.
    int selectedCard() const;

    void showCardOfRow(int row);
    void updateStatusLine();

    const ShowCard m_showCard;
    CardListModel* m_model = nullptr;
    ShiftJisLineEdit* m_searchBox = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_statusLine = nullptr;
    // Set while hidden after a change of the store.
    bool m_stale = false;
    // Set once the window has been placed, when it was first shown.
    bool m_placed = false;
};

} // namespace velm
