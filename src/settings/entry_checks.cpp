#include "settings/entry_checks.h"

#include <optional>
#include <string_view>

#include "text/cp1251_text.h"

namespace zor06::settings {
namespace {

constexpr char kIncomplete[] = "Введены не все параметры";

// Enough digits for every range checked here without overflowing.
constexpr std::size_t kMaxDigits = 9;

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos
               ? std::string_view{}
               : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

bool Blank(std::string_view text) {
    return Trim(text).empty();
}

// The entry filter lets only digits through; anything else is no number and fails its range.
std::optional<long> FieldNumber(std::string_view text) {
    text = Trim(text);
    if (text.empty() || text.size() > kMaxDigits) {
        return std::nullopt;
    }
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

bool InRange(std::string_view text, long low, long high) {
    const auto value = FieldNumber(text);
    return value && *value >= low && *value <= high;
}

// Only called on texts InRange has passed.
long Value(std::string_view text) {
    return FieldNumber(text).value_or(0);
}

bool Refuse(dialogue::Operator& op, std::string_view text1, std::string_view text2 = "") {
    op.ShowMessage(dialogue::MessageKind::InputError, text1, text2);
    return false;
}

// The checks the three screens share: name and address.
bool NameAndAddressPass(const std::string& name, const std::string& address,
                        dialogue::Operator& op) {
    if (name.empty() || Blank(address)) {
        return Refuse(op, kIncomplete);
    }
    if (!InRange(address, 1, 255)) {
        return Refuse(op, "Адрес вне допустимого диапазона", "(1...255)");
    }
    return true;
}

}  // namespace

PhoneFields FieldsOf(const PhoneEntry& entry) {
    return {entry.name, std::to_string(entry.address), entry.phone};
}

EthernetFields FieldsOf(const EthernetEntry& entry) {
    EthernetFields fields{
        entry.name, std::to_string(entry.address), {}, std::to_string(entry.port)};
    for (std::size_t i = 0; i < fields.ip.size(); ++i) {
        fields.ip[i] = std::to_string((entry.ip >> (24 - 8 * i)) & 0xFFU);
    }
    return fields;
}

ObjectFields FieldsOf(const ObjectEntry& entry) {
    return {entry.name, std::to_string(entry.address)};
}

bool AcceptFields(const PhoneFields& fields, PhoneEntry& entry, dialogue::Operator& op) {
    if (!NameAndAddressPass(fields.name, fields.address, op)) {
        return false;
    }
    if (fields.phone.empty()) {
        return Refuse(op, kIncomplete);
    }
    entry.address = static_cast<std::uint8_t>(Value(fields.address));
    entry.name = text::CutToField(fields.name, kNameChars);
    entry.phone = text::CutToField(fields.phone, kPhoneChars);
    return true;
}

bool AcceptFields(const EthernetFields& fields, EthernetEntry& entry, dialogue::Operator& op) {
    if (!NameAndAddressPass(fields.name, fields.address, op)) {
        return false;
    }
    if (Blank(fields.port)) {
        return Refuse(op, kIncomplete);
    }
    std::uint32_t ip = 0;
    for (const std::string& part : fields.ip) {
        if (Blank(part)) {
            return Refuse(op, kIncomplete);
        }
        if (!InRange(part, 0, 255)) {
            return Refuse(op, "Поле IP-адреса вне допустимого диапазона", "(0...255)");
        }
        ip = ip << 8 | static_cast<std::uint32_t>(Value(part));
    }
    // The connection needs a real TCP port; port 0 or beyond 65535 cannot be reached.
    if (!InRange(fields.port, 1, 65535)) {
        return Refuse(op, "Параметр вне допустимого диапазона");
    }
    entry.address = static_cast<std::uint8_t>(Value(fields.address));
    entry.name = text::CutToField(fields.name, kNameChars);
    entry.ip = ip;
    entry.port = static_cast<std::int32_t>(Value(fields.port));
    return true;
}

bool AcceptFields(const ObjectFields& fields, ObjectEntry& entry, dialogue::Operator& op) {
    if (!NameAndAddressPass(fields.name, fields.address, op)) {
        return false;
    }
    entry.address = static_cast<std::uint8_t>(Value(fields.address));
    entry.name = text::CutToField(fields.name, kNameChars);
    return true;
}

}  // namespace zor06::settings
