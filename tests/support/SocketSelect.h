// Which of one or two sockets has something to read, waiting or polling.
#pragma once

#include <sys/select.h>

#include "net/Socket.h"

class SocketSelect {
public:
    // Blocking waits until one is readable; non-blocking only polls. s2 may be null.
    SocketSelect(const Socket* s1, const Socket* s2, TypeSocket type = BlockingSocket);

    bool Readable(const Socket* s) const;

private:
    fd_set fds_;
};
