#include "app/CardListModel.h"

#include "app/Texts.h"
#include "store/CardOrder.h"
#include "store/CardStore.h"
#include "text/ShiftJisCodec.h"

#include <algorithm>
#include <array>
#include <utility>

namespace velm
{

namespace
{

// The field of each column after the card number, as an index into CardRecord::fields():
// 名前１, 名前２, 読み, 印, 〒, 住所１, 電話, 会社.
constexpr std::array<std::size_t, 8> kColumnFields{0, 1, 2, 3, 6, 4, 7, 8};
static_assert(kColumnFields.size() + 1 == texts::kCardListColumns.size());

std::size_t FieldOfColumn(int column)
{
    return kColumnFields[static_cast<std::size_t>(column - 1)];
}

} // namespace

CardListModel::CardListModel(const CardStore& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store), m_finder(store)
{
    arrangeRows();
}

void CardListModel::refresh()
{
    beginResetModel();
    m_finder = CardFinder(m_store);
    arrangeRows();
    endResetModel();
}

void CardListModel::setQuery(std::string query)
{
    beginResetModel();
    m_query = std::move(query);
    arrangeRows();
    endResetModel();
}

void CardListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> cardsBefore;
    for (const QModelIndex& index : before)
        cardsBefore.push_back(cardAt(index.row()));
    m_sortColumn = column;
    m_sortOrder = order;
    arrangeRows();
    QModelIndexList after;
    for (std::size_t i = 0; i < cardsBefore.size(); ++i)
        after.push_back(index(rowOf(cardsBefore[i]), before[static_cast<int>(i)].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CardListModel::arrangeRows()
{
    m_rows = m_finder.find(m_query);
    if (m_sortColumn != kNumberColumn)
        SortByGojuon(m_rows, m_store, FieldOfColumn(m_sortColumn));
    if (m_sortOrder == Qt::DescendingOrder)
        std::reverse(m_rows.begin(), m_rows.end());
}

int CardListModel::rowOf(int card) const
{
    const auto found = std::find(m_rows.begin(), m_rows.end(), card);
    return found == m_rows.end() ? -1 : static_cast<int>(found - m_rows.begin());
}

int CardListModel::cardCount() const
{
    return m_store.CardCount;
}

int CardListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CardListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(texts::kCardListColumns.size());
}

QVariant CardListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int card = cardAt(index.row());
    if (role == Qt::TextAlignmentRole && index.column() == kNumberColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (index.column() == kNumberColumn)
        return card;
    const ShortString& field = *m_store.card(card).fields()[FieldOfColumn(index.column())];
    return QString::fromStdU32String(DecodeShiftJis(field.view()));
}

QVariant CardListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    // The first click on a header sorts its column ascending, the next one descending.
    if (role == Qt::InitialSortOrderRole)
        return Qt::AscendingOrder;
    if (role != Qt::DisplayRole)
        return {};
    return QString::fromUtf8(texts::kCardListColumns[static_cast<std::size_t>(section)]);
}

} // namespace velm
