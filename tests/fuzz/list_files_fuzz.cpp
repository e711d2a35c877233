// Any bytes read as a subscriber or object list: the lists stay within their capacity, their
// current index inside them and their values inside their ranges, and they sort and write back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/link_ranges.h"
#include "settings/list_files.h"
#include "settings/list_sort.h"

namespace {

using namespace zor06::settings;

template <typename List>
void Check(List list) {
    if (list.entries.size() > List::kCapacity ||
        (list.current != 0 && list.current >= list.entries.size()) || list.sorting > 1) {
        std::abort();
    }
    for (const auto& entry : list.entries) {
        // A Windows-1251 character is at most three bytes of UTF-8 ("›" is E2 80 BA).
        if (!Accepts(LinkParameter::Address, entry.address) || entry.name.size() > 3 * kNameChars) {
            std::abort();
        }
    }
    SortList(list);
    if (list.current != 0 && list.current >= list.entries.size()) {
        std::abort();
    }
    IniFile out;
    for (const IniSection& section : ListSections(list)) {
        out.WriteSection(section);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const IniFile ini =
        IniFile::FromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    Check(ReadPhoneList(ini));
    Check(ReadEthernetList(ini));
    Check(ReadObjectList(ini));
    return 0;
}
