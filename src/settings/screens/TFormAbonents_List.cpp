#include "settings/screens/TFormAbonents_List.h"

#include "settings/screens/TFormAbonent.h"
#include "widgets/RunModal.h"

namespace zor06::screens {
namespace {

ListScreenTexts SubscriberTexts(const QString& caption, const QString& secondKey) {
    return {
        caption,
        {QStringLiteral("№"), QStringLiteral("Наименование"), QStringLiteral("Адрес"), secondKey},
        3,
        false};
}

ListScreenTexts TextsOf(const settings::PhoneList&) {
    return SubscriberTexts(QStringLiteral("Список абонентов (связь по телефону)"),
                           QStringLiteral("№ телефона"));
}

ListScreenTexts TextsOf(const settings::EthernetList&) {
    return SubscriberTexts(QStringLiteral("Список абонентов (Ethernet-интерфейс)"),
                           QStringLiteral("IP-адрес:порт"));
}

// The working copy of `list`, edited through `screen`, which the tests may replace after the
// list screen has been built.
template <typename List, typename Entry = typename List::EntryType>
std::unique_ptr<ListEntries> WorkingCopy(List& list, const EntryOpener<Entry>& screen) {
    return std::make_unique<ListOf<List>>(
        list, Editing::kWorkingCopy,
        [&screen](Entry& entry, int mode, QWidget* owner) { return screen(entry, mode, owner); });
}

template <typename Entry>
EntryOpener<Entry> SubscriberScreen(dialogue::Operator& op) {
    return [&op](Entry& entry, int mode, QWidget* owner) {
        return widgets::RunModal<TFormAbonent>(entry, mode, op, owner);
    };
}

}  // namespace

TFormAbonents_List::TFormAbonents_List(settings::PhoneList& list, dialogue::Operator& op,
                                       QWidget* parent)
    : ListScreen(WorkingCopy(list, phoneScreen), TextsOf(list), op, parent),
      phoneScreen(SubscriberScreen<settings::PhoneEntry>(op)) {}

TFormAbonents_List::TFormAbonents_List(settings::EthernetList& list, dialogue::Operator& op,
                                       QWidget* parent)
    : ListScreen(WorkingCopy(list, ethernetScreen), TextsOf(list), op, parent),
      ethernetScreen(SubscriberScreen<settings::EthernetEntry>(op)) {}

}  // namespace zor06::screens
