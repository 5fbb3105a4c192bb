// The page that follows a class list being saved: how far the passwords are, then what was saved.
#pragma once
#include "ClassImports.h"

#include <string>

namespace quizd {

class ClassImportPage {
public:
    static std::string html(const std::string& formToken, const ClassImports::Progress& progress);
};

}
