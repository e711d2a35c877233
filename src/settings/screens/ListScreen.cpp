#include "settings/screens/ListScreen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "settings/screens/HeadingButtons.h"

namespace zor06::screens {
namespace {

constexpr int kNumberWidth = 45;
constexpr int kAddressWidth = 80;
constexpr int kSecondKeyWidth = 180;
constexpr QSize kStartSize{640, 420};

}  // namespace

ListScreen::ListScreen(std::unique_ptr<ListEntries> entries, const ListScreenTexts& texts,
                       dialogue::Operator& op, QWidget* parent)
    : QDialog(parent),
      entries_(std::move(entries)),
      op_(op),
      singleEntryUnsorted_(texts.singleEntryUnsorted) {
    setWindowTitle(texts.caption);

    grid_ = new QTableWidget(0, static_cast<int>(texts.headings.size()), this);
    grid_->setHorizontalHeaderLabels(texts.headings);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    QHeaderView* header = grid_->horizontalHeader();
    header->setSectionsClickable(false);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    grid_->setColumnWidth(0, kNumberWidth);
    grid_->setColumnWidth(2, kAddressWidth);
    if (grid_->columnCount() > 3) {
        grid_->setColumnWidth(3, kSecondKeyWidth);
    }
    auto* headingButtons = new HeadingButtons(grid_);
    sort_ = {headingButtons->Add(1), headingButtons->Add(texts.secondKeyColumn)};
    // The buttons show only an arrow; they are named after the column they sort by.
    sort_[0]->setAccessibleName(texts.headings.value(1));
    sort_[1]->setAccessibleName(texts.headings.value(texts.secondKeyColumn));

    edit_ = new QPushButton(QStringLiteral("Изменить"), this);
    add_ = new QPushButton(QStringLiteral("Добавить"), this);
    delete_ = new QPushButton(QStringLiteral("Удалить"), this);
    accept_ = new QPushButton(QStringLiteral("Принять"), this);
    cancel_ = new QPushButton(QStringLiteral("Отменить"), this);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {edit_, add_, delete_}) {
        buttons->addWidget(b);
    }
    buttons->addStretch();
    buttons->addWidget(accept_);
    buttons->addWidget(cancel_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(grid_);
    column->addLayout(buttons);
    resize(kStartSize);

    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { RowChosen(row); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { RowDoubleClicked(row); });
    connect(sort_[0], &QToolButton::clicked, this, [this] { SortClicked(0); });
    connect(sort_[1], &QToolButton::clicked, this, [this] { SortClicked(1); });
    connect(edit_, &QPushButton::clicked, this, &ListScreen::EditClicked);
    connect(add_, &QPushButton::clicked, this, &ListScreen::AddClicked);
    connect(delete_, &QPushButton::clicked, this, &ListScreen::DeleteClicked);
    connect(accept_, &QPushButton::clicked, this, &ListScreen::AcceptClicked);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    Refill();
}

void ListScreen::done(int result) {
    if (result != QDialog::Accepted) {
        entries_->Drop();
    }
    QDialog::done(result);
}

void ListScreen::Refill() {
    // Filling the grid moves its current cell; that is no choice of the operator's.
    const QSignalBlocker blocker(grid_);
    ListEntries& list = *entries_;
    const std::size_t count = list.Count();
    if (count == 0) {
        grid_->setRowCount(0);
        edit_->setEnabled(false);
        delete_->setEnabled(false);
        add_->setEnabled(true);
        return;
    }
    if (count > 1) {
        list.Sort();
    }
    const bool unsorted = singleEntryUnsorted_ && count == 1;
    for (int key = 0; key < 2; ++key) {
        sortButton(key)->setEnabled(!unsorted && key != list.Sorting());
    }

    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const QStringList texts = list.Row(i);
        for (int c = 0; c < texts.size() && c < grid_->columnCount(); ++c) {
            grid_->setItem(static_cast<int>(i), c, new QTableWidgetItem(texts[c]));
        }
    }
    if (list.Current() < count) {
        grid_->setCurrentCell(static_cast<int>(list.Current()), 1);
    } else {
        grid_->clearSelection();
    }
    edit_->setEnabled(true);
    delete_->setEnabled(true);
    add_->setEnabled(list.CanAdd());
}

void ListScreen::RowChosen(int row) {
    if (row >= 0) {
        entries_->Select(static_cast<std::size_t>(row));
    }
}

void ListScreen::RowDoubleClicked(int row) {
    RowChosen(row);
    EditClicked();
}

void ListScreen::EditClicked() {
    if (entries_->Edit(this)) {
        Refill();
    }
}

void ListScreen::AddClicked() {
    if (entries_->Add(this)) {
        Refill();
    }
}

void ListScreen::DeleteClicked() {
    if (entries_->Delete(op_)) {
        Refill();
    }
}

void ListScreen::AcceptClicked() {
    TakeChanges();
    accept();
}

void ListScreen::SortClicked(int key) {
    entries_->SetSorting(key);
    Refill();
}

}  // namespace zor06::screens
