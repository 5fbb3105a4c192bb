// The part of the class page that shows who is held back from logging on, and lets the teacher lift it:
// one classmate guessing behind the school's address would otherwise keep newcomers out unseen.
#pragma once
#include "LoginThrottle.h"

#include <string>
#include <vector>

namespace quizd {

class LockSection {
public:
    // Empty when nothing is locked.
    static std::string html(const std::string& formToken, const std::vector<LoginThrottle::Lock>& locks);

private:
    static std::string who(const LoginThrottle::Lock& lock);
    static std::string until(std::chrono::seconds remaining);
};

}
