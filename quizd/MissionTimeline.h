// One student's games as the teacher reads them: the stages in the order they were entered, how long
// each lasted, the captures and answers in each, and where the latest game stands now.
#pragma once
#include "ClassReport.h"
#include "EventStore.h"

#include <map>
#include <string>
#include <vector>

namespace quizd {

struct StageVisit {
    int game = 1; // which of the student's games
    long stage = 0;
    std::string title;
    std::string enteredAt; // UTC, ISO 8601
    long gameSeconds = 0;  // the game's clock on entering
    long seconds = 0;      // how long it lasted; for the stage being played, so far
    long captures = 0;
    long life = 0;      // at its last event
    std::string ending; // "victory" or "end" when the game finished or stopped in it
    long endingSeconds = 0;
    std::vector<AttemptRow> answers;

    long firstAge = 0; // seconds since its first and its last event arrived
    long lastAge = 0;
};

// The latest game, for the class page.
struct PlayNow {
    long stage = 0;
    std::string title;
    long secondsInStage = 0;
    long life = 0;
    long captures = 0;
    bool finished = false; // the victory
    bool left = false;     // the game ended without it
    bool talking = false;  // an event arrived less than a minute ago
    bool stuck = false;    // still playing, and long in one stage
    long secondsToFinish = 0;
    long silentFor = 0; // seconds since the last event
};

class MissionTimeline {
public:
    static const long kTalkingSeconds = 60;
    static const long kStuckSeconds = 300;

    explicit MissionTimeline(const std::vector<StoredEvent>& events); // one student's, in order of arrival
    // Every student's, from EventStore::latestGames().
    static std::map<long, MissionTimeline> byStudent(const std::vector<StoredEvent>& events);

    // Puts each answer (oldest first) in the stage that was being played when it arrived.
    void attach(const std::vector<AttemptRow>& attempts);
    const std::vector<StageVisit>& visits() const { return visits_; }
    bool empty() const { return visits_.empty(); }
    PlayNow now() const; // needs a visit

private:
    void add(const StoredEvent& e);
    void measure();
    std::vector<StageVisit> visits_;
    long silentFor_ = 0;
};

}
