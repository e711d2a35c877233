// The screens the connection dialog opens, as replaceable calls: the program wires the real
// dialogs, tests their stand-ins. A hook left empty does nothing.
#pragma once

#include <functional>

#include "dialogue/operator.h"
#include "link/link_kind.h"
#include "settings/settings_types.h"

class QWidget;

namespace zor06::screens {

struct ConnectHooks {
    // The link parameters dialog of `kind`; true when the operator accepted.
    std::function<bool(QWidget* parent, link::LinkKind kind)> editParameters;
    // The device search; true when a controller was found.
    std::function<bool(QWidget* parent)> searchDevice;
    // The subscriber list screen on `list`; true when the operator took the changes.
    std::function<bool(QWidget* parent, settings::PhoneList& list)> phoneList;
    std::function<bool(QWidget* parent, settings::EthernetList& list)> ethernetList;
    // The subscriber screen filling a new entry; true when accepted and the entry written.
    std::function<bool(QWidget* parent, settings::PhoneEntry& entry)> newPhone;
    std::function<bool(QWidget* parent, settings::EthernetEntry& entry)> newEthernet;
};

}  // namespace zor06::screens
