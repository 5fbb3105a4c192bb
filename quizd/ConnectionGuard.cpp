// Shutting a socket down (not closing it) lets its owner see the end of the stream and clean up as usual.
#include "ConnectionGuard.h"

#include <sys/socket.h>

#include <algorithm>

namespace quizd {
namespace {

// 64 kbit/s: the slowest line a teacher uploads over, far above what a drip attack sends per place.
const std::size_t kSteadyBytesPerSecond = 8192;
const std::chrono::seconds kBodyGrace(2); // before the first bytes of the body are in

}

ConnectionGuard::ConnectionGuard(std::chrono::seconds limit, unsigned maxConnections, unsigned maxPerAddress)
    : limit_(limit), maxConnections_(maxConnections), maxPerAddress_(maxPerAddress), thread_([this] { watch(); })
{
}

ConnectionGuard::~ConnectionGuard()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

bool ConnectionGuard::admit(std::uint32_t address)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (perAddress_[address] >= maxPerAddress_ && !shedOldestWaiting(true, address)) return false;
    if (open_.size() >= maxConnections_ && !shedOldestWaiting(false, address)) return false;
    return true;
}

// Shut down the oldest connection that is not being answered; it stops counting at once.
bool ConnectionGuard::shedOldestWaiting(bool sameAddressOnly, std::uint32_t address)
{
    Clock::time_point now = Clock::now();
    auto oldest = open_.end();
    for (auto it = open_.begin(); it != open_.end(); ++it) {
        const Connection& c = it->second;
        if (spared(c, now) || (sameAddressOnly && c.address != address)) continue;
        if (oldest == open_.end() || c.opened < oldest->second.opened) oldest = it;
    }
    if (oldest == open_.end()) return false;
    shutdown(oldest->first, SHUT_RDWR);
    forget(oldest);
    return true;
}

void ConnectionGuard::opened(int socket, std::uint32_t address)
{
    std::lock_guard<std::mutex> lock(mutex_);
    Clock::time_point now = Clock::now();
    open_[socket] = Connection{now, address, false, now + limit_};
    ++perAddress_[address];
}

void ConnectionGuard::answering(int socket)
{
    setAnswering(socket, true);
}

bool ConnectionGuard::spared(const Connection& c, Clock::time_point now)
{
    if (c.answering) return true;
    if (!c.uploading) return false;
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - c.bodyStarted - kBodyGrace);
    return elapsed.count() <= 0 || c.bodyBytes * 1000 >= kSteadyBytesPerSecond * std::size_t(elapsed.count());
}

void ConnectionGuard::receiving(int socket, std::size_t bytes)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = open_.find(socket);
    if (it == open_.end()) return;
    Connection& c = it->second;
    if (!c.uploading) c.bodyStarted = Clock::now();
    c.uploading = true;
    c.bodyBytes += bytes;
}

void ConnectionGuard::answered(int socket)
{
    setAnswering(socket, false);
}

void ConnectionGuard::setAnswering(int socket, bool answering)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = open_.find(socket);
    if (it == open_.end()) return;
    Connection& c = it->second;
    // A long upload gets the usual time for its reply once it is all in.
    if (answering && c.uploading) c.deadline = std::max(c.deadline, Clock::now() + limit_);
    c.answering = answering;
    c.uploading = false; // a kept-alive connection's next body starts afresh
    c.bodyBytes = 0;
}

void ConnectionGuard::closed(int socket)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = open_.find(socket);
    if (it != open_.end()) forget(it); // else already shed
}

ConnectionGuard::Open::iterator ConnectionGuard::forget(Open::iterator connection)
{
    auto count = perAddress_.find(connection->second.address);
    if (--count->second == 0) perAddress_.erase(count);
    return open_.erase(connection);
}

void ConnectionGuard::watch()
{
    std::unique_lock<std::mutex> lock(mutex_);
    while (!wake_.wait_for(lock, std::chrono::milliseconds(250), [this] { return stopping_; })) {
        Clock::time_point now = Clock::now();
        for (auto it = open_.begin(); it != open_.end();) {
            if (it->second.deadline < now && !(it->second.uploading && spared(it->second, now))) {
                shutdown(it->first, SHUT_RDWR);
                it = forget(it);
            } else {
                ++it;
            }
        }
    }
}

}
