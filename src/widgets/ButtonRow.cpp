#include "widgets/ButtonRow.h"

#include <QDialogButtonBox>
#include <QPushButton>

namespace zor06::widgets {

QDialogButtonBox* NewButtonRow(QWidget* parent) {
    auto* row = new QDialogButtonBox(parent);
    row->setCenterButtons(true);
    return row;
}

QPushButton* AddToRow(QDialogButtonBox* row, const QString& caption) {
    // Buttons of one role stand in the order they were added, whatever the platform's layout.
    return row->addButton(caption, QDialogButtonBox::ActionRole);
}

}  // namespace zor06::widgets
