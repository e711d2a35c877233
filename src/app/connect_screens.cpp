#include "app/connect_screens.h"

#include "link/screens/TFormConnParam.h"
#include "link/screens/TFormSearch.h"
#include "settings/screens/TFormAbonent.h"
#include "settings/screens/TFormAbonents_List.h"

namespace zor06::app {

using namespace screens;
namespace {

// A subscriber screen opened from the connection dialog always fills a new entry.
constexpr int kNewEntry = 0;

template <typename Screen, typename... Args>
bool Accepted(Args&&... args) {
    Screen screen(std::forward<Args>(args)...);
    return screen.exec() == QDialog::Accepted;
}

}  // namespace

bool RealConnectScreens::EditParameters(QWidget* parent, link::LinkKind kind) {
    return Accepted<TFormConnParam>(settings_.link, kind, op_, parent);
}

bool RealConnectScreens::SearchDevice(QWidget* parent) {
    return Accepted<TFormSearch>(settings_.link, link_, op_, parent);
}

bool RealConnectScreens::EditList(QWidget* parent, settings::PhoneList& list) {
    return Accepted<TFormAbonents_List>(list, op_, parent);
}

bool RealConnectScreens::EditList(QWidget* parent, settings::EthernetList& list) {
    return Accepted<TFormAbonents_List>(list, op_, parent);
}

bool RealConnectScreens::NewEntry(QWidget* parent, settings::PhoneEntry& entry) {
    return TFormAbonent::Run(entry, kNewEntry, op_, parent);
}

bool RealConnectScreens::NewEntry(QWidget* parent, settings::EthernetEntry& entry) {
    return TFormAbonent::Run(entry, kNewEntry, op_, parent);
}

}  // namespace zor06::app
