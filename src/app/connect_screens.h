// The real screens behind the connection dialog's buttons.
#pragma once

#include "dialogue/operator.h"
#include "link/screens/ConnectScreens.h"
#include "settings/settings_types.h"

namespace zor06::link {
class hgcbox;
}

namespace zor06::app {

// The screens working on `settings`, `link` and `op`.
class RealConnectScreens final : public screens::ConnectScreens {
public:
    RealConnectScreens(settings::ProgramSettings& settings, link::hgcbox& link,
                       dialogue::Operator& op)
        : settings_(settings), link_(link), op_(op) {}

    bool EditParameters(QWidget* parent, link::LinkKind kind) override;
    bool SearchDevice(QWidget* parent) override;
    bool EditList(QWidget* parent, settings::PhoneList& list) override;
    bool EditList(QWidget* parent, settings::EthernetList& list) override;
    bool NewEntry(QWidget* parent, settings::PhoneEntry& entry) override;
    bool NewEntry(QWidget* parent, settings::EthernetEntry& entry) override;

private:
    settings::ProgramSettings& settings_;
    link::hgcbox& link_;
    dialogue::Operator& op_;
};

}  // namespace zor06::app
