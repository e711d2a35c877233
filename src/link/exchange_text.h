// An exchange told as people read a line analyser: one line for the request, one for the reply,
// in the same fixed layout in the monitor window, its saved file and zor06ctl --trace.
#pragma once

#include <string>

#include "link/exchange_observer.h"

namespace zor06::link {

// "HH:MM:SS.mmm  ->  код   1  дл.   9  CC 01 ..." then, the reply stamped when it ended,
// "HH:MM:SS.mmm  <-  код 129  дл.  23  33 01 ...  275 мс  Команда выполнена"; a repeat ends
// both lines with "попытка N". The two lines are joined by '\n', with none after the second.
// Credentials and users' passwords and codes show as "**" per byte.
std::string ExchangeLines(const ExchangeView& exchange);

}  // namespace zor06::link
