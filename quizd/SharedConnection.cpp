#include "SharedConnection.h"

namespace quizd {

std::unique_ptr<Database> SharedConnection::take()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!idle_.empty()) {
            std::unique_ptr<Database> db = std::move(idle_.back());
            idle_.pop_back();
            return db;
        }
    }
    return Database::open(url_, false);
}

}
