// Client side of the quiz server's /play.php protocol: log-on, questions, answers, level change.
#pragma once

#include <string>
#include <vector>

#include "net/LogonOutcome.h"
#include "net/Question.h"
#include "net/SocketClient.h"

// Each request waits for the quiz server at most `timeout` for connecting and for each read.

// This install's own token (platform/installtoken), sent as "install" with every request that logs on, so
// that the server lets this game log on as a name it logged on as before even while a guesser has that
// name locked. Empty: not sent, and the requests are those of the protocol as it was.
extern std::string GinstallToken;

// Opens the CONNECT tunnel through the proxy the client is connected to.
bool proxy_conexion(SocketClient* client);
// The whole reply, headers included; empty on any failure. Failures and refusals are logged with their cause.
std::string loginServer(std::chrono::milliseconds timeout = SocketClient::defaultTimeout);
// loginServer's reply read: accepted when its status is 200 and its body's first field "1".
LogonOutcome readLogon(const std::string& reply);
// The reply body of a question fetch; id < 0 lets the server choose. Raises std::runtime_error on failure,
// a read time-out and a body shorter than its Content-Length included.
std::string getQuestion(int id, std::chrono::milliseconds timeout = SocketClient::defaultTimeout);
// The question of a reply body; raises GameError on a malformed one, which it logs.
Question readQuestion(const std::string& body);
// The question the server gives. Raises GameError on failure or on a malformed reply.
Question askQuestion(int id, std::chrono::milliseconds timeout = SocketClient::defaultTimeout);
// The first line of the reply body; "outch" on any failure, a status other than 200 included.
std::string sendAnswer(const std::string& id, const std::string& resposta,
                       std::chrono::milliseconds timeout = SocketClient::defaultTimeout);
// The verdict on `resposta` to `question`, its tab-separated fields; field 0 is "1" for a right answer, "0"
// for a wrong one, and "outch" when no verdict came (a failure, a server error, a reply whose field 0 is neither).
std::vector<std::string> sayAnswer(const Question& question, const std::string& resposta,
                                   std::chrono::milliseconds timeout = SocketClient::defaultTimeout);
// The fields of a verdict line as sayAnswer gives them: never none.
std::vector<std::string> verdictFields(const std::string& verdict);
// Tells the teacher's page what happened in the mission: `event` (stage, life, capture, victory or end) in
// stage number `stage`, named `title` (Windows-1252), with the life and the seconds since log-on. The reply,
// whatever it is, is read to the close and dropped; a failure is logged only.
void reportEvent(const char* event, int stage, const std::string& title, int life, unsigned seconds,
                 std::chrono::milliseconds timeout = SocketClient::defaultTimeout);
// Asks the server to move the player to level n; the whole reply, empty on failure.
std::string changeLevel(int n, std::chrono::milliseconds timeout = SocketClient::defaultTimeout);
