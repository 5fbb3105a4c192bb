// The /play.php operations of the game: log on (msg=l), next question (msg=p), answer (msg=r), level
// change (msg=n) and what happens in the mission (msg=e). Replies are Windows-1252 bytes as the game reads them.
#pragma once
#include "CredentialCache.h"
#include "PasswordGate.h"
#include "QueryString.h"
#include "QuestionCache.h"
#include "QuizStore.h"

#include <chrono>
#include <string>
#include <utility>

namespace quizd {

struct Reply {
    int status;
    std::string body;
};

class PlayService {
public:
    // peer: the client's address, for the password throttle.
    PlayService(QuizStore& store, CredentialCache& credentials, PasswordGate& gate, QuestionCache& questions,
                std::string peer)
        : store_(store), credentials_(credentials), gate_(gate), questions_(questions), peer_(std::move(peer))
    {
    }
    Reply handle(const QueryString& query);
    // The reply when the server itself fails: still one the game can show for that msg.
    static Reply failure(const std::string& msg);

    // What the last request did, for the log line ("resposta certa", "questao 0007").
    const std::string& outcome() const { return outcome_; }
    // The store failed during the last request (a read-only file, a full disk).
    bool failed() const { return failed_; }

private:
    Reply dispatch(const std::string& msg, const QueryString& query);
    std::optional<long> logOn(const QueryString& query, bool fresh);
    Reply question(long userId, const QueryString& query);
    Reply nextQuestion(long userId); // the one the server picks; asked again, answered from memory
    Reply answer(long userId, const QueryString& query);
    Reply level(long userId, const QueryString& query);
    Reply event(long userId, const QueryString& query);
    static std::string questionBody(const Question& q, const std::vector<int>& order);

    QuizStore& store_;
    CredentialCache& credentials_;
    PasswordGate& gate_;
    QuestionCache& questions_;
    std::string peer_;
    std::chrono::seconds throttled_{0}; // set when the last log-on was held back by the throttle
    std::string outcome_;
    bool failed_ = false;
};

}
