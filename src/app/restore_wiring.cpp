#include "app/restore_wiring.h"

#include "app/TFormMain.h"
#include "app/protocol_menu.h"
#include "config/config_save.h"
#include "config/restore_tables.h"
#include "config/screens/TFormAccess.h"
#include "config/screens/TFormTablState.h"
#include "link/hgcbox.h"
#include "settings/settings_store.h"

namespace zor06::app {
namespace {

config::TableStateResult ShowTableStates(AppContext& app, config::TableStates& states) {
    screens::TFormTablState form(states, app.link.linkKind, app.op, app.window.DialogParent());
    const int result = form.exec();
    return result == 1 || result == 2 ? static_cast<config::TableStateResult>(result)
                                      : config::TableStateResult::Exit;
}

// The restoration's steps on the main window's screens and the stored link settings.
class WindowRestoreSteps final : public config::RestoreSteps {
public:
    WindowRestoreSteps(AppContext& app, RestoreConfigScreen editConfig)
        : app_(app), editConfig_(editConfig) {}

    config::TableStateResult TableState(config::TableStates& states) override {
        return ShowTableStates(app_, states);
    }
    std::optional<std::filesystem::path> ChooseConfigFile() override {
        return app_.window.ChooseFile(config::OpenConfigChoice(app_.ConfigDir()), false);
    }
    bool EditUsers(std::span<std::uint8_t, config::kUsersBytes> users) override {
        screens::TFormAccess form(users, true, app_.op, app_.window.DialogParent());
        return form.exec() == QDialog::Accepted;
    }
    // Without a configuration screen the restoration ends as when the operator cancels it.
    bool EditConfig(config::ConfigBuffer& buffer) override {
        return editConfig_ != nullptr && editConfig_(app_, buffer);
    }
    bool OffersProtocol() const override { return true; }
    void BuildProtocol(const config::ConfigBuffer&) override { SavePresentProtocol(app_); }
    void UpdateMenus() override { app_.window.UpdateMenus(); }
    void DescribeConnection() override { app_.window.DescribeConnection(); }
    settings::LinkSettings* LinkSettings() override { return &app_.settings.link; }
    void LinkChanged() override {
        settings::SaveLinkSettings(app_.settings, app_.IniDir(), app_.op);
        app_.window.DescribeConnection();
    }

private:
    AppContext& app_;
    RestoreConfigScreen editConfig_;
};

}  // namespace

using screens::TFormMain;

void WireRestoration(TFormMain& window, RestoreConfigScreen editConfig) {
    window.screens.restoreTables = [editConfig](TFormMain& w, tables::TableContext& ctx,
                                                config::TableStateResult* outcome) {
        WindowRestoreSteps steps(w.Context(), editConfig);
        return config::RestoreTables(ctx, steps, outcome);
    };
}

}  // namespace zor06::app
