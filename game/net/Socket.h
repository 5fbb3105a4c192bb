// A TCP stream socket that owns its handle alone: it moves, never copies, and closes on destruction.
#pragma once

#include <atomic>
#include <chrono>
#include <string>

enum TypeSocket { BlockingSocket = 0, NonBlockingSocket = 1 };

class Socket {
public:
    // A fresh unconnected stream socket; raises "INVALID_SOCKET" when none can be had.
    Socket();
    // Takes over an open handle.
    explicit Socket(int s);
    virtual ~Socket();
    // The moved-from socket holds no handle any more.
    Socket(Socket&& other) noexcept;
    Socket& operator=(Socket&& other) noexcept;
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    // One line up to and including its line feed; what came before a close; empty on a failure.
    // A line of maxLine bytes without a line feed is a failure, so a runaway peer cannot exhaust memory.
    std::string ReceiveLine();
    // Why the last ReceiveLine failed ("time-out", "line too long" or the system's text); empty when it
    // did not, a close by the peer included.
    const std::string& readFailure() const { return _readFailure; }
    // Whatever is already waiting, without blocking for more.
    std::string ReceiveBytes();
    // Sends the bytes followed by a single line feed.
    void SendLine(std::string line);
    void SendBytes(const std::string& bytes);
    void Close();

    static constexpr size_t maxLine = 65536;

    static int liveSockets() { return nofSockets_; }

protected:
    friend class SocketSelect;

    int s_;
    // Reads fail once it has passed.
    std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::time_point::max();

private:
    std::string failRead(const char* why);

    std::string _readFailure;
    static void Start();

    // atomic because a server in a thread may open sockets while the game does
    static std::atomic<int> nofSockets_;
};
