// The teacher's pages as HTML, in Portuguese, self-contained: no script, no font and no file from
// elsewhere, so they work on a school network without internet.
#pragma once
#include "ClassList.h"
#include "ClassReport.h"
#include "GiftParser.h"

#include <string>
#include <vector>

namespace quizd {

class TeacherPages {
public:
    static std::string escape(const std::string& text);
    // A whole page: its header, with the navigation once signed in (formToken not empty).
    static std::string page(const std::string& title, const std::string& formToken, const std::string& body,
                            const std::string& head = "");
    static std::string tokenField(const std::string& formToken);

    static std::string logIn(const std::string& message);
    // mission, timeline: the game's part of the page, set above the answers.
    static std::string classAtAGlance(const std::string& formToken, const std::vector<StudentRow>& students,
                                      long bankSize, unsigned refreshSeconds, const std::string& mission);
    static std::string student(const std::string& formToken, const std::string& name,
                               const std::vector<AttemptRow>& rows, const std::string& timeline);
    static std::string manage(const std::string& formToken, const std::string& message);
    static std::string importReport(const std::string& formToken, const std::string& file, int added, int updated,
                                    const GiftParser::Result& parsed);
    static std::string classListReport(const std::string& formToken, std::size_t saved,
                                       const std::vector<ClassList::Problem>& problems);
    static std::string message(const std::string& title, const std::string& text, bool signedIn);

private:
    static std::string when(const std::string& isoUtc);
};

}
