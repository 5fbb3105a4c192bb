// The teacher's web page on the same port as the game: log-in, the class at a glance, per question and
// per student, imports and the class list, the results CSV. Everything but the log-in form needs a
// session; everything that changes data needs the session's anti-forgery token too.
#pragma once
#include "ClassImports.h"
#include "FormData.h"
#include "PasswordGate.h"
#include "QuizStore.h"
#include "TeacherSessions.h"
#include "WebRequest.h"

#include <chrono>
#include <memory>
#include <string>
#include <utility>

namespace quizd {

class TeacherSite {
public:
    // sessions: where teachers' sessions live; nullptr: this server's memory.
    TeacherSite(PasswordGate& gate, ClassImports& imports, std::chrono::seconds sessionTime, SteadyNow now,
                std::unique_ptr<SessionStore> sessions = nullptr)
        : gate_(gate), imports_(imports), sessions_(sessionTime, std::move(now), std::move(sessions))
    {
    }

    // Throws when the store fails; the caller answers with failurePage.
    WebReply handle(const WebRequest& request, QuizStore& store);
    static WebReply failurePage(const std::string& why);

private:
    WebReply logIn(const WebRequest& request, QuizStore& store);
    WebReply show(const WebRequest& request, const TeacherSessions::Session& session, QuizStore& store);
    WebReply change(const WebRequest& request, const TeacherSessions::Session& session, const FormData& form,
                    QuizStore& store);
    WebReply addStudent(const TeacherSessions::Session& session, const FormData& form, QuizStore& store);
    static std::string cookie(const std::string& cookieHeader, const std::string& name);

    PasswordGate& gate_;
    ClassImports& imports_;
    TeacherSessions sessions_;
};

}
