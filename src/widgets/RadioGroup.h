// A titled group of radio buttons, one per choice, numbered from 0 in their order.
#pragma once

#include <string_view>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QString;
class QWidget;

namespace zor06::widgets {

struct RadioGroup {
    QGroupBox* box;         // to place in a layout
    QButtonGroup* buttons;  // ids are the choices' positions
};

RadioGroup NewRadioGroup(const QString& title, const std::vector<std::string_view>& choices,
                         QWidget* parent);

}  // namespace zor06::widgets
