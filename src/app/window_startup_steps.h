// The connection start-up's steps as the main window takes them: its dialogs, its menus, its
// status bar and the stored link settings.
#pragma once

#include "tables/connection_startup.h"

namespace zor06::screens {
class TFormMain;
}

namespace zor06::app {

class WindowStartupSteps final : public tables::StartupSteps {
public:
    explicit WindowStartupSteps(screens::TFormMain& window) : window_(window) {}

    void DescribeConnection() override;
    void HideMenus() override;
    bool ConnectDialog() override;
    void SaveLinkSettings() override;
    void AskCredentials() override;
    bool Dial() override;
    void AnsweredFrom(int address) override;
    std::optional<bool> RestoreTables(tables::TableContext& ctx) override;
    void UpdateMenus() override;

private:
    screens::TFormMain& window_;
};

}  // namespace zor06::app
