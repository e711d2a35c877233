// The two menu commands of a message archive without their dialogs: what they read before the
// dialog opens, and the reading they start once it is accepted.
#pragma once

#include <functional>
#include <optional>

#include "messages/dialog_verdict.h"
#include "messages/index_range.h"
#include "messages/message_reading.h"

namespace zor06::messages {

// The archive's boundary indices from its table; none when the read failed (the table service
// has asked already) or, after its message, when the archive holds no record.
std::optional<IndexBounds> ReadIndexBounds(tables::TableContext& ctx, Archive archive);

// Opens the index dialog; none when it was left without accepting.
using IndexChooser = std::function<std::optional<IndexSelection>(const IndexBounds&)>;
// Opens the period dialog; none when it was left without accepting.
using PeriodChooser = std::function<std::optional<Period>()>;

void ReadByIndexCommand(ReadingContext& ctx, Archive archive, const IndexChooser& choose);
// Reads the controller's clock (table 2) first, which the dialog may show.
void ReadByPeriodCommand(ReadingContext& ctx, Archive archive, const PeriodChooser& choose);

}  // namespace zor06::messages
