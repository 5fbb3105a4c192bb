// The events the game reports (msg=e), one row each, kept like answers: written in their own
// transaction before the game is told they are stored. Each row knows its game, so the class page reads
// only the games being played, however long the history.
#pragma once
#include "Database.h"
#include "GameEvent.h"

#include <string>
#include <vector>

namespace quizd {

struct StoredEvent {
    long userId = 0;
    int game = 1; // which of the student's games: the game's clock going back, or an "end", starts the next
    GameEvent event;
    std::string receivedAt; // UTC, ISO 8601, as answers are stamped
    long age = 0;           // whole seconds of the clock from its arrival to the read
};

class EventStore {
public:
    explicit EventStore(Database& db) : db_(db) {}
    // Adds the table to a database made before the game reported events; the rest is left as it is.
    static void prepare(Database& db);

    void record(long userId, const GameEvent& e);
    std::vector<StoredEvent> latestGames();   // each student's latest game, by student, in order of arrival
    std::vector<StoredEvent> of(long userId); // all of one student's, in order of arrival

private:
    std::string columns() const; // with the age as this database works it out
    static StoredEvent row(const Statement& s);
    Database& db_;
};

}
