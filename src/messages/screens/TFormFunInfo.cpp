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

TFormFunInfo::TFormFunInfo(const messages::FunctionRows& rows, QWidget* parent)
    : TableWindow(Text(messages::kFunctionsCaption), static_cast<int>(rows.size()),
                  {Text(messages::kFunctionColumn), Text(messages::kExecutionColumn)}, parent) {
    QTableWidget* table = grid();
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        table->setItem(static_cast<int>(i), 0, Item(rows[i].name));
        table->setItem(static_cast<int>(i), 1, Item(rows[i].execution));
    }
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setMinimumWidth(560);
    auto* note = new QLabel(Text(messages::kFunctionsNote), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(note);
    layout->addWidget(exitButton(), 0, Qt::AlignRight);
}

}  // namespace zor06::screens
