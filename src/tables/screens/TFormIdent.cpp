#include "tables/screens/TFormIdent.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "tables/identification.h"
#include "widgets/ButtonRow.h"

namespace zor06::screens {

TFormIdent::TFormIdent(const tables::ControllerImage& image, const std::uint32_t* checksum,
                       QWidget* parent, bool complete)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Параметры идентификации контроллера"));
    auto* column = new QVBoxLayout(this);
    form_ = new QFormLayout;
    column->addLayout(form_);
    for (const auto& [label, value] : tables::IdentificationLines(image, checksum, complete)) {
        auto* valueLabel = new QLabel(QString::fromStdString(value), this);
        if (label == "Наличие разрушенных таблиц" && image.Byte(0, 0) != 0) {
            valueLabel->setStyleSheet(QStringLiteral("color: red"));
        }
        form_->addRow(QString::fromStdString(label), valueLabel);
    }
    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    QPushButton* ok = widgets::AddToRow(buttons, QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(buttons);
}

QString TFormIdent::Value(const QString& label) const {
    for (int row = 0; row < form_->rowCount(); ++row) {
        const auto* name =
            qobject_cast<QLabel*>(form_->itemAt(row, QFormLayout::LabelRole)->widget());
        if (name != nullptr && name->text() == label) {
            return qobject_cast<QLabel*>(form_->itemAt(row, QFormLayout::FieldRole)->widget())
                ->text();
        }
    }
    return {};
}

}  // namespace zor06::screens
