#include "config/restore_tables.h"

#include <algorithm>
#include <chrono>

#include "config/config_file.h"
#include "config/prepare_image.h"
#include "tables/identification.h"
#include "tables/pc_time.h"
#include "tables/table_numbers.h"
#include "text/text_format.h"

namespace zor06::config {
namespace {

class Restoration {
public:
    Restoration(tables::TableContext& ctx, RestoreSteps& steps, TableStates& states,
                TableStateResult result)
        : ctx_(ctx), steps_(steps), states_(states), sel_(states.selected), result_(result) {}

    void Run() {
        if (!AnySelectedBut(sel_, tables::kClockTable)) {
            if (sel_[tables::kClockTable]) {
                WriteClockOnly();
            }
            return;
        }
        const auto buffer = OpenFile();
        if (!buffer) {
            return;
        }
        ConfigBuffer config = *buffer;
        if (!AnySelectedBut(sel_, tables::kClockTable, tables::kUsersTable)) {
            RestoreUsersAndClock(config);
            return;
        }
        if (EditUntilPrepared(config)) {
            WriteRestored(config);
        }
    }

private:
    // The clock's time type follows the rules of table 6, which must be read for it.
    void WriteClockOnly() {
        if (states_.destroyed[tables::kSystemTable]) {
            ctx_.op.ShowMessage(dialogue::MessageKind::SeeControllerState,
                                "Запись даты и времени невозможна",
                                "при разрушенной таблице системных параметров");
            return;
        }
        if (tables::ReadFields(ctx_, {tables::kSystemTable, 0, 12})) {
            WriteClockFromPc(ctx_, sel_);
        }
    }

    std::optional<ConfigBuffer> OpenFile() {
        const auto path = steps_.ChooseConfigFile();
        if (!path) {
            return std::nullopt;
        }
        return ReadConfigFile(*path, ctx_.op);
    }

    // Only the users and the clock: no configuration screen, and the users go out at once.
    void RestoreUsersAndClock(ConfigBuffer& config) {
        if (sel_[tables::kUsersTable]) {
            const auto users = config.Part(part::kUsers).first<kUsersBytes>();
            if (!steps_.EditUsers(users)) {
                ctx_.op.ShowMessage(dialogue::MessageKind::Info,
                                    "Таблица доступа к записи в контроллер не восстановлена",
                                    "Запись в таблицы параметров конфигурации недопустима");
                return;
            }
            std::ranges::copy(users, ctx_.image.Whole(tables::kUsersTable).begin());
            if (!WriteUsers()) {
                return;
            }
        }
        if (sel_[tables::kClockTable]) {
            WriteClockOnly();
        }
    }

    bool EditUntilPrepared(ConfigBuffer& config) {
        for (;;) {
            if (!steps_.EditConfig(config)) {
                return false;
            }
            if (PrepareImage(config, ctx_.image, sel_[tables::kUsersTable], ctx_.op)) {
                return true;
            }
            if (!ctx_.op.ShowMessage(dialogue::MessageKind::Question,
                                     "Корректировать параметры конфигурации?", "")) {
                ctx_.op.ShowMessage(dialogue::MessageKind::Info, "Запись таблиц не выполнена", "");
                return false;
            }
        }
    }

    bool WriteUsers() {
        if (WriteUsersAsNobody(ctx_)) {
            sel_[tables::kUsersTable] = false;
            return true;
        }
        ctx_.op.ShowMessage(dialogue::MessageKind::Info,
                            "Таблица зарегистрированных пользователей не восстановлена",
                            "Запись в таблицы параметров конфигурации недопустима");
        return false;
    }

    void WriteRestored(const ConfigBuffer& config) {
        ctx_.op.SetStatusText(dialogue::Panel::Message, "");
        if (sel_[tables::kUsersTable] && !WriteUsers()) {
            return;
        }
        if (sel_[tables::kClockTable] && !WriteClockFromPc(ctx_, sel_)) {
            return;
        }
        if (!WriteWithWaitWindow()) {
            return;
        }
        CheckStillDestroyed();
        // Asked only where a protocol can be made.
        if (result_ == TableStateResult::WriteAll && steps_.OffersProtocol() &&
            ctx_.op.ShowMessage(dialogue::MessageKind::Question,
                                "Формировать протокол конфигурирования?", "")) {
            steps_.BuildProtocol(config);
        }
    }

    bool WriteWithWaitWindow() {
        const dialogue::WaitScope wait(ctx_.op, dialogue::WaitMode::WriteConfig);
        const bool ok = WriteTables(ctx_, sel_, steps_);
        steps_.UpdateMenus();
        return ok;
    }

    // The controller reports what it still counts as destroyed once it took the tables in.
    void CheckStillDestroyed() {
        steps_.DescribeConnection();
        ctx_.op.SetStatusText(dialogue::Panel::Controller, ctx_.image.Name(0));
        ctx_.clock.SleepFor(std::chrono::milliseconds(1000));
        if (const auto destroyed = tables::ReadDestroyedTable(ctx_); destroyed && *destroyed != 0) {
            ctx_.op.ShowMessage(dialogue::MessageKind::Info,
                                text::Printf("Разрушена таблица № %d", *destroyed), "");
        }
    }

    tables::TableContext& ctx_;
    RestoreSteps& steps_;
    TableStates& states_;
    Selection& sel_;
    TableStateResult result_;
};

}  // namespace

bool WriteClockFromPc(tables::TableContext& ctx, Selection& selection) {
    if (!ctx.op.ShowMessage(dialogue::MessageKind::Question,
                            "В контроллер будет записано время ЭВМ.",
                            "Вы уверены, что часы ЭВМ показывают правильное время?")) {
        return false;
    }
    if (!tables::WritePcTime(ctx)) {
        return false;
    }
    selection[tables::kClockTable] = false;
    return true;
}

bool RestoreTables(tables::TableContext& ctx, RestoreSteps& steps, TableStateResult* outcome) {
    TableStates states = BuildTableStates(ctx.image);
    const TableStateResult result = steps.TableState(states);
    if (outcome != nullptr) {
        *outcome = result;
    }
    if (result != TableStateResult::Exit) {
        Restoration(ctx, steps, states, result).Run();
    }
    return tables::ReadAfterIdentification(ctx);
}

}  // namespace zor06::config
