// The subscriber screen of the telephone or the Ethernet kind: mode 1 edits the entry, mode 0
// fills a new one. The entry is written only when "Принять" passes every check.
#pragma once

#include <array>

#include "dialogue/operator.h"
#include "settings/screens/EntryDialog.h"
#include "settings/settings_types.h"

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormAbonent : public EntryDialog {
    Q_OBJECT
public:
    TFormAbonent(settings::PhoneEntry& entry, int mode, dialogue::Operator& op,
                 QWidget* parent = nullptr);
    TFormAbonent(settings::EthernetEntry& entry, int mode, dialogue::Operator& op,
                 QWidget* parent = nullptr);

    // The telephone screen's number; null on the Ethernet screen.
    QLineEdit* phoneEdit() const { return phone_; }
    // The Ethernet screen's four IP parts, first part first, and port; null on the telephone one.
    QLineEdit* ipEdit(int part) const { return ip_.at(static_cast<std::size_t>(part)); }
    QLineEdit* portEdit() const { return port_; }

protected:
    bool TakeFields() override;

private:
    void AddIpRow();

    settings::PhoneEntry* phoneEntry_ = nullptr;
    settings::EthernetEntry* ethernetEntry_ = nullptr;
    QLineEdit* phone_ = nullptr;
    std::array<QLineEdit*, 4> ip_{};
    QLineEdit* port_ = nullptr;
};

}  // namespace zor06::screens
