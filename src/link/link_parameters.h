// The link parameters: the one record that the settings keep for each link kind, that a
// connection set-up builds, and that the link object is made of.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "link/link_kind.h"

namespace zor06::link {

class hgcbox;

// The first-byte wait is in milliseconds: the stored settings keep seconds and convert, the
// command line and the device search give milliseconds. The stored record of each kind leaves the
// kind, the port wait and the close-port flag alone: the settings keep those once for all kinds.
struct LinkParameters {
    LinkKind linkKind = LinkKind::Direct;
    std::uint8_t comPort = 1;
    std::string portName;  // a device path that wins over comPort
    std::uint8_t address = 1;
    std::int32_t baud = 9600;
    std::uint8_t preambles = 5;
    std::uint8_t attempts = 1;
    std::int32_t interByteTimeoutMs = 300;   // wait for the following reply bytes
    std::int32_t firstByteTimeoutMs = 5000;  // wait for the first reply byte
    std::int32_t portWaitS = 1;              // how long a busy serial port is tried again
    bool closePortAfterExchange = false;     // direct line only
    bool operator==(const LinkParameters&) const = default;
};

struct EthernetSubscriber {
    std::string name;
    std::uint8_t address = 1;
    std::array<std::uint8_t, 4> ip{};  // first octet first
    int port = 0;
};

struct EthernetSettings {
    LinkParameters record;  // address, preambles, attempts and the two waits are used
    int connectWaitS = 10;
    int connectAttempts = 1;  // kept and edited; the connection retries by time
};

// Seconds as milliseconds, computed wide and held to what the link object's counters take.
std::int32_t SecondsToMillis(std::int64_t seconds);
// Whole seconds of a wait, as the stored settings and the settings screens give it.
std::int32_t MillisToSeconds(std::int32_t millis);

// A stored record of `kind` as the link object takes it; the close-port flag is kept for the
// direct line only.
LinkParameters ParametersOf(LinkKind kind, const LinkParameters& record, int portWaitS,
                            bool closePortAfterExchange);

// Loads the parameters into the link object as "Связаться" does.
void LoadLinkObject(hgcbox& link, const LinkParameters& parameters);

}  // namespace zor06::link
