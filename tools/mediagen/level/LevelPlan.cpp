// The Orvend research station as data.
#include "level/LevelPlan.h"

#include <stdexcept>

namespace {

const float DoorWidth = 160.0f;
const float DoorHeight = 200.0f;

void addAreas(LevelPlan& p)
{
    p.areas = {
        {"Saguao", -1100, -1190, 600, -150, "orvend_piso_saguao", true},
        {"Laboratorio", -500, -150, 300, 700, "orvend_piso_lab", true},
        {"Sala B", -1100, -150, -500, 700, "orvend_piso_deposito", true},
        {"Patio leste", 300, -150, 1100, 575, "orvend_piso_patio", false},
        {"Sala G", 600, -650, 1100, -150, "orvend_piso_deposito", true},
        {"Sala E", 650, 575, 1450, 1150, "orvend_piso_lab", true},
    };
}

void addWalls(LevelPlan& p)
{
    // The lobby's south wall has its face at z -1180: the picture at z -1178 hangs just in front.
    p.walls = {
        {true, -1190, -1100, 600, "orvend_parede"},
        {true, -650, 600, 1100, "orvend_parede"},
        {true, -150, -1100, 1100, "orvend_parede"},
        {true, 575, 300, 1450, "orvend_parede"},
        {true, 700, -1100, 300, "orvend_parede"},
        {true, 1150, 650, 1450, "orvend_parede"},
        {false, -1100, -1190, 700, "orvend_parede"},
        {false, -500, -150, 700, "orvend_parede"},
        {false, 300, -150, 700, "orvend_parede"},
        {false, 600, -1190, -150, "orvend_parede"},
        {false, 650, 575, 1150, "orvend_parede"},
        {false, 1100, -650, 575, "orvend_parede"},
        {false, 1450, 575, 1150, "orvend_parede"},
    };
}

// The lobby opens on the lab; every other way between areas is shut until its mission state.
void addDoorways(LevelPlan& p)
{
    const float H = p.wallHeight;
    p.doorways = {
        {"passagem Saguao - Laboratorio", -100, -150, 300, 220, true, false, "", 0, "Laboratorio"},
        {"PortaSalaB", -500, 300, DoorWidth, DoorHeight, false, true, "OrvendMap/orvend_porta_b.jpg", 22, "Sala B"},
        {"PortaCentroD", 300, 200, DoorWidth, DoorHeight, false, true, "OrvendMap/orvend_porta_d.jpg", 10,
         "Patio leste"},
        {"ParedeA", 385, -150, 110, H, true, true, "OrvendMap/orvend_painel.jpg", 10, "Patio leste"},
        {"ParedeF", 515, -150, 110, H, true, true, "OrvendMap/orvend_painel.jpg", 10, "Patio leste"},
        {"PortaSalaG", 850, -150, DoorWidth, DoorHeight, true, true, "OrvendMap/orvend_porta_g.jpg", 80, "Sala G"},
        {"PortaSalaE", 780, 575, DoorWidth, DoorHeight, true, true, "OrvendMap/orvend_porta_e.jpg", 150, "Sala E"},
    };
}

void addFurniture(LevelPlan& p)
{
    p.furniture = {
        // lobby: reception desk, benches, planters, pillars clear of the picture, the name board
        {"orvend_balcao", -700, 0, -720, -430, 95, -640},
        {"orvend_balcao", -520, 0, -640, -430, 95, -480},
        {"orvend_banco", -300, 0, -1175, 100, 45, -1130},
        {"orvend_vaso", 520, 0, -1170, 585, 70, -1105},
        {"orvend_vaso", -1085, 0, -240, -1020, 70, -165},
        {"orvend_pilar", -470, 0, -900, -430, 250, -860},
        {"orvend_pilar", -70, 0, -900, -30, 250, -860},
        {"orvend_pilar", 330, 0, -900, 370, 250, -860},
        {"orvend_banco", 200, 0, -1175, 420, 45, -1130},
        {"orvend_placa", -760, 140, -166, -340, 215, -160},
        // lab: benches along the walls
        {"orvend_bancada", -20, 0, 625, 285, 90, 685},
        {"orvend_bancada", -485, 0, 430, -425, 90, 685},
        {"orvend_bancada", 225, 0, 330, 285, 90, 640},
        // the island stands east of the line from the lobby to the terminal, so the terminal shows
        {"orvend_bancada", -20, 0, 280, 140, 90, 370},
        {"orvend_equipamento", 0, 90, 300, 70, 135, 350},
        {"orvend_equipamento", 85, 90, 295, 130, 120, 340},
        // room B: shelves
        {"orvend_estante", -1085, 0, 630, -820, 180, 685},
        {"orvend_estante", -1085, 0, -135, -1030, 180, 300},
        // room G: server racks
        {"orvend_rack", 1030, 0, -635, 1085, 200, -260},
        {"orvend_rack", 615, 0, -635, 800, 200, -580},
        // east hall: crates by the east wall
        {"orvend_caixa", 1010, 0, 470, 1085, 70, 560},
        {"orvend_caixa", 1030, 0, 390, 1085, 50, 460},
        {"orvend_vaso", 315, 0, 470, 375, 70, 560},
        // room E: the certificate's pedestal, archive shelves, a rack
        {"orvend_pedestal", 1360, 0, 680, 1400, 40, 720},
        {"orvend_estante", 680, 0, 1095, 980, 180, 1140},
        {"orvend_rack", 1395, 0, 1010, 1440, 200, 1140},
    };
}

SceneryEntry doorEntry(const Doorway& d, float thickness)
{
    // The box reaches a little into the jambs and the lintel so no crack shows, and stays
    // recessed behind the frame's faces.
    float along = d.width + 4.0f;
    float height = d.height < 250.0f ? d.height + 2.0f : d.height;
    float sx = d.alongX ? along : thickness;
    float sz = d.alongX ? thickness : along;
    SceneryEntry e;
    e.name = d.name;
    e.scenery = true;
    e.mesh = "";  // the box is generated from the name
    e.texture = d.texture;
    e.sound = "Sound/door_sliding.wav";
    e.pos = {d.x, height * 0.5f, d.z};
    e.rot = {0, 0, 0};
    e.scale = {1, 1, 1};
    e.range = 4;
    e.properties = std::to_string(int(sx)) + "," + std::to_string(int(height)) + "," +
                   std::to_string(int(sz)) + ",collision=4,collisionCamera";
    e.touchable = false;
    e.touchSpot = e.pos;
    return e;
}

SceneryEntry object(const std::string& name, bool scenery, const std::string& mesh,
                    const std::string& sound, PlanPoint pos, float rotY, int range,
                    const std::string& extra, PlanPoint touchSpot)
{
    SceneryEntry e;
    e.name = name;
    e.scenery = scenery;
    e.mesh = mesh;
    e.texture = "";
    e.sound = sound;
    e.pos = pos;
    e.rot = {0, rotY, 0};
    e.scale = {1, 1, 1};
    e.range = range;
    e.properties = "collision=" + std::to_string(range) + extra;
    e.touchable = true;
    e.touchSpot = touchSpot;
    return e;
}

void addScenery(LevelPlan& p)
{
    const float doorThickness = 30.0f;
    for (const Doorway& d : p.doorways)
        if (d.closed)
            p.scenery.push_back(doorEntry(d, doorThickness));
    p.scenery.push_back(object("Computador", true, "computador.3DS", "Sound/sound18.wav",
                               {-300, 0, 650}, 0, 160, ",collisionCamera", {-300, 80, 575}));
    p.scenery.push_back(object("Antena", true, "antena.3DS", "Sound/tuning.wav", {700, 0, 200}, 0,
                               160, ",collisionCamera", {700, 80, 120}));
    p.scenery.push_back(object("InterruptorSala", true, "interruptor.3DS", "Sound/magic.wav",
                               {950, 110, 565}, 0, 100, "", {950, 80, 505}));
    p.scenery.push_back(object("Arma", false, "arma.3DS", "Sound/futurebeep3.wav", {-700, 60, 550}, 0,
                               30, ",rotate", {-700, 80, 490}));
    p.scenery.push_back(object("Pendrive", false, "pendrive.3DS", "Sound/futurebeep3.wav",
                               {-980, 60, 120}, 0, 30, ",rotate", {-920, 80, 120}));
    p.scenery.push_back(object("Certificado", false, "certificado.3DS", "Sound/magic.wav",
                               {1380, 60, 700}, 0, 30, ",rotate", {1335, 80, 700}));
}

void addSpawns(LevelPlan& p)
{
    p.spawns = {
        {"jogador", 200, -650, true},
        {"Ninja0", -300, 300, false},
        {"NinjaEestado1", -115, 500, false},
        {"MonstroEestado4", 500, 300, false},
        {"NinjaEestado6", 500, 300, false},
        {"NinjaEestado8a", 711, -245, false},
        {"NinjaEestado8b", 900, -400, false},
        {"NinjaCertificado", 800, 800, false},
    };
    p.picture = {-860, 105, -1178};
    p.tableGroups.push_back({950, 0, 700});
    for (int j = 0; j <= 2; ++j)
        for (int k = 0; k <= 2; ++k)
            if (j != 0 || k != 0)
                p.tableGroups.push_back({1000.0f + 150 * k, 0, 700.0f + 150 * j});
}

}  // namespace

const Area* LevelPlan::areaAt(float x, float z) const
{
    for (const Area& a : areas)
        if (a.contains(x, z))
            return &a;
    return nullptr;
}

const Area& LevelPlan::area(const std::string& name) const
{
    for (const Area& a : areas)
        if (a.name == name)
            return a;
    throw std::out_of_range("no area " + name);
}

const Doorway* LevelPlan::doorway(const std::string& name) const
{
    for (const Doorway& d : doorways)
        if (d.name == name)
            return &d;
    return nullptr;
}

LevelPlan orvendPlan()
{
    LevelPlan p;
    p.wallHeight = 250.0f;
    p.wallThickness = 20.0f;
    p.monsterHeight = 3.0f;
    addAreas(p);
    addWalls(p);
    addDoorways(p);
    addFurniture(p);
    addScenery(p);
    addSpawns(p);
    return p;
}
