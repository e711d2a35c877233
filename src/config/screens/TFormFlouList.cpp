#include "config/screens/TFormFlouList.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "config/screens/TFormFlouPar.h"
#include "text/text_format.h"
#include "widgets/ButtonRow.h"
#include "widgets/WholeTable.h"

namespace zor06::screens {
namespace {

QTableWidgetItem* Cell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

TFormFlouList::TFormFlouList(const config::FlowRecords& records, int count, std::uint8_t runs,
                             config::EditorMode mode, dialogue::Operator& op, QWidget* parent)
    : QDialog(parent), list_(records, count), runs_(runs), op_(op) {
    setWindowTitle(QStringLiteral("Параметры вычислителей расхода газа"));
    grid_ = new QTableWidget(0, 4, this);
    grid_->setAccessibleName(windowTitle());
    grid_->setHorizontalHeaderLabels(
        {QStringLiteral("Адрес"), QStringLiteral("Тип"),
         QStringLiteral("Порядок байтов в многобайтных переменных"),
         QStringLiteral("Необходимость записи параметров газа для трубопроводов")});
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    add_ = widgets::AddToRow(buttons, QStringLiteral("Добавить"));
    change_ = widgets::AddToRow(buttons, QStringLiteral("Изменить"));
    delete_ = widgets::AddToRow(buttons, QStringLiteral("Удалить"));
    accept_ = widgets::AddToRow(buttons, QString::fromStdString(std::string(AcceptCaption(mode))));
    QPushButton* cancel = widgets::AddToRow(buttons, QStringLiteral("Отменить"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(grid_);
    column->addWidget(buttons);
    // The window follows the grid as rows come and go.
    column->setSizeConstraint(QLayout::SetFixedSize);

    editRecord = [this](config::FlowRecord& record, int position, bool& split, bool* changed) {
        TFormFlouPar screen(record, position, runs_, split, op_, this);
        const bool accepted = screen.exec() == QDialog::Accepted;
        *changed = screen.PasswordChanged();
        return accepted;
    };
    connect(add_, &QPushButton::clicked, this, &TFormFlouList::AddClicked);
    connect(change_, &QPushButton::clicked, this, &TFormFlouList::ChangeClicked);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &TFormFlouList::ChangeClicked);
    connect(delete_, &QPushButton::clicked, this, &TFormFlouList::DeleteClicked);
    connect(accept_, &QPushButton::clicked, this, &TFormFlouList::AcceptClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    Refill(0);
}

void TFormFlouList::Refill(int selectRow) {
    grid_->setRowCount(list_.Count());
    for (int i = 0; i < list_.Count(); ++i) {
        const config::FlowRecord& r = list_.At(i);
        grid_->setItem(i, 0, Cell(text::Printf("   %d", r.address)));
        grid_->setItem(i, 1, Cell(config::FlowTypeText(r.type)));
        grid_->setItem(i, 2, Cell(config::FlowByteOrderText(r.byteOrder)));
        grid_->setItem(i, 3, Cell(text::Printf("      0x%02X", r.necessity)));
    }
    // Every column whole, and as high as the rows.
    widgets::ShowWhole(grid_);
    grid_->selectRow(std::min(selectRow, list_.Count() - 1));
    add_->setEnabled(list_.CanAdd());
    delete_->setEnabled(list_.CanDelete());
}

void TFormFlouList::AddClicked() {
    if (!list_.CanAdd()) {
        return;
    }
    config::FlowRecord record = list_.NewRecord();
    const int position = list_.Count();
    bool changed = false;
    if (editRecord(record, position, split_[static_cast<std::size_t>(position)], &changed)) {
        list_.Add(record);
        Refill(position);
    }
}

void TFormFlouList::ChangeClicked() {
    const int row = grid_->currentRow();
    if (row < 0 || row >= list_.Count()) {
        return;
    }
    config::FlowRecord record = list_.At(row);
    bool changed = false;
    if (editRecord(record, row, split_[static_cast<std::size_t>(row)], &changed)) {
        list_.Replace(row, record, changed);
        Refill(row);
    }
}

void TFormFlouList::DeleteClicked() {
    const int row = grid_->currentRow();
    if (!list_.CanDelete() || row < 0 || row >= list_.Count()) {
        return;
    }
    if (!op_.ShowMessage(dialogue::MessageKind::Question, "Вы действительно хотите удалить",
                         text::Printf("вычислитель адр. %d?", list_.At(row).address))) {
        return;
    }
    list_.Delete(row);
    Refill(row);
}

void TFormFlouList::AcceptClicked() {
    config::FlowRecords records{};
    if (const auto refusal = list_.Accept(records)) {
        config::Report(*refusal, op_);
        return;
    }
    result_ = {list_.Count(), records, list_.Changed()};
    accept();
}

}  // namespace zor06::screens
