// The connections behind the state several servers share besides the store (teachers' sessions, failed
// log-ons): a small pool, one per thread at work, opened at first use. A connection that failed is
// dropped rather than pooled, so a restarted database is found again on its own.
#pragma once
#include "Database.h"

#include <memory>
#include <mutex>
#include <type_traits>
#include <string>
#include <utility>
#include <vector>

namespace quizd {

class SharedConnection {
public:
    explicit SharedConnection(std::string url) : url_(std::move(url)) {}

    template <class Work>
    auto with(Work work) -> decltype(work(std::declval<Database&>()))
    {
        std::unique_ptr<Database> db = take(); // when it throws, the connection goes with it
        auto give = [&] {
            std::lock_guard<std::mutex> lock(mutex_);
            idle_.push_back(std::move(db));
        };
        if constexpr (std::is_void_v<decltype(work(*db))>) {
            work(*db);
            give();
        } else {
            auto result = work(*db);
            give();
            return result;
        }
    }

private:
    std::unique_ptr<Database> take();
    std::string url_;
    std::mutex mutex_;
    std::vector<std::unique_ptr<Database>> idle_;
};

}
