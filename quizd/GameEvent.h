// What the game reports from inside the mission (msg=e): the stage it entered, its life after a blow, a
// capture, the victory, the end of the game. The server knows nothing of the mission: a stage is a
// number and the words the game sends for it.
#pragma once
#include "QueryString.h"

#include <optional>
#include <string>

namespace quizd {

struct GameEvent {
    std::string kind;  // "stage", "life", "capture", "victory" or "end"
    long stage = 0;    // the mission state's number
    std::string title; // the stage in words, UTF-8
    long life = 0;     // 0..100
    long seconds = 0;  // since the game logged on

    // The event a request carries, or nullopt with why it carries none (ASCII, for the game's reply).
    static std::optional<GameEvent> fromQuery(const QueryString& query, std::string& problem);
};

}
