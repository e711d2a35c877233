// The subscriber list of the telephone or the Ethernet link: works on a working copy that replaces
// the program's list only through "Принять"; exec() then returns Accepted and the caller saves the
// list.
#pragma once

#include "dialogue/operator.h"
#include "settings/screens/ListEntries.h"
#include "settings/screens/ListScreen.h"
#include "settings/settings_types.h"

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormAbonents_List : public ListScreen {
    Q_OBJECT
public:
    TFormAbonents_List(settings::PhoneList& list, dialogue::Operator& op,
                       QWidget* parent = nullptr);
    TFormAbonents_List(settings::EthernetList& list, dialogue::Operator& op,
                       QWidget* parent = nullptr);

    // The subscriber screen of the list's kind; TFormAbonent unless replaced.
    EntryOpener<settings::PhoneEntry> phoneScreen;
    EntryOpener<settings::EthernetEntry> ethernetScreen;
};

}  // namespace zor06::screens
