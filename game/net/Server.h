// Client side of the quiz server's /play.php protocol: log-on, questions, answers, level change.
#pragma once

#include <string>
#include <vector>

#include "net/Question.h"
#include "net/SocketClient.h"

// Each request waits for the quiz server at most `timeout` for connecting and for each read.

// Opens the CONNECT tunnel through the proxy the client is connected to.
bool proxy_conexion(SocketClient* client);
// The whole reply, headers included; empty on any failure. Failures and refusals are logged with their cause.
std::string loginServer(std::chrono::milliseconds timeout = SocketClient::defaultTimeout);
// The reply body of a question fetch; id < 0 lets the server choose. Raises std::runtime_error on failure,
// a read time-out and a body shorter than its Content-Length included.
std::string getQuestion(int id, std::chrono::milliseconds timeout = SocketClient::defaultTimeout);
// The question of the reply, made the one on show (GquestionType, GquestionID, GquestionText).
// Raises GameError on failure or on a malformed reply.
Question askQuestion(int id, std::chrono::milliseconds timeout = SocketClient::defaultTimeout);
// The first line of the reply body, or "outch" on any failure.
std::string sendAnswer(const std::string& id, const std::string& resposta,
                       std::chrono::milliseconds timeout = SocketClient::defaultTimeout);
// The verdict's tab-separated fields; field 0 is "1" for a right answer, "outch" on failure.
std::vector<std::string> sayAnswer(const std::string& resposta,
                                   std::chrono::milliseconds timeout = SocketClient::defaultTimeout);
// Asks the server to move the player to level n; the whole reply, empty on failure.
std::string changeLevel(int n, std::chrono::milliseconds timeout = SocketClient::defaultTimeout);
