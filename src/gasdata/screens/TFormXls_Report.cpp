#include "gasdata/screens/TFormXls_Report.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "widgets/WholeText.h"

namespace zor06::screens {

TFormXls_Report::TFormXls_Report(std::function<void()> build, QWidget* parent)
    : QDialog(parent), build_(std::move(build)) {
    setWindowTitle(QStringLiteral("Ожидайте..."));
    auto* column = new QVBoxLayout(this);
    for (const QString& line :
         {QStringLiteral("Выполняется формирование"), QStringLiteral("отчета в формате Excel")}) {
        auto* label = new QLabel(line, this);
        label->setAlignment(Qt::AlignCenter);
        column->addWidget(label);
    }
    setModal(true);
    widgets::ReserveTitleRoom(this);
}

void TFormXls_Report::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_) {
        return;
    }
    started_ = true;
    QTimer::singleShot(kStartMs, this, [this] {
        setCursor(Qt::WaitCursor);
        if (build_) {
            build_();
        }
        unsetCursor();
        accept();
    });
}

}  // namespace zor06::screens
