// The automatic player of --demo: its question bank, the mission it follows, and its part in the log-on.
#include "app/demoStart.h"

#include <cstdio>
#include <string>

#include "app/MainLoop.h"
#include "demo/DemoPlayer.h"
#include "mission/Story.h"
#include "platform/CommandLine.h"
#include "platform/LogFile.h"
#include "shell/mediaFile.h"

namespace {

// An installed game keeps its data in share/games/satlink and the quiz server's sample bank in
// share/quizd.
std::string bankFile(const CommandLine& options)
{
    return options.bank().empty() ? std::string(Gexepath.c_str()) + "/../../quizd/satlink.gift"
                                  : options.bank();
}

AnswerBook readBank(const CommandLine& options)
{
    std::string error;
    AnswerBook book = AnswerBook::fromFile(bankFile(options), error);
    if (!error.empty()) {
        std::fprintf(stderr, "satlink: %s; the demo answers at random\n", error.c_str());
        GLog.writelf(error.c_str());
    }
    return book;
}

int missionState()
{
    return GStory ? GStory->getState() : 0;
}

}

std::unique_ptr<DemoPlayer> startDemo(const CommandLine& options)
{
    auto demo = std::make_unique<DemoPlayer>(missionState, readBank(options), options.demoDie());
    DemoPlayer* player = demo.get();
    onLogonFrame([player] { player->logonFrame(); });
    return demo;
}
