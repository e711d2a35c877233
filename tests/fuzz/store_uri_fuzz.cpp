// Any text given as the collection database's URI: it is taken or refused with a reason, and the
// form shown to the operator holds no password, neither in its user part nor as a parameter.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "store/store_uri.h"

namespace {

using namespace zor06::store;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckShown(std::string_view shown) {
    const std::size_t scheme = shown.find("://");
    if (scheme != std::string_view::npos && shown.find_first_of("/?") > scheme) {
        const std::size_t start = scheme + 3;
        const std::size_t end = std::min(shown.find_first_of("/?", start), shown.size());
        const std::string_view authority = shown.substr(start, end - start);
        const std::size_t at = authority.rfind('@');
        Require(at == std::string_view::npos ||
                authority.substr(0, at).find(':') == std::string_view::npos);
    }
    const std::size_t query = shown.find('?');
    if (query != std::string_view::npos) {
        const std::string parameters = "&" + std::string(shown.substr(query + 1));
        Require(parameters.find("&password=") == std::string::npos);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view uri(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto location = ParseStoreUri(uri, &error);
    Require(location.has_value() == error.empty());
    if (location) {
        Require(!location->target.empty());
    }
    const std::string shown = WithoutPassword(uri);
    CheckShown(shown);
    Require(WithoutPassword(shown) == shown);
    Require(shown.size() <= uri.size());
    return 0;
}
