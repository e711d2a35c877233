#include "widgets/WholeTable.h"

#include <QHeaderView>
#include <QTableView>

namespace zor06::widgets {

int RowsHeight(const QTableView* table) {
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        height += table->rowHeight(row);
    }
    return height;
}

void ShowWhole(QTableView* table) {
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    int width = table->horizontalHeader()->length() + 2 * table->frameWidth();
    if (!table->verticalHeader()->isHidden()) {
        width += table->verticalHeader()->sizeHint().width();
    }
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setFixedSize(width, RowsHeight(table));
}

}  // namespace zor06::widgets
