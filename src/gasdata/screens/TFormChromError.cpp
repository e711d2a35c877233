#include "gasdata/screens/TFormChromError.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/ButtonRow.h"

namespace zor06::screens {

TFormChromError::TFormChromError(const std::vector<gasdata::SignList>& lists,
                                 const std::string& caption, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromStdString(caption));
    auto* column = new QVBoxLayout(this);
    const QMargins margins = column->contentsMargins();
    // The lists keep the heights of their lines, so the window grows with what it lists.
    int listsBottom = margins.top();
    for (const gasdata::SignList& signs : lists) {
        auto* heading = new QLabel(QString::fromStdString(signs.statusLine), this);
        auto* list = new QListWidget(this);
        for (const std::string& line : signs.lines) {
            list->addItem(QString::fromStdString(line));
        }
        list->setFixedHeight(kLineHeight * static_cast<int>(signs.lines.size()) + kListFrame);
        list->setSelectionMode(QAbstractItemView::NoSelection);
        heading->setBuddy(list);
        column->addWidget(heading);
        column->addWidget(list);
        if (!lists_.empty()) {
            listsBottom += column->spacing();
        }
        listsBottom += heading->sizeHint().height() + column->spacing() + list->height();
        lists_.push_back(list);
    }
    column->addStretch(1);
    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    exit_ = widgets::AddToRow(buttons, QStringLiteral("Выход"));
    column->addWidget(buttons);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
    setModal(true);
    setFixedSize(kWidth, listsBottom + kBelowLists);
    exit_->setFocus();
}

}  // namespace zor06::screens
