#include "settings/screens/TFormAbonents_List.h"

#include "settings/screens/TFormAbonent.h"

namespace zor06::screens {
namespace {

ListScreenTexts SubscriberTexts(const QString& caption, const QString& secondKey) {
    return {
        caption,
        {QStringLiteral("№"), QStringLiteral("Наименование"), QStringLiteral("Адрес"), secondKey},
        3,
        false};
}

}  // namespace

TFormAbonents_List::TFormAbonents_List(settings::PhoneList& list, link::Operator& op,
                                       QWidget* parent)
    : ListScreen(std::make_unique<ListOf<settings::PhoneList>>(
                     list, Editing::kWorkingCopy,
                     [this](settings::PhoneEntry& entry, int mode, QWidget* owner) {
                         return phoneScreen(entry, mode, owner);
                     }),
                 SubscriberTexts(QStringLiteral("Список абонентов (связь по телефону)"),
                                 QStringLiteral("№ телефона")),
                 op, parent),
      phoneScreen([&op](settings::PhoneEntry& entry, int mode, QWidget* owner) {
          return TFormAbonent::Run(entry, mode, op, owner);
      }) {}

TFormAbonents_List::TFormAbonents_List(settings::EthernetList& list, link::Operator& op,
                                       QWidget* parent)
    : ListScreen(std::make_unique<ListOf<settings::EthernetList>>(
                     list, Editing::kWorkingCopy,
                     [this](settings::EthernetEntry& entry, int mode, QWidget* owner) {
                         return ethernetScreen(entry, mode, owner);
                     }),
                 SubscriberTexts(QStringLiteral("Список абонентов (Ethernet-интерфейс)"),
                                 QStringLiteral("IP-адрес:порт")),
                 op, parent),
      ethernetScreen([&op](settings::EthernetEntry& entry, int mode, QWidget* owner) {
          return TFormAbonent::Run(entry, mode, op, owner);
      }) {}

}  // namespace zor06::screens
