#include "link/screens/TFormExchangeMonitor.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/exchange_text.h"
#include "platform/file_io.h"

namespace zor06::screens {
namespace {

constexpr int kRefreshMs = 200;
constexpr char kCaption[] = "Монитор обмена";

std::optional<std::filesystem::path> AskForFile(QWidget* parent) {
    // The program's own dialog, as its other file dialogs are.
    const QString name = QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить в файле"),
                                                      QString(), QStringLiteral("Текст (*.txt)"),
                                                      nullptr, QFileDialog::DontUseNativeDialog);
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(name.toStdString());
}

}  // namespace

TFormExchangeMonitor::TFormExchangeMonitor(link::hgcbox& link, dialogue::Operator& op,
                                           QWidget* parent, std::size_t capacity)
    : QDialog(parent), chooseFile(AskForFile), link_(link), op_(op), ring_(capacity) {
    setWindowTitle(QString::fromUtf8(kCaption));
    setModal(false);
    lines_ = new QPlainTextEdit(this);
    lines_->setReadOnly(true);
    lines_->setUndoRedoEnabled(false);
    lines_->setLineWrapMode(QPlainTextEdit::NoWrap);
    lines_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Two lines per exchange: the view keeps no more than the ring does.
    lines_->setMaximumBlockCount(static_cast<int>(2 * ring_.Capacity()));
    lines_->setAccessibleName(QStringLiteral("Строки обмена"));
    count_ = new QLabel(this);
    pause_ = new QPushButton(QStringLiteral("Пауза"), this);
    clear_ = new QPushButton(QStringLiteral("Очистить"), this);
    save_ = new QPushButton(QStringLiteral("Сохранить в файле"), this);
    close_ = new QPushButton(QStringLiteral("Закрыть"), this);
    close_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pause_);
    buttons->addWidget(clear_);
    buttons->addWidget(save_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lines_);
    layout->addWidget(count_);
    layout->addLayout(buttons);
    resize(960, 520);

    connect(pause_, &QPushButton::clicked, this, &TFormExchangeMonitor::PauseClick);
    connect(clear_, &QPushButton::clicked, this, &TFormExchangeMonitor::ClearClick);
    connect(save_, &QPushButton::clicked, this, &TFormExchangeMonitor::SaveClick);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, &TFormExchangeMonitor::TimerRefreshTimer);
    timer_.start();
    ShowCount();
    link_.SetExchangeObserver(&ring_);
}

void TFormExchangeMonitor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

TFormExchangeMonitor::~TFormExchangeMonitor() {
    if (link_.Observer() == &ring_) {
        link_.SetExchangeObserver(nullptr);
    }
}

void TFormExchangeMonitor::TimerRefreshTimer() {
    if (ring_.LastSequence() == shown_) {
        return;
    }
    QString text;
    for (const link::ExchangeRecord& record : ring_.Since(shown_)) {
        if (!text.isEmpty()) {
            text += '\n';
        }
        text += QString::fromStdString(link::ExchangeLines(record.View()));
        shown_ = record.sequence;
    }
    if (!text.isEmpty()) {
        lines_->appendPlainText(text);
    }
    ShowCount();
}

void TFormExchangeMonitor::PauseClick() {
    const bool paused = !ring_.Paused();
    ring_.SetPaused(paused);
    pause_->setText(paused ? QStringLiteral("Продолжить") : QStringLiteral("Пауза"));
}

void TFormExchangeMonitor::ClearClick() {
    ring_.Clear();
    lines_->clear();
    shown_ = ring_.LastSequence();
    ShowCount();
}

void TFormExchangeMonitor::SaveClick() {
    const auto path = chooseFile ? chooseFile(this) : std::nullopt;
    if (!path) {
        return;
    }
    std::string reason;
    if (!SaveTo(*path, &reason)) {
        op_.MessageBox("Не удалось сохранить файл " + path->string() + "\n" + reason, kCaption);
    }
}

bool TFormExchangeMonitor::SaveTo(const std::filesystem::path& path, std::string* reason) const {
    // A log for people to read and mail on, so UTF-8 like every text they open, not the
    // controller's code page.
    std::string text;
    for (const link::ExchangeRecord& record : ring_.Since(0)) {
        text += link::ExchangeLines(record.View());
        text += '\n';
    }
    return platform::WriteFileAtomically(path, text, reason);
}

void TFormExchangeMonitor::ShowCount() {
    QString text = QStringLiteral("Обменов: %1").arg(ring_.Size());
    if (const std::uint64_t lost = ring_.Overwritten(); lost > 0) {
        text += QStringLiteral(", старых вытеснено: %1").arg(lost);
    }
    count_->setText(text);
}

}  // namespace zor06::screens
