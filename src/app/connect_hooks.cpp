#include "app/connect_hooks.h"

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

template <typename Hook, typename Fallback>
void Complete(Hook& hook, Fallback fallback) {
    if (!hook) {
        hook = std::move(fallback);
    }
}

}  // namespace

void CompleteHooks(ConnectHooks& hooks, settings::ProgramSettings& settings, link::hgcbox& link,
                   dialogue::Operator& op) {
    Complete(hooks.editParameters, [&settings, &op](QWidget* parent, link::LinkKind kind) {
        return Accepted<TFormConnParam>(settings.link, kind, op, parent);
    });
    Complete(hooks.searchDevice, [&settings, &link, &op](QWidget* parent) {
        return Accepted<TFormSearch>(settings.link, link, op, parent);
    });
    Complete(hooks.phoneList, [&op](QWidget* parent, settings::PhoneList& list) {
        return Accepted<TFormAbonents_List>(list, op, parent);
    });
    Complete(hooks.ethernetList, [&op](QWidget* parent, settings::EthernetList& list) {
        return Accepted<TFormAbonents_List>(list, op, parent);
    });
    Complete(hooks.newPhone, [&op](QWidget* parent, settings::PhoneEntry& entry) {
        return TFormAbonent::Run(entry, kNewEntry, op, parent);
    });
    Complete(hooks.newEthernet, [&op](QWidget* parent, settings::EthernetEntry& entry) {
        return TFormAbonent::Run(entry, kNewEntry, op, parent);
    });
}

}  // namespace zor06::app
