// What the quiz server said to a log-on.
#pragma once

#include <string>

struct LogonOutcome {
    enum Kind { accepted, refused, unanswered };
    Kind kind = unanswered;
    // A refusal's reason as the server gave it, one line.
    std::string text;
};
