// A TCP connection to a host and port, connected from construction.
#pragma once

#include <chrono>
#include <string>

#include "net/Socket.h"

class SocketClient : public Socket {
public:
    static constexpr std::chrono::milliseconds defaultTimeout{10000};

    // Raises GameError with the system's text when the host is unknown or the connection fails.
    // `timeout` bounds connecting and each read, and a time-out counts as a failure; the whole reply must
    // also arrive within three time-outs, so a peer dripping bytes cannot hold the game.
    SocketClient(const std::string& host, int port, std::chrono::milliseconds timeout = defaultTimeout);

private:
    void connectWithin(const void* address, unsigned length, std::chrono::milliseconds timeout);
};
