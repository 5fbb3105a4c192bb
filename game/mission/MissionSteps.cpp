#include "mission/MissionSteps.h"

#include <map>

#include "mission/Story.h"

using namespace mission;

MissionStep missionStep(int state)
{
    static const std::map<int, MissionStep> steps = {
        {firstNinja, &Story::fightFirstNinja},
        {firstTouch, &Story::awaitComputer},
        {firstQuestion, &Story::askNow},
        {firstAnswer, &Story::answer},
        {openEastYard, &Story::openEastYard},
        {yardNinja, &Story::slayYardNinja},
        {networkTouch, &Story::computerAsks},
        {networkAnswer, &Story::answerThenTell},
        {networkLost, &Story::openRoomB},
        {findPendrive, &Story::collectPendrive},
        {installOrder, &Story::afterMessage},
        {spiderFight, &Story::slaySpider},
        {installSoftware, &Story::installPendrive},
        {softwareInstalled, &Story::softwareRuns},
        {awaitCode, &Story::awaitCode},
        {firstTimedQuestion, &Story::askTimed},
        {firstTimedAnswer, &Story::answerTimed},
        {secondTimedQuestion, &Story::askTimed},
        {secondTimedAnswer, &Story::answerTimed},
        {sendNinja, &Story::sendNinja},
        {ninjaFight, &Story::slayNinja},
        {roomGQuestion, &Story::askTimed},
        {roomGAnswer, &Story::answerTimed},
        {openRoomG, &Story::openRoomG},
        {roomGFight, &Story::fightRoomG},
        {toolFound, &Story::announceTool},
        {toolNotice, &Story::afterMessage},
        {takeTool, &Story::takeTool},
        {tuneAntenna, &Story::tuneAntenna},
        {signalBack, &Story::startDownload},
        {download, &Story::download},
        {softwareDamaged, &Story::afterMessage},
        {checkComputer, &Story::computerAsks},
        {computerAnswer, &Story::answer},
        {computerWrong, &Story::goOn},
        {needCertificate, &Story::announce},
        {certificateNotice, &Story::afterMessage},
        {switchQuestion, &Story::askNow},
        {switchAnswer, &Story::answer},
        {findSwitch, &Story::openRoomE},
        {findCertificate, &Story::takeCertificate},
        {certificateFound, &Story::afterMessage},
        {certifyComputer, &Story::computerAsks},
        {finalAnswer, &Story::answer},
        {victory, &Story::announce},
        {theEnd, &Story::finish},
        {captured, &Story::capture},
    };
    const auto step = steps.find(state);
    return step == steps.end() ? nullptr : step->second;
}
