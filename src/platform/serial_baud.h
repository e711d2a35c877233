// Arbitrary baud rates through termios2. Kept apart because <asm/termbits.h> cannot share a
// translation unit with <termios.h>.
#pragma once

namespace zor06::platform {

// Sets both directions of the open terminal `fd` to `baud` bits per second, standard rate or not;
// false when the driver refuses.
bool ApplyBaudRate(int fd, int baud);

}  // namespace zor06::platform
