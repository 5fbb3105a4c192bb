#include "plan/MissionPlan.h"

using namespace mission;

namespace {

const wchar_t* const TouchComputer = L"Toque o terminal de computador para aciona-lo.";
const wchar_t* const FindSwitch = L"Encontre interruptor em uma parede. Acione para \nabrir porta.";

const Goal Fight = {GoalKind::fight, {}};
const Goal Computer = {GoalKind::touch, {"Computador"}};

}  // namespace

const std::vector<MissionRow>& missionPlan()
{
    // One row a state, the way a table reads: state, teacher's name, next, back, message, hint,
    // the automatic player's goal and wrong answers.
    // clang-format off
    static const std::vector<MissionRow> table = {
        {firstNinja, "enfrentando o primeiro robô", firstTouch, {}, nullptr,
         L"Destrua os robos. Use a letra A para \nmudar o produto quimico, clique para ativar.", Fight},
        {firstTouch, "indo ao computador", firstQuestion, {}, nullptr, TouchComputer, Computer},
        {firstQuestion, "recebendo a primeira questão", firstAnswer},
        {firstAnswer, "respondendo à primeira questão", openEastYard, firstQuestion, nullptr, nullptr, {}, 1},
        {openEastYard, "abrindo o pátio leste", yardNinja, {}, nullptr, nullptr, Fight},
        {yardNinja, "enfrentando o robô do pátio", networkTouch, {}, nullptr, nullptr, Fight},
        {networkTouch, "voltando ao computador", networkAnswer, {}, nullptr, TouchComputer, Computer},
        {networkAnswer, "respondendo no computador", networkLost, networkTouch,
         L"Conexao satelite perdida: software de rede destruido\npor virus. Existe uma copia do software "
         L"guardada. Encontre-a!", nullptr, {}, 1},
        {networkLost, "lendo o aviso do vírus", findPendrive},
        {findPendrive, "procurando o pen drive", installOrder, {},
         L"Instale o software do Pendrive no computador.",
         L"Encontre um pendrive e uma arma. Passe sobre eles.", {GoalKind::collect, {"Arma", "Pendrive"}}},
        {installOrder, "lendo a ordem de instalação", spiderFight, {}, nullptr, nullptr, Fight},
        {spiderFight, "enfrentando a aranha", installSoftware, {}, nullptr, nullptr, Fight},
        {installSoftware, "instalando o software", softwareInstalled, {},
         L"Software corretamente instalado.\nAguarde novo codigo para analise.", TouchComputer, Computer},
        {softwareInstalled, "software instalado", awaitCode},
        {awaitCode, "aguardando novo código", firstTimedQuestion},
        {firstTimedQuestion, "recebendo questão com tempo", firstTimedAnswer},
        {firstTimedAnswer, "respondendo questão com tempo", secondTimedQuestion, firstTimedQuestion},
        {secondTimedQuestion, "recebendo a segunda questão com tempo", secondTimedAnswer},
        {secondTimedAnswer, "respondendo a segunda questão com tempo", sendNinja,
         secondTimedQuestion, nullptr, nullptr, {}, 1},
        {sendNinja, "um robô se aproxima", ninjaFight, {}, nullptr, nullptr, Fight},
        {ninjaFight, "enfrentando um robô", roomGQuestion, {}, nullptr, nullptr, Fight},
        {roomGQuestion, "recebendo a questão da sala G", roomGAnswer},
        {roomGAnswer, "respondendo para abrir a sala G", openRoomG, roomGQuestion, nullptr, nullptr, {}, 3},
        {openRoomG, "abrindo a sala G", roomGFight, {}, nullptr, nullptr, Fight},
        {roomGFight, "enfrentando os robôs da sala G", toolFound, {}, nullptr, nullptr, Fight},
        {toolFound, "ferramenta encontrada", toolNotice, {},
         L"Voce encontrou a ferramenta necessaria\npara regular a antena!!"},
        {toolNotice, "lendo sobre a ferramenta", takeTool},
        {takeTool, "pegando a ferramenta", tuneAntenna, {}, nullptr,
         L"Encontre uma ferramenta. Passe sobre ela.", {GoalKind::collect, {"tool4Antenna"}}},
        {tuneAntenna, "ajustando a antena", signalBack, {},
         L"Sinal recuperado. Computador online.\nIniciando download...",
         L"Toque a antena para efetuar regulagem.", {GoalKind::touch, {"Antena"}}},
        {signalBack, "sinal recuperado", download},
        {download, "baixando o software", softwareDamaged, {},
         L"Software de comunicacao danificado.\nVerifique o computador."},
        {softwareDamaged, "lendo o aviso do software danificado", checkComputer},
        {checkComputer, "verificando o computador", computerAnswer, {}, nullptr, TouchComputer, Computer},
        {computerAnswer, "respondendo sobre o software danificado", needCertificate, computerWrong},
        {computerWrong, "errou: de volta ao computador", checkComputer, {}, nullptr, nullptr, Computer},
        {needCertificate, "precisa do certificado", certificateNotice, {},
         L"Voce precisa do certificado de seguranca,\nguardado em uma sala. Ache o interruptor da porta."},
        {certificateNotice, "lendo sobre o certificado", switchQuestion},
        {switchQuestion, "recebendo a questão do interruptor", switchAnswer, {}, nullptr, FindSwitch},
        {switchAnswer, "respondendo a questão do interruptor", findSwitch, switchQuestion, nullptr, nullptr, {}, 1},
        {findSwitch, "procurando o interruptor", findCertificate, {}, nullptr, FindSwitch,
         {GoalKind::touch, {"InterruptorSala"}}},
        {findCertificate, "procurando o certificado", certificateFound, {},
         L"Acione o computador com o novo certificado\n", L"Encontre a chave digital de seguranca.",
         {GoalKind::collect, {"Certificado"}}},
        {certificateFound, "certificado encontrado", certifyComputer},
        {certifyComputer, "levando o certificado ao computador", finalAnswer, {}, nullptr, nullptr, Computer},
        {finalAnswer, "respondendo a última questão", victory, certifyComputer},
        {victory, "missão cumprida", theEnd, {}, L"Conseguimos impedir o avanco alienigena!\nParabens!"},
        {theEnd, "fim do jogo", theEnd},
        {captured, "capturado", theEnd, {}, L"Voce foi capturado! Fim da linha."},
    };
    // clang-format on
    return table;
}

const MissionRow* missionRow(int state)
{
    for (const MissionRow& row : missionPlan())
        if (row.state == state)
            return &row;
    return nullptr;
}
