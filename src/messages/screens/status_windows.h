// The menu commands of the controller's status: the current state and the functions.
#pragma once

#include <QWidget>

#include "messages/screens/TFormPrz.h"
#include "tables/table_service.h"

namespace zor06::screens {

// "Текущее состояние контроллера": the window on the image's devices (table 6 read); left
// through the table-state button it hands over to `hooks.restore`, and comes back when the
// operator leaves the table-state screen with "Выход".
void NSitClick(tables::TableContext& ctx, const CurrentStateHooks& hooks, QWidget* parent);

// "Возможность исполнения контроллером его функций": reads table 8 and shows the window; nothing
// after a failed read.
void NFunClick(tables::TableContext& ctx, QWidget* parent);

}  // namespace zor06::screens
