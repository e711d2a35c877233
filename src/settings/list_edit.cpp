#include "settings/list_edit.h"

#include <string_view>

namespace zor06::settings {
namespace {

constexpr int kQuestionKind = 3;

template <typename List>
bool AskAndDelete(List& list, std::string_view what, link::Operator& op) {
    if (list.current >= list.entries.size() ||
        !op.ShowMessage(kQuestionKind, "Вы действительно хотите", what)) {
        return false;
    }
    DeleteCurrent(list);
    return true;
}

}  // namespace

bool DeleteSubscriber(PhoneList& list, link::Operator& op) {
    return AskAndDelete(list, "удалить этот абонент?", op);
}

bool DeleteSubscriber(EthernetList& list, link::Operator& op) {
    return AskAndDelete(list, "удалить этот абонент?", op);
}

bool DeleteObject(ObjectList& list, link::Operator& op) {
    return AskAndDelete(list, "удалить этот объект?", op);
}

}  // namespace zor06::settings
