// The lock's end is shown on the wall clock, as the teacher reads it, from the throttle's steady clock.
#include "LockSection.h"

#include "TeacherPages.h"

#include <ctime>

namespace quizd {

std::string LockSection::who(const LoginThrottle::Lock& lock)
{
    if (lock.byAddress) return "endereço " + lock.key;
    std::size_t colon = lock.key.find(':');
    return lock.key.substr(0, colon) + " " + lock.key.substr(colon + 1);
}

std::string LockSection::until(std::chrono::seconds remaining)
{
    std::time_t end = std::time(nullptr) + remaining.count();
    std::tm utc{};
    gmtime_r(&end, &utc);
    char buf[16];
    std::strftime(buf, sizeof buf, "%H:%M:%S", &utc);
    return std::string(buf) + " UTC (daqui a " + std::to_string(remaining.count()) + " s)";
}

std::string LockSection::html(const std::string& formToken, const std::vector<LoginThrottle::Lock>& locks)
{
    if (locks.empty()) return "";
    std::string body = "<div class=\"box\" id=\"bloqueios\"><h2>Entradas bloqueadas</h2>"
                       "<table><tr><th>Quem</th><th>Por quê</th><th>Até</th><th></th></tr>";
    for (const LoginThrottle::Lock& lock : locks)
        body += "<tr><td>" + TeacherPages::escape(who(lock)) + "</td><td>" + std::to_string(lock.failures) +
                (lock.byAddress ? " senhas erradas vindas deste endereço" : " senhas erradas para este nome") +
                "</td><td>" + until(lock.remaining) +
                "</td><td><form method=\"post\" action=\"/liberar\">" + TeacherPages::tokenField(formToken) +
                "<input type=\"hidden\" name=\"tipo\" value=\"" + (lock.byAddress ? "endereco" : "nome") +
                "\"><input type=\"hidden\" name=\"chave\" value=\"" + TeacherPages::escape(lock.key) +
                "\"><button>Liberar</button></form></td></tr>";
    return body + "</table><p class=\"note\">Enquanto um nome ou endereço está bloqueado, só o jogo que já "
                  "entrou com esse nome neste computador continua entrando. Libere quando tiver certeza de "
                  "quem está tentando.</p></div>";
}

}
