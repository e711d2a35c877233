// The screens the connection dialog opens, as an interface: the program opens the real dialogs,
// tests their stand-ins.
#pragma once

#include "link/link_kind.h"
#include "settings/settings_types.h"

class QWidget;

namespace zor06::screens {

class ConnectScreens {
public:
    virtual ~ConnectScreens() = default;
    // The link parameters dialog of `kind`; true when the operator accepted.
    virtual bool EditParameters(QWidget* parent, link::LinkKind kind) = 0;
    // The device search; true when a controller was found.
    virtual bool SearchDevice(QWidget* parent) = 0;
    // The subscriber list screen on `list`; true when the operator took the changes.
    virtual bool EditList(QWidget* parent, settings::PhoneList& list) = 0;
    virtual bool EditList(QWidget* parent, settings::EthernetList& list) = 0;
    // The subscriber screen filling a new entry; true when accepted and the entry written.
    virtual bool NewEntry(QWidget* parent, settings::PhoneEntry& entry) = 0;
    virtual bool NewEntry(QWidget* parent, settings::EthernetEntry& entry) = 0;
};

}  // namespace zor06::screens
