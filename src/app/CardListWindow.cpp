#include "app/CardListWindow.h"

#include "app/AppFonts.h"
#include "app/CardCellDelegate.h"
#include "app/CardListModel.h"
#include "app/KeyEvents.h"
#include "app/ShiftJisLineEdit.h"
#include "app/Texts.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace velm
{

namespace
{

constexpr int kWindowWidth = 900;
constexpr int kWindowHeight = 480;
// The window grows no shorter than this to keep clear of the main window.
constexpr int kLeastHeight = 200;

// The first width of each column, in pixels, left to right; together they fit the window's
// first width, so that no horizontal scroll bar is needed at first.
constexpr std::array<int, 9> kColumnWidths{44, 110, 90, 110, 28, 70, 190, 110, 80};
static_assert(kColumnWidths.size() == texts::kCardListColumns.size());

// The keys of the search box that move the selected row instead of the cursor.
bool MovesRow(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Up || event->key() == Qt::Key_Down ||
           event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown;
}

} // namespace

CardListWindow::CardListWindow(const CardStore& store, ShowCard showCard, QWidget* parent)
    : QWidget(parent, Qt::Window), m_showCard(std::move(showCard)),
      m_model(new CardListModel(store, this))
{
    createComponents();
    connect(m_searchBox, &QLineEdit::textChanged, this, [this] { search(); });
    connect(m_table, &QTableView::clicked, this,
            [this](const QModelIndex& index) { showCardOfRow(index.row()); });
    connect(m_table, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { showCardOfRow(index.row()); });
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this,
            &CardListWindow::bringUp);
    m_searchBox->installEventFilter(this);
    m_table->installEventFilter(this);
    selectRow(0);
    updateStatusLine();
}

void CardListWindow::createComponents()
{
    setWindowTitle(QString::fromUtf8(texts::kCardListTitle));
    setFont(AppFonts::Proportional(12));
    resize(kWindowWidth, kWindowHeight);

    m_searchBox = new ShiftJisLineEdit(this);
    m_searchBox->setFont(AppFonts::FixedPitch(13));
    m_searchBox->setPlaceholderText(QString::fromUtf8(texts::kSearchHint));
    m_searchBox->setClearButtonEnabled(true);

    m_table = new QTableView(this);
    m_table->setModel(m_model);
    m_table->setItemDelegate(new CardCellDelegate(m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    // Rows of one height need no measuring, however many cards there are.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    for (std::size_t column = 0; column < kColumnWidths.size(); ++column)
        m_table->setColumnWidth(static_cast<int>(column), kColumnWidths[column]);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSortIndicator(CardListModel::kNumberColumn, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);

    m_statusLine = new QLabel(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_searchBox);
    layout->addWidget(m_table);
    layout->addWidget(m_statusLine);
    setTabOrder(m_searchBox, m_table);
}

void CardListWindow::bringUp()
{
    if (!m_placed) {
        placeBesideMainWindow();
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
    m_searchBox->setFocus();
    m_searchBox->selectAll();
}

void CardListWindow::placeBesideMainWindow()
{
    const QWidget* main = parentWidget();
    if (!main || !main->screen())
        return;
    const QRect screen = main->screen()->availableGeometry();
    const QRect mainFrame = main->frameGeometry();
    // This window is not framed yet; its frame will be as tall as the main window's.
    const int frame = mainFrame.height() - main->height();
    const int roomAbove = mainFrame.top() - screen.top() - frame;
    const int roomBelow = screen.bottom() - mainFrame.bottom() - frame;
    const int height = std::clamp(std::max(roomAbove, roomBelow), kLeastHeight, kWindowHeight);
    resize(width(), height);
    const int left = std::clamp(mainFrame.left(), screen.left(),
                                std::max(screen.left(), screen.right() - width()));
    const int top =
        roomBelow >= roomAbove ? mainFrame.bottom() + 1 : mainFrame.top() - height - frame;
    move(left, top);
}

void CardListWindow::storeChanged()
{
    if (!isVisible()) {
        m_stale = true;
        return;
    }
    const int card = selectedCard();
    m_model->refresh();
    const int row = m_model->rowOf(card);
    selectRow(row >= 0 ? row : 0);
    updateStatusLine();
}

void CardListWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_stale) {
        m_stale = false;
        storeChanged();
    }
}

void CardListWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

bool CardListWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (IsEnter(keyEvent)) {
        if (m_table->currentIndex().isValid())
            showCardOfRow(m_table->currentIndex().row());
        return true;
    }
    if (watched == m_searchBox && MovesRow(keyEvent)) {
        QCoreApplication::sendEvent(m_table, keyEvent);
        return true;
    }
    return false;
}

void CardListWindow::search()
{
    m_model->setQuery(m_searchBox->bytes());
    selectRow(0);
    updateStatusLine();
}

void CardListWindow::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(row, 0);
    m_table->setCurrentIndex(index);
    m_table->scrollTo(index);
}

int CardListWindow::selectedCard() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? m_model->cardAt(current.row()) : 0;
}

void CardListWindow::showCardOfRow(int row)
{
    if (row >= 0 && row < m_model->rowCount())
        m_showCard(m_model->cardAt(row));
}

void CardListWindow::updateStatusLine()
{
    m_statusLine->setText(
        QString::fromStdString(texts::ShownOfCount(m_model->rowCount(), m_model->cardCount())));
}

} // namespace velm
