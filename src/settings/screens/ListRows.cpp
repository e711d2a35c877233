#include "settings/screens/ListRows.h"

#include <QString>

namespace zor06::screens {
namespace {

QString Number(std::size_t index) {
    return QStringLiteral("  %1").arg(index + 1);
}

QString Name(const std::string& name) {
    return QLatin1Char(' ') + QString::fromStdString(name);
}

}  // namespace

QStringList RowTexts(const settings::PhoneEntry& entry, std::size_t index) {
    return {Number(index), Name(entry.name),
            QStringLiteral(" %1").arg(static_cast<int>(entry.address)),
            QLatin1Char(' ') + QString::fromStdString(entry.phone)};
}

QStringList RowTexts(const settings::EthernetEntry& entry, std::size_t index) {
    const std::uint32_t ip = entry.ip;
    const QString address = QStringLiteral("%1.%2.%3.%4:%5")
                                .arg(ip >> 24)
                                .arg((ip >> 16) & 0xFFU)
                                .arg((ip >> 8) & 0xFFU)
                                .arg(ip & 0xFFU)
                                .arg(entry.port);
    return {Number(index), Name(entry.name),
            QStringLiteral(" %1").arg(static_cast<int>(entry.address)), address};
}

QStringList RowTexts(const settings::ObjectEntry& entry, std::size_t index) {
    return {Number(index), Name(entry.name),
            QStringLiteral("  %1").arg(static_cast<int>(entry.address))};
}

}  // namespace zor06::screens
