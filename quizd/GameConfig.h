// Points a game's config.xml at a quiz server: sets the `user` element and keeps every other setting.
#pragma once
#include <string>

namespace quizd {

class GameConfig {
public:
    // The file's new text: `original` (empty when there was no file) with one `user` element carrying
    // these values in place of the old ones. Name and password go in Windows-1252, as the game reads
    // them; std::runtime_error when one of their characters has no place in it.
    static std::string withUser(const std::string& original, const std::string& server, const std::string& username,
                                const std::string& password);

private:
    static std::string userElement(const std::string& server, const std::string& username, const std::string& password);
    static std::string escape(const std::string& value);
};

}
