#include "messages/screens/status_windows.h"

#include "messages/function_info.h"
#include "messages/screens/TFormFunInfo.h"

namespace zor06::screens {

void NSitClick(tables::TableContext& ctx, const CurrentStateHooks& hooks, QWidget* parent) {
    // "Выход" from the table-state screen comes back to the current state.
    for (;;) {
        TFormPrz form(ctx, hooks, parent);
        if (form.exec() != TFormPrz::kTableStatesWanted || !hooks.restore || hooks.restore()) {
            return;
        }
    }
}

void NFunClick(tables::TableContext& ctx, QWidget* parent) {
    const auto rows = messages::ReadFunctions(ctx);
    if (!rows) {
        return;
    }
    TFormFunInfo form(*rows, parent);
    form.exec();
}

}  // namespace zor06::screens
