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
    SocketAbort* abort = threadAbort;
    if (!abort)
        return;
    std::lock_guard<std::mutex> lock(abort->_mutex);
    abort->_open.push_back(s);
    // Shut before it connects: the connection then reads nothing and the request fails at once.
    if (abort->_aborted)
        shutdown(s, SHUT_RDWR);
}

void SocketAbort::closing(int s)
{
    SocketAbort* abort = threadAbort;
    if (!abort)
        return;
    std::lock_guard<std::mutex> lock(abort->_mutex);
    abort->_open.erase(std::remove(abort->_open.begin(), abort->_open.end(), s), abort->_open.end());
}
