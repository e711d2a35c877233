#include "collect/station_collection.h"

#include <chrono>

#include "collect/archive_collection.h"
#include "collect/collecting_operator.h"
#include "collect/timestamps.h"
#include "gasdata/data_kind.h"
#include "gasdata/data_reading.h"
#include "link/exchange_observer.h"
#include "link/hgcbox.h"
#include "link/modem_call.h"
#include "link/modem_dialogue.h"
#include "messages/archive_kind.h"
#include "messages/current_state.h"
#include "platform/temporary_files.h"
#include "settings/connection_procedure.h"
#include "tables/controller_date.h"
#include "tables/identification.h"
#include "tables/menu_plan.h"

namespace zor06::collect {
namespace {

// The bytes on the line, both ways.
class LineBytes final : public link::ExchangeObserver {
public:
    void ExchangeDone(const link::ExchangeView& exchange) override {
        total += static_cast<std::int64_t>(exchange.request.size() + exchange.reply.size());
    }
    std::int64_t total = 0;
};

store::Timestamp Now() {
    return TimestampOf(tables::EncodeNow(platform::SystemClock().LocalDateTime()));
}

// The connection the connection dialog would make to the subscriber; a telephone subscriber is
// dialled on the telephone link's line. `dialled` tells whether a call may want hanging up.
bool Connect(link::hgcbox& link, const CollectionTarget& target, const PassSettings& pass,
             dialogue::Operator& op, bool& dialled) {
    settings::ProgramSettings program = pass.program;
    const settings::ConnectChoice choice{target.kind, std::to_string(target.address), target.row};
    if (!settings::Connect(link, program, choice, op)) {
        return false;
    }
    if (target.kind != link::LinkKind::Telephone) {
        return true;
    }
    const settings::PhoneLinkSettings& phone = program.link.phone;
    link::ModemResult result = link::ModemResult::NoModem;
    const bool connected = link::DialSubscriber(
        link, {target.where, phone.command, phone.connectAttempts, phone.connectWaitS}, op,
        platform::SystemClock(), &result);
    dialled = connected || result == link::ModemResult::NoReply ||
              result == link::ModemResult::Interrupted;
    return connected;
}

store::Station StationOf(const CollectionTarget& target, tables::TableContext& ctx) {
    store::Station s;
    s.name = target.name;
    s.address = target.where;
    s.controllerAddress = target.address;
    s.serialNumber = ctx.image.U32(fields::kChromatographSerial);
    s.controllerName = ctx.image.Name(0);
    s.runNames = {ctx.image.Name(1), ctx.image.Name(2)};
    for (const auto& [label, value] : tables::IdentificationLines(ctx.image, nullptr)) {
        s.identification += label + "\t" + value + "\n";
    }
    return s;
}

// Every archive the controller has, in the order they are read: the messages, then each run in
// use, then the moisture meter when one is fitted.
void CollectArchives(StationCollection& c, StationReport& report) {
    const auto note = [&c, &report](const ArchiveOutcome& outcome) {
        report.counts.push_back(outcome.count);
        if (outcome.failure && report.ok) {
            report.ok = false;
            report.outcome = *outcome.failure;
        }
        return !outcome.failure || c.tables.link.status == 0;
    };
    for (const messages::Archive archive :
         {messages::Archive::Interventions, messages::Archive::Diagnostics}) {
        if (!note(CollectMessageArchive(c, archive))) {
            return;
        }
    }
    const tables::MenuPlan plan = tables::PlanMenus(true, c.tables.image, false);
    using gasdata::DataKind;
    for (const int run : {0, 1}) {
        if (!plan.runVisible[static_cast<std::size_t>(run)]) {
            continue;
        }
        for (const DataKind kind : {DataKind::ChrMinute, DataKind::ChrHour, DataKind::ChrDay}) {
            if (!note(CollectDataArchive(c, kind, run))) {
                return;
            }
        }
    }
    if (messages::DevicesPresent(c.tables.image).moistureMeter) {
        for (const DataKind kind : {DataKind::WmtMinute, DataKind::WmtHour, DataKind::WmtDay}) {
            if (!note(CollectDataArchive(c, kind, 0))) {
                return;
            }
        }
    }
}

}  // namespace

StationReport CollectStation(const CollectionTarget& target, const PassSettings& pass,
                             StoreAccess& store) {
    const auto began = std::chrono::steady_clock::now();
    StationReport report{target.name, true, "ok", {}, 0, 0};
    const std::optional<std::int64_t> logId = store.With(
        [&](store::CollectionStore& s) { return s.BeginCollection(target.name, Now()); });

    CollectingOperator op;
    link::hgcbox link;
    LineBytes line;
    link.SetExchangeObserver(&line);
    tables::ControllerImage image;
    tables::TableContext ctx{link, image, op};
    bool dialled = false;
    if (!Connect(link, target, pass, op, dialled)) {
        report = {target.name, false, op.LastProblem(), {}, 0, 0};
    } else if (tables::IdentifySteps withoutScreens;
               tables::Identify(ctx, withoutScreens, nullptr) !=
               tables::IdentifyOutcome::Identified) {
        report.ok = false;
        report.outcome = link.status != 0 ? link.StatusText() : op.LastProblem();
    } else {
        const platform::TemporaryFolder folder(
            "zor06-collect",
            {gasdata::kWorkFile, messages::KindOf(messages::Archive::Interventions).workFile,
             messages::KindOf(messages::Archive::Diagnostics).workFile});
        if (folder.Path().empty()) {
            report.ok = false;
            report.outcome = folder.Failure();
        } else {
            const store::Station station = StationOf(target, ctx);
            store.With([&](store::CollectionStore& s) { return s.SaveStation(station); });
            StationCollection c{ctx, op, folder.Path(), target.name, pass.since, store};
            CollectArchives(c, report);
        }
    }
    if (dialled && link.Channel() != nullptr) {
        link::HangUp(*link.Channel(), platform::SystemClock());
    }
    link.Close();
    if (report.outcome.empty()) {
        report.outcome = "нет связи";
    }
    report.lineBytes = line.total;
    report.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    if (logId) {
        store.With([&](store::CollectionStore& s) {
            return s.EndCollection(*logId, Now(), report.outcome, report.counts, report.lineBytes);
        });
    }
    return report;
}

}  // namespace zor06::collect
