// Each worker takes the next password of the oldest unfinished list; whoever hashes a list's last one
// writes the list.
#include "ClassImports.h"

#include "PasswordHash.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>

namespace quizd {
namespace {

const std::size_t kKeptJobs = 32;

void lowestPriority()
{
    // On Linux the nice value belongs to the thread.
    setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 19);
}

}

ClassImports::ClassImports(Writer write, unsigned workers) : write_(std::move(write))
{
    for (unsigned k = 0; k < std::max(workers, 1u); ++k) workers_.emplace_back([this] { work(); });
}

ClassImports::~ClassImports()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : workers_) t.join();
}

long ClassImports::start(Users students)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto job = std::make_shared<Job>();
    job->id = ++lastId_;
    job->progress.total = students.size();
    job->users = std::move(students);
    job->progress.done = job->users.empty();
    jobs_[job->id] = job;
    while (jobs_.size() > kKeptJobs && jobs_.begin()->second->progress.done) jobs_.erase(jobs_.begin());
    wake_.notify_all();
    return job->id;
}

std::optional<ClassImports::Progress> ClassImports::progress(long id)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = jobs_.find(id);
    if (it == jobs_.end()) return std::nullopt;
    return it->second->progress;
}

void ClassImports::work()
{
    lowestPriority();
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stopping_) {
        auto open = std::find_if(jobs_.begin(), jobs_.end(),
                                 [](const auto& entry) { return entry.second->next < entry.second->users.size(); });
        if (open == jobs_.end()) {
            wake_.wait(lock);
            continue;
        }
        std::shared_ptr<Job> job = open->second;
        std::size_t k = job->next++;
        std::string password = std::move(job->users[k].second);
        lock.unlock();
        std::string hash = PasswordHash::make(password);
        lock.lock();
        job->users[k].second = std::move(hash);
        if (++job->progress.hashed == job->progress.total) finish(*job, lock);
    }
}

void ClassImports::finish(Job& job, std::unique_lock<std::mutex>& lock)
{
    Users users = std::move(job.users);
    lock.unlock();
    int created = 0;
    std::string error;
    try {
        created = write_(users);
    } catch (const std::exception& e) {
        error = e.what();
    }
    lock.lock();
    job.progress.created = created;
    job.progress.error = error;
    job.progress.done = true;
}

}
