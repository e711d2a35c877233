// The accepted range and the default of every link parameter the operator can set: the parameter
// dialog and the subscriber screens refuse values outside it, and a settings file that holds one
// gets the default instead, so that no edited file can set up a link the dialogs never would.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zor06::settings {

enum class LinkParameter {
    LinkKind,
    PortWaitS,
    ComPort,
    Address,  // controller address of a record, a subscriber or an object
    Baud,     // one of the baud rate list
    Preambles,
    Attempts,
    InterByteTimeoutMs,
    FirstByteTimeoutS,       // direct line and Ethernet
    PhoneFirstByteTimeoutS,  // the same wait of the telephone line, one second longer
    PhoneConnectWaitS,
    EthernetConnectWaitS,
    ConnectAttempts,
    SubscriberPort,
    ListSorting,
};

struct LinkRange {
    LinkParameter parameter;
    // The name the dialogs give with "Параметр вне допустимого диапазона".
    std::string_view name;
    int min;
    int max;
    int defaultValue;
};

// In the order of LinkParameter.
inline constexpr std::array<LinkRange, 15> kLinkRanges{{
    {LinkParameter::LinkKind, "Тип связи", 0, 2, 0},
    {LinkParameter::PortWaitS, "Время ожидания освобождения СОМ порта", 1, 20, 1},
    {LinkParameter::ComPort, "Порт подключения", 1, 255, 1},
    {LinkParameter::Address, "Адрес устройства", 1, 255, 1},
    {LinkParameter::Baud, "Скорость обмена", 300, 230400, 9600},
    {LinkParameter::Preambles, "Количество преамбул в запросе", 0, 255, 5},
    {LinkParameter::Attempts, "Кол. попыток обмена", 1, 5, 1},
    {LinkParameter::InterByteTimeoutMs, "Время ожидания следующих байтов ответа", 55, 5000, 300},
    {LinkParameter::FirstByteTimeoutS, "Время ожидания первого байта ответа", 1, 120, 5},
    {LinkParameter::PhoneFirstByteTimeoutS, "Время ожидания первого байта ответа", 1, 120, 6},
    {LinkParameter::PhoneConnectWaitS, "Ожидание соединения", 1, 360, 50},
    {LinkParameter::EthernetConnectWaitS, "Ожидание соединения", 1, 360, 10},
    {LinkParameter::ConnectAttempts, "Количество попыток соединения", 1, 10, 1},
    {LinkParameter::SubscriberPort, "IP-адрес:порт", 0, 65535, 0},
    {LinkParameter::ListSorting, "Сортировка", 0, 1, 0},
}};

constexpr const LinkRange& RangeOf(LinkParameter parameter) {
    return kLinkRanges[static_cast<std::size_t>(parameter)];
}

// Whether the parameter may take the value; a baud rate must also be one of the list.
bool Accepts(LinkParameter parameter, long long value);

// The value when it is accepted, otherwise the parameter's default.
int ValueOrDefault(LinkParameter parameter, long long value);

}  // namespace zor06::settings
