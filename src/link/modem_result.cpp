#include "link/modem_result.h"

#include <algorithm>
#include <array>
#include <string>

namespace zor06::link {
namespace {

struct Marker {
    std::string_view text;
    bool eitherCase;
    ModemResult result;
};

// Searched in this order. The dial-tone result is recognised in both spellings "DAIL" and
// "DIAL", so that "NO DIALTONE" is told apart from a plain failure.
constexpr std::array kMarkers{
    Marker{"ERRO", true, ModemResult::Error},
    Marker{"Time", false, ModemResult::TimeLimit},
    Marker{"DAIL", true, ModemResult::NoDialTone},
    Marker{"DIAL", true, ModemResult::NoDialTone},
    Marker{"NO CARRI", true, ModemResult::NoCarrier},
    Marker{"BUSY", true, ModemResult::Busy},
    Marker{"ANSW", true, ModemResult::NoAnswer},
    Marker{kEscapeReply, false, ModemResult::Interrupted},
};

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower;
}

}  // namespace

bool ContainsEitherCase(std::string_view reply, std::string_view upper) {
    return reply.find(upper) != std::string_view::npos ||
           reply.find(Lower(upper)) != std::string_view::npos;
}

std::string_view ModemResultText(ModemResult result) {
    switch (result) {
        case ModemResult::Connected:
            return "Соединение установлено";
        case ModemResult::NoDialTone:
            return "Отсутствует сигнал АТС";
        case ModemResult::Busy:
            return "Номер абонента занят";
        case ModemResult::NoCarrier:
            return "Потеря несущей";
        case ModemResult::Error:
            return "Нет гудка в линии";
        case ModemResult::NoAnswer:
            return "Абонент не отвечает";
        case ModemResult::TimeLimit:
            return "Лимит времени, отведенного на соединение, исчерпан";
        case ModemResult::NoModem:
            return "Модем отсутствует или не подключен";
        case ModemResult::NotConnected:
            return "Соединение не установлено";
        case ModemResult::NoReply:
            return "Истекло время ожидания ответа от модема";
        case ModemResult::Interrupted:
            return "Попытка соединения прервана по требованию пользователя";
        case ModemResult::GsmNotReady:
            return "Нет готовности GSM";
    }
    return "Соединение не установлено";
}

ModemResult ClassifyReply(std::string_view reply) {
    for (const Marker& marker : kMarkers) {
        const bool found = marker.eitherCase ? ContainsEitherCase(reply, marker.text)
                                             : reply.find(marker.text) != std::string_view::npos;
        if (found) {
            return marker.result;
        }
    }
    return ModemResult::Connected;
}

bool IsPositiveReply(std::string_view reply) {
    return ContainsEitherCase(reply, "AT") || ContainsEitherCase(reply, "OK") ||
           reply.find("\r\n") != std::string_view::npos ||
           reply.find('0') != std::string_view::npos;
}

}  // namespace zor06::link
