#include "app/TFormWait.h"

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

TFormWait::TFormWait(int mode, QWidget* parent) : QWidget(parent, Qt::Tool) {
    setWindowTitle(QStringLiteral("..."));
    const WaitTexts& texts = kModes[static_cast<std::size_t>(std::clamp(mode, 0, 5))];
    auto* column = new QVBoxLayout(this);
    const char* lines[3] = {texts.line1, texts.line2, texts.line3};
    for (int i = 0; i < 3; ++i) {
        lines_[i] = new QLabel(QString::fromUtf8(lines[i]), this);
        lines_[i]->setAlignment(Qt::AlignCenter);
        column->addWidget(lines_[i]);
    }
    bar_ = new QProgressBar(this);
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

}  // namespace zor06::screens
