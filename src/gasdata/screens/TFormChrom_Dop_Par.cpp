#include "gasdata/screens/TFormChrom_Dop_Par.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gasdata/chr_momentary.h"
#include "messages/current_state.h"
#include "widgets/ButtonRow.h"

namespace zor06::screens {
namespace {

constexpr int kWidth = 442;
constexpr int kHeight = 176;

QLineEdit* AddNumberRow(QWidget* form, QFormLayout* rows, const char* label, std::uint32_t value) {
    auto* field = new QLineEdit(QString::number(value), form);
    field->setReadOnly(true);
    auto* caption = new QLabel(QString::fromUtf8(label), form);
    caption->setBuddy(field);
    rows->addRow(caption, field);
    return field;
}

}  // namespace

TFormChrom_Dop_Par::TFormChrom_Dop_Par(std::uint32_t serial, std::uint32_t checksum,
                                       QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(gasdata::kExtraParametersCaption));
    resize(kWidth, kHeight);
    auto* rows = new QFormLayout;
    serial_ = AddNumberRow(this, rows, gasdata::kChrSerialLabel, serial);
    checksum_ = AddNumberRow(this, rows, gasdata::kSoftwareChecksumLabel, checksum);

    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    const std::string_view exit = messages::kExitText;
    exit_ = widgets::AddToRow(buttons,
                              QString::fromUtf8(exit.data(), static_cast<qsizetype>(exit.size())));
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addLayout(rows);
    column->addStretch(1);
    column->addWidget(buttons);
}

}  // namespace zor06::screens
