// A stage is entered with its first event: the game reports the stage it is in with every event.
#include "MissionTimeline.h"

namespace quizd {

MissionTimeline::MissionTimeline(const std::vector<StoredEvent>& events)
{
    for (const StoredEvent& e : events) add(e);
    if (!events.empty()) silentFor_ = events.back().age;
    measure();
}

std::map<long, MissionTimeline> MissionTimeline::byStudent(const std::vector<StoredEvent>& events)
{
    std::map<long, MissionTimeline> out;
    for (std::size_t from = 0; from < events.size();) {
        std::size_t to = from;
        while (to < events.size() && events[to].userId == events[from].userId) ++to;
        out.emplace(events[from].userId, MissionTimeline({events.begin() + long(from), events.begin() + long(to)}));
        from = to;
    }
    return out;
}

void MissionTimeline::add(const StoredEvent& e)
{
    if (visits_.empty() || e.game != visits_.back().game || e.event.stage != visits_.back().stage) {
        StageVisit v;
        v.game = e.game;
        v.stage = e.event.stage;
        v.title = e.event.title;
        v.enteredAt = e.receivedAt;
        v.gameSeconds = e.event.seconds;
        v.firstAge = e.age;
        visits_.push_back(v);
    }
    StageVisit& v = visits_.back();
    v.lastAge = e.age;
    v.life = e.event.life;
    if (e.event.kind == "capture") ++v.captures;
    if ((e.event.kind == "victory" || e.event.kind == "end") && v.ending != "victory") {
        v.ending = e.event.kind;
        v.endingSeconds = e.event.seconds;
    }
}

// A stage lasts until the next one is entered; the last of a game until its last event, unless it is
// the one being played now.
void MissionTimeline::measure()
{
    for (std::size_t k = 0; k < visits_.size(); ++k) {
        StageVisit& v = visits_[k];
        bool followed = k + 1 < visits_.size();
        if (followed && visits_[k + 1].game == v.game) v.seconds = v.firstAge - visits_[k + 1].firstAge;
        else if (followed || !v.ending.empty()) v.seconds = v.firstAge - v.lastAge;
        else v.seconds = v.firstAge;
    }
}

void MissionTimeline::attach(const std::vector<AttemptRow>& attempts)
{
    std::size_t k = 0;
    for (const AttemptRow& a : attempts) {
        if (visits_.empty() || a.when < visits_.front().enteredAt) continue;
        while (k + 1 < visits_.size() && visits_[k + 1].enteredAt <= a.when) ++k;
        visits_[k].answers.push_back(a);
    }
}

PlayNow MissionTimeline::now() const
{
    const StageVisit& last = visits_.back();
    PlayNow p;
    p.stage = last.stage;
    p.title = last.title;
    p.secondsInStage = last.seconds;
    p.life = last.life;
    for (const StageVisit& v : visits_) {
        if (v.game != last.game) continue;
        p.captures += v.captures;
        if (v.ending == "victory") {
            p.finished = true;
            p.secondsToFinish = v.endingSeconds;
        }
    }
    p.left = !p.finished && last.ending == "end";
    p.silentFor = silentFor_;
    p.talking = silentFor_ < kTalkingSeconds;
    p.stuck = !p.finished && !p.left && p.secondsInStage > kStuckSeconds;
    return p;
}

}
