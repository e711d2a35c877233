// The view of the moisture meter's hourly or daily data, read or opened from a file.
#pragma once

#include "gasdata/screens/DataForm.h"

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormArhivHD_Wmt : public DataForm {
    Q_OBJECT
public:
    TFormArhivHD_Wmt(gasdata::DataView view, DataFormContext context, QWidget* parent = nullptr);
};

}  // namespace zor06::screens
