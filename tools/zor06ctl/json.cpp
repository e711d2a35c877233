#include "zor06ctl/json.h"

#include <cstdio>

namespace zor06::ctl {

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JsonObject(const std::vector<std::pair<std::string, std::string>>& fields) {
    std::string json = "{";
    for (const auto& [key, value] : fields) {
        json += (json.size() > 1 ? ", " : "") + JsonString(key) + ": " + JsonString(value);
    }
    return json + "}";
}

}  // namespace zor06::ctl
