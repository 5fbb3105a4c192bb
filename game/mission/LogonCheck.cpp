#include "mission/LogonCheck.h"

#include "net/Server.h"
#include "platform/LogFile.h"
#include "ui/Dialogs.h"

namespace {

// What the log-on window says when the server gave no reply at all.
const char* const noAnswer = "O servidor de quest\xf5" "es n\xe3o respondeu. Confira a rede e tente de novo.";

}

bool LogonCheck::passed(unsigned now)
{
    switch (_step) {
    case Step::ask:
        ask(now);
        break;
    case Step::wait:
        if (_reply.ready(GquizWorker))
            read();
        break;
    case Step::window:
        if (!GDialogs.isDialogOpened()) {
            GDialogs.closeLogon();
            ask(now);
        }
        break;
    case Step::passed:
        break;
    }
    return _step == Step::passed;
}

void LogonCheck::ask(unsigned now)
{
    GLog.writelf("Story: logging on to the quiz server");
    _reply.post(GquizWorker, [] { return loginServer(); }, now);
    _step = Step::wait;
}

void LogonCheck::read()
{
    const LogonOutcome outcome = readLogon(_reply.take());
    if (outcome.kind == LogonOutcome::accepted) {
        GLog.writelf("Story: log-on accepted");
        _step = Step::passed;
        return;
    }
    GLog.writelf(outcome.kind == LogonOutcome::refused ? "Story: log-on refused" : "Story: no answer to the log-on");
    GDialogs.showLogonAgain(outcome.kind == LogonOutcome::refused ? outcome.text : noAnswer);
    _step = Step::window;
}
