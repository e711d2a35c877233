// Any bytes opened as a configuration file: refused with a message or opened, and an opened one
// saves to the same bytes it opens from again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "config/config_file.h"

namespace {

class SilentOperator : public zor06::dialogue::Operator {
public:
    bool ShowMessage(zor06::dialogue::MessageKind, std::string_view, std::string_view) override {
        ++messages;
        return false;
    }
    void MessageBox(std::string_view, std::string_view) override { ++messages; }
    void SetStatusText(zor06::dialogue::Panel, std::string_view) override {}
    void SetBusy(bool) override {}
    int messages = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zor06::config;
    SilentOperator op;
    const auto opened =
        ParseConfigFile(std::string_view(reinterpret_cast<const char*>(data), size), "f.cnf", op);
    if (!opened) {
        if (op.messages != 1) {
            std::abort();  // every refusal says why, once
        }
        return 0;
    }
    if (op.messages != 0 || opened->bytes[2] != 73 || opened->bytes[4] != 6) {
        std::abort();
    }
    const auto saved = ToFileBytes(*opened);
    if (FromFileBytes(saved).bytes != opened->bytes) {
        std::abort();
    }
    // A version-6 file saves back byte for byte.
    if (data[4] == 6 && !std::equal(saved.begin(), saved.end(), data)) {
        std::abort();
    }
    return 0;
}
