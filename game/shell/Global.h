// The game's global context: every long-lived object, engine pointer, registry and flag, in one place.
#pragma once

#include <irrlicht.h>
#include <string>
#include <vector>

class tp_LogFile;
class Agenda;
class Blackboard;
class EventReceiver;
class Inventory;
class Collidable;
class Executable;
class GenericObj;
class Collectable;
class Dialogs;
class SoundEngine;
class Camera;
class Story;
class Graph;
class GraphEditor;
class Map;
class CollisionCadence;
struct SConfig;
struct Usuario;

// Objects built before main, in this order, and gone at process exit.
extern tp_LogFile GLog;
extern irr::core::stringc Gexepath;  // the executable's folder, or the install's data folder; no trailing /
extern Agenda GAgenda;
extern Blackboard GBlackboard;
extern EventReceiver GEventReceiver;
extern Inventory GInventory;
extern std::vector<Collidable*> Gcolisao;
extern std::vector<Executable*> Gexecucao;
extern std::vector<GenericObj*> GgenericObj;
extern std::vector<Collectable*> Gcollectable;
extern Dialogs GDialogs;
extern irr::core::stringc GproxyIP;
extern std::string GquestionID;
extern std::string GquestionText;
extern irr::core::dimension2d<irr::u32> Gresolucao;  // window size asked of the engine

// The engine and the sound engine.
extern irr::IrrlichtDevice* GDevice;
extern irr::video::IVideoDriver* GDriver;
extern irr::scene::ISceneManager* GSmgr;
extern irr::gui::IGUIEnvironment* GEnvironment;
extern irr::ITimer* GTimer;
extern SoundEngine* GSound;  // null when no sound device opened: every sound call is then skipped

// The player, the mission, the level and the waypoints.
extern Camera* GmainCamera;
extern irr::scene::IMetaTriangleSelector* GtriangleSelectorsCamera;
extern Story* GStory;
extern Graph* GGraph;
extern GraphEditor* GGraphEditor;  // null unless asked for at start-up
extern Map* GcurrentMap;

// Flags, settings and the quiz question on show.
extern bool GcheatTests;
extern bool Gblood;
extern bool GproxyInternet;
extern int GproxyPort;
extern SConfig Gconfig;
extern Usuario GUser;
extern char GquestionType;

// The frame loop: runs while set; the rhythm of its collision sweep.
extern bool GcontinuarLaco;
extern CollisionCadence GcollisionCadence;

// Puts every global back to its start value; the engine pointers are only forgotten, not released.
// Tests call it between cases so that no state leaks from one case into the next.
void resetGlobalContext();
