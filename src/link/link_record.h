// The link parameters kept for each link kind, and how they are loaded into the link object.
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

// Loads a record into the link object as "Связаться" does. The close-port flag applies to the
// direct line only.
void LoadLinkObject(hgcbox& link, LinkKind kind, const LinkRecord& record, int portWaitS,
                    bool closePortAfterExchange);

}  // namespace zor06::link
