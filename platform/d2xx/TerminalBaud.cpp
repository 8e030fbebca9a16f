// SPDX-License-Identifier: GPL-3.0-or-later
// Kept apart: the kernel's termios2 header cannot share a translation unit with <termios.h>.
#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace d2xx {

bool setCustomBaudRate(int fd, unsigned int rate) {
    termios2 settings{};
    if (ioctl(fd, TCGETS2, &settings) != 0)
        return false;
    settings.c_cflag &= ~CBAUD;
    settings.c_cflag |= BOTHER;
    settings.c_ispeed = rate;
    settings.c_ospeed = rate;
    return ioctl(fd, TCSETS2, &settings) == 0;
}

} // namespace d2xx
