// Which names may become accounts: ones a student can type into the game's log-on box.
#pragma once
#include <string>

namespace quizd {

class UserName {
public:
    // Why a UTF-8 name cannot be an account, or "" when it can.
    static std::string problem(const std::string& utf8);
};

}
