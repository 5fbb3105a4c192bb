// The random token that tells the quiz server "this is the game that logged on as this name before", so
// that a student's own game goes on logging on while a guesser has the name locked. It is kept in a file
// of the user's state folder, so every run of this install sends the same one.
#pragma once

#include <string>

// The token stored at path; when there is none (or not a token), a new one is made from the system's
// random source and stored there, its folders made private to the user as needed. A token that cannot be
// stored still serves this run. Empty only when the system gives no random bytes.
std::string installToken(const std::string& path);
