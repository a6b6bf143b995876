#include "app/ListChoiceDialog.h"

#include "app/Texts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velm
{

namespace
{

constexpr int kVisibleRows = 10;
// Room between the columns, in pixels.
constexpr int kColumnPadding = 24;

} // namespace

ListChoiceDialog::ListChoiceDialog(const Platform::ListChoice& choice, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(choice.title);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(choice.prompt, this));

    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels(choice.headings);
    for (const QStringList& row : choice.rows) {
        auto* item = new QTreeWidgetItem(m_list, row);
        // Counts and sizes line up at their right edge.
        for (int column = 1; column < row.size(); ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int column = 0; column < m_list->columnCount(); ++column) {
        m_list->resizeColumnToContents(column);
        m_list->setColumnWidth(column, m_list->columnWidth(column) + kColumnPadding);
    }
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    const int rowHeight = m_list->sizeHintForRow(0) > 0 ? m_list->sizeHintForRow(0) : 20;
    m_list->setMinimumHeight(m_list->header()->sizeHint().height() + rowHeight * kVisibleRows);
    m_list->setMinimumWidth(m_list->header()->length() + 2 * m_list->frameWidth() + 24);
    layout->addWidget(m_list);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(texts::kOkButton));
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(texts::kCancelButton));
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemActivated, this, &QDialog::accept);
    m_list->setFocus();
}

int ListChoiceDialog::chosenRow() const
{
    QTreeWidgetItem* current = m_list->currentItem();
    return current ? m_list->indexOfTopLevelItem(current) : -1;
}

} // namespace velm
