// "Состояние обмена с вычислителями РГ": the address, link and parameter writing of each
// connected flow computer.
#pragma once

#include <vector>

#include "messages/flow_exchange.h"
#include "messages/screens/TableWindow.h"

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormVichInf : public TableWindow {
    Q_OBJECT
public:
    explicit TFormVichInf(const std::vector<messages::FlowRow>& rows, QWidget* parent = nullptr);
};

}  // namespace zor06::screens
