#include "app/window_startup_steps.h"

#include "app/TFormMain.h"
#include "settings/link_choice.h"
#include "settings/settings_store.h"

namespace zor06::app {

void WindowStartupSteps::DescribeConnection() {
    window_.DescribeConnection();
}

void WindowStartupSteps::HideMenus() {
    window_.HideAllMenus();
}

bool WindowStartupSteps::ConnectDialog() {
    return window_.screens.connect && window_.screens.connect(window_);
}

void WindowStartupSteps::SaveLinkSettings() {
    settings::SaveLinkSettings(window_.Settings(), window_.IniDir(), window_.Operator());
}

// The start-up asks before dialling on the telephone link, after acceptance on the others.
void WindowStartupSteps::AskCredentials() {
    if (window_.screens.programUser) {
        window_.screens.programUser(window_);
    }
}

bool WindowStartupSteps::Dial() {
    return window_.DialCurrentSubscriber();
}

void WindowStartupSteps::AnsweredFrom(int address) {
    settings::AdoptAnsweredAddress(window_.Settings().link, address);
}

std::optional<bool> WindowStartupSteps::RestoreTables(tables::TableContext& ctx) {
    if (!window_.screens.restoreTables) {
        return std::nullopt;
    }
    return window_.screens.restoreTables(window_, ctx, nullptr);
}

void WindowStartupSteps::UpdateMenus() {
    window_.UpdateMenus();
}

}  // namespace zor06::app
