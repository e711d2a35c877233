// Any bytes opened as a configuration protocol: refused with one message unless they begin with
// the letters, otherwise printed as sections and laid out on pages without reading past the record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "config/protocol_content.h"
#include "config/protocol_document.h"
#include "report/layout.h"

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

constexpr std::size_t kMaxFlowRows = 16;
constexpr std::size_t kMaxSections = 10;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zor06::config;
    SilentOperator op;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto record = ParseProtocolFile(bytes, "f.prc", op);
    if (record.has_value() == (op.messages != 0) ||
        record.has_value() != bytes.starts_with("PRC")) {
        std::abort();  // a refusal says why, once; only the letters decide
    }
    if (!record) {
        return 0;
    }
    const ProtocolContent content = BuildProtocolContent(*record);
    if (content.sections.size() > kMaxSections ||
        content.secondPageStart >= content.sections.size()) {
        std::abort();
    }
    for (const ProtocolSection& s : content.sections) {
        if (s.number == kFlowComputersSection && s.rows.size() > kMaxFlowRows) {
            std::abort();
        }
    }
    const auto pages = zor06::report::Layout(ProtocolDocument(content));
    if (pages.pages.empty()) {
        std::abort();
    }
    return 0;
}
