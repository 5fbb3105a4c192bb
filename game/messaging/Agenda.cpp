// Timed message delivery driven by the device timer's real time.
#include "messaging/Agenda.h"

#include "messaging/Interactive.h"
#include "platform/StateReset.h"
#include "shell/Engine.h"
#include "shell/fatal.h"

Agenda GAgenda;

namespace {

const bool resetRegistered = registerReset([] { GAgenda = Agenda(); });

}

void Agenda::schedule(irr::u32 when, Interactive* who, irr::u32 id)
{
    if (!who) {
        fatal("NULL inside of Agenda", FatalWait::forKey);
    }
    insertOrdered(AgendaEvent{when, id, who});
}

void Agenda::insertOrdered(const AgendaEvent& event)
{
    // After every event with the same time, so equal times keep the order they were scheduled in.
    auto at = _list.begin();
    while (at != _list.end() && at->when <= event.when)
        ++at;
    _list.emplace(at, event);
}

void Agenda::exec()
{
    const irr::u32 now = GTimer->getRealTime();
    // The due events are set apart first: what a receiver schedules while being called waits for the
    // next pass, so a receiver that reschedules itself with no delay cannot keep this pass going forever.
    auto firstLater = _list.begin();
    while (firstLater != _list.end() && firstLater->when <= now)
        ++firstLater;
    _due.splice(_due.end(), _list, _list.begin(), firstLater);
    while (!_due.empty()) {
        const AgendaEvent event = _due.front();
        _due.pop_front();
        event.who->rcvMessage(static_cast<int>(event.id));
    }
}

void Agenda::cancel(Interactive* who)
{
    _list.remove_if([who](const AgendaEvent& e) { return e.who == who; });
    _due.remove_if([who](const AgendaEvent& e) { return e.who == who; });
}
