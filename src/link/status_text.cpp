#include "link/status_text.h"

#include "link/frame.h"
#include "link/link_texts.h"
#include "link/reply_views.h"
#include "text/text_format.h"

namespace zor06::link {
namespace {

std::string RefusalReplyText(const ErrorReply& reply) {
    const int reason = reply.Reason();
    if (reason >= 52) {
        return text::Printf("Код причины в ответе %d", reason);
    }
    const std::string_view text = RefusalText(reason);
    if (reason == kRefusalTableDestroyed) {
        return text::Printf("%.*s %d", static_cast<int>(text.size()), text.data(), reply.Table());
    }
    return std::string(text);
}

std::string ErrorReplyText(const ErrorReply& reply, std::uint8_t functionCode) {
    const int error = reply.Code();
    const std::string_view text = ErrorCodeText(error);
    if (text.empty()) {
        return text::Printf("Код ошибки = %d", error);
    }
    // Only an error reply names a destroyed table; any other failure keeps its own text even if
    // byte 4 of a stale or damaged reply happens to be 60.
    if (error == kErrorTableDestroyed) {
        return text::Printf("Команда %d.  %.*s %d", functionCode, static_cast<int>(text.size()),
                            text.data(), reply.Table());
    }
    return std::string(text);
}

}  // namespace

std::string ExchangeStatusText(int status, std::span<const std::uint8_t> reply,
                               std::uint8_t functionCode) {
    const ErrorReply error(reply);
    if (status == status::kRefused) {
        return RefusalReplyText(error);
    }
    if (status == status::kErrorReply) {
        return ErrorReplyText(error, functionCode);
    }
    return std::string(BaseStatusText(status));
}

}  // namespace zor06::link
