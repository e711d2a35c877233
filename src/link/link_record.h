// The link parameters kept for each link kind, and the one record the link object is loaded from.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "link/link_kind.h"

namespace zor06::link {

class hgcbox;

struct LinkRecord {
    std::uint8_t comPort = 1;
    std::uint8_t address = 1;
    std::int32_t baud = 9600;
    std::uint8_t preambles = 5;
    std::uint8_t attempts = 1;
    std::int32_t interByteTimeoutMs = 300;  // wait for the following reply bytes
    std::int32_t firstByteTimeoutS = 5;     // wait for the first reply byte
    std::string portName;                   // a device path that wins over comPort
};

struct EthernetSubscriber {
    std::string name;
    std::uint8_t address = 1;
    std::array<std::uint8_t, 4> ip{};  // first octet first
    int port = 0;
};

struct EthernetSettings {
    LinkRecord record;  // address, preambles, attempts and the two waits are used
    int connectWaitS = 10;
    int connectAttempts = 1;  // kept and edited; the connection retries by time
};

// Everything the link object takes from a connection set-up, whichever front end made it. The
// first-byte wait is in milliseconds here: the stored settings keep seconds, the command line
// and the device search give milliseconds.
struct LinkParameters {
    LinkKind kind = LinkKind::Direct;
    std::uint8_t comPort = 1;
    std::string portName;  // a device path that wins over comPort
    std::uint8_t address = 1;
    std::int32_t baud = 9600;
    std::uint8_t preambles = 5;
    std::uint8_t attempts = 1;
    std::int32_t interByteTimeoutMs = 300;
    std::int32_t firstByteTimeoutMs = 5000;
    std::int32_t portWaitS = 1;
    bool closePortAfterExchange = false;  // direct line only
    bool operator==(const LinkParameters&) const = default;
};

// Seconds as milliseconds, computed wide and held to what the link object's counters take.
std::int32_t SecondsToMillis(std::int64_t seconds);

// A stored record as the link object takes it; the close-port flag is kept for the direct line
// only.
LinkParameters ParametersOf(LinkKind kind, const LinkRecord& record, int portWaitS,
                            bool closePortAfterExchange);

// Loads the parameters into the link object as "Связаться" does.
void LoadLinkObject(hgcbox& link, const LinkParameters& parameters);

}  // namespace zor06::link
