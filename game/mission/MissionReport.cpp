#include "mission/MissionReport.h"

#include <algorithm>

#include "codepage.h"
#include "net/QuizWorker.h"
#include "net/Server.h"
#include "plan/MissionPlan.h"
#include "shell/Config.h"

namespace {

// The plan's names are UTF-8; the wire carries Windows-1252, as the answers do.
std::string onTheWire(const char* utf8)
{
    std::string bytes;
    long bad = 0;
    quizd::utf8ToCp1252(utf8, bytes, bad);
    return bytes;
}

}  // namespace

void MissionReport::frame(int state, float life, unsigned now)
{
    if (GcheatTests)
        return;
    const int whole = static_cast<int>(std::clamp(life, 0.0f, 100.0f));
    if (!_started) {
        _started = true;
        _loggedOnAt = now;
        _life = whole;
    }
    // A blow that captures is told before the capture.
    const bool blow = whole < _life;
    _life = whole;
    if (blow)
        report("life", now);
    if (state != _state)
        enter(state, now);
}

void MissionReport::enter(int state, unsigned now)
{
    _state = state;
    const MissionRow* row = missionRow(state);
    if (!row)
        return;
    switch (state) {
    case mission::captured:
        report("capture", now);
        break;
    case mission::victory:
        report("victory", now);
        break;
    case mission::theEnd:
        if (_stage) {
            _end = GquizWorker.post(request("end", now));
            _endAt = now;
        }
        break;
    default:
        _stage = row;
        report("stage", now);
    }
}

void MissionReport::report(const char* event, unsigned now) const
{
    if (_stage)
        GquizWorker.send(request(event, now));
}

QuizWorker::Request MissionReport::request(const char* event, unsigned now) const
{
    return [event, stage = _stage->state, title = onTheWire(_stage->teacherName), life = _life,
            seconds = (now - _loggedOnAt) / 1000] {
        reportEvent(event, stage, title, life, seconds);
        return std::string();
    };
}

bool MissionReport::endDelivered(unsigned now) const
{
    return !_end.valid() || _end.wait_for(std::chrono::seconds(0)) == std::future_status::ready
        || now - _endAt >= endWait;
}
