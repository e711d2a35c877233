// The period of a data reading from the command line: dates or a preset, given the same checks
// and messages as the period dialog.
#pragma once

#include <optional>
#include <string>

#include "dialogue/operator.h"
#include "gasdata/data_kind.h"
#include "messages/archive_bounds.h"
#include "messages/dialog_verdict.h"

namespace zor06::ctl {

// The run and the period of a chromatograph or moisture-meter data reading as given.
struct DataOptions {
    int run = 0;  // --run 1|2; 0 when not given
    std::string from;
    std::string to;
    bool lastDay = false;
    bool lastMonth = false;
};

struct DataPeriodRequest {
    enum class How { Given, LastDay, LastMonth } how = How::Given;
    bytes::ControllerDateTime from{};  // Given only
    bytes::ControllerDateTime to{};
};

// Exactly one of --from DATE --to DATE, --last-day, --last-month; none with `error` otherwise.
std::optional<DataPeriodRequest> DataPeriodOf(const DataOptions& options, std::string* error);

// The period the dialog would accept for the request, in an archive of `step` with `bounds`,
// the controller clock at `now`:
//   --last-day   3-minute and hourly: the dialog's last-24-hours preset; daily: the newest day;
//   --last-month daily: the dialog's last-month preset; 3-minute and hourly: the month that ends
//                where the last-24-hours preset ends.
// None after the dialog's message (an InputError message) refusing it.
std::optional<messages::Period> ChooseDataPeriod(const DataPeriodRequest& request,
                                                 gasdata::Step step,
                                                 const messages::ArchiveBounds& bounds,
                                                 const bytes::ControllerDateTime& now,
                                                 dialogue::Operator& op);

}  // namespace zor06::ctl
