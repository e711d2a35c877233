#include "messages/screens/TFormFunInfo.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zor06::screens {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QTableWidgetItem* Item(std::string_view text) {
    auto* item = new QTableWidgetItem(Text(text));
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

}  // namespace

TFormFunInfo::TFormFunInfo(const messages::FunctionRows& rows, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Text(messages::kFunctionsCaption));
    grid_ = new QTableWidget(static_cast<int>(rows.size()), 2, this);
    grid_->setAccessibleName(windowTitle());
    grid_->setHorizontalHeaderLabels(
        {Text(messages::kFunctionColumn), Text(messages::kExecutionColumn)});
    grid_->verticalHeader()->hide();
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        grid_->setItem(static_cast<int>(i), 0, Item(rows[i].name));
        grid_->setItem(static_cast<int>(i), 1, Item(rows[i].execution));
    }
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setMinimumWidth(560);
    auto* note = new QLabel(Text(messages::kFunctionsNote), this);
    exit_ = new QPushButton(QStringLiteral("Выход"), this);
    connect(exit_, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addWidget(note);
    layout->addWidget(exit_, 0, Qt::AlignRight);
}

}  // namespace zor06::screens
