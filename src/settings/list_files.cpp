#include "settings/list_files.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "settings/ini_values.h"
#include "text/cp1251_text.h"
#include "text/text_format.h"

namespace zor06::settings {
namespace {

struct Layout {
    const char* header;
    const char* countKey;
    const char* indexKey;
    const char* entrySection;  // printf form of the n-th entry's section, n from 1
    bool indexBeforeSorting;   // the order of the header keys
};

constexpr Layout kPhoneLayout{"FON_CONN_PAR", "users_num", "user_index", "FON_ABONENT_%d", true};
constexpr Layout kEthernetLayout{"ETHERNET_CONN_PAR", "users_num", "user_index",
                                 "ETHERNET_ABONENT_%d", true};
constexpr Layout kObjectLayout{"OBJECT_LIST", "obj_num", "obj_index", "OBJECT_%d", false};

constexpr char kSortKey[] = "sort_prz";

void ReadEntry(RangedReader& in, const std::string& section, PhoneEntry* entry) {
    entry->name = text::CutToField(in.Ini().ReadText(section, "user_name", ""), kNameChars);
    entry->address = LowByte(in.Read(section, "contr_adr", LinkParameter::Address));
    entry->modbusAddress = LowByte(in.Ini().ReadInt(section, "adr_modbus", 1));
    entry->phone = text::CutToField(in.Ini().ReadText(section, "phone_code", ""), kPhoneChars);
}

void ReadEntry(RangedReader& in, const std::string& section, EthernetEntry* entry) {
    entry->name = text::CutToField(in.Ini().ReadText(section, "user_name", ""), kNameChars);
    entry->address = LowByte(in.Read(section, "contr_adr", LinkParameter::Address));
    entry->ip = static_cast<std::uint32_t>(in.Ini().ReadInt(section, "ip_adr", 0));
    entry->port = in.Read(section, "port", LinkParameter::SubscriberPort);
}

void ReadEntry(RangedReader& in, const std::string& section, ObjectEntry* entry) {
    entry->address = LowByte(in.Read(section, "contr_adr", LinkParameter::Address));
    entry->name = text::CutToField(in.Ini().ReadText(section, "obj_name", ""), kNameChars);
}

std::vector<IniEntry> EntryKeys(const PhoneEntry& entry) {
    return {{"user_name", text::CutToField(entry.name, kNameChars)},
            NumberEntry("contr_adr", entry.address),
            NumberEntry("adr_modbus", entry.modbusAddress),
            {"phone_code", text::CutToField(entry.phone, kPhoneChars)}};
}

std::vector<IniEntry> EntryKeys(const EthernetEntry& entry) {
    // Written signed, as the old program kept it in an int.
    return {{"user_name", text::CutToField(entry.name, kNameChars)},
            NumberEntry("contr_adr", entry.address),
            NumberEntry("ip_adr", static_cast<std::int32_t>(entry.ip)),
            NumberEntry("port", entry.port)};
}

std::vector<IniEntry> EntryKeys(const ObjectEntry& entry) {
    return {NumberEntry("contr_adr", entry.address),
            {"obj_name", text::CutToField(entry.name, kNameChars)}};
}

template <typename List>
List ReadList(const IniFile& ini, const Layout& layout, std::vector<ReplacedValue>* replaced) {
    RangedReader in(ini);
    List list;
    const int count = std::clamp(ini.ReadInt(layout.header, layout.countKey, 0), 0,
                                 static_cast<int>(List::kCapacity));
    const int index = ini.ReadInt(layout.header, layout.indexKey, 0);
    list.current = static_cast<std::uint8_t>(index >= 0 && index < count ? index : 0);
    list.sorting = LowByte(in.Read(layout.header, kSortKey, LinkParameter::ListSorting));
    list.entries.resize(static_cast<std::size_t>(count));
    for (int n = 1; n <= count; ++n) {
        ReadEntry(in, text::Printf(layout.entrySection, n),
                  &list.entries[static_cast<std::size_t>(n - 1)]);
    }
    if (replaced != nullptr) {
        *replaced = in.Replaced();
    }
    return list;
}

template <typename List>
std::vector<IniSection> Sections(const List& list, const Layout& layout) {
    IniSection header{layout.header, {NumberEntry(layout.countKey, list.entries.size())}};
    const IniEntry index = NumberEntry(layout.indexKey, list.current);
    const IniEntry sorting = NumberEntry(kSortKey, list.sorting);
    header.entries.push_back(layout.indexBeforeSorting ? index : sorting);
    header.entries.push_back(layout.indexBeforeSorting ? sorting : index);

    std::vector<IniSection> sections{std::move(header)};
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        sections.push_back({text::Printf(layout.entrySection, static_cast<int>(i + 1)),
                            EntryKeys(list.entries[i])});
    }
    return sections;
}

}  // namespace

PhoneList ReadPhoneList(const IniFile& ini, std::vector<ReplacedValue>* replaced) {
    return ReadList<PhoneList>(ini, kPhoneLayout, replaced);
}

EthernetList ReadEthernetList(const IniFile& ini, std::vector<ReplacedValue>* replaced) {
    return ReadList<EthernetList>(ini, kEthernetLayout, replaced);
}

ObjectList ReadObjectList(const IniFile& ini, std::vector<ReplacedValue>* replaced) {
    return ReadList<ObjectList>(ini, kObjectLayout, replaced);
}

std::vector<IniSection> ListSections(const PhoneList& list) {
    return Sections(list, kPhoneLayout);
}

std::vector<IniSection> ListSections(const EthernetList& list) {
    return Sections(list, kEthernetLayout);
}

std::vector<IniSection> ListSections(const ObjectList& list) {
    return Sections(list, kObjectLayout);
}

}  // namespace zor06::settings
