#include "app/connect_screens.h"

#include "link/screens/TFormConnParam.h"
#include "link/screens/TFormSearch.h"
#include "settings/screens/TFormAbonent.h"
#include "settings/screens/TFormAbonents_List.h"
#include "widgets/RunModal.h"

namespace zor06::app {

using namespace screens;
using widgets::RunModal;
namespace {

// A subscriber screen opened from the connection dialog always fills a new entry.
constexpr int kNewEntry = 0;

}  // namespace

bool RealConnectScreens::EditParameters(QWidget* parent, link::LinkKind kind) {
    return RunModal<TFormConnParam>(settings_.link, kind, op_, parent);
}

bool RealConnectScreens::SearchDevice(QWidget* parent) {
    return RunModal<TFormSearch>(settings_.link, link_, op_, parent);
}

bool RealConnectScreens::EditList(QWidget* parent, settings::PhoneList& list) {
    return RunModal<TFormAbonents_List>(list, op_, parent);
}

bool RealConnectScreens::EditList(QWidget* parent, settings::EthernetList& list) {
    return RunModal<TFormAbonents_List>(list, op_, parent);
}

bool RealConnectScreens::NewEntry(QWidget* parent, settings::PhoneEntry& entry) {
    return RunModal<TFormAbonent>(entry, kNewEntry, op_, parent);
}

bool RealConnectScreens::NewEntry(QWidget* parent, settings::EthernetEntry& entry) {
    return RunModal<TFormAbonent>(entry, kNewEntry, op_, parent);
}

}  // namespace zor06::app
