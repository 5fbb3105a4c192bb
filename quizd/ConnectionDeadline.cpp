// Shutting a socket down (not closing it) lets its owner see the end of the stream and clean up as usual.
#include "ConnectionDeadline.h"

#include <sys/socket.h>

namespace quizd {

ConnectionDeadline::ConnectionDeadline(std::chrono::seconds limit) : limit_(limit), thread_([this] { watch(); }) {}

ConnectionDeadline::~ConnectionDeadline()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void ConnectionDeadline::opened(int socket)
{
    std::lock_guard<std::mutex> lock(mutex_);
    opened_[socket] = Clock::now();
}

void ConnectionDeadline::closed(int socket)
{
    std::lock_guard<std::mutex> lock(mutex_);
    opened_.erase(socket);
}

void ConnectionDeadline::watch()
{
    std::unique_lock<std::mutex> lock(mutex_);
    while (!wake_.wait_for(lock, std::chrono::milliseconds(250), [this] { return stopping_; })) {
        Clock::time_point oldestAllowed = Clock::now() - limit_;
        for (auto it = opened_.begin(); it != opened_.end();) {
            if (it->second < oldestAllowed) {
                shutdown(it->first, SHUT_RDWR);
                it = opened_.erase(it);
            } else {
                ++it;
            }
        }
    }
}

}
