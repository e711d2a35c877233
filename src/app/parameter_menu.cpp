#include "app/parameter_menu.h"

#include <QMenu>

#include "app/TFormMain.h"
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
#include "settings/settings_store.h"

namespace zor06::app {
namespace {

using config::DeviceEdit;
using config::EditorMode;
using screens::TFormMain;

constexpr auto kDevice = EditorMode::Device;

// Runs a screen modally on the target; true when accepted.
template <typename Screen, typename... Args>
bool Accepted(Args&&... args) {
    Screen screen(std::forward<Args>(args)...);
    return screen.exec() == QDialog::Accepted;
}

template <std::size_t N>
std::span<std::uint8_t, N> Fixed(std::span<std::uint8_t> target) {
    return target.first<N>();
}

void EditNames(TFormMain& w) {
    const DeviceEdit edit{{{5, 0, 3}}, {5, 0, 3}, true};
    const auto result = config::RunDeviceEdit(w.Tables(), edit, [&w](auto target) {
        return Accepted<screens::TFormContrName>(Fixed<config::kNamesBytes>(target), kDevice,
                                                 w.Operator(), &w);
    });
    if (result == config::DeviceEditResult::Written) {
        w.Operator().SetStatusText(dialogue::Panel::Controller, w.Image().Name(0));
        w.UpdateRunMenus();
    }
}

void EditUpperLink(TFormMain& w) {
    const DeviceEdit edit{{{3, 0, 4}}, {3, 0, 4}, false};
    const bool rateEditable =
        config::UpperLinkRateEditable(w.Link().linkKind == link::LinkKind::Direct, w.Image());
    const auto result = config::RunDeviceEdit(w.Tables(), edit, [&](auto target) {
        return Accepted<screens::TFormConVU>(Fixed<config::kUpperLinkBytes>(target), kDevice,
                                             rateEditable, w.Operator(), &w);
    });
    if (result == config::DeviceEditResult::Written) {
        config::FollowUpperLinkWrite(w.Link(), w.Settings().link,
                                     w.Image().Fields(3, 0, 4).first<4>());
        settings::SaveLinkSettings(w.Settings(), w.IniDir(), w.Operator());
        w.DescribeConnection();
    }
}

void EditSystem(TFormMain& w) {
    const DeviceEdit edit{{{6, 0, 12}}, {6, 0, 12}, false};
    const auto result = config::RunDeviceEdit(w.Tables(), edit, [&w](auto target) {
        return Accepted<screens::TFormSys>(Fixed<config::kSystemBytes>(target), kDevice,
                                           w.Operator(), &w);
    });
    if (result == config::DeviceEditResult::Written) {
        w.UpdateMenus();
    }
}

void EditSync(TFormMain& w) {
    auto switches = config::ReadSyncSwitches(w.Tables());
    if (switches && Accepted<screens::TFormTime_Sinhr>(*switches, kDevice, w.Operator(), &w)) {
        config::WriteSyncSwitches(w.Tables(), *switches);
    }
}

void EditTable(TFormMain& w, int table, int count, const config::OpenEditor& open) {
    const tables::TableHeader range{static_cast<std::uint8_t>(table), 0,
                                    static_cast<std::uint8_t>(count)};
    config::RunDeviceEdit(w.Tables(), {{range}, range, false}, open);
}

void EditLimits(TFormMain& w, int kind) {
    EditTable(w, config::LimitTable(kind), config::kGasParameterCount, [&w, kind](auto target) {
        return Accepted<screens::TFormLimits>(Fixed<config::kLimitBytes>(target), kind, kDevice,
                                              w.Operator(), &w);
    });
}

config::OpenFlowList FlowListScreen(TFormMain& w) {
    return [&w](const config::FlowRecords& records, int count,
                std::uint8_t runs) -> std::optional<config::FlowListResult> {
        screens::TFormFlouList list(records, count, runs, kDevice, w.Operator(), &w);
        if (list.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return list.Result();
    };
}

void EditFlowLine(TFormMain& w) {
    config::EditFlowLine(
        w.Tables(),
        [&w](auto line) {
            return Accepted<screens::TFormConVich>(line, kDevice, w.Operator(), &w);
        },
        FlowListScreen(w));
}

void EditChromatographLink(TFormMain& w) {
    const auto context = config::ReadChromatographContext(w.Tables());
    if (!context) {
        return;
    }
    const DeviceEdit edit{{{14, 0, 14}}, {14, 0, 14}, false};
    const auto result = config::RunDeviceEdit(w.Tables(), edit, [&](auto target) {
        return Accepted<screens::TFormConHGC>(Fixed<config::kChromatographLinkBytes>(target),
                                              kDevice, context->flowComputerAddresses,
                                              context->runs, w.Operator(), &w);
    });
    if (result == config::DeviceEditResult::Written) {
        w.UpdateRunMenus();
    }
}

void EditMoistureLink(TFormMain& w) {
    EditTable(w, 15, 8, [&w](auto target) {
        return Accepted<screens::TFormConWMT>(Fixed<config::kMoistureLinkBytes>(target), kDevice,
                                              w.Operator(), &w);
    });
}

void EditOneUser(TFormMain& w) {
    config::EditOneUser(w.Tables(), [&w](auto table) -> std::optional<int> {
        screens::TFormChangeAccess screen(table, w.Operator(), &w);
        if (screen.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return screen.Slot();
    });
}

void ShowClocks(TFormMain& w) {
    const config::ClockReadResult read = config::ReadClocks(w.Tables());
    if (read.reading == config::ClockReading::ClockTableDestroyed && read.restoreAsked) {
        w.RestoreDestroyedTables();
        return;
    }
    if (!read.view) {
        return;
    }
    screens::TFormDt screen(*read.view, w.Operator(), &w);
    if (screen.exec() == QDialog::Accepted) {
        config::SendTimeCorrection(w.Tables(), screen.Correction());
    }
}

}  // namespace

void AddParameterMenus(TFormMain& w) {
    QMenu* parameters = w.AddTopMenu(QStringLiteral("Параметры"), QStringLiteral("NWorkPar"));
    w.AddCommand(parameters, "NContrName", QStringLiteral("Наименования"), [&w] { EditNames(w); });
    QMenu* links = parameters->addMenu(QStringLiteral("Параметры связи"));
    links->menuAction()->setObjectName(QStringLiteral("NConnPar"));
    w.AddCommand(links, "NConVU", QStringLiteral("С верхним уровнем"), [&w] { EditUpperLink(w); });
    w.AddCommand(links, "NVrgConn", QStringLiteral("С вычислителем расхода газа"),
                 [&w] { EditFlowLine(w); });
    // The "C" of "C хроматографом" is a Latin letter in this caption.
    w.AddCommand(links, "NConnHGC", QStringLiteral("C хроматографом"),
                 [&w] { EditChromatographLink(w); });
    w.AddCommand(links, "NConnWMT", QStringLiteral("С влагомером"), [&w] { EditMoistureLink(w); });
    w.AddCommand(parameters, "NSysPar", QStringLiteral("Системные параметры"),
                 [&w] { EditSystem(w); });
    w.AddCommand(parameters, "NTimeSinhr", QStringLiteral("Синхронизация времени"),
                 [&w] { EditSync(w); });
    w.AddCommand(parameters, "NCurrVich", QStringLiteral("Параметры вычислителей"),
                 [&w] { config::EditFlowComputers(w.Tables(), FlowListScreen(w)); });
    QMenu* limits = parameters->addMenu(QStringLiteral("Уставки и пределы параметров газа"));
    limits->menuAction()->setObjectName(QStringLiteral("NLimits"));
    for (int kind = 0; kind < config::kLimitKinds; ++kind) {
        w.AddCommand(limits, QStringLiteral("NLimits%1").arg(kind),
                     QString::fromStdString(std::string(config::LimitMenuItem(kind))),
                     [&w, kind] { EditLimits(w, kind); });
    }
    w.AddCommand(parameters, "Ndistrpar",
                 QStringLiteral("Необходимость записи значений параметров газа в ВРГ"), [&w] {
                     EditTable(w, 21, config::kGasParameterCount, [&w](auto target) {
                         return Accepted<screens::TFormPrzDistr>(
                             Fixed<config::kGasParameterCount>(target), kDevice, w.Operator(), &w);
                     });
                 });
    w.AddCommand(
        parameters, "NDistr",
        QStringLiteral("Период записи средних за час значений параметров газа в ВРГ"), [&w] {
            EditTable(w, 28, 2, [&w](auto target) {
                return Accepted<screens::TFormDistr>(Fixed<2>(target), kDevice, w.Operator(), &w);
            });
        });
    w.AddCommand(parameters, "NAccess",
                 QStringLiteral("Доступ пользователей к таблицам параметров"),
                 [&w] { EditOneUser(w); });

    QMenu* data = w.AddTopMenu(QStringLiteral("Данные"), QStringLiteral("NData"));
    w.AddCommand(data, "NContrDt", QStringLiteral("Дата и время"), [&w] { ShowClocks(w); });
}

}  // namespace zor06::app
