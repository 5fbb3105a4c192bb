#include "net/QuizWorker.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "net/SocketAbort.h"
#include "net/SocketClient.h"
#include "platform/LogFile.h"
#include "platform/LogHold.h"
#include "platform/StateReset.h"

QuizWorker GquizWorker;

namespace {

// A test's requests end with it.
const bool resetRegistered = registerReset([] { GquizWorker.stop(); });

}

struct QuizWorker::State {
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable ended;
    std::deque<std::packaged_task<std::string()>> queue;
    bool stopping = false;
    bool finished = false;
    std::string log;
    SocketAbort abort;
};

// Hands the lines a request logs to the frame before its reply is seen, so that the frame that takes the
// reply and then writes the log writes them too.
class QuizWorker::LogHandover {
public:
    explicit LogHandover(State& state) : _state(state) {}
    ~LogHandover()
    {
        std::lock_guard<std::mutex> lock(_state.mutex);
        _state.log += _hold.take();
    }

private:
    State& _state;
    LogHold _hold;
};

QuizWorker::~QuizWorker()
{
    stop();
}

std::future<std::string> QuizWorker::post(Request request)
{
    if (!_state) {
        _state = std::make_shared<State>();
        _thread = std::thread(run, _state);
    }
    State* state = _state.get();
    std::packaged_task<std::string()> task([state, request = std::move(request)] {
        LogHandover handover(*state);
        return request();
    });
    std::future<std::string> reply = task.get_future();
    {
        std::lock_guard<std::mutex> lock(_state->mutex);
        _state->queue.push_back(std::move(task));
    }
    _state->wake.notify_one();
    return reply;
}

void QuizWorker::send(Request request)
{
    post(std::move(request));
}

void QuizWorker::writeLog()
{
    if (!_state)
        return;
    std::string text;
    {
        std::lock_guard<std::mutex> lock(_state->mutex);
        text.swap(_state->log);
    }
    if (!text.empty())
        GLog.write(text.c_str());
}

void QuizWorker::stop(std::chrono::milliseconds longest)
{
    if (!_state)
        return;
    {
        std::lock_guard<std::mutex> lock(_state->mutex);
        _state->stopping = true;
        _state->queue.clear();
    }
    _state->wake.notify_one();
    _state->abort.abort();
    bool ended = false;
    {
        std::unique_lock<std::mutex> lock(_state->mutex);
        ended = _state->ended.wait_for(lock, longest,
                                       [this] { return _state->finished; });
    }
    if (ended) {
        _thread.join();
        writeLog();
    } else {
        _thread.detach();
    }
    _state.reset();
}

void QuizWorker::run(std::shared_ptr<State> state)
{
    SocketAbort::Scope underAbort(state->abort);
    for (;;) {
        std::packaged_task<std::string()> task;
        {
            std::unique_lock<std::mutex> lock(state->mutex);
            state->wake.wait(lock, [&] { return state->stopping || !state->queue.empty(); });
            if (state->stopping)
                break;
            task = std::move(state->queue.front());
            state->queue.pop_front();
        }
        task();
    }
    std::lock_guard<std::mutex> lock(state->mutex);
    state->finished = true;
    state->ended.notify_all();
}
