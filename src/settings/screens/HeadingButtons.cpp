#include "settings/screens/HeadingButtons.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <algorithm>

namespace zor06::screens {
namespace {

constexpr int kMargin = 2;

}  // namespace

HeadingButtons::HeadingButtons(QTableView* table) : QObject(table), table_(table) {
    QHeaderView* header = table->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, &HeadingButtons::Place);
    connect(header, &QHeaderView::geometriesChanged, this, &HeadingButtons::Place);
    connect(table->horizontalScrollBar(), &QScrollBar::valueChanged, this, &HeadingButtons::Place);
    header->installEventFilter(this);
}

QToolButton* HeadingButtons::Add(int section) {
    auto* button = new QToolButton(table_->horizontalHeader()->viewport());
    button->setArrowType(Qt::DownArrow);
    button->setFocusPolicy(Qt::NoFocus);
    buttons_.emplace_back(section, button);
    Place();
    return button;
}

bool HeadingButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
        Place();
    }
    return QObject::eventFilter(watched, event);
}

void HeadingButtons::Place() {
    const QHeaderView* header = table_->horizontalHeader();
    const int side = std::max(header->height() - 2 * kMargin, 12);
    for (const auto& [section, button] : buttons_) {
        const int right =
            header->sectionViewportPosition(section) + header->sectionSize(section) - kMargin;
        button->setGeometry(right - side, kMargin, side, side);
    }
}

}  // namespace zor06::screens
