#include "messages/screens/TFormVichInf.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "messages/screens/state_label.h"
#include "widgets/WholeTable.h"
#include "widgets/WholeText.h"

namespace zor06::screens {

TFormVichInf::TFormVichInf(const std::vector<messages::FlowRow>& rows, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(messages::kFlowExchangeCaption.data(),
                                     static_cast<int>(messages::kFlowExchangeCaption.size())));
    grid_ = new QTableWidget(static_cast<int>(rows.size()), 3, this);
    grid_->setAccessibleName(windowTitle());
    QStringList headings;
    for (const messages::ColumnHeading& column : messages::kFlowColumns) {
        headings << QString::fromUtf8(column.line1.data(), static_cast<int>(column.line1.size())) +
                        QLatin1Char('\n') +
                        QString::fromUtf8(column.line2.data(),
                                          static_cast<int>(column.line2.size()));
    }
    grid_->setHorizontalHeaderLabels(headings);
    grid_->verticalHeader()->hide();
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        grid_->setItem(row, 0, StateItem({rows[i].address, false}));
        grid_->setItem(row, 1, StateItem(rows[i].link));
        grid_->setItem(row, 2, StateItem(rows[i].writing));
    }
    // As high and as wide as the rows need: the window never scrolls.
    widgets::ShowWhole(grid_);
    exit_ = new QPushButton(QStringLiteral("Выход"), this);
    connect(exit_, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 0, Qt::AlignHCenter);
    layout->addWidget(exit_, 0, Qt::AlignRight);
    // Wide enough for its caption too.
    setFixedSize(layout->sizeHint().expandedTo({widgets::TitleBarWidth(windowTitle()), 0}));
}

}  // namespace zor06::screens
