// "Сохранить в формате Excel": the file the operator chooses, the question before an existing
// one is replaced, the workbook written behind the wait window and the message that follows.
#pragma once

#include <filesystem>
#include <functional>

#include "dialogue/operator.h"
#include "files/save_as.h"
#include "gasdata/data_set.h"
#include "gasdata/data_view.h"
#include "gasdata/data_workbook.h"

namespace zor06::gasdata {

inline constexpr char kWorkbookExtension[] = ".xlsx";

// "zor_06_RUN_YYMMDD.xlsx" with the run's name (characters a file name cannot hold become '_').
std::string DefaultWorkbookName(const dataset::HdmHeader& header,
                                const bytes::ControllerDateTime& today);

struct WorkbookExport {
    std::filesystem::path programDir;  // MOMDATA, HOURDATA and DAYDATA lie in it
    bytes::ControllerDateTime today{};
};

// False when cancelled, refused or failed (already told).
bool ExportWorkbook(const DataView& view, const dataset::HdmHeader& header,
                    const WorkbookExport& how, dialogue::Operator& op);

}  // namespace zor06::gasdata
