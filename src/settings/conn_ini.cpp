#include "settings/conn_ini.h"

#include "settings/ini_values.h"
#include "text/cp1251_text.h"

namespace zor06::settings {
namespace {

constexpr char kCurrent[] = "CURR_PAR";
constexpr char kDirect[] = "DIR_CONN_PAR";
constexpr char kPhone[] = "FON_CONN_PAR";
constexpr char kEthernet[] = "ETHERNET_CONN_PAR";

// The serial kinds keep a port and a baud rate; the Ethernet record has neither.
enum class RecordKind { Serial, Ethernet };

link::LinkParameters ReadRecord(RangedReader& in, const char* section, RecordKind kind,
                                LinkParameter firstByte) {
    link::LinkParameters record;
    if (kind == RecordKind::Serial) {
        record.comPort = LowByte(in.Read(section, "COMPort", LinkParameter::ComPort));
        record.portName = in.Ini().ReadText(section, "PortName", "");
        record.baud = in.Read(section, "Rate", LinkParameter::Baud);
    }
    record.address = LowByte(in.Read(section, "Adr", LinkParameter::Address));
    record.preambles = LowByte(in.Read(section, "Preambles", LinkParameter::Preambles));
    record.attempts = LowByte(in.Read(section, "Repeat", LinkParameter::Attempts));
    record.interByteTimeoutMs = in.Read(section, "TimeOut", LinkParameter::InterByteTimeoutMs);
    record.firstByteTimeoutMs = link::SecondsToMillis(in.Read(section, "WaitTime", firstByte));
    return record;
}

bool Flag(const IniFile& ini, const char* section, const char* key) {
    return ini.ReadInt(section, key, 0) != 0;
}

std::vector<IniEntry> RecordEntries(const link::LinkParameters& record, RecordKind kind) {
    std::vector<IniEntry> entries;
    if (kind == RecordKind::Serial) {
        entries.push_back(NumberEntry("COMPort", record.comPort));
        entries.push_back({"PortName", record.portName, true});
    }
    entries.push_back(NumberEntry("Adr", record.address));
    if (kind == RecordKind::Serial) {
        entries.push_back(NumberEntry("Rate", record.baud));
    }
    entries.push_back(NumberEntry("Preambles", record.preambles));
    entries.push_back(NumberEntry("Repeat", record.attempts));
    entries.push_back(NumberEntry("TimeOut", record.interByteTimeoutMs));
    entries.push_back(NumberEntry("WaitTime", link::MillisToSeconds(record.firstByteTimeoutMs)));
    return entries;
}

}  // namespace

LinkSettings ReadLinkSettings(const IniFile& ini, ScreenSize screen,
                              std::vector<ReplacedValue>* replaced) {
    RangedReader in(ini);
    LinkSettings s;
    s.linkKind = in.Read(kCurrent, "Conn_Prz", LinkParameter::LinkKind);
    s.portWaitS = in.Read(kCurrent, "Free_Port_Wait", LinkParameter::PortWaitS);
    s.closePort = Flag(ini, kCurrent, "Do_Close_Port");
    WindowGeometry& w = s.window;
    w.width = ini.ReadInt(kCurrent, "Form_Width", screen.width - kDefaultScreenMargin);
    w.height = ini.ReadInt(kCurrent, "Form_Height", screen.height - kDefaultScreenMargin);
    w.left = ini.ReadInt(kCurrent, "Form_Left", (screen.width - w.width) / 2);
    w.top = ini.ReadInt(kCurrent, "Form_Top", (screen.height - w.height) / 2);

    s.direct = ReadRecord(in, kDirect, RecordKind::Serial, LinkParameter::FirstByteTimeoutS);

    s.phone.record =
        ReadRecord(in, kPhone, RecordKind::Serial, LinkParameter::PhoneFirstByteTimeoutS);
    s.phone.defaultCommand = Flag(ini, kPhone, "Default_Command");
    s.phone.command = text::CutToField(ini.ReadText(kPhone, "Command", ""), kCommandChars);
    s.phone.connectWaitS = in.Read(kPhone, "ConnectWaitTime", LinkParameter::PhoneConnectWaitS);
    s.phone.autoRepeat = Flag(ini, kPhone, "AutoRepeat");
    s.phone.connectAttempts = in.Read(kPhone, "Conn_Repeat", LinkParameter::ConnectAttempts);

    s.ethernet.record =
        ReadRecord(in, kEthernet, RecordKind::Ethernet, LinkParameter::FirstByteTimeoutS);
    s.ethernet.connectWaitS =
        in.Read(kEthernet, "ConnectWaitTime", LinkParameter::EthernetConnectWaitS);
    s.ethernet.connectAttempts = in.Read(kEthernet, "Conn_Repeat", LinkParameter::ConnectAttempts);
    if (replaced != nullptr) {
        *replaced = in.Replaced();
    }
    return s;
}

std::array<IniSection, 4> LinkSections(const LinkSettings& s) {
    IniSection current{
        kCurrent,
        {NumberEntry("Conn_Prz", s.linkKind), NumberEntry("Free_Port_Wait", s.portWaitS),
         FlagEntry("Do_Close_Port", s.closePort), NumberEntry("Form_Width", s.window.width),
         NumberEntry("Form_Height", s.window.height), NumberEntry("Form_Left", s.window.left),
         NumberEntry("Form_Top", s.window.top)}};

    IniSection direct{kDirect, RecordEntries(s.direct, RecordKind::Serial)};

    IniSection phone{kPhone, RecordEntries(s.phone.record, RecordKind::Serial)};
    phone.entries.insert(phone.entries.end(),
                         {FlagEntry("Default_Command", s.phone.defaultCommand),
                          {"Command", text::CutToField(s.phone.command, kCommandChars)},
                          NumberEntry("ConnectWaitTime", s.phone.connectWaitS),
                          FlagEntry("AutoRepeat", s.phone.autoRepeat),
                          NumberEntry("Conn_Repeat", s.phone.connectAttempts)});

    IniSection ethernet{kEthernet, RecordEntries(s.ethernet.record, RecordKind::Ethernet)};
    ethernet.entries.insert(ethernet.entries.end(),
                            {NumberEntry("ConnectWaitTime", s.ethernet.connectWaitS),
                             NumberEntry("Conn_Repeat", s.ethernet.connectAttempts)});
    return {std::move(current), std::move(direct), std::move(phone), std::move(ethernet)};
}

}  // namespace zor06::settings
