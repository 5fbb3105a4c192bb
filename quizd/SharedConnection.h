// The connection behind the state several servers share besides the store (teachers' sessions, failed
// log-ons): opened at first use, dropped on any failure and opened again at the next use, so a restarted
// database is found again on its own.
#pragma once
#include "Database.h"

#include <memory>
#include <mutex>
#include <string>
#include <utility>

namespace quizd {

class SharedConnection {
public:
    explicit SharedConnection(std::string url) : url_(std::move(url)) {}

    template <class Work>
    auto with(Work work) -> decltype(work(std::declval<Database&>()))
    {
        std::lock_guard<std::mutex> lock(mutex_);
        try {
            if (!db_) db_ = Database::open(url_, false);
            return work(*db_);
        } catch (const DatabaseError&) {
            db_.reset(); // and whatever transaction it was in
            throw;
        }
    }

private:
    std::string url_;
    std::mutex mutex_;
    std::unique_ptr<Database> db_;
};

}
