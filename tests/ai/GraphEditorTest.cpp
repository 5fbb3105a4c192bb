// The waypoint editor on the null device: selection slots, which beam a connection is drawn and removed
// on, adding and deleting, and saving over the waypoint file.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "ai/GraphEditor.h"
#include "shell/mediaFile.h"
#include "support/EngineTest.h"
#include "support/ReadFile.h"
#include "support/WpnBytes.h"
#include "world/Graph.h"
#include "world/LaserBeam.h"
#include "world/pathfinding.h"

using irr::core::vector3df;

namespace {

// A(0) <-> B(100), B -> C(200) one way, D(300) alone.
const vector3df At[] = {{0, 3, 0}, {100, 3, 0}, {200, 3, 0}, {300, 3, 0}};
enum { A, B, C, D };

class GraphEditorTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        Gexepath = SATLINK_BUILD_DIR;
        GGraph = &graph;
        camera = GSmgr->addEmptySceneNode();
        editor = std::make_unique<GraphEditor>(GDevice, camera);
        dir = makeTempDir();
        file = dir + "/wayPoint.wpn";
    }

    void loadFourNodes()
    {
        WpnBytes()
            .u32(4)
            .node(1, 11, At[A]).edge(12, 100)
            .node(2, 12, At[B]).edge(11, 100).edge(13, 100)
            .node(0, 13, At[C])
            .node(0, 14, At[D])
            .writeTo(file);
        ASSERT_TRUE(editor->load(file.c_str()));
    }

    Node* node(int i) const { return editor->getPontos()[i]; }

    void standAt(const vector3df& p)
    {
        camera->setPosition(p + vector3df(0, 40, 5));
        camera->updateAbsolutePosition();
    }

    void select(int i)
    {
        standAt(node(i)->pos);
        editor->askSelectWayPoint();
    }

    bool hasEdge(int from, int to) const
    {
        for (const Edge& e : node(from)->edge)
            if (e.proximo == node(to))
                return true;
        return false;
    }

    Graph graph;
    irr::scene::ISceneNode* camera = nullptr;
    std::unique_ptr<GraphEditor> editor;
    std::string dir, file;
};

TEST_F(GraphEditorTest, GFillsSlotZeroThenOneThenZeroAndNeverSelectsAWaypointTwice)
{
    loadFourNodes();
    const struct {
        std::vector<int> presses;
        int slot0, slot1;  // -1: empty
    } table[] = {
        {{A, B, C}, C, B},
        {{A, A}, A, -1},
        {{A, B, B, A}, A, B},
        {{D}, D, -1},
    };
    for (const auto& t : table) {
        editor->limparNodesSel();
        for (int i : t.presses)
            select(i);
        EXPECT_EQ(editor->selected(0), node(t.slot0));
        EXPECT_EQ(editor->selected(1), t.slot1 < 0 ? nullptr : node(t.slot1));
    }
}

TEST_F(GraphEditorTest, LoadDrawsOneLinePerTwoWayPairAndOnePerOneWayEdge)
{
    loadFourNodes();
    EXPECT_EQ(editor->beam(0).size(), 1u);
    EXPECT_EQ(editor->beam(1).size(), 1u);
    EXPECT_EQ(editor->getPontos().size(), 4u);
}

TEST_F(GraphEditorTest, DNeedsTwoSelectionsAndRemovesTheLineFromTheBeamOfTheConnectionsKind)
{
    const struct {
        std::vector<int> presses;
        int beam0, beam1;  // lines left
        bool abLeft, bcLeft;
    } table[] = {
        {{A}, 1, 1, true, true},      // one selection: nothing
        {{A, B}, 0, 1, false, true},  // two-way: beam 0
        {{B, C}, 1, 0, true, false},  // one-way: beam 1
        {{C, B}, 1, 0, true, false},  // one-way, selected the other way round
        {{A, D}, 1, 1, true, true},   // no connection
    };
    for (const auto& t : table) {
        graph = Graph();
        editor = std::make_unique<GraphEditor>(GDevice, camera);
        loadFourNodes();
        for (int i : t.presses)
            select(i);
        editor->askDeleteEdge();
        EXPECT_EQ(editor->beam(0).size(), static_cast<std::size_t>(t.beam0));
        EXPECT_EQ(editor->beam(1).size(), static_cast<std::size_t>(t.beam1));
        EXPECT_EQ(hasEdge(A, B) && hasEdge(B, A), t.abLeft);
        EXPECT_EQ(hasEdge(B, C), t.bcLeft);
    }
}

TEST_F(GraphEditorTest, ConnectingMakesATwoWayPairDrawnOnceOnBeamZero)
{
    loadFourNodes();
    select(C);
    select(D);
    editor->askNewEdge();
    EXPECT_TRUE(hasEdge(C, D) && hasEdge(D, C));
    EXPECT_EQ(node(C)->edge.back().distancia, 100u);
    // The one-way B -> C becomes two-way: its line moves from beam 1 to beam 0.
    editor->limparNodesSel();
    select(B);
    select(C);
    editor->askNewEdge();
    EXPECT_TRUE(hasEdge(C, B));
    EXPECT_EQ(node(B)->edge.size(), 2u);  // no second B -> C
    EXPECT_EQ(editor->beam(0).size(), 3u);
    EXPECT_EQ(editor->beam(1).size(), 0u);
}

TEST_F(GraphEditorTest, DeletingAWaypointTakesEveryEdgeIntoAndOutOfIt)
{
    loadFourNodes();
    Node* b = node(B);
    select(B);
    editor->askDeleteNode();
    EXPECT_EQ(editor->getPontos().size(), 3u);
    EXPECT_EQ(graph.getNodes(), editor->getPontos());
    for (const Node* n : editor->getPontos())
        EXPECT_TRUE(n->edge.empty());
    EXPECT_TRUE(b->edge.empty());
    EXPECT_EQ(editor->beam(0).size() + editor->beam(1).size(), 0u);
    EXPECT_EQ(editor->selected(0), nullptr);
}

TEST_F(GraphEditorTest, SavedGraphReloadsTheSameAndTheOldFileIsKeptAsBackup)
{
    loadFourNodes();
    const std::string before = readFile(file);
    standAt({150, 3, 80});
    editor->askNewPoint();
    select(D);
    standAt({150, 43, 85});
    editor->askSelectWayPoint();  // the new one
    editor->askNewEdge();
    ASSERT_TRUE(editor->askSave());
    EXPECT_EQ(readFile(file + ".bak"), before);
    EXPECT_FALSE(std::filesystem::exists(file + ".new"));

    Graph reloaded;
    const std::vector<Node*> nodes = reloaded.load(file.c_str());
    const std::vector<Node*>& edited = editor->getPontos();
    ASSERT_EQ(nodes.size(), edited.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        EXPECT_EQ(nodes[i]->pos, edited[i]->pos);
        ASSERT_EQ(nodes[i]->edge.size(), edited[i]->edge.size());
        for (std::size_t e = 0; e < nodes[i]->edge.size(); ++e) {
            EXPECT_EQ(nodes[i]->edge[e].distancia, edited[i]->edge[e].distancia);
            const auto target = std::find(edited.begin(), edited.end(), edited[i]->edge[e].proximo) - edited.begin();
            EXPECT_EQ(nodes[i]->edge[e].proximo, nodes[target]);
        }
    }
}

// Two parts of the level joined only by a waypoint the designer adds: monsters route through it.
TEST_F(GraphEditorTest, ARouteRunsThroughASavedNewWaypoint)
{
    WpnBytes().u32(2).node(0, 1, {0, 3, 0}).node(0, 2, {1000, 3, 0}).writeTo(file);
    ASSERT_TRUE(editor->load(file.c_str()));
    EXPECT_THROW(calcRoute({-50, 3, 0}, {1050, 3, 0}, &graph, nullptr), std::runtime_error);
    select(0);
    standAt({500, 3, 500});
    editor->askNewPoint();
    editor->askSelectWayPoint();
    editor->askNewEdge();
    select(1);  // slot 0 now; the new waypoint stays in slot 1
    editor->askNewEdge();
    ASSERT_TRUE(editor->askSave());

    Graph saved;
    saved.load(file.c_str());
    const std::vector<irr::core::vector2df> route = calcRoute({-50, 3, 0}, {1050, 3, 0}, &saved, nullptr);
    const vector3df added = editor->getPontos()[2]->pos;
    EXPECT_NE(std::find(route.begin(), route.end(), irr::core::vector2df(added.X, added.Z)), route.end());
}

TEST_F(GraphEditorTest, SavingOverABrokenOrReadOnlyFileFailsAndKeepsIt)
{
    const struct {
        const char* what;
        std::string bytes;
        std::filesystem::perms perms;
        const char* said;
    } table[] = {
        {"corrupt", WpnBytes().u32(3).node(0, 1, {0, 0, 0}).bytes, std::filesystem::perms::owner_all, "corrompido"},
        {"read-only", WpnBytes().u32(1).node(0, 1, {0, 0, 0}).bytes, std::filesystem::perms::owner_read,
         "somente leitura"},
    };
    for (const auto& t : table) {
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
        std::filesystem::remove(file);
        WpnBytes good;
        good.u32(1).node(0, 1, {5, 5, 5}).writeTo(file);
        graph = Graph();
        editor = std::make_unique<GraphEditor>(GDevice, camera);
        ASSERT_TRUE(editor->load(file.c_str()));
        std::ofstream(file, std::ios::binary | std::ios::trunc) << t.bytes;
        std::filesystem::permissions(file, t.perms);
        EXPECT_FALSE(editor->askSave()) << t.what;
        EXPECT_EQ(readFile(file), t.bytes) << t.what;
        EXPECT_FALSE(std::filesystem::exists(file + ".bak")) << t.what;
        EXPECT_NE(editor->status().find(std::wstring(t.said, t.said + std::strlen(t.said))), std::wstring::npos)
            << t.what;
    }
}

TEST_F(GraphEditorTest, ACorruptOrMissingFileLoadsNothingAndSaysSo)
{
    const struct {
        bool write;
        const wchar_t* said;
    } cases[] = {{true, L"Arquivo de WayPoints corrompido!!!"}, {false, L"nenhum waypoint em"}};
    for (const auto& c : cases) {
        std::remove(file.c_str());
        if (c.write)
            WpnBytes().u32(3).node(0, 1, {0, 0, 0}).writeTo(file);
        EXPECT_FALSE(editor->load(file.c_str()));
        EXPECT_TRUE(editor->getPontos().empty());
        EXPECT_NE(editor->status().find(c.said), std::wstring::npos);
    }
}

TEST_F(GraphEditorTest, TextDumpListsEveryWaypointAndEdge)
{
    loadFourNodes();
    editor->askSaveTxt();
    const std::string dump = readFile(file + ".txt");
    EXPECT_EQ(dump.substr(0, 2), "4\n");
    EXPECT_NE(dump.find("<100.000000,3.000000,0.000000>"), std::string::npos);
    EXPECT_EQ(std::count(dump.begin(), dump.end(), '\n'), 1 + 4 + 3);
}

}  // namespace
