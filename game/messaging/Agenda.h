// The game's timer service: messages scheduled for a real time, delivered once per frame in time order.
#pragma once

#include <list>

#include "messaging/AgendaEvent.h"

class Agenda {
public:
    Agenda() = default;

    void schedule(irr::u32 when, Interactive* who, irr::u32 id);
    void exec();
    // Forgets every pending message for `who`; every Interactive calls it when it is destroyed.
    void cancel(Interactive* who);
    size_t size() const { return _list.size(); }

private:
    void insertOrdered(const AgendaEvent& event);

    std::list<AgendaEvent> _list;  // ordered by `when`, earliest first
    std::list<AgendaEvent> _due;   // the messages of the pass in progress, taken off _list
};

// The game's agenda.
extern Agenda GAgenda;
