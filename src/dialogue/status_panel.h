// The panels of the main window's status bar, left to right.
#pragma once

namespace zor06::dialogue {

enum class Panel {
    Connection = 0,  // the link parameters
    Controller = 1,  // the controller's name
    Message = 2,     // the last operation's result or the link's status
    Exchange = 3,    // "Обмен..." while a request is on the line
};

}  // namespace zor06::dialogue
