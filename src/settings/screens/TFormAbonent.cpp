#include "settings/screens/TFormAbonent.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "settings/entry_checks.h"
#include "widgets/IntegerEntryFilter.h"
#include "widgets/WholeText.h"

namespace zor06::screens {
namespace {

constexpr int kIpPartDigits = 3;
constexpr int kIpPartWidth = 40;
constexpr int kPortWidth = 70;

const QString kNameLabel = QStringLiteral("Наименование");
const QString kAddressLabel = QStringLiteral("Адрес устройства");

}  // namespace

TFormAbonent::TFormAbonent(settings::PhoneEntry& entry, int mode, dialogue::Operator& op,
                           QWidget* parent)
    : EntryDialog(QStringLiteral("Параметры абонента (связь по телефону)"), kNameLabel,
                  kAddressLabel, op, parent),
      phoneEntry_(&entry) {
    phone_ = new QLineEdit(this);
    phone_->setMaxLength(static_cast<int>(settings::kPhoneChars));
    widgets::FitEntry(phone_, static_cast<int>(settings::kPhoneChars));
    AddRow(QStringLiteral("№ телефона"), phone_);
    if (mode == 1) {
        const settings::PhoneFields fields = settings::FieldsOf(entry);
        ShowNameAndAddress(fields.name, fields.address);
        phone_->setText(QString::fromStdString(fields.phone));
    }
}

TFormAbonent::TFormAbonent(settings::EthernetEntry& entry, int mode, dialogue::Operator& op,
                           QWidget* parent)
    : EntryDialog(QStringLiteral("Параметры абонента (Ethernet-интерфейс)"), kNameLabel,
                  kAddressLabel, op, parent),
      ethernetEntry_(&entry) {
    AddIpRow();
    if (mode == 1) {
        const settings::EthernetFields fields = settings::FieldsOf(entry);
        ShowNameAndAddress(fields.name, fields.address);
        for (std::size_t i = 0; i < ip_.size(); ++i) {
            ip_[i]->setText(QString::fromStdString(fields.ip[i]));
        }
        port_->setText(QString::fromStdString(fields.port));
    }
}

void TFormAbonent::AddIpRow() {
    auto* row = new QHBoxLayout;
    for (std::size_t i = 0; i < ip_.size(); ++i) {
        if (i > 0) {
            row->addWidget(new QLabel(QStringLiteral("."), this));
        }
        ip_[i] = new QLineEdit(this);
        ip_[i]->setMaxLength(kIpPartDigits);
        ip_[i]->setFixedWidth(kIpPartWidth);
        widgets::IntegerEntryFilter::Install(ip_[i]);
        row->addWidget(ip_[i]);
    }
    row->addWidget(new QLabel(QStringLiteral(":"), this));
    port_ = new QLineEdit(this);
    port_->setFixedWidth(kPortWidth);
    widgets::IntegerEntryFilter::Install(port_);
    row->addWidget(port_);
    row->addStretch();
    AddRow(QStringLiteral("IP-адрес:порт"), row, {ip_[0], ip_[1], ip_[2], ip_[3], port_});
}

bool TFormAbonent::TakeFields() {
    if (phoneEntry_ != nullptr) {
        const settings::PhoneFields fields{Text(nameEdit()), AddressText(), Text(phone_)};
        return settings::AcceptFields(fields, *phoneEntry_, op());
    }
    settings::EthernetFields fields{Text(nameEdit()), AddressText(), {}, Text(port_)};
    for (std::size_t i = 0; i < ip_.size(); ++i) {
        fields.ip[i] = Text(ip_[i]);
    }
    return settings::AcceptFields(fields, *ethernetEntry_, op());
}

}  // namespace zor06::screens
