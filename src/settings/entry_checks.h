// The entry screens without their windows: the fields as typed, and "Принять", which checks them
// in the screen's order and writes the entry only when every check has passed.
#pragma once

#include <array>
#include <string>

#include "dialogue/operator.h"
#include "settings/settings_types.h"

namespace zor06::settings {

struct PhoneFields {
    std::string name;
    std::string address;
    std::string phone;
};

struct EthernetFields {
    std::string name;
    std::string address;
    std::array<std::string, 4> ip;  // first part first
    std::string port;
};

struct ObjectFields {
    std::string name;
    std::string address;
};

// The fields of an entry being edited (numbers in decimal).
PhoneFields FieldsOf(const PhoneEntry& entry);
EthernetFields FieldsOf(const EthernetEntry& entry);
ObjectFields FieldsOf(const ObjectEntry& entry);

// The first failed check is reported as an InputError message and false is returned, `entry`
// untouched. A name longer than the field takes is cut. The telephone entry's MODBUS address is
// kept.
bool AcceptFields(const PhoneFields& fields, PhoneEntry& entry, dialogue::Operator& op);
// Also refuses a port outside 1..65535.
bool AcceptFields(const EthernetFields& fields, EthernetEntry& entry, dialogue::Operator& op);
bool AcceptFields(const ObjectFields& fields, ObjectEntry& entry, dialogue::Operator& op);

}  // namespace zor06::settings
