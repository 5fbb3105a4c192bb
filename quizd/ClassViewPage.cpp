// Stage titles come from the game over the network: attacker's text, escaped like answers.
#include "ClassViewPage.h"

#include "TeacherPages.h"

#include <cstdio>

namespace quizd {
namespace {

std::string twoDigits(long n)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02ld", n);
    return buf;
}

// "2026-12-07T22:49:49.123Z" -> "22:49:49"
std::string timeOfDay(const std::string& isoUtc)
{
    return isoUtc.size() < 19 ? TeacherPages::escape(isoUtc) : isoUtc.substr(11, 8);
}

std::string answerList(const std::vector<AttemptRow>& answers)
{
    std::string out;
    for (const AttemptRow& a : answers)
        out += std::string(out.empty() ? "" : " ") + "<span class=\"" + (a.right ? "ok" : "bad") + "\" title=\"" +
               TeacherPages::escape(a.questionText) + "\">questão " + std::to_string(a.questionId) +
               (a.right ? " certa" : " errada") + "</span>";
    return out;
}

}

std::string ClassViewPage::duration(long seconds)
{
    if (seconds < 60) return std::to_string(seconds) + " s";
    if (seconds < 3600) return std::to_string(seconds / 60) + " min " + twoDigits(seconds % 60) + " s";
    return std::to_string(seconds / 3600) + " h " + twoDigits(seconds / 60 % 60) + " min";
}

std::string ClassViewPage::stageName(long stage, const std::string& title)
{
    if (title.empty()) return "etapa " + std::to_string(stage);
    return TeacherPages::escape(title);
}

std::string ClassViewPage::classNow(const std::vector<StudentRow>& students,
                                    const std::map<long, MissionTimeline>& timelines)
{
    std::string body = "<h2 class=\"secao\">Na missão</h2><table id=\"missao\"><tr><th>Aluno</th><th>Fase agora</th>"
                       "<th>Na fase há</th><th>Vida</th><th>Capturas</th><th>Situação</th><th>Jogo</th></tr>";
    for (const StudentRow& s : students) {
        auto found = timelines.find(s.id);
        if (found == timelines.end() || found->second.empty()) {
            body += "<tr><td><a href=\"/aluno?id=" + std::to_string(s.id) + "\">" + TeacherPages::escape(s.name) +
                    "</a></td><td colspan=\"6\" class=\"note\">ainda não jogou</td></tr>";
            continue;
        }
        body += studentNow(s, found->second.now());
    }
    if (students.empty()) body += "<tr><td colspan=\"7\" class=\"note\">Nenhum aluno ainda.</td></tr>";
    return body + "</table><h2 class=\"secao\">Respostas</h2>";
}

std::string ClassViewPage::studentNow(const StudentRow& student, const PlayNow& now)
{
    std::string situation;
    if (now.finished) situation = "<span class=\"ok\">concluiu</span> em " + duration(now.secondsToFinish);
    else if (now.left) situation = "saiu do jogo";
    else if (now.stuck) situation = "<span class=\"bad\">parado nesta fase</span>";
    else situation = "jogando";
    std::string talking = now.talking ? "<span class=\"ok\">conectado</span>"
                                      : "<span class=\"note\">sem sinal há " + duration(now.silentFor) + "</span>";
    bool playing = !now.finished && !now.left;
    return std::string("<tr") + (now.stuck ? " class=\"parado\"" : "") +
           "><td><a href=\"/aluno?id=" + std::to_string(student.id) + "\">" + TeacherPages::escape(student.name) +
           "</a></td><td>" + stageName(now.stage, now.title) + "</td><td class=\"n\">" +
           (playing ? duration(now.secondsInStage) : "") + "</td><td class=\"n\">" + std::to_string(now.life) +
           "</td><td class=\"n\">" + std::to_string(now.captures) + "</td><td>" + situation + "</td><td>" + talking +
           "</td></tr>";
}

std::string ClassViewPage::timeline(const MissionTimeline& timeline)
{
    std::string body = "<h2 class=\"secao\">Na missão</h2>";
    if (timeline.empty()) return body + "<p class=\"note\">O jogo ainda não informou nada deste aluno.</p>";
    body += "<table id=\"linha-do-tempo\"><tr><th>Fase</th><th>Chegou (UTC)</th><th>Tempo de jogo</th><th>Ficou</th>"
            "<th>Questões nesta fase</th><th>Capturas</th><th>Vida</th></tr>";
    int game = 0;
    for (const StageVisit& v : timeline.visits()) {
        if (v.game != game) {
            game = v.game;
            body += "<tr class=\"partida\"><th colspan=\"7\">Partida " + std::to_string(game) + "</th></tr>";
        }
        body += visitRow(v);
    }
    return body + "</table><h2 class=\"secao\">Respostas</h2>";
}

std::string ClassViewPage::visitRow(const StageVisit& v)
{
    std::string row = "<tr><td>" + stageName(v.stage, v.title) + "</td><td>" + timeOfDay(v.enteredAt) +
                      "</td><td class=\"n\">" + duration(v.gameSeconds) + "</td><td class=\"n\">" +
                      duration(v.seconds) + "</td><td>" + answerList(v.answers) + "</td><td class=\"n\">" +
                      (v.captures ? std::to_string(v.captures) : "") + "</td><td class=\"n\">" +
                      std::to_string(v.life) + "</td></tr>";
    if (v.ending == "victory")
        row += "<tr><td colspan=\"7\"><span class=\"ok\">concluiu a missão</span> com " + duration(v.endingSeconds) +
               " de jogo</td></tr>";
    else if (v.ending == "end")
        row += "<tr><td colspan=\"7\" class=\"note\">o jogo foi fechado aqui, com " + duration(v.endingSeconds) +
               " de jogo</td></tr>";
    return row;
}

}
