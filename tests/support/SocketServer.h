// A listening TCP socket on every local address that hands out one Socket per connection.
#pragma once

#include <memory>

#include "net/Socket.h"

class SocketServer : public Socket {
public:
    // Port 0 lets the system choose; port() tells which.
    SocketServer(int port, int connections, TypeSocket type = BlockingSocket);

    // Null on a non-blocking server with nothing pending.
    std::unique_ptr<Socket> Accept();
    int port() const;
};
