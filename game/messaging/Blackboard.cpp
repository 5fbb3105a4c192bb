// Posting, polling and taking off named signals, oldest first.
#include "messaging/Blackboard.h"

#include <algorithm>

#include "platform/LogFile.h"
#include "platform/StateReset.h"

Blackboard GBlackboard;

namespace {

const bool resetRegistered = registerReset([] { GBlackboard = Blackboard(); });

}

void Blackboard::signal(Interactive* obj, const irr::core::stringc& name, irr::s32 msg,
                        const irr::core::stringc& parm)
{
    irr::core::stringc line = "Blackboard::signal ";
    line += name;
    line += " , ";
    line += msg;
    line += " , ";
    line += parm;
    GLog.writelf(line.c_str());
    _list.push_back(std::make_unique<BlackboardEvent>(BlackboardEvent{obj, name, msg, parm}));
}

void Blackboard::singleSignal(Interactive* obj, const irr::core::stringc& name, irr::s32 msg,
                              const irr::core::stringc& parm)
{
    irr::s32 oldMsg = 0;
    irr::core::stringc oldParm;
    queryAndDelete(name, oldMsg, oldParm);
    signal(obj, name, msg, parm);
}

Blackboard::EventList::iterator Blackboard::findOldest(const irr::core::stringc& name)
{
    return std::find_if(_list.begin(), _list.end(), [&name](const auto& e) { return e->name == name; });
}

Interactive* Blackboard::readOut(const BlackboardEvent& event, irr::s32& msg, irr::core::stringc& parm)
{
    msg = event.msg;
    parm = event.parm;
    return event.obj;
}

Interactive* Blackboard::query(const irr::core::stringc& name, irr::s32& msg, irr::core::stringc& parm)
{
    auto found = findOldest(name);
    return found == _list.end() ? nullptr : readOut(**found, msg, parm);
}

Interactive* Blackboard::queryAndDelete(const irr::core::stringc& name, irr::s32& msg,
                                        irr::core::stringc& parm)
{
    GLog.writelf((irr::core::stringc("Black::query del ") + name).c_str());
    auto found = findOldest(name);
    if (found == _list.end())
        return nullptr;
    Interactive* poster = readOut(**found, msg, parm);
    _list.erase(found);
    return poster;
}

Interactive* Blackboard::queryAndDelete(const irr::core::stringc& name, irr::s32& msg)
{
    GLog.writelf((irr::core::stringc("Black::query del ") + name).c_str());
    auto found = std::find_if(_list.begin(), _list.end(),
                              [&](const auto& e) { return e->name == name && e->msg == msg; });
    if (found == _list.end())
        return nullptr;
    Interactive* poster = (*found)->obj;
    _list.erase(found);
    return poster;
}

void Blackboard::clear()
{
    GLog.writelf("Blackboard::clear");
    _list.clear();
}

void Blackboard::cancel(Interactive* who)
{
    _list.remove_if([who](const std::unique_ptr<BlackboardEvent>& e) { return e->obj == who; });
}
