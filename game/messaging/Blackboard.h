// The board of named signals through which objects report events to the mission without knowing it.
#pragma once

#include <list>
#include <memory>

#include "messaging/BlackboardEvent.h"

class Blackboard {
public:
    Blackboard() = default;

    void signal(Interactive* obj, const irr::core::stringc& name, irr::s32 msg,
                const irr::core::stringc& parm);
    void singleSignal(Interactive* obj, const irr::core::stringc& name, irr::s32 msg,
                      const irr::core::stringc& parm);
    Interactive* query(const irr::core::stringc& name, irr::s32& msg, irr::core::stringc& parm);
    Interactive* queryAndDelete(const irr::core::stringc& name, irr::s32& msg, irr::core::stringc& parm);
    // Here `msg` is an input: only a signal of that name carrying that number is taken.
    Interactive* queryAndDelete(const irr::core::stringc& name, irr::s32& msg);
    // Takes back every signal `who` posted, so no reader is handed an object that is gone.
    void cancel(Interactive* who);
    void clear();
    size_t size() const { return _list.size(); }

private:
    using EventList = std::list<std::unique_ptr<BlackboardEvent>>;

    EventList::iterator findOldest(const irr::core::stringc& name);
    static Interactive* readOut(const BlackboardEvent& event, irr::s32& msg, irr::core::stringc& parm);

    EventList _list;  // oldest first
};

// The game's blackboard.
extern Blackboard GBlackboard;
