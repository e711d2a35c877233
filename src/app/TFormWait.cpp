#include "app/TFormWait.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <array>

namespace zor06::screens {
namespace {

struct WaitTexts {
    const char* line1;
    const char* line2;
    const char* line3;
};

constexpr std::array<WaitTexts, 6> kModes{{
    {"Ожидайте...", "Выполняется проверка", "всех параметров конфигурации"},
    {"Ожидайте...", "Выполняется чтение данных", "Esc - прервать чтение"},
    {"Ожидайте...", "Выполняется запись параметров", "конфигурации в контроллер"},
    {"Ожидайте...", "Выполняется чтение", "таблиц параметров конфигурации"},
    {"Ожидайте...", "Выполняется создание", "таблицы в формате Excel"},
    {"Команда передана. Выполняется проверка", "восстановления связи с контроллером",
     "Ожидайте..."},
}};

}  // namespace

// Without a title bar: a window manager offers no close, minimise or shade on it and it cannot be
// dragged away from the window it waits over; a raised panel edges it instead.
TFormWait::TFormWait(dialogue::WaitMode mode, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("..."));
    const WaitTexts& texts = kModes[static_cast<std::size_t>(mode)];
    auto* edge = new QFrame(this);
    edge->setFrameStyle(QFrame::Panel | QFrame::Raised);
    edge->setLineWidth(2);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(edge);
    auto* column = new QVBoxLayout(edge);
    const char* lines[3] = {texts.line1, texts.line2, texts.line3};
    for (int i = 0; i < 3; ++i) {
        lines_[i] = new QLabel(QString::fromUtf8(lines[i]), edge);
        lines_[i]->setAlignment(Qt::AlignCenter);
        column->addWidget(lines_[i]);
    }
    bar_ = new QProgressBar(edge);
    bar_->setRange(0, 0);
    column->addWidget(bar_);
    resize(332, 126);
}

void TFormWait::SetProgress(int position, int maximum) {
    bar_->setRange(0, std::max(maximum, 1));
    bar_->setValue(position);
}

QString TFormWait::Line(int i) const {
    return lines_[i]->text();
}

void TFormWait::Finish() {
    finished_ = true;
    close();
}

void TFormWait::showEvent(QShowEvent* event) {
    // A window manager would put a tool window wherever it likes, often a corner of the screen.
    if (const QWidget* owner = parentWidget()) {
        const QRect over = owner->window()->frameGeometry();
        move(over.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    QWidget::showEvent(event);
}

void TFormWait::closeEvent(QCloseEvent* event) {
    if (finished_) {
        event->accept();
    } else {
        event->ignore();  // Alt+F4 and the like: the operation it waits for still runs
    }
}

}  // namespace zor06::screens
