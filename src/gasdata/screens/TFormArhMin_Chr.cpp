#include "gasdata/screens/TFormArhMin_Chr.h"

namespace zor06::screens {

TFormArhMin_Chr::TFormArhMin_Chr(gasdata::DataView view, DataFormContext context, QWidget* parent)
    : DataForm(std::move(view), std::move(context), parent) {}

}  // namespace zor06::screens
