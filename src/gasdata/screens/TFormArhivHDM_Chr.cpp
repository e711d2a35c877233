#include "gasdata/screens/TFormArhivHDM_Chr.h"

namespace zor06::screens {

TFormArhivHDM_Chr::TFormArhivHDM_Chr(gasdata::DataView view, DataFormContext context,
                                     QWidget* parent)
    : DataForm(std::move(view), std::move(context), parent) {}

}  // namespace zor06::screens
