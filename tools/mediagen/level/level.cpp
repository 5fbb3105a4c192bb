// Writes every file of the level.
#include "level/level.h"

#include "formats/Writer3DS.h"
#include "level/LevelPlan.h"
#include "level/levelMesh.h"
#include "level/levelTextures.h"
#include "level/planImage.h"
#include "level/levelProps.h"
#include "level/roomsFile.h"
#include "level/sceneryList.h"
#include "level/waypointFile.h"

void writeLevel(const OutputFolder& out, const ImageFiles& images, const std::string& waypoints)
{
    const LevelPlan plan = orvendPlan();
    const WaypointFile graph = checkWaypointFile(waypoints);
    writeLevelTextures(out, images, plan);
    write3DS(buildLevelMesh(plan), out.path("OrvendMap/map.3DS"));
    writeLevelProps(out, images);
    out.writeText("lista.txt", sceneryListText(plan));
    out.writeText("OrvendMap/rooms.txt", roomsFileText(plan));
    out.writeBytes("OrvendMap/wayPoint.wpn", graph.bytes);
    images.save(drawPlan(plan, graph), out.path("plan.png"));
}
