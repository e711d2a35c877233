// Any bytes read as title.ini: the organisation name fits the print dialog's 40 characters, holds
// no zero byte, and an unchanged name written back gives the bytes it was read from.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "dataset/print_data.h"

namespace {

std::size_t Characters(const std::string& utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zor06::dataset;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string name = OrganisationNameOf(bytes);
    if (Characters(name) > kOrganisationBytes || name.find('\0') != std::string::npos) {
        std::abort();
    }
    const std::string written = OrganisationNameBytes(name);
    const std::string_view held = bytes.substr(0, kOrganisationBytes);
    const std::string_view kept = held.substr(0, held.find('\0'));
    if (written.size() != kOrganisationBytes || !written.starts_with(kept) ||
        written.find_first_not_of('\0', kept.size()) != std::string::npos ||
        OrganisationNameOf(written) != name) {
        std::abort();
    }
    return 0;
}
