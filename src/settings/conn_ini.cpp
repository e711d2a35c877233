#include "settings/conn_ini.h"

#include <cstdint>
#include <string>

#include "text/cp1251_text.h"

namespace zor06::settings {
namespace {

constexpr char kCurrent[] = "CURR_PAR";
constexpr char kDirect[] = "DIR_CONN_PAR";
constexpr char kPhone[] = "FON_CONN_PAR";
constexpr char kEthernet[] = "ETHERNET_CONN_PAR";

constexpr int kScreenMargin = 80;

// The serial kinds keep a port and a baud rate; the Ethernet record has neither.
enum class RecordKind { Serial, Ethernet };

std::uint8_t LowByte(int value) {
    return static_cast<std::uint8_t>(value);
}

link::LinkRecord ReadRecord(const IniFile& ini, const char* section, const link::LinkRecord& def,
                            RecordKind kind) {
    link::LinkRecord record = def;
    if (kind == RecordKind::Serial) {
        record.comPort = LowByte(ini.ReadInt(section, "COMPort", def.comPort));
        record.portName = ini.ReadText(section, "PortName", "");
        record.baud = ini.ReadInt(section, "Rate", def.baud);
    }
    record.address = LowByte(ini.ReadInt(section, "Adr", def.address));
    record.preambles = LowByte(ini.ReadInt(section, "Preambles", def.preambles));
    record.attempts = LowByte(ini.ReadInt(section, "Repeat", def.attempts));
    record.interByteTimeoutMs = ini.ReadInt(section, "TimeOut", def.interByteTimeoutMs);
    record.firstByteTimeoutS = ini.ReadInt(section, "WaitTime", def.firstByteTimeoutS);
    return record;
}

IniEntry Number(const char* key, long long value) {
    return {key, std::to_string(value)};
}

IniEntry Flag(const char* key, bool value) {
    return {key, value ? "1" : "0"};
}

std::vector<IniEntry> RecordEntries(const link::LinkRecord& record, RecordKind kind) {
    std::vector<IniEntry> entries;
    if (kind == RecordKind::Serial) {
        entries.push_back(Number("COMPort", record.comPort));
        entries.push_back({"PortName", record.portName, true});
    }
    entries.push_back(Number("Adr", record.address));
    if (kind == RecordKind::Serial) {
        entries.push_back(Number("Rate", record.baud));
    }
    entries.push_back(Number("Preambles", record.preambles));
    entries.push_back(Number("Repeat", record.attempts));
    entries.push_back(Number("TimeOut", record.interByteTimeoutMs));
    entries.push_back(Number("WaitTime", record.firstByteTimeoutS));
    return entries;
}

}  // namespace

LinkSettings ReadLinkSettings(const IniFile& ini, ScreenSize screen) {
    const LinkSettings def;
    LinkSettings s;
    s.linkKind = ini.ReadInt(kCurrent, "Conn_Prz", def.linkKind);
    s.portWaitS = ini.ReadInt(kCurrent, "Free_Port_Wait", def.portWaitS);
    s.closePort = ini.ReadInt(kCurrent, "Do_Close_Port", 0) != 0;
    WindowGeometry& w = s.window;
    w.width = ini.ReadInt(kCurrent, "Form_Width", screen.width - kScreenMargin);
    w.height = ini.ReadInt(kCurrent, "Form_Height", screen.height - kScreenMargin);
    w.left = ini.ReadInt(kCurrent, "Form_Left", (screen.width - w.width) / 2);
    w.top = ini.ReadInt(kCurrent, "Form_Top", (screen.height - w.height) / 2);

    s.direct = ReadRecord(ini, kDirect, def.direct, RecordKind::Serial);

    s.phone.record = ReadRecord(ini, kPhone, def.phone.record, RecordKind::Serial);
    s.phone.defaultCommand = ini.ReadInt(kPhone, "Default_Command", 0) != 0;
    s.phone.command = text::CutToField(ini.ReadText(kPhone, "Command", ""), kCommandChars);
    s.phone.connectWaitS = ini.ReadInt(kPhone, "ConnectWaitTime", def.phone.connectWaitS);
    s.phone.autoRepeat = ini.ReadInt(kPhone, "AutoRepeat", 0) != 0;
    s.phone.connectAttempts = ini.ReadInt(kPhone, "Conn_Repeat", def.phone.connectAttempts);

    s.ethernet.record = ReadRecord(ini, kEthernet, def.ethernet.record, RecordKind::Ethernet);
    s.ethernet.connectWaitS = ini.ReadInt(kEthernet, "ConnectWaitTime", def.ethernet.connectWaitS);
    s.ethernet.connectAttempts =
        ini.ReadInt(kEthernet, "Conn_Repeat", def.ethernet.connectAttempts);
    return s;
}

std::array<IniSection, 4> LinkSections(const LinkSettings& s) {
    IniSection current{kCurrent,
                       {Number("Conn_Prz", s.linkKind), Number("Free_Port_Wait", s.portWaitS),
                        Flag("Do_Close_Port", s.closePort), Number("Form_Width", s.window.width),
                        Number("Form_Height", s.window.height), Number("Form_Left", s.window.left),
                        Number("Form_Top", s.window.top)}};

    IniSection direct{kDirect, RecordEntries(s.direct, RecordKind::Serial)};

    IniSection phone{kPhone, RecordEntries(s.phone.record, RecordKind::Serial)};
    phone.entries.insert(phone.entries.end(),
                         {Flag("Default_Command", s.phone.defaultCommand),
                          {"Command", text::CutToField(s.phone.command, kCommandChars)},
                          Number("ConnectWaitTime", s.phone.connectWaitS),
                          Flag("AutoRepeat", s.phone.autoRepeat),
                          Number("Conn_Repeat", s.phone.connectAttempts)});

    IniSection ethernet{kEthernet, RecordEntries(s.ethernet.record, RecordKind::Ethernet)};
    ethernet.entries.insert(ethernet.entries.end(),
                            {Number("ConnectWaitTime", s.ethernet.connectWaitS),
                             Number("Conn_Repeat", s.ethernet.connectAttempts)});
    return {std::move(current), std::move(direct), std::move(phone), std::move(ethernet)};
}

}  // namespace zor06::settings
