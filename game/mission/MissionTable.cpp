#include "mission/MissionTable.h"

#include "mission/Story.h"

using namespace mission;

namespace {

const wchar_t* const TouchComputer = L"Toque o terminal de computador para aciona-lo.";
const wchar_t* const FindSwitch = L"Encontre interruptor em uma parede. Acione para \nabrir porta.";

const Goal Fight = {GoalKind::fight, {}};
const Goal Computer = {GoalKind::touch, {"Computador"}};

}  // namespace

const std::vector<MissionRow>& missionTable()
{
    // One row a state, the way a table reads: state, teacher's name, step, next, back, message, hint,
    // the automatic player's goal and wrong answers.
    // clang-format off
    static const std::vector<MissionRow> table = {
        {firstNinja, "enfrentando o primeiro robô", &Story::fightFirstNinja, firstTouch, {}, nullptr,
         L"Destrua os robos. Use a letra A para \nmudar o produto quimico, clique para ativar.", Fight},
        {firstTouch, "indo ao computador", &Story::awaitComputer, firstQuestion, {}, nullptr, TouchComputer,
         Computer},
        {firstQuestion, "recebendo a primeira questão", &Story::askNow, firstAnswer},
        {firstAnswer, "respondendo à primeira questão", &Story::answer, openEastYard, firstQuestion, nullptr,
         nullptr, {}, 1},
        {openEastYard, "abrindo o pátio leste", &Story::openEastYard, yardNinja, {}, nullptr, nullptr, Fight},
        {yardNinja, "enfrentando o robô do pátio", &Story::slayYardNinja, networkTouch, {}, nullptr, nullptr,
         Fight},
        {networkTouch, "voltando ao computador", &Story::computerAsks, networkAnswer, {}, nullptr,
         TouchComputer, Computer},
        {networkAnswer, "respondendo no computador", &Story::answerThenTell, networkLost, networkTouch,
         L"Conexao satelite perdida: software de rede destruido\npor virus. Existe uma copia do software "
         L"guardada. Encontre-a!",
         nullptr, {}, 1},
        {networkLost, "lendo o aviso do vírus", &Story::openRoomB, findPendrive},
        {findPendrive, "procurando o pen drive", &Story::collectPendrive, installOrder, {},
         L"Instale o software do Pendrive no computador.",
         L"Encontre um pendrive e uma arma. Passe sobre eles.", {GoalKind::collect, {"Arma", "Pendrive"}}},
        {installOrder, "lendo a ordem de instalação", &Story::afterMessage, spiderFight, {}, nullptr, nullptr,
         Fight},
        {spiderFight, "enfrentando a aranha", &Story::slaySpider, installSoftware, {}, nullptr, nullptr,
         Fight},
        {installSoftware, "instalando o software", &Story::installPendrive, softwareInstalled, {},
         L"Software corretamente instalado.\nAguarde novo codigo para analise.", TouchComputer, Computer},
        {softwareInstalled, "software instalado", &Story::softwareRuns, awaitCode},
        {awaitCode, "aguardando novo código", &Story::awaitCode, firstTimedQuestion},
        {firstTimedQuestion, "recebendo questão com tempo", &Story::askTimed, firstTimedAnswer},
        {firstTimedAnswer, "respondendo questão com tempo", &Story::answerTimed, secondTimedQuestion,
         firstTimedQuestion},
        {secondTimedQuestion, "recebendo a segunda questão com tempo", &Story::askTimed, secondTimedAnswer},
        {secondTimedAnswer, "respondendo a segunda questão com tempo", &Story::answerTimed, sendNinja,
         secondTimedQuestion, nullptr, nullptr, {}, 1},
        {sendNinja, "um robô se aproxima", &Story::sendNinja, ninjaFight, {}, nullptr, nullptr, Fight},
        {ninjaFight, "enfrentando um robô", &Story::slayNinja, roomGQuestion, {}, nullptr, nullptr, Fight},
        {roomGQuestion, "recebendo a questão da sala G", &Story::askTimed, roomGAnswer},
        {roomGAnswer, "respondendo para abrir a sala G", &Story::answerTimed, openRoomG, roomGQuestion,
         nullptr, nullptr, {}, 3},
        {openRoomG, "abrindo a sala G", &Story::openRoomG, roomGFight, {}, nullptr, nullptr, Fight},
        {roomGFight, "enfrentando os robôs da sala G", &Story::fightRoomG, toolFound, {}, nullptr, nullptr,
         Fight},
        {toolFound, "ferramenta encontrada", &Story::announceTool, toolNotice, {},
         L"Voce encontrou a ferramenta necessaria\npara regular a antena!!"},
        {toolNotice, "lendo sobre a ferramenta", &Story::afterMessage, takeTool},
        {takeTool, "pegando a ferramenta", &Story::takeTool, tuneAntenna, {}, nullptr,
         L"Encontre uma ferramenta. Passe sobre ela.", {GoalKind::collect, {"tool4Antenna"}}},
        {tuneAntenna, "ajustando a antena", &Story::tuneAntenna, signalBack, {},
         L"Sinal recuperado. Computador online.\nIniciando download...",
         L"Toque a antena para efetuar regulagem.", {GoalKind::touch, {"Antena"}}},
        {signalBack, "sinal recuperado", &Story::startDownload, download},
        {download, "baixando o software", &Story::download, softwareDamaged, {},
         L"Software de comunicacao danificado.\nVerifique o computador."},
        {softwareDamaged, "lendo o aviso do software danificado", &Story::afterMessage, checkComputer},
        {checkComputer, "verificando o computador", &Story::computerAsks, computerAnswer, {}, nullptr,
         TouchComputer, Computer},
        {computerAnswer, "respondendo sobre o software danificado", &Story::answer, needCertificate,
         computerWrong},
        {computerWrong, "errou: de volta ao computador", &Story::goOn, checkComputer, {}, nullptr, nullptr,
         Computer},
        {needCertificate, "precisa do certificado", &Story::announce, certificateNotice, {},
         L"Voce precisa do certificado de seguranca,\nguardado em uma sala. Ache o interruptor da porta."},
        {certificateNotice, "lendo sobre o certificado", &Story::afterMessage, switchQuestion},
        {switchQuestion, "recebendo a questão do interruptor", &Story::askNow, switchAnswer, {}, nullptr,
         FindSwitch},
        {switchAnswer, "respondendo a questão do interruptor", &Story::answer, findSwitch, switchQuestion,
         nullptr, nullptr, {}, 1},
        {findSwitch, "procurando o interruptor", &Story::openRoomE, findCertificate, {}, nullptr, FindSwitch,
         {GoalKind::touch, {"InterruptorSala"}}},
        {findCertificate, "procurando o certificado", &Story::takeCertificate, certificateFound, {},
         L"Acione o computador com o novo certificado\n", L"Encontre a chave digital de seguranca.",
         {GoalKind::collect, {"Certificado"}}},
        {certificateFound, "certificado encontrado", &Story::afterMessage, certifyComputer},
        {certifyComputer, "levando o certificado ao computador", &Story::computerAsks, finalAnswer, {},
         nullptr, nullptr, Computer},
        {finalAnswer, "respondendo a última questão", &Story::answer, victory, certifyComputer},
        {victory, "missão cumprida", &Story::announce, theEnd, {},
         L"Conseguimos impedir o avanco alienigena!\nParabens!"},
        {theEnd, "fim do jogo", &Story::finish, theEnd},
        {captured, "capturado", &Story::capture, theEnd, {}, L"Voce foi capturado! Fim da linha."},
    };
    // clang-format on
    return table;
}

const MissionRow* missionRow(int state)
{
    for (const MissionRow& row : missionTable())
        if (row.state == state)
            return &row;
    return nullptr;
}
