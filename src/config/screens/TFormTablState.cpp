#include "config/screens/TFormTablState.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "widgets/WholeTable.h"

namespace zor06::screens {
namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 588;
constexpr int kBelowList = 113;  // the buttons and margins under the list
enum Column { kName, kDestroyed, kWrite };

QTableWidgetItem* Item(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

}  // namespace

TFormTablState::TFormTablState(config::TableStates& states, link::LinkKind kind,
                               dialogue::Operator& op, QWidget* parent)
    : QDialog(parent), states_(states), op_(op) {
    setWindowTitle(QStringLiteral("Состояние таблиц параметров конфигурации"));
    list_ = new QTableWidget(this);
    list_->setAccessibleName(QStringLiteral("Таблицы параметров конфигурации"));
    list_->setColumnCount(3);
    list_->setHorizontalHeaderLabels({QStringLiteral("Таблица"), QStringLiteral("Разру-\nшена"),
                                      QStringLiteral("Записать\nтаблицу")});
    list_->verticalHeader()->hide();
    list_->setCornerButtonEnabled(false);
    for (QAbstractButton* corner : list_->findChildren<QAbstractButton*>()) {
        corner->setAccessibleName(QStringLiteral("Все строки"));  // hidden with the row header
    }
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->horizontalHeader()->setSectionResizeMode(kName, QHeaderView::Stretch);
    writeChosen_ = new QPushButton(QStringLiteral("Записать избранные таблицы"), this);
    writeAll_ = new QPushButton(QStringLiteral("Записать все таблицы"), this);
    exit_ = new QPushButton(QStringLiteral("Выход"), this);
    writeChosen_->setEnabled(config::WriteButtonsEnabled(kind));
    writeAll_->setEnabled(config::WriteButtonsEnabled(kind));
    connect(writeChosen_, &QPushButton::clicked, this, &TFormTablState::BitBtn1Click);
    connect(writeAll_, &QPushButton::clicked, this, &TFormTablState::BitBtn2Click);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);  // result 0

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(writeChosen_);
    buttons->addWidget(writeAll_);
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addStretch();
    layout->addLayout(buttons);
    FillList(kind);
    FitList();
}

void TFormTablState::FillList(link::LinkKind kind) {
    rows_ = config::TableStateRows(states_, kind);
    list_->setRowCount(static_cast<int>(rows_.size()));
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const config::TableStateRow& r = rows_[i];
        const int row = static_cast<int>(i);
        list_->setItem(row, kName, Item(QString::fromStdString(r.text)));
        QTableWidgetItem* destroyed =
            Item(r.destroyed ? QStringLiteral("Да") : QStringLiteral("Нет"));
        if (r.destroyed) {
            destroyed->setForeground(Qt::red);
        }
        list_->setItem(row, kDestroyed, destroyed);
        auto* write = new QTableWidgetItem;
        write->setFlags(r.enabled ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::ItemFlags{});
        write->setCheckState(r.ticked ? Qt::Checked : Qt::Unchecked);
        list_->setItem(row, kWrite, write);
    }
    list_->resizeColumnToContents(kDestroyed);
    list_->resizeColumnToContents(kWrite);
}

// A short list shows all its rows and the window ends under it; a long one scrolls to the first
// destroyed table.
void TFormTablState::FitList() {
    const int rowCount = list_->rowCount();
    int firstDestroyed = 0;
    while (firstDestroyed < rowCount &&
           !rows_[static_cast<std::size_t>(firstDestroyed)].destroyed) {
        ++firstDestroyed;
    }
    const config::TableListView view = config::ListView(rowCount, firstDestroyed + 1);
    if (!view.shrink) {
        setFixedSize(kWidth, kHeight);
        list_->verticalScrollBar()->setValue(view.scrollRows);
        return;
    }
    const int height = widgets::RowsHeight(list_);
    list_->setFixedHeight(height);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int top = layout()->contentsMargins().top();
    setFixedSize(kWidth, top + height + kBelowList);
}

void TFormTablState::BitBtn1Click() {
    config::Selection ticked{};
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const QTableWidgetItem* write = list_->item(static_cast<int>(i), kWrite);
        ticked[static_cast<std::size_t>(rows_[i].table)] = write->checkState() == Qt::Checked;
    }
    if (config::SelectTicked(states_, ticked, op_)) {
        done(static_cast<int>(config::TableStateResult::WriteChosen));
    }
}

void TFormTablState::BitBtn2Click() {
    config::SelectAll(states_);
    done(static_cast<int>(config::TableStateResult::WriteAll));
}

}  // namespace zor06::screens
