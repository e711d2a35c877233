// The texts of one grid row of each list screen: number from 1, name, controller address and the
// entry's second key.
#pragma once

#include <QStringList>
#include <cstddef>

#include "settings/settings_types.h"

namespace zor06::screens {

QStringList RowTexts(const settings::PhoneEntry& entry, std::size_t index);
QStringList RowTexts(const settings::EthernetEntry& entry, std::size_t index);
QStringList RowTexts(const settings::ObjectEntry& entry, std::size_t index);

}  // namespace zor06::screens
