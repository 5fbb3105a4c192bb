// A connection taken from the pool is the caller's alone until it is given back.
#include "SharedConnection.h"

#include "Databases.h"

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
    return Databases::open(url_, false);
}

}
