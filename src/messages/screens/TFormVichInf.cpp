#include "messages/screens/TFormVichInf.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "messages/screens/state_label.h"
#include "widgets/WholeTable.h"
#include "widgets/WholeText.h"

namespace zor06::screens {

namespace {

// Each column's heading in two lines.
QStringList Headings() {
    QStringList headings;
    for (const messages::ColumnHeading& column : messages::kFlowColumns) {
        headings << QString::fromUtf8(column.line1.data(), static_cast<int>(column.line1.size())) +
                        QLatin1Char('\n') +
                        QString::fromUtf8(column.line2.data(),
                                          static_cast<int>(column.line2.size()));
    }
    return headings;
}

}  // namespace

TFormVichInf::TFormVichInf(const std::vector<messages::FlowRow>& rows, QWidget* parent)
    : TableWindow(QString::fromUtf8(messages::kFlowExchangeCaption.data(),
                                    static_cast<int>(messages::kFlowExchangeCaption.size())),
                  static_cast<int>(rows.size()), Headings(), parent) {
    QTableWidget* table = grid();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        table->setItem(row, 0, StateItem({rows[i].address, false}));
        table->setItem(row, 1, StateItem(rows[i].link));
        table->setItem(row, 2, StateItem(rows[i].writing));
    }
    // As high and as wide as the rows need: the window never scrolls.
    widgets::ShowWhole(table);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table, 0, Qt::AlignHCenter);
    layout->addWidget(exitButton(), 0, Qt::AlignRight);
    // Wide enough for its caption too.
    setFixedSize(layout->sizeHint().expandedTo({widgets::TitleBarWidth(windowTitle()), 0}));
}

}  // namespace zor06::screens
