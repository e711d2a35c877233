// Shows a value text of the status windows, red when it marks an abnormal state.
#pragma once

#include <QLabel>
#include <QTableWidgetItem>

#include "messages/state_text.h"

namespace zor06::screens {

inline void ShowStateText(QLabel* label, const messages::StateText& value) {
    label->setText(QString::fromStdString(value.text));
    label->setStyleSheet(value.red ? QStringLiteral("color: red") : QString());
}

inline QTableWidgetItem* StateItem(const messages::StateText& value) {
    auto* item = new QTableWidgetItem(QString::fromStdString(value.text));
    item->setFlags(Qt::ItemIsEnabled);
    if (value.red) {
        item->setForeground(Qt::red);
    }
    return item;
}

}  // namespace zor06::screens
