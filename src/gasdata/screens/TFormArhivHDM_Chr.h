// The view of a run's hourly or daily chromatograph data, read or opened from a file.
#pragma once

#include "gasdata/screens/DataForm.h"

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormArhivHDM_Chr : public DataForm {
    Q_OBJECT
public:
    TFormArhivHDM_Chr(gasdata::DataView view, DataFormContext context, QWidget* parent = nullptr);
};

}  // namespace zor06::screens
