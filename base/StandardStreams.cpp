#include "StandardStreams.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

void occupyClosedStandardStreams()
{
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            ::open("/dev/null", O_RDONLY); // the lowest free number: this one
}
