#include "gasdata/data_view_model.h"

#include "gasdata/chr_view_model.h"
#include "gasdata/wmt_view_model.h"

namespace zor06::gasdata {

DataView BuildDataView(const DataSet& set, const settings::ReportConfig& config) {
    return IsChromatograph(set.kind) ? ChrDataView(set, config) : WmtDataView(set);
}

}  // namespace zor06::gasdata
