#include "gasdata/screens/TFormArhivHD_Wmt.h"

namespace zor06::screens {

TFormArhivHD_Wmt::TFormArhivHD_Wmt(gasdata::DataView view, DataFormContext context, QWidget* parent)
    : DataForm(std::move(view), std::move(context), parent) {}

}  // namespace zor06::screens
