// Opening a client connection: host look-up, connect with a time-out, read time-out.
#include "net/SocketClient.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include "shell/fatal.h"

namespace {

std::string lookupError(int code)
{
    return code == EAI_SYSTEM ? std::string(strerror(errno)) : std::string(gai_strerror(code));
}

}

SocketClient::SocketClient(const std::string& host, int port, std::chrono::milliseconds timeout)
{
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    int code = getaddrinfo(host.c_str(), nullptr, &hints, &found);
    if (code != 0)
        throw GameError(lookupError(code));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);
    connectWithin(&address, sizeof address, timeout);

    const long ms = static_cast<long>(timeout.count());
    timeval limit{ms / 1000, (ms % 1000) * 1000};
    setsockopt(s_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    setsockopt(s_, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    deadline_ = std::chrono::steady_clock::now() + 3 * timeout;
}

// A blocking connect can hang for minutes on an address that drops packets; wait at most the time-out.
void SocketClient::connectWithin(const void* address, unsigned length, std::chrono::milliseconds timeout)
{
    int flags = fcntl(s_, F_GETFL, 0);
    fcntl(s_, F_SETFL, flags | O_NONBLOCK);
    int result = connect(s_, static_cast<const sockaddr*>(address), length);
    int error = result == 0 ? 0 : errno;
    if (error == EINPROGRESS) {
        pollfd pending{s_, POLLOUT, 0};
        int ready = poll(&pending, 1, static_cast<int>(timeout.count()));
        socklen_t size = sizeof error;
        if (ready == 0)
            error = ETIMEDOUT;
        else if (ready < 0 || getsockopt(s_, SOL_SOCKET, SO_ERROR, &error, &size) != 0)
            error = errno;
    }
    fcntl(s_, F_SETFL, flags);
    if (error != 0)
        throw GameError(strerror(error));
}
