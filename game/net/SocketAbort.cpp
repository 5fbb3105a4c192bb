#include "net/SocketAbort.h"

#include <algorithm>
#include <sys/socket.h>

namespace {

thread_local SocketAbort* threadAbort = nullptr;

}

SocketAbort::Scope::Scope(SocketAbort& abort) : _outer(threadAbort)
{
    threadAbort = &abort;
}

SocketAbort::Scope::~Scope()
{
    threadAbort = _outer;
}

void SocketAbort::abort()
{
    std::lock_guard<std::mutex> lock(_mutex);
    _aborted = true;
    for (int s : _open)
        shutdown(s, SHUT_RDWR);
}

void SocketAbort::opened(int s)
{
    if (threadAbort)
        threadAbort->track(s);
}

void SocketAbort::closing(int s)
{
    if (threadAbort)
        threadAbort->untrack(s);
}

void SocketAbort::track(int s)
{
    std::lock_guard<std::mutex> lock(_mutex);
    _open.push_back(s);
    // Shut before it connects: the connection then reads nothing and the request fails at once.
    if (_aborted)
        shutdown(s, SHUT_RDWR);
}

void SocketAbort::untrack(int s)
{
    std::lock_guard<std::mutex> lock(_mutex);
    _open.erase(std::remove(_open.begin(), _open.end(), s), _open.end());
}
