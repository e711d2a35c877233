#include "settings/screens/TFormObject.h"

#include <QLineEdit>

#include "settings/entry_checks.h"

namespace zor06::screens {

TFormObject::TFormObject(settings::ObjectEntry& entry, int mode, dialogue::Operator& op,
                         QWidget* parent)
    : EntryDialog(QStringLiteral(" Параметры объекта"),
                  QStringLiteral("Наименование объекта\n(до 49 символов)"),
                  QStringLiteral("Адрес контроллера ЗОР"), op, parent),
      entry_(entry) {
    if (mode == 1) {
        const settings::ObjectFields fields = settings::FieldsOf(entry);
        ShowNameAndAddress(fields.name, fields.address);
    }
}

bool TFormObject::TakeFields() {
    const settings::ObjectFields fields{Text(nameEdit()), AddressText()};
    return settings::AcceptFields(fields, entry_, op());
}

}  // namespace zor06::screens
