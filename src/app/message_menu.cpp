#include "app/message_menu.h"

#include <QMenu>

#include "app/TFormMain.h"
#include "messages/screens/status_windows.h"

namespace zor06::app {
namespace {

using screens::TFormMain;

void ShowCurrentState(TFormMain& w) {
    screens::CurrentStateHooks hooks;
    hooks.busy = [&w] { return w.RequestOnLine(); };
    hooks.messageTimer = [&w] { w.StartMessageTimer(); };
    hooks.restore = [&w] { w.RestoreDestroyedTables(); };
    screens::NSitClick(w.Tables(), hooks, &w);
}

}  // namespace

void AddMessageMenus(TFormMain& w) {
    QMenu* data = w.AddTopMenu(QStringLiteral("Данные"), QStringLiteral("NData"));
    w.AddCommand(data, "NSit", QStringLiteral("Текущее состояние контроллера"),
                 [&w] { ShowCurrentState(w); });
    w.AddCommand(data, "NFun", QStringLiteral("Возможность исполнения контроллером его функций"),
                 [&w] { screens::NFunClick(w.Tables(), &w); });
}

}  // namespace zor06::app
