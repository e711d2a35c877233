// Shows a screen modally; true when it was accepted.
#pragma once

#include <QDialog>
#include <utility>

namespace zor06::widgets {

template <typename Screen, typename... Args>
bool RunModal(Args&&... args) {
    Screen screen(std::forward<Args>(args)...);
    return screen.exec() == QDialog::Accepted;
}

}  // namespace zor06::widgets
