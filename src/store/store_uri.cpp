#include "store/store_uri.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace zor06::store {
namespace {

constexpr std::string_view kSqlitePrefix = "sqlite:";
constexpr std::string_view kUsage = "use sqlite:PATH or postgresql://[USER@]HOST/DATABASE";

// The URI's user part without its password: "user:secret@host" becomes "user@host".
std::string WithoutUserPassword(std::string_view uri) {
    // Only a "://" ahead of any path or query starts the authority.
    const std::size_t scheme = uri.find("://");
    if (scheme == std::string_view::npos || uri.find_first_of("/?") < scheme) {
        return std::string(uri);
    }
    const std::size_t start = scheme + 3;
    const std::size_t end = std::min(uri.find_first_of("/?", start), uri.size());
    const std::string_view authority = uri.substr(start, end - start);
    const std::size_t at = authority.rfind('@');
    if (at == std::string_view::npos) {
        return std::string(uri);
    }
    const std::size_t colon = authority.substr(0, at).find(':');
    if (colon == std::string_view::npos) {
        return std::string(uri);
    }
    return std::string(uri.substr(0, start + colon)) + std::string(uri.substr(start + at));
}

// Leaves out every "password=..." parameter of the query part.
std::string WithoutPasswordParameter(std::string_view uri) {
    const std::size_t query = uri.find('?');
    if (query == std::string_view::npos) {
        return std::string(uri);
    }
    std::string kept(uri.substr(0, query));
    char separator = '?';
    std::string_view rest = uri.substr(query + 1);
    while (true) {
        const std::size_t amp = rest.find('&');
        const std::string_view parameter = rest.substr(0, amp);
        if (!parameter.starts_with("password=") && parameter != "password") {
            kept += separator;
            kept += parameter;
            separator = '&';
        }
        if (amp == std::string_view::npos) {
            break;
        }
        rest = rest.substr(amp + 1);
    }
    return kept;
}

}  // namespace

std::optional<StoreLocation> ParseStoreUri(std::string_view uri, std::string* error) {
    if (uri.starts_with(kSqlitePrefix)) {
        const std::string_view path = uri.substr(kSqlitePrefix.size());
        if (path.empty()) {
            *error = "no database file after \"sqlite:\": " + std::string(kUsage);
            return std::nullopt;
        }
        return StoreLocation{StoreBackend::Sqlite, std::string(path)};
    }
    if (uri.starts_with("postgresql://") || uri.starts_with("postgres://")) {
        return StoreLocation{StoreBackend::Postgres, std::string(uri)};
    }
    if (uri.empty()) {
        *error = "no database given: " + std::string(kUsage);
        return std::nullopt;
    }
    const std::size_t colon = uri.find(':');
    if (colon == std::string_view::npos) {
        *error = std::string(1, '"') + WithoutPassword(uri) +
                 "\" names no kind of database: " + std::string(kUsage);
    } else {
        *error = "unknown kind of database \"" + std::string(uri.substr(0, colon)) +
                 "\": " + std::string(kUsage);
    }
    return std::nullopt;
}

std::string WithoutPassword(std::string_view uri) {
    return WithoutPasswordParameter(WithoutUserPassword(uri));
}

}  // namespace zor06::store
