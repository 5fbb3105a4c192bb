// Readiness test over select().
#include "shell/fatal.h"
#include "support/SocketSelect.h"

SocketSelect::SocketSelect(const Socket* s1, const Socket* s2, TypeSocket type)
{
    FD_ZERO(&fds_);
    int highest = s1->s_;
    if (s2 && s2->s_ > highest)
        highest = s2->s_;
    // FD_SET past the set's size writes outside it
    if (s1->s_ < 0 || highest >= FD_SETSIZE || (s2 && s2->s_ < 0))
        throw GameError("Error in select");
    FD_SET(s1->s_, &fds_);
    if (s2)
        FD_SET(s2->s_, &fds_);
    timeval poll{0, 1};
    if (select(highest + 1, &fds_, nullptr, nullptr, type == NonBlockingSocket ? &poll : nullptr) < 0)
        throw GameError("Error in select");
}

bool SocketSelect::Readable(const Socket* s) const
{
    return s->s_ >= 0 && s->s_ < FD_SETSIZE && FD_ISSET(s->s_, &fds_);
}
