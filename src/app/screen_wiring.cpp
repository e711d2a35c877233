#include "app/screen_wiring.h"

#include "app/TFormMain.h"
#include "app/config_file_menu.h"
#include "app/connect_screens.h"
#include "app/data_menu.h"
#include "app/file_dialogs.h"
#include "app/message_menu.h"
#include "app/parameter_menu.h"
#include "app/passport_menu.h"
#include "app/protocol_menu.h"
#include "app/restore_wiring.h"
#include "config/screens/TFormShortUsPass.h"
#include "link/screens/TFormConnect.h"
#include "settings/link_choice.h"
#include "settings/screens/TFormAbonents_List.h"
#include "settings/screens/TFormObjects_List.h"
#include "settings/settings_store.h"

namespace zor06::app {

using screens::TFormMain;

void WireScreens(TFormMain& window) {
    window.screens.connect = [](TFormMain& w) {
        RealConnectScreens connectScreens(w.Settings(), w.Link(), w.Operator());
        screens::TFormConnect dialog(w.Settings(), w.IniDir(), w.Link(), w.Operator(),
                                     connectScreens, &w);
        return dialog.exec() == QDialog::Accepted;
    };
    window.screens.programUser = [](TFormMain& w) {
        screens::TFormShortUsPass dialog(w.Link(), w.Operator(), &w);
        dialog.exec();
    };
    window.screens.subscriberList = [](TFormMain& w, int linkKind) {
        settings::ProgramSettings& s = w.Settings();
        if (linkKind == 1) {
            screens::TFormAbonents_List dialog(s.phones, w.Operator(), &w);
            if (dialog.exec() == QDialog::Accepted) {
                settings::SavePhoneList(s, w.IniDir(), w.Operator());
            }
        } else {
            screens::TFormAbonents_List dialog(s.ethernet, w.Operator(), &w);
            if (dialog.exec() == QDialog::Accepted) {
                settings::SaveEthernetList(s, w.IniDir(), w.Operator());
            }
        }
        // The Connection panel describes the connection in use, not the list's new current entry.
    };
    window.screens.objectList = [](TFormMain& w) {
        screens::TFormObjects_List dialog(w.Settings(), w.IniDir(), w.Operator(), &w);
        dialog.exec();
    };
    window.screens.describeConnection = [](const settings::ProgramSettings& s) {
        return settings::DescribeConnection(s);
    };
    window.screens.chooseFile = ChooseFileInDialog;
    AddConfigFileCommands(window.Context(), window);
    AddProtocolCommands(window.Context(), window);
    AddParameterMenus(window.Context(), window);
    AddDataMenus(window.Context(), window);
    AddMessageMenus(window.Context(), window);
    AddPassportMenus(window.Context(), window);
    WireRestoration(window, RestoringConfiguration);
}

}  // namespace zor06::app
