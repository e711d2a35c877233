// "Возможность исполнения контроллером его функций".
#pragma once

#include "messages/function_info.h"
#include "messages/screens/TableWindow.h"

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormFunInfo : public TableWindow {
    Q_OBJECT
public:
    explicit TFormFunInfo(const messages::FunctionRows& rows, QWidget* parent = nullptr);
};

}  // namespace zor06::screens
