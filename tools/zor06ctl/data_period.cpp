#include "zor06ctl/data_period.h"

#include "messages/short_date_model.h"
#include "tables/controller_date.h"
#include "zor06ctl/message_dates.h"

namespace zor06::ctl {
namespace {

// The preset the dialog offers as the last 24 hours (3-minute, hourly) or the last month (daily).
int LastDayPreset(gasdata::Step step) {
    return step == gasdata::Step::ThreeMinutes ? 1 : 0;
}

messages::ShortDateEntry PresetEntry(const DataPeriodRequest& request, gasdata::Step step,
                                     const messages::ArchiveBounds& bounds,
                                     messages::ShortDateModel& model) {
    const messages::ShortDateEntry preset = model.Choose(LastDayPreset(step), {});
    const bool lastDay = request.how == DataPeriodRequest::How::LastDay;
    switch (step) {
        case gasdata::Step::Day: {
            if (!lastDay) {
                return preset;
            }
            const bytes::ControllerDateTime newest{
                bounds.newest[0], bounds.newest[1], bounds.newest[2], 0, 0, 0};
            return {newest, newest, false};
        }
        case gasdata::Step::Hour:
            if (lastDay) {
                return preset;
            }
            return {tables::StepForward(tables::StepBack(preset.end, tables::kStepMonth),
                                        tables::kStepHour),
                    preset.end, false};
        case gasdata::Step::ThreeMinutes:
            break;
    }
    if (lastDay) {
        return preset;
    }
    return {tables::StepBack(preset.end, tables::kStepMonth), preset.end, false};
}

}  // namespace

std::optional<DataPeriodRequest> DataPeriodOf(const DataOptions& options, std::string* error) {
    const bool given = !options.from.empty() || !options.to.empty();
    if (static_cast<int>(given) + static_cast<int>(options.lastDay) +
            static_cast<int>(options.lastMonth) !=
        1) {
        *error = "give one period: --from DATE --to DATE, --last-day or --last-month";
        return std::nullopt;
    }
    DataPeriodRequest request;
    if (options.lastDay || options.lastMonth) {
        request.how =
            options.lastDay ? DataPeriodRequest::How::LastDay : DataPeriodRequest::How::LastMonth;
        return request;
    }
    const auto from = ParseMessageDate(options.from);
    const auto to = ParseMessageDate(options.to);
    if (!from || !to) {
        *error = "--from and --to take \"DD.MM.YY HH:MM\"";
        return std::nullopt;
    }
    request.from = *from;
    request.to = *to;
    return request;
}

std::optional<messages::Period> ChooseDataPeriod(const DataPeriodRequest& request,
                                                 gasdata::Step step,
                                                 const messages::ArchiveBounds& bounds,
                                                 const bytes::ControllerDateTime& now,
                                                 dialogue::Operator& op) {
    settings::ArchiveChoices choices;
    messages::ShortDateModel model(static_cast<messages::DataArchive>(step), bounds, now, choices);
    messages::ShortDateEntry entry;
    if (request.how == DataPeriodRequest::How::Given) {
        // The dates typed into the dialog under its "Заданный период".
        choices.periodKind = static_cast<int>(model.PresetTexts().size()) - 1;
        entry = {request.from, request.to, true};
    } else {
        entry = PresetEntry(request, step, bounds, model);
    }
    const messages::PeriodVerdict verdict = model.Accept(entry);
    if (!verdict.accepted) {
        op.ShowMessage(dialogue::MessageKind::InputError, verdict.text1, verdict.text2);
    }
    return verdict.accepted;
}

}  // namespace zor06::ctl
