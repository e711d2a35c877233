// The view of a run's 3-minute chromatograph data, read or opened from a file.
#pragma once

#include "gasdata/screens/DataForm.h"

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormArhMin_Chr : public DataForm {
    Q_OBJECT
public:
    TFormArhMin_Chr(gasdata::DataView view, DataFormContext context, QWidget* parent = nullptr);
};

}  // namespace zor06::screens
