// Bounds what open connections may hold. A connection is closed when it has been open too long, however
// slowly it keeps sending (the idle time-out alone lets a client dripping one byte a second hold it for
// hours). And when one address, or everyone together, has every place taken, a new connection takes the
// place of the oldest one not being answered (still sending, or idle between requests): slow senders
// cannot keep out clients that send a whole request at once, even from the same address (a school's
// router). A request body arriving steadily (a teacher's upload on a slow school line) is spared both:
// it is doing what it came for, at a rate no drip attack keeps up on hundreds of places.
#pragma once
#include <cstddef>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <unordered_map>

namespace quizd {

class ConnectionGuard {
public:
    ConnectionGuard(std::chrono::seconds limit, unsigned maxConnections, unsigned maxPerAddress);
    ~ConnectionGuard();
    ConnectionGuard(const ConnectionGuard&) = delete;
    ConnectionGuard& operator=(const ConnectionGuard&) = delete;

    // Before a connection from this IPv4 address is accepted: makes room when needed; false: no room.
    bool admit(std::uint32_t address);
    void opened(int socket, std::uint32_t address);
    // Its request is all there and being answered: no room is made from it until answered().
    void answering(int socket);
    // Bytes of its request body arrived (0: the headers are in and the body starts).
    void receiving(int socket, std::size_t bytes);
    void answered(int socket);
    // Must come before the socket is closed, so a reused descriptor is never shut by mistake.
    void closed(int socket);

private:
    using Clock = std::chrono::steady_clock;
    struct Connection {
        Clock::time_point opened;
        std::uint32_t address;
        bool answering;
        Clock::time_point deadline;
        bool uploading = false;
        Clock::time_point bodyStarted{};
        std::size_t bodyBytes = 0;
    };
    static bool spared(const Connection& connection, Clock::time_point now);
    using Open = std::unordered_map<int, Connection>;
    void watch();
    Open::iterator forget(Open::iterator connection);
    bool shedOldestWaiting(bool sameAddressOnly, std::uint32_t address);
    void setAnswering(int socket, bool answering);

    std::chrono::seconds limit_;
    unsigned maxConnections_;
    unsigned maxPerAddress_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    Open open_;
    std::unordered_map<std::uint32_t, unsigned> perAddress_;
    std::thread thread_;
};

}
