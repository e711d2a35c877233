#include "settings/screens/TFormObjects_List.h"

#include <utility>

#include "settings/screens/TFormObject.h"
#include "settings/settings_store.h"
#include "widgets/RunModal.h"

namespace zor06::screens {

TFormObjects_List::TFormObjects_List(settings::ProgramSettings& settings,
                                     std::filesystem::path iniDir, dialogue::Operator& op,
                                     QWidget* parent)
    : ListScreen(std::make_unique<ListOf<settings::ObjectList>>(
                     settings.objects, Editing::kInPlace,
                     [this](settings::ObjectEntry& entry, int mode, QWidget* owner) {
                         return objectScreen(entry, mode, owner);
                     }),
                 {QStringLiteral(" Список объектов"),
                  {QStringLiteral("№"), QStringLiteral("Наименование"), QStringLiteral(" Адрес")},
                  2,
                  true},
                 op, parent),
      objectScreen([&op](settings::ObjectEntry& entry, int mode, QWidget* owner) {
          return widgets::RunModal<TFormObject>(entry, mode, op, owner);
      }),
      settings_(settings),
      iniDir_(std::move(iniDir)) {}

void TFormObjects_List::TakeChanges() {
    if (entries().Changed()) {
        const dialogue::BusyScope hourglass(op());
        settings::SaveObjects(settings_, iniDir_, op());
    }
    ListScreen::TakeChanges();
}

}  // namespace zor06::screens
