#include "config/screens/TFormDt.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "widgets/ButtonRow.h"

namespace zor06::screens {
namespace {

QTableWidgetItem* Cell(const std::string& text, bool differs) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignCenter);
    item->setForeground(differs ? Qt::red : Qt::black);
    return item;
}

}  // namespace

TFormDt::TFormDt(const config::ClockView& view, dialogue::Operator& op, QWidget* parent)
    : QDialog(parent), view_(view), op_(op) {
    setWindowTitle(QStringLiteral("Текущие дата и время"));
    table_ = new QTableWidget(3, 4, this);
    table_->setAccessibleName(QStringLiteral("Текущие дата и время"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Дата\n( дд.мм.гг )"), QStringLiteral("Время\n( чч:мм:сс )"),
         QStringLiteral("День\nнедели"), QStringLiteral("Тип\nвремени")});
    QStringList rowLabels;
    for (std::size_t r = 0; r < view.rows.size(); ++r) {
        const config::ClockRow& row = view.rows[r];
        rowLabels << QString::fromStdString(row.label);
        const int at = static_cast<int>(r);
        table_->setItem(at, 0, Cell(row.date, row.dateDiffers));
        table_->setItem(at, 1, Cell(row.time, row.timeDiffers));
        table_->setItem(at, 2, Cell(row.weekday, row.weekdayDiffers));
        table_->setItem(at, 3, Cell(row.timeType, row.timeTypeDiffers));
    }
    table_->setVerticalHeaderLabels(rowLabels);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setMinimumWidth(560);
    table_->setFixedHeight(table_->horizontalHeader()->sizeHint().height() +
                           3 * table_->verticalHeader()->defaultSectionSize() +
                           2 * table_->frameWidth());

    forbidden_ = new QLabel(
        QStringLiteral("Синхронизация времени контроллера с временем ЭВМ запрещена"), this);
    forbidden_->setVisible(!view.pcSyncAllowed);

    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    correct_ = widgets::AddToRow(buttons, QStringLiteral("Скорректировать в контроллере"));
    exit_ = widgets::AddToRow(buttons, QStringLiteral("Выход"));
    correct_->setEnabled(view.pcSyncAllowed);

    auto* column = new QVBoxLayout(this);
    column->addWidget(table_);
    column->addWidget(forbidden_);
    column->addWidget(buttons);
    connect(correct_, &QPushButton::clicked, this, &TFormDt::CorrectClicked);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormDt::CorrectClicked() {
    hide();
    if (!op_.ShowMessage(dialogue::MessageKind::Question,
                         "Вы уверены, что часы ЭВМ показывают правильное время?", "")) {
        reject();
        return;
    }
    correction_ = config::TimeCorrection(view_.controller, view_.pc);
    accept();
}

}  // namespace zor06::screens
