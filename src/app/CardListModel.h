#pragma once

#include "store/CardFinder.h"

#include <QAbstractTableModel>
#include <string>
#include <vector>

namespace velm
{

class CardStore;

// The cards of the store as a table for the card list window: one row per card found for
// the query, one column per field shown (the card number first). The rows are in store
// order until sort() puts them in the order of a column; sorting orders the rows only,
// never the store. The rows are those of the store as it was at the last refresh(), which
// must follow every change of the store before the view asks for data again.
class CardListModel final : public QAbstractTableModel
{
    Q_OBJECT

  public:
    static constexpr int kNumberColumn = 0;
    static constexpr int kReadingColumn = 3;

    explicit CardListModel(const CardStore& store, QObject* parent = nullptr);

    // Reads the store again, after it has changed; the query and the order stay.
    void refresh();

    // Shows the cards found for the Shift-JIS query.
    void setQuery(std::string query);

    // The card number of a row, which must exist.
    int cardAt(int row) const { return m_rows[static_cast<std::size_t>(row)]; }

    // The row that shows the card, or -1 when none does.
    int rowOf(int card) const;

    int cardCount() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  private:
    // Finds the rows for the query and puts them in the chosen order.
    void arrangeRows();

    const CardStore& m_store;
    CardFinder m_finder;
    std::string m_query;
    int m_sortColumn = kNumberColumn;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    std::vector<int> m_rows;
};

} // namespace velm
