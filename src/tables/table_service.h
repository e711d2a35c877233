// Reading controller tables into the image and writing them back, with progress texts in the
// status bar, the echo check of the reply's table header and the "Повторить попытку?" question.
#pragma once

#include <cstdint>
#include <span>

#include "dialogue/operator.h"
#include "link/hgcbox.h"
#include "link/reply_views.h"
#include "platform/clock.h"
#include "tables/controller_image.h"

namespace zor06::tables {

// The fields a read or a write covers: the header its request carries and its reply repeats.
using TableHeader = link::TableEcho;

// What every table operation works with: the link, the image and the operator.
struct TableContext {
    link::hgcbox& link;
    ControllerImage& image;
    dialogue::Operator& op;
    platform::Clock& clock = platform::SystemClock();
};

// Reads the header's fields into the image. With `show`, the progress is in the Message panel and
// a failure asks whether to try again; a mismatched echo always asks.
bool ReadFields(TableContext& ctx, TableHeader header, bool show = true);
bool ReadField(TableContext& ctx, fields::Field field, bool show = true);
// Every field of the table.
bool ReadTable(TableContext& ctx, int table, bool show = true);

// Writes the header's fields from the image; with `ask`, a failure asks whether to try again.
bool WriteFields(TableContext& ctx, TableHeader header, bool ask = true);

// Writes only the fields of the range whose image bytes differ from `oldCopy` (the range's bytes
// as they were read), in one request or in runs, whichever costs fewer bytes on the line.
bool WriteChangedFields(TableContext& ctx, TableHeader header,
                        std::span<const std::uint8_t> oldCopy);

// Reads table 0 and every writable table except 13, with progress.
bool ReadAllTables(TableContext& ctx);

// Table numbers that ReadAllTables reads, in order.
std::span<const int> ConfigurationTables();

}  // namespace zor06::tables
