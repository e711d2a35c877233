#include "app/parameter_menu.h"

#include <QMenu>
#include <span>

#include "app/app_context.h"
#include "config/access_command.h"
#include "config/chromatograph_context.h"
#include "config/clock_command.h"
#include "config/clock_view.h"
#include "config/device_edit.h"
#include "config/device_links.h"
#include "config/flow_commands.h"
#include "config/limits_editor.h"
#include "config/screens/TFormChangeAccess.h"
#include "config/screens/TFormConHGC.h"
#include "config/screens/TFormConVU.h"
#include "config/screens/TFormConVich.h"
#include "config/screens/TFormConWMT.h"
#include "config/screens/TFormContrName.h"
#include "config/screens/TFormDistr.h"
#include "config/screens/TFormDt.h"
#include "config/screens/TFormFlouList.h"
#include "config/screens/TFormLimits.h"
#include "config/screens/TFormPrzDistr.h"
#include "config/screens/TFormSys.h"
#include "config/screens/TFormTime_Sinhr.h"
#include "config/sync_editor.h"
#include "config/upper_link_follow.h"
#include "link/hgcbox.h"
#include "settings/settings_store.h"
#include "widgets/RunModal.h"

namespace zor06::app {
namespace {

using config::DeviceEdit;
using config::EditorMode;
using widgets::RunModal;

constexpr auto kDevice = EditorMode::Device;

template <std::size_t N>
std::span<std::uint8_t, N> Fixed(std::span<std::uint8_t> target) {
    return target.first<N>();
}

void EditNames(AppContext& app) {
    const DeviceEdit edit{{{5, 0, 3}}, {5, 0, 3}, true};
    const auto result = config::RunDeviceEdit(app.tables, edit, [&app](auto target) {
        return RunModal<screens::TFormContrName>(Fixed<config::kNamesBytes>(target), kDevice,
                                                 app.op, app.window.DialogParent());
    });
    if (result == config::DeviceEditResult::Written) {
        app.op.SetStatusText(dialogue::Panel::Controller, app.image.Name(0));
        app.window.UpdateRunMenus();
    }
}

void EditUpperLink(AppContext& app) {
    const DeviceEdit edit{{{3, 0, 4}}, {3, 0, 4}, false};
    const bool rateEditable =
        config::UpperLinkRateEditable(app.link.linkKind == link::LinkKind::Direct, app.image);
    const auto result = config::RunDeviceEdit(app.tables, edit, [&](auto target) {
        return RunModal<screens::TFormConVU>(Fixed<config::kUpperLinkBytes>(target), kDevice,
                                             rateEditable, app.op, app.window.DialogParent());
    });
    if (result == config::DeviceEditResult::Written) {
        config::FollowUpperLinkWrite(app.link, app.settings.link,
                                     app.image.Fields(3, 0, 4).first<4>());
        settings::SaveLinkSettings(app.settings, app.IniDir(), app.op);
        app.window.DescribeConnection();
    }
}

void EditSystem(AppContext& app) {
    const DeviceEdit edit{{{6, 0, 12}}, {6, 0, 12}, false};
    const auto result = config::RunDeviceEdit(app.tables, edit, [&app](auto target) {
        return RunModal<screens::TFormSys>(Fixed<config::kSystemBytes>(target), kDevice, app.op,
                                           app.window.DialogParent());
    });
    if (result == config::DeviceEditResult::Written) {
        app.window.UpdateMenus();
    }
}

void EditSync(AppContext& app) {
    auto switches = config::ReadSyncSwitches(app.tables);
    if (switches &&
        RunModal<screens::TFormTime_Sinhr>(*switches, kDevice, app.op, app.window.DialogParent())) {
        config::WriteSyncSwitches(app.tables, *switches);
    }
}

void EditTable(AppContext& app, int table, int count, const config::OpenEditor& open) {
    const tables::TableHeader range{static_cast<std::uint8_t>(table), 0,
                                    static_cast<std::uint8_t>(count)};
    config::RunDeviceEdit(app.tables, {{range}, range, false}, open);
}

void EditLimits(AppContext& app, int kind) {
    EditTable(app, config::LimitTable(kind), config::kGasParameterCount, [&app, kind](auto target) {
        return RunModal<screens::TFormLimits>(Fixed<config::kLimitBytes>(target), kind, kDevice,
                                              app.op, app.window.DialogParent());
    });
}

config::OpenFlowList FlowListScreen(AppContext& app) {
    return [&app](const config::FlowRecords& records, int count,
                  std::uint8_t runs) -> std::optional<config::FlowListResult> {
        screens::TFormFlouList list(records, count, runs, kDevice, app.op,
                                    app.window.DialogParent());
        if (list.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return list.Result();
    };
}

void EditFlowLine(AppContext& app) {
    config::EditFlowLine(
        app.tables,
        [&app](auto line) {
            return RunModal<screens::TFormConVich>(line, kDevice, app.op,
                                                   app.window.DialogParent());
        },
        FlowListScreen(app));
}

void EditChromatographLink(AppContext& app) {
    const auto context = config::ReadChromatographContext(app.tables);
    if (!context) {
        return;
    }
    const DeviceEdit edit{{{14, 0, 14}}, {14, 0, 14}, false};
    const auto result = config::RunDeviceEdit(app.tables, edit, [&](auto target) {
        return RunModal<screens::TFormConHGC>(Fixed<config::kChromatographLinkBytes>(target),
                                              kDevice, context->flowComputerAddresses,
                                              context->runs, app.op, app.window.DialogParent());
    });
    if (result == config::DeviceEditResult::Written) {
        app.window.UpdateRunMenus();
    }
}

void EditMoistureLink(AppContext& app) {
    EditTable(app, 15, 8, [&app](auto target) {
        return RunModal<screens::TFormConWMT>(Fixed<config::kMoistureLinkBytes>(target), kDevice,
                                              app.op, app.window.DialogParent());
    });
}

void EditOneUser(AppContext& app) {
    config::EditOneUser(app.tables, [&app](auto table) -> std::optional<int> {
        screens::TFormChangeAccess screen(table, app.op, app.window.DialogParent());
        if (screen.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return screen.Slot();
    });
}

void ShowClocks(AppContext& app) {
    const config::ClockReadResult read = config::ReadClocks(app.tables);
    if (read.reading == config::ClockReading::ClockTableDestroyed && read.restoreAsked) {
        app.window.RestoreDestroyedTables();
        return;
    }
    if (!read.view) {
        return;
    }
    screens::TFormDt screen(*read.view, app.op, app.window.DialogParent());
    if (screen.exec() == QDialog::Accepted) {
        config::SendTimeCorrection(app.tables, screen.Correction());
    }
}

void EditFlowComputers(AppContext& app) {
    config::EditFlowComputers(app.tables, FlowListScreen(app));
}

void EditWriteChoices(AppContext& app) {
    EditTable(app, 21, config::kGasParameterCount, [&app](auto target) {
        return RunModal<screens::TFormPrzDistr>(Fixed<config::kGasParameterCount>(target), kDevice,
                                                app.op, app.window.DialogParent());
    });
}

void EditWritePeriod(AppContext& app) {
    EditTable(app, 28, 2, [&app](auto target) {
        return RunModal<screens::TFormDistr>(Fixed<2>(target), kDevice, app.op,
                                             app.window.DialogParent());
    });
}

// A menu item that opens one editor: its object name, its caption and the editor.
struct EditorItem {
    const char* name;
    const char* caption;
    void (*edit)(AppContext&);
};

constexpr EditorItem kLinkItems[] = {
    {"NConVU", "С верхним уровнем", EditUpperLink},
    {"NVrgConn", "С вычислителем расхода газа", EditFlowLine},
    // The "C" of "C хроматографом" is a Latin letter in this caption.
    {"NConnHGC", "C хроматографом", EditChromatographLink},
    {"NConnWMT", "С влагомером", EditMoistureLink},
};
constexpr EditorItem kSettingItems[] = {
    {"NSysPar", "Системные параметры", EditSystem},
    {"NTimeSinhr", "Синхронизация времени", EditSync},
    {"NCurrVich", "Параметры вычислителей", EditFlowComputers},
};
constexpr EditorItem kWritingItems[] = {
    {"Ndistrpar", "Необходимость записи значений параметров газа в ВРГ", EditWriteChoices},
    {"NDistr", "Период записи средних за час значений параметров газа в ВРГ", EditWritePeriod},
    {"NAccess", "Доступ пользователей к таблицам параметров", EditOneUser},
};

void AddEditorItems(AppContext& app, MenuBuilder& menus, QMenu* menu,
                    std::span<const EditorItem> items) {
    for (const EditorItem& item : items) {
        menus.AddCommand(menu, QString::fromLatin1(item.name), QString::fromUtf8(item.caption),
                         [&app, edit = item.edit] { edit(app); });
    }
}

}  // namespace

void AddParameterMenus(AppContext& app, MenuBuilder& menus) {
    QMenu* parameters = menus.AddTopMenu(QStringLiteral("Параметры"), QStringLiteral("NWorkPar"));
    menus.AddCommand(parameters, "NContrName", QStringLiteral("Наименования"),
                     [&app] { EditNames(app); });
    QMenu* links = parameters->addMenu(QStringLiteral("Параметры связи"));
    links->menuAction()->setObjectName(QStringLiteral("NConnPar"));
    AddEditorItems(app, menus, links, kLinkItems);
    AddEditorItems(app, menus, parameters, kSettingItems);
    QMenu* limits = parameters->addMenu(QStringLiteral("Уставки и пределы параметров газа"));
    limits->menuAction()->setObjectName(QStringLiteral("NLimits"));
    for (int kind = 0; kind < config::kLimitKinds; ++kind) {
        menus.AddCommand(limits, QStringLiteral("NLimits%1").arg(kind),
                         QString::fromStdString(std::string(config::LimitMenuItem(kind))),
                         [&app, kind] { EditLimits(app, kind); });
    }
    AddEditorItems(app, menus, parameters, kWritingItems);

    QMenu* data = menus.AddTopMenu(QStringLiteral("Данные"), QStringLiteral("NData"));
    menus.AddCommand(data, "NContrDt", QStringLiteral("Дата и время"), [&app] { ShowClocks(app); });
}

}  // namespace zor06::app
