#include "settings/list_edit.h"

#include <string_view>

namespace zor06::settings {
namespace {

template <typename List>
bool AskAndDelete(List& list, std::string_view what, dialogue::Operator& op) {
    if (list.current >= list.entries.size() ||
        !op.ShowMessage(dialogue::MessageKind::Question, "Вы действительно хотите", what)) {
        return false;
    }
    DeleteCurrent(list);
    return true;
}

}  // namespace

bool DeleteSubscriber(PhoneList& list, dialogue::Operator& op) {
    return AskAndDelete(list, "удалить этот абонент?", op);
}

bool DeleteSubscriber(EthernetList& list, dialogue::Operator& op) {
    return AskAndDelete(list, "удалить этот абонент?", op);
}

bool DeleteObject(ObjectList& list, dialogue::Operator& op) {
    return AskAndDelete(list, "удалить этот объект?", op);
}

}  // namespace zor06::settings
