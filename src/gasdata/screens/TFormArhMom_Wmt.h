// The view of the moisture meter's 3-minute data, read or opened from a file.
#pragma once

#include "gasdata/screens/DataForm.h"

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormArhMom_Wmt : public DataForm {
    Q_OBJECT
public:
    TFormArhMom_Wmt(gasdata::DataView view, DataFormContext context, QWidget* parent = nullptr);
};

}  // namespace zor06::screens
