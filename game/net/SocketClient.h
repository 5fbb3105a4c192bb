// A TCP connection to a host and port, connected from construction.
#pragma once

#include "net/Socket.h"

class SocketClient : public Socket {
public:
    // Raises a std::string with the system's text when the host is unknown or the connection fails.
    SocketClient(const std::string& host, int port);

private:
    void connectWithin(const void* address, unsigned length);
};
