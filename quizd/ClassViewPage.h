// The game as the teacher watches it: the class table of where each student is in the mission, and one
// student's stages in order. HTML pieces set into the class page and the student's page.
#pragma once
#include "ClassReport.h"
#include "MissionTimeline.h"

#include <map>
#include <string>
#include <vector>

namespace quizd {

class ClassViewPage {
public:
    static std::string classNow(const std::vector<StudentRow>& students,
                                const std::map<long, MissionTimeline>& timelines);
    static std::string timeline(const MissionTimeline& timeline);
    // 75 -> "1 min 15 s"; 3720 -> "1 h 02 min"
    static std::string duration(long seconds);

private:
    static std::string studentNow(const StudentRow& student, const PlayNow& now);
    static std::string visitRow(const StageVisit& v);
    static std::string stageName(long stage, const std::string& title);
};

}
