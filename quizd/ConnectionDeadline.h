// Closes connections that have been open too long, however slowly they keep sending: the server's idle
// time-out alone lets a client that drips one byte a second hold a connection for hours.
#pragma once
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <unordered_map>

namespace quizd {

class ConnectionDeadline {
public:
    explicit ConnectionDeadline(std::chrono::seconds limit);
    ~ConnectionDeadline();
    ConnectionDeadline(const ConnectionDeadline&) = delete;
    ConnectionDeadline& operator=(const ConnectionDeadline&) = delete;

    void opened(int socket);
    // Must come before the socket is closed, so a reused descriptor is never shut by mistake.
    void closed(int socket);

private:
    using Clock = std::chrono::steady_clock;
    void watch();

    std::chrono::seconds limit_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::unordered_map<int, Clock::time_point> opened_;
    std::thread thread_;
};

}
