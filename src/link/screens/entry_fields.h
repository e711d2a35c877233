// The port list and the whole-number fields shared by the parameter dialog and the device search.
#pragma once

#include <optional>
#include <string>

#include "settings/link_ranges.h"

class QComboBox;
class QLineEdit;
class QWidget;

namespace zor06::screens {

// Fills "Порт подключения" with the serial devices that exist now, by device path, and selects
// `current`. A current device that exists but is not among the usual names (a pseudo-terminal, a
// link under /dev) is listed too; one that is gone leaves the field empty. Any other device path
// may be typed into the field.
void FillPortList(QComboBox* box, const std::string& current);
// The chosen or typed device, or empty when there is none.
std::string SelectedPort(const QComboBox* box);

// A whole-number field: digits and backspace only.
QLineEdit* NewNumberEdit(QWidget* parent, int maxLength);
// The field's value; none when it is empty or not a number that fits.
std::optional<int> FieldValue(const QLineEdit* edit);
// Whether the field holds a number within min..max.
bool FieldInRange(const QLineEdit* edit, int min, int max);
// Whether the field holds a value the link parameter accepts.
bool FieldAccepted(const QLineEdit* edit, settings::LinkParameter parameter);

}  // namespace zor06::screens
