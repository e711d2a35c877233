// What the link tells the program's front end while a request runs; a front end overrides what it
// shows, the rest does nothing.
#pragma once

#include <string_view>

namespace zor06::link {

class LinkListener {
public:
    virtual ~LinkListener() = default;
    // The Exchange panel's text: "Обмен..." while a request is on the line, empty after it.
    virtual void StatusText(std::string_view /*text*/) {}
    // Called at most every ~50 ms while waiting for a reply, so that a user interface can repaint
    // and notice Esc; it may call RequestAbort, which stops the next request.
    virtual void Idle() {}
};

}  // namespace zor06::link
