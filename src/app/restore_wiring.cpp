#include "app/restore_wiring.h"

#include "app/TFormMain.h"
#include "app/protocol_menu.h"
#include "config/config_save.h"
#include "config/restore_tables.h"
#include "config/screens/TFormAccess.h"
#include "config/screens/TFormTablState.h"

namespace zor06::app {
namespace {

using screens::TFormMain;

config::TableStateResult ShowTableStates(TFormMain& w, config::TableStates& states) {
    screens::TFormTablState form(states, w.Link().linkKind, w.Operator(), &w);
    const int result = form.exec();
    return result == 1 || result == 2 ? static_cast<config::TableStateResult>(result)
                                      : config::TableStateResult::Exit;
}

config::RestoreHooks Hooks(TFormMain& w, const RestoreConfigScreen& editConfig) {
    config::RestoreHooks hooks;
    hooks.tableState = [&w](config::TableStates& s) { return ShowTableStates(w, s); };
    hooks.chooseConfigFile = [&w] {
        return w.ChooseFile(config::OpenConfigChoice(w.ConfigDir()), false);
    };
    hooks.editUsers = [&w](std::span<std::uint8_t, config::kUsersBytes> users) {
        screens::TFormAccess form(users, true, w.Operator(), &w);
        return form.exec() == QDialog::Accepted;
    };
    if (editConfig) {
        hooks.editConfig = [&w, editConfig](config::ConfigBuffer& b) { return editConfig(w, b); };
    }
    hooks.buildProtocol = [&w](const config::ConfigBuffer&) { SavePresentProtocol(w); };
    hooks.updateMenus = [&w] { w.UpdateMenus(); };
    hooks.describeConnection = [&w] { w.DescribeConnection(); };
    hooks.write.linkSettings = &w.Settings().link;
    hooks.write.linkChanged = [&w] {
        settings::SaveLinkSettings(w.Settings(), w.IniDir(), w.Operator());
        w.DescribeConnection();
    };
    return hooks;
}

}  // namespace

void WireRestoration(TFormMain& window, RestoreConfigScreen editConfig) {
    window.screens.restoreTables = [editConfig = std::move(editConfig)](
                                       TFormMain& w, tables::TableContext& ctx,
                                       config::TableStateResult* outcome) {
        return config::RestoreTables(ctx, Hooks(w, editConfig), outcome);
    };
}

}  // namespace zor06::app
