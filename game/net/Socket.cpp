// BSD socket implementation of the stream socket: counting, line and byte I/O.
#include "net/Socket.h"

#include <cerrno>
#include <cstring>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "net/SocketAbort.h"
#include "shell/fatal.h"

std::atomic<int> Socket::nofSockets_{0};

void Socket::Start()
{
    ++nofSockets_;
}

Socket::Socket() : s_(-1)
{
    Start();
    s_ = socket(AF_INET, SOCK_STREAM, 0);
    if (s_ < 0) {
        // the destructor will not run for a half-built object, so undo the count here
        --nofSockets_;
        throw GameError("INVALID_SOCKET");
    }
    SocketAbort::opened(s_);
}

Socket::Socket(int s) : s_(s)
{
    Start();
}

Socket::Socket(Socket&& other) noexcept : s_(other.s_), deadline_(other.deadline_)
{
    other.s_ = -1;
    Start();
}

Socket& Socket::operator=(Socket&& other) noexcept
{
    if (this == &other)
        return *this;
    Close();
    s_ = other.s_;
    deadline_ = other.deadline_;
    other.s_ = -1;
    return *this;
}

Socket::~Socket()
{
    Close();
    --nofSockets_;
}

void Socket::Close()
{
    // a closed number may be handed to another file at once, so never close it twice
    if (s_ >= 0) {
        SocketAbort::closing(s_);
        close(s_);
    }
    s_ = -1;
}

std::string Socket::ReceiveLine()
{
    _readFailure.clear();
    std::string line;
    for (;;) {
        char c;
        ssize_t got = recv(s_, &c, 1, 0);
        if (got < 0)
            return failRead(errno == EAGAIN || errno == EWOULDBLOCK ? "time-out" : std::strerror(errno));
        if (got == 0)
            return line;
        if (std::chrono::steady_clock::now() > deadline_)
            return failRead("time-out");
        line += c;
        if (c == '\n')
            return line;
        if (line.size() >= maxLine)
            return failRead("line too long");
    }
}

std::string Socket::failRead(const char* why)
{
    _readFailure = why;
    return "";
}

std::string Socket::ReceiveBytes()
{
    std::string bytes;
    char buffer[1024];
    for (;;) {
        int waiting = 0;
        if (ioctl(s_, FIONREAD, &waiting) != 0 || waiting == 0)
            return bytes;
        ssize_t got = recv(s_, buffer, sizeof buffer, 0);
        if (got <= 0)
            return bytes;
        bytes.append(buffer, static_cast<size_t>(got));
    }
}

void Socket::SendLine(std::string line)
{
    line += '\n';
    SendBytes(line);
}

void Socket::SendBytes(const std::string& bytes)
{
    // a peer that has gone must not kill the game with SIGPIPE
    send(s_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}
