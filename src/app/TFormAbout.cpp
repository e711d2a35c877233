#include "app/TFormAbout.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/ButtonRow.h"

namespace zor06::screens {

TFormAbout::TFormAbout(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("О программе"));
    auto* column = new QVBoxLayout(this);
    const auto addLine = [&](const QString& text, int pointSize) {
        auto* label = new QLabel(text, this);
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setPointSize(pointSize);
        label->setFont(font);
        column->addWidget(label);
    };
    column->addStretch();
    addLine(QStringLiteral("zor_06"), 20);
    addLine(QStringLiteral("Программа обслуживания контроллера  ЗОР_06"), 12);
    addLine(QStringLiteral("Версия     06.03"), 11);
    column->addStretch();
    addLine(QStringLiteral("2004 - 2019"), 10);
    column->addStretch();
    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    QPushButton* ok = widgets::AddToRow(buttons, QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(buttons);
    setFixedSize(540, 546);
}

}  // namespace zor06::screens
