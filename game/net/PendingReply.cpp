#include "net/PendingReply.h"

#include <chrono>

void PendingReply::post(QuizWorker& worker, QuizWorker::Request request, unsigned now)
{
    _reply = worker.post(std::move(request));
    _postedAt = now;
}

bool PendingReply::ready(QuizWorker& worker) const
{
    if (!waiting() || _reply.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return false;
    worker.writeLog();
    return true;
}

std::string PendingReply::take()
{
    std::future<std::string> reply = std::move(_reply);
    return reply.get();
}
