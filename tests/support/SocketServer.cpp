// Binding, listening and accepting on a server socket.
#include "support/SocketServer.h"

#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include "shell/fatal.h"

SocketServer::SocketServer(int port, int connections, TypeSocket type)
{
    if (type == NonBlockingSocket)
        fcntl(s_, F_SETFL, fcntl(s_, F_GETFL, 0) | O_NONBLOCK);
    int yes = 1;
    setsockopt(s_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    if (bind(s_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        Close();
        throw GameError("INVALID_SOCKET");
    }
    listen(s_, connections);
}

std::unique_ptr<Socket> SocketServer::Accept()
{
    int accepted = accept(s_, nullptr, nullptr);
    if (accepted < 0) {
        if (errno == EWOULDBLOCK || errno == EAGAIN)
            return nullptr;
        throw GameError("Invalid Socket");
    }
    return std::make_unique<Socket>(accepted);
}

int SocketServer::port() const
{
    sockaddr_in address{};
    socklen_t size = sizeof address;
    getsockname(s_, reinterpret_cast<sockaddr*>(&address), &size);
    return ntohs(address.sin_port);
}
