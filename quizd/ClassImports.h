// Class lists saved in the background: hashing thousands of passwords takes longer than a browser waits,
// so the page starts the work and follows it. The hashing runs on every core at the lowest priority, so
// the games' requests are served first, and one list at a time, in the order they came.
#pragma once
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace quizd {

class ClassImports {
public:
    using Users = std::vector<std::pair<std::string, std::string>>; // name and password, or name and hash
    // Writes named hashes, all or none; returns how many were new; throws when nothing could be written.
    using Writer = std::function<int(const Users& namedHashes)>;
    struct Progress {
        std::size_t total = 0;
        std::size_t hashed = 0;
        bool done = false;
        int created = 0;
        std::string error; // done and nothing written
    };

    explicit ClassImports(Writer write, unsigned workers = std::thread::hardware_concurrency());
    ~ClassImports();
    ClassImports(const ClassImports&) = delete;
    ClassImports& operator=(const ClassImports&) = delete;

    long start(Users students);
    std::optional<Progress> progress(long id);

private:
    struct Job {
        long id;
        Users users; // passwords, replaced by their hashes as they are made
        std::size_t next = 0;
        Progress progress;
    };
    void work();
    void finish(Job& job, std::unique_lock<std::mutex>& lock);

    Writer write_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    long lastId_ = 0;
    std::map<long, std::shared_ptr<Job>> jobs_; // the recent ones, finished or not, by id
    std::vector<std::thread> workers_;
};

}
