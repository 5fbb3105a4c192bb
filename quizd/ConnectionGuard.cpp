// Shutting a socket down (not closing it) lets its owner see the end of the stream and clean up as usual.
#include "ConnectionGuard.h"

#include <sys/socket.h>

namespace quizd {

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
    auto oldest = open_.end();
    for (auto it = open_.begin(); it != open_.end(); ++it) {
        const Connection& c = it->second;
        if (c.answering || (sameAddressOnly && c.address != address)) continue;
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
    open_[socket] = {Clock::now(), address, false};
    ++perAddress_[address];
}

void ConnectionGuard::answering(int socket)
{
    setAnswering(socket, true);
}

void ConnectionGuard::answered(int socket)
{
    setAnswering(socket, false);
}

void ConnectionGuard::setAnswering(int socket, bool answering)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = open_.find(socket);
    if (it != open_.end()) it->second.answering = answering;
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
        Clock::time_point oldestAllowed = Clock::now() - limit_;
        for (auto it = open_.begin(); it != open_.end();) {
            if (it->second.opened < oldestAllowed) {
                shutdown(it->first, SHUT_RDWR);
                it = forget(it);
            } else {
                ++it;
            }
        }
    }
}

}
