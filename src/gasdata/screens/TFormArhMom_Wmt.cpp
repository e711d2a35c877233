#include "gasdata/screens/TFormArhMom_Wmt.h"

namespace zor06::screens {

TFormArhMom_Wmt::TFormArhMom_Wmt(gasdata::DataView view, DataFormContext context, QWidget* parent)
    : DataForm(std::move(view), std::move(context), parent) {}

}  // namespace zor06::screens
