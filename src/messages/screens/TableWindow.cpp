#include "messages/screens/TableWindow.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace zor06::screens {

TableWindow::TableWindow(const QString& caption, int rows, const QStringList& headings,
                         QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    grid_ = new QTableWidget(rows, static_cast<int>(headings.size()), this);
    grid_->setAccessibleName(windowTitle());
    grid_->setHorizontalHeaderLabels(headings);
    grid_->verticalHeader()->hide();
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    exit_ = new QPushButton(QStringLiteral("Выход"), this);
    connect(exit_, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace zor06::screens
