// The lists the link editors share: a range of numbers, the baud rates, the MODBUS modes; and
// the entry of the preamble count.
#pragma once

#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QWidget;

namespace zor06::screens {

// first..last, the stored value selected (none: nothing selected); `editable` takes typed digits.
QComboBox* NumberList(int first, int last, std::optional<int> stored, QWidget* parent,
                      bool editable = false);
QComboBox* RateList(std::optional<int> index, QWidget* parent);
QComboBox* ModbusModeList(std::optional<int> mode, QWidget* parent);
// The selected value of a NumberList whose first item is `first`; none when nothing is selected.
std::optional<int> Chosen(const QComboBox* box, int first = 0);
// The count of preambles, up to three digits.
QLineEdit* PreamblesEdit(const std::string& preambles, QWidget* parent);

}  // namespace zor06::screens
