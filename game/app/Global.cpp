// Definitions of the global context, kept at the top because its objects come from every folder; the order
// of the object rows is their order of construction.
#include "shell/Global.h"

#include "app/CollisionCadence.h"
#include "messaging/Agenda.h"
#include "messaging/Blackboard.h"
#include "net/Server.h"
#include "platform/LogFile.h"
#include "shell/Config.h"
#include "shell/EventReceiver.h"
#include "ui/Dialogs.h"
#include "ui/MessageBox.h"
#include "world/Inventory.h"

tp_LogFile GLog;
irr::core::stringc Gexepath;
Agenda GAgenda;
Blackboard GBlackboard;
EventReceiver GEventReceiver;
Inventory GInventory;
std::vector<Collidable*> Gcolisao;
std::vector<Executable*> Gexecucao;
std::vector<GenericObj*> GgenericObj;
std::vector<Collectable*> Gcollectable;
Dialogs GDialogs;
irr::core::stringc GproxyIP;
std::string GquestionID;
std::string GquestionText;
irr::core::dimension2d<irr::u32> Gresolucao(0, 0);

irr::IrrlichtDevice* GDevice = nullptr;
irr::video::IVideoDriver* GDriver = nullptr;
irr::scene::ISceneManager* GSmgr = nullptr;
irr::gui::IGUIEnvironment* GEnvironment = nullptr;
irr::ITimer* GTimer = nullptr;
SoundEngine* GSound = nullptr;

Camera* GmainCamera = nullptr;
irr::scene::IMetaTriangleSelector* GtriangleSelectorsCamera = nullptr;
Story* GStory = nullptr;
Graph* GGraph = nullptr;
GraphEditor* GGraphEditor = nullptr;
Map* GcurrentMap = nullptr;

bool GcheatTests = false;
bool Gblood = false;
bool GproxyInternet = false;
int GproxyPort = 0;
SConfig Gconfig;
Usuario GUser;
char GquestionType = 0;

bool GcontinuarLaco = false;
CollisionCadence GcollisionCadence;

void resetGlobalContext()
{
    GLog = tp_LogFile();
    Gexepath = "";
    GAgenda = Agenda();
    GBlackboard = Blackboard();
    GEventReceiver.clear_input();
    GInventory = Inventory();
    Gcolisao.clear();
    Gexecucao.clear();
    GgenericObj.clear();
    Gcollectable.clear();
    GDialogs = Dialogs();
    _Mensagem = nullptr;
    _ClosedMessage = true;
    _TenirMessage = false;
    GproxyIP = "";
    GquestionID.clear();
    GquestionText.clear();
    Gresolucao = irr::core::dimension2d<irr::u32>(0, 0);
    GDevice = nullptr;
    GDriver = nullptr;
    GSmgr = nullptr;
    GEnvironment = nullptr;
    GTimer = nullptr;
    GSound = nullptr;
    GmainCamera = nullptr;
    GtriangleSelectorsCamera = nullptr;
    GStory = nullptr;
    GGraph = nullptr;
    GGraphEditor = nullptr;
    GcurrentMap = nullptr;
    GcheatTests = false;
    Gblood = false;
    GproxyInternet = false;
    GproxyPort = 0;
    Gconfig = SConfig();
    GUser = Usuario();
    GinstallToken.clear();
    GquestionType = 0;
    GcontinuarLaco = false;
    GcollisionCadence = CollisionCadence();
}
