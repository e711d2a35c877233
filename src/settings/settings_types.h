// The program-wide settings filled from the settings files, and the lists they keep.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "link/link_parameters.h"

namespace zor06::settings {

inline constexpr std::size_t kNameChars = 49;  // names fill 50-byte zero-terminated fields
inline constexpr std::size_t kPhoneChars = 29;
inline constexpr std::size_t kCommandChars = 199;

// New entries start as zeros; the file defaults apply only to keys missing from a file.
struct PhoneEntry {
    std::string name;
    std::uint8_t address = 0;
    std::uint8_t modbusAddress = 0;  // kept, never edited
    std::string phone;
    bool operator==(const PhoneEntry&) const = default;
};

struct EthernetEntry {
    std::string name;
    std::uint8_t address = 0;
    std::uint32_t ip = 0;  // a.b.c.d as a * 2^24 + b * 2^16 + c * 2^8 + d
    std::int32_t port = 0;
    bool operator==(const EthernetEntry&) const = default;
};

struct ObjectEntry {
    std::string name;
    std::uint8_t address = 0;
    bool operator==(const ObjectEntry&) const = default;
};

// A list of at most Capacity entries with its current entry and sorting key (0 by name, 1 by the
// entry's second key).
template <typename Entry, std::size_t Capacity>
struct EntryList {
    using EntryType = Entry;
    static constexpr std::size_t kCapacity = Capacity;
    std::vector<Entry> entries;
    std::uint8_t current = 0;
    std::uint8_t sorting = 0;
    bool operator==(const EntryList&) const = default;
};

using PhoneList = EntryList<PhoneEntry, 200>;        // sorting 1: by telephone number
using EthernetList = EntryList<EthernetEntry, 200>;  // sorting 1: by IP address
using ObjectList = EntryList<ObjectEntry, 50>;       // sorting 1: by controller address

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// The default main window is this much smaller than the screen each way, and centred on it.
inline constexpr int kDefaultScreenMargin = 80;

struct WindowGeometry {
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
    bool operator==(const WindowGeometry&) const = default;
};

// The telephone record waits a second longer for the first reply byte.
inline link::LinkParameters PhoneRecordDefaults() {
    link::LinkParameters record;
    record.firstByteTimeoutMs = 6000;
    return record;
}

struct PhoneLinkSettings {
    link::LinkParameters record = PhoneRecordDefaults();
    bool defaultCommand = false;
    std::string command;  // modem command, at most kCommandChars
    int connectWaitS = 50;
    bool autoRepeat = false;
    int connectAttempts = 1;
};

// conn.ini. The records' portName is the PortName key, a device path that wins over COMPort.
struct LinkSettings {
    int linkKind = 0;  // link::LinkKind
    int portWaitS = 1;
    bool closePort = false;  // direct line only
    WindowGeometry window;
    link::LinkParameters direct;
    PhoneLinkSettings phone;
    link::EthernetSettings ethernet;
};

// rd_arh_par.ini: the archive dialogs' remembered choices. Moments are local date-times in days
// since 30 December 1899, as the clock gives them.
struct ArchiveChoices {
    int periodKind = 0;
    int indexKind = 1;
    double periodBegin = 0;
    double periodEnd = 0;
};

// repconf_par.ini: how the data views convert and show values.
// The decimals a view, print or export shows at most: as many as a double holds.
inline constexpr int kMaxDecimals = 15;

struct ReportConfig {
    int composition = 0;  // 0 mole fractions, 1 volume fractions
    int thermalUnit = 0;  // 0 MJ/m3, 1 kcal/m3
    int calcFormula = 0;  // 1: computed from the composition, 2: the same after ISO 6976:2016
    int methaneCorrection = 0;
    // The ISO 6976 conditions: combustion and metering reference temperatures in °C, and C6+
    // as n-hexane (0) or split into n-hexane, n-heptane and n-octane (1).
    int isoCombustion = 25;
    int isoMetering = 20;
    int c6plus = 0;
    // Per cent: a chromatograph value further than this from the one computed from its record's
    // composition after ISO 6976 is marked in the views' check.
    double isoCheckLimit = 0.05;
    std::array<int, 20> decimals{4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
};

struct ProgramSettings {
    ArchiveChoices archive;
    LinkSettings link;
    PhoneList phones;
    EthernetList ethernet;
    ObjectList objects;
    ReportConfig report;

    // As last read or written, so that saving writes only what changed, and carries only that
    // into a file another program has written since.
    LinkSettings linkSaved;
    PhoneList phonesSaved;
    EthernetList ethernetSaved;
    ObjectList objectsSaved;
    // What held values out of range when read: written at its next save even when unchanged, so
    // that the file is corrected. The conn.ini sections in the order of LinkSections.
    std::array<bool, 4> linkSectionsStale{};
    bool phonesStale = false;
    bool ethernetStale = false;
};

}  // namespace zor06::settings
