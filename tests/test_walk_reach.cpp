// Every person and prop a player walks up to in the walk scenes (the camps' people and
// boards, the spies, the commanders, the Professor, the map boards, the plane, the clay
// pigeons, the captives, the switches and levers) is reached once in each control scheme as
// a player reaches it. With mouse and keyboard: W held toward the pointer along open ground,
// then the pointer moved over the person until it offers him, a click to take him as the
// target and W held toward him until his page opens (or the switch is thrown). Mouse only:
// clicks on the way a few cells apart, then a click on him. The set-up puts the game in the
// story state in which the person stands there (the scene entered at its arrival point
// nearest to him, the mission that brings him on, the scene's fight won); from then on the
// test only moves the pointer, clicks, holds W and waits.
#include "support/played_game.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "common/codes.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/object_setup.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "main/mouse_code.h"
#include "tools/content/compiler/contracts.h"
#include "tools/content/compiler/player_needs.h"
#include "world/contact_tables.h"

namespace {

// A scene whose people the test visits, with the story state in which they stand there.
struct Place {
    int episode, scene;
    const char* name;
    std::function<void()> story;
};

class Walk_Reach : public PlayedGame {
protected:
    // The scene entered at arrival point `spawn` in the place's story state, in the
    // mouse-and-keyboard scheme.
    void Enter_Place(const Place& p, int spawn, bool mouse_only = false) {
        Init_Player();
        Start_Game();
        CONTROL_SCHEME = mouse_only;
        p.story();
        Enter_Scene(p.episode, p.scene, spawn);
        // The scene's fight is over (winning it is the story's business, not this walk's):
        // its enemies lie dead.
        for (int i = 0; i < no_sprites; ++i) {
            object& u = sprite[i];
            if (i == p1_id || u.type != UNT || u.linked_sprite == player_type || u.score <= 0) continue;
            const int cell = Cell_Of(u.w + u.box_width / 2, u.z + u.box_height / 2);
            if (cell >= 0 && map_col[cell] == COL_FOOTPRINT) map_col[cell] = COL_FREE;
            u.score = 0;
            u.status = 44;
            u.turn_off = true;
        }
    }

    // What a walk up to object i opens: the scene of its kind, or the switch thrown.
    static bool Opened(int i, int kind) {
        if (kind == OBJ_SWITCH) return sprite[i].score <= 0;
        if (kind == OBJ_SWITCH1) return sprite[i].moving || sprite[i].anim != sprite[i].base_anim;
        for (const contact_tables::object_scene& r : contact_tables::object_scenes)
            if (r.kind == kind) return next_scene && episode == r.episode && scene == r.scene;
        return false;
    }
    // The kind object i acts as when a player reaches it (its contract row may give the kind
    // its script gives it).
    static int Acting_As(int i) {
        for (const compiler::Contract& c : compiler::Contracts())
            if (c.what == compiler::Expect::touch && c.episode == episode && c.scene == scene && c.index == i &&
                c.kind != -1)
                return c.kind;
        return sprite[i].sector_action;
    }
    // The people and props of the loaded scene that a player walks up to.
    static std::vector<int> Targets() {
        std::vector<int> out;
        for (int i = 0; i < no_sprites; ++i) {
            const object& o = sprite[i];
            if (o.type != OBJ || o.mouseover || o.turn_off) continue;
            if (compiler::Acting_Kind(Acting_As(i))) out.push_back(i);
        }
        return out;
    }

    // Whether a walker may cross cell c: open ground clear of every exit's box (a step into
    // one would take him out of the scene).
    static bool Walkable(int c) {
        if (c < 0 || map_col[c] != COL_FREE) return false;
        const float x = Cell_Centre_X(Cell_Column_Of(c)), y = Cell_Centre_Y(Cell_Row_Of(c));
        for (int k = 0; k < trigger_counter; ++k) {
            const object& t = sprite[trigger_list[k]];
            if (x > t.w - 0.08f && x < t.w + t.box_width + 0.08f && y > t.z - 0.08f && y < t.z + t.box_height + 0.08f)
                return false;
        }
        return true;
    }
    // The cells of the shortest way over open ground from (x, y) to a cell that is object i's
    // centre cell or beside it; empty when there is none.
    static std::vector<int> Way(float x, float y, int i) {
        const int from = Cell_Of(x, y), goal = Cell_Of(Box_X(i), Box_Y(i));
        if (from < 0 || goal < 0) return {};
        const int gc = Cell_Column_Of(goal), gr = Cell_Row_Of(goal);
        const auto beside = [&](int c) {
            const int dc = std::abs(Cell_Column_Of(c) - gc), dr = std::abs(Cell_Row_Of(c) - gr);
            return dc + dr <= 1;
        };
        std::vector<int> came(GRID_CELLS, -1);
        std::vector<int> queue{from};
        came[from] = from;
        int end = beside(from) ? from : -1;
        for (size_t q = 0; q < queue.size() && end == -1; ++q) {
            const int c = queue[q], col = Cell_Column_Of(c), row = Cell_Row_Of(c);
            for (const auto& [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int n = Cell_Index(col + dc, row + dr);
                if (n < 0 || came[n] != -1 || !Walkable(n)) continue;
                came[n] = c;
                queue.push_back(n);
                if (beside(n)) {
                    end = n;
                    break;
                }
            }
        }
        if (end == -1) return {};
        std::vector<int> way;
        for (int c = end; c != from; c = came[c]) way.push_back(c);
        std::reverse(way.begin(), way.end());
        return way;
    }

    // A point over object i's picture where the pointer offers it (the cursor shows it can be
    // used), as a player moves the pointer over it; false when there is none.
    static bool Find_Pick(int i, float& x, float& y) {
        const object& o = sprite[i];
        for (float fy : {0.5f, 0.3f, 0.7f, 0.15f, 0.85f})
            for (float fx : {0.5f, 0.3f, 0.7f}) {
                x = o.x + o.width * fx;
                y = o.y + o.height * fy;
                Point_At(x, y);
                Run(20);
                if (stored_target == i && (on_selected_man == 6 || on_selected_man == 7)) return true;
            }
        return false;
    }
    static void Point_At(float wx, float wy) {
        platform::PostMessage(
            platform::MSG{platform::WM_MOUSEMOVE, 0, platform::MakeLParam(Pixel_X(wx), Pixel_Y(wy))});
    }
    // W held with the pointer kept on (x, y) (the view moves with the player, so the pointer is
    // set again every few ticks) until done() holds or ms have passed.
    static bool Hold_W_Toward(float x, float y, const std::function<bool()>& done, int ms) {
        for (int t = 0; t < ms; t += 40) {
            Point_At(x, y);
            if (Run_Until(done, 40)) return true;
        }
        return done();
    }

    // Walks up to object i with W held toward the pointer and opens it. False, with the
    // reason added, when the walk or the contact fails.
    bool Reach(int i, int kind) {
        const auto opened = [i, kind] { return Opened(i, kind); };
        const std::vector<int> way = Way(PX(), PY(), i);
        if (way.empty()) {
            ADD_FAILURE() << "no open way to object " << i;
            return false;
        }
        Key('W', true);
        // Along the way: the pointer a few cells ahead, moved on as he comes up to it.
        for (size_t k = 3; k < way.size() + 3; k += 3) {
            const int cell = way[std::min(k, way.size() - 1)];
            const float x = Cell_Centre_X(Cell_Column_Of(cell)), y = Cell_Centre_Y(Cell_Row_Of(cell));
            const bool near = Hold_W_Toward(x, y, [&] { return opened() || std::hypot(PX() - x, PY() - y) < 0.08f; },
                                            6000);
            if (opened()) break;
            if (!near) {
                Key('W', false);
                ADD_FAILURE() << "W toward (" << x << ", " << y << ") left the player at (" << PX() << ", " << PY() << ")";
                return false;
            }
        }
        // At him: W let go, the pointer moved over his picture until it offers him, a click
        // (he is the target now) and W held toward him.
        if (!opened()) {
            Key('W', false);
            Run(100);
            float x = 0, y = 0;
            if (!Find_Pick(i, x, y)) {
                ADD_FAILURE() << "the pointer nowhere over object " << i << "'s picture offers it";
                return false;
            }
            const int64_t at = platform::MakeLParam(Pixel_X(x), Pixel_Y(y));
            platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, at});
            Run(40);
            platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, at});
            Key('W', true);
            Hold_W_Toward(x, y, opened, 4000);
        }
        Key('W', false);
        Run(20);
        if (!opened())
            ADD_FAILURE() << "W held toward object " << i << " left the player " << std::hypot(PX() - Box_X(i), PY() - Box_Y(i))
                          << " from it, the contact not opened (target " << (p1_id != -1 ? sprite[p1_id].fire_target : -2)
                          << ")";
        return opened();
    }

    // Walks up to object i by clicks, as a player does in the mouse-only scheme: clicks on
    // the way a few cells apart, then a click on him (where the pointer offers him), and
    // waits until his page opens. False, with the reason added, when it does not.
    bool Reach_By_Clicks(int i, int kind) {
        const auto opened = [i, kind] { return Opened(i, kind); };
        const std::vector<int> way = Way(PX(), PY(), i);
        if (way.empty()) {
            ADD_FAILURE() << "no open way to object " << i;
            return false;
        }
        for (size_t k = 4; k < way.size(); k += 4) {
            const int cell = way[k];
            const float x = Cell_Centre_X(Cell_Column_Of(cell)), y = Cell_Centre_Y(Cell_Row_Of(cell));
            Click(Pixel_X(x), Pixel_Y(y));
            if (!Run_Until([&] { return opened() || std::hypot(PX() - x, PY() - y) < 0.08f; }, 6000)) {
                if (opened()) break;
                ADD_FAILURE() << "a click on (" << x << ", " << y << ") left the player at (" << PX() << ", " << PY()
                              << ")";
                return false;
            }
        }
        if (!opened()) {
            float x = 0, y = 0;
            if (!Find_Pick(i, x, y)) {
                ADD_FAILURE() << "the pointer nowhere over object " << i << "'s picture offers it";
                return false;
            }
            Click(Pixel_X(x), Pixel_Y(y));
            Run_Until(opened, 4000);
        }
        if (!opened())
            ADD_FAILURE() << "a click on object " << i << " left the player " << std::hypot(PX() - Box_X(i), PY() - Box_Y(i))
                          << " from it, the contact not opened";
        return opened();
    }
};

const Place kPlaces[] = {
    {2, 0, "act-1 camp", [] { global_objects[60] = 1; }},
    {2, 3, "act-2 camp", [] { current_act = 2, global_objects[32] = 1; }},
    {2, 10, "act-3 camp", [] { current_act = 3, global_objects[32] = 1; }},
    {2, 11, "act-4 camp", [] { current_act = 4, global_objects[32] = 1; }},
    {2, 1, "highway (the agent)", [] { main_mission[13] = 2, current_main = 13; }},
    {2, 2, "village (the nun)", [] { main_mission[7] = 2, current_main = 7; }},
    {2, 4, "roadway (the artillery officer)", [] {}},
    {2, 5, "coastal town (the general, the fat man)", [] {}},
    {3, 2, "mess hut's cellar (the cook)", [] { main_mission[10] = 2, current_main = 10; }},
    {3, 0, "windmill (the captive)", [] { main_mission[11] = 2, current_main = 11; }},
    {3, 18, "boat yard (the gangway, the map board)", [] {}},
    {3, 19, "battleship (the spy)", [] {}},
    {3, 21, "cliffs (the spy, the map board)", [] {}},
    {3, 23, "lower laboratory (the Professor, the switches)", [] { main_mission[5] = 2, current_main = 5; }},
    {3, 27, "vaults (the lever)", [] { main_mission[10] = 2, current_main = 10; }},
    {3, 28, "dungeon (the prisoner)", [] { global_objects[44] = 1; }},
    {3, 29, "airfield (the plane, the clay pigeons)", [] {}},
    {3, 31, "control room (the commander)", [] { main_mission[13] = 2, current_main = 13; }},
    {3, 33, "lever room (the levers)", [] { main_mission[13] = 2, current_main = 13; }},
    {3, 35, "lever room (the levers)", [] { main_mission[13] = 2, current_main = 13; }},
};

class Walk_Reach_Place : public Walk_Reach, public ::testing::WithParamInterface<Place> {};

TEST_P(Walk_Reach_Place, EveryPersonAndPropIsReachedWithW) {
    ASSERT_TRUE(gl_);
    const Place& p = GetParam();
    Enter_Place(p, -1);
    ASSERT_NE(p1_id, -1) << p.episode << "/" << p.scene;
    // A level's HUD: the face, the life bar, the ammunition panel and the weapon's frame.
    for (int item : {4, 5, 29, 33}) EXPECT_EQ(hud[item].alpha, 1.0f) << "HUD item " << item;
    const std::vector<int> targets = Targets();
    ASSERT_FALSE(targets.empty()) << "nobody to walk up to in " << p.episode << "/" << p.scene;
    // Each from the arrival point with the shortest way to it.
    std::vector<std::pair<int, int>> plan; // (target, spawn)
    for (int i : targets) {
        int best = -1;
        size_t best_len = 0;
        for (int k = 0; k < no_points; ++k) {
            if (points[k].c1 != CAM_P1) continue;
            const std::vector<int> way = Way(points[k].x, points[k].y, i);
            if (!way.empty() && (best == -1 || way.size() < best_len)) best = k, best_len = way.size();
        }
        EXPECT_NE(best, -1) << "no arrival point of " << p.episode << "/" << p.scene << " has a way to object " << i;
        if (best != -1) plan.push_back({i, best});
    }
    size_t reached = 0;
    for (auto [i, spawn] : plan) {
        SCOPED_TRACE("object " + std::to_string(i) + " from arrival point " + std::to_string(spawn));
        Enter_Place(p, spawn);
        ASSERT_NE(p1_id, -1);
        if (Reach(i, Acting_As(i))) ++reached;
        Shot("reach_" + std::to_string(p.episode) + "_" + std::to_string(p.scene) + "_" + std::to_string(i));
        // The page is another suite's business: the request is dropped and the next walk
        // starts afresh.
        next_scene = false;
        episode = p.episode, scene = p.scene;
        mouseleft = mouseheld = false;
    }
    EXPECT_EQ(reached, targets.size());
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

// The same people and props, reached by clicks in the mouse-only scheme.
TEST_P(Walk_Reach_Place, EveryPersonAndPropIsReachedByClicks) {
    ASSERT_TRUE(gl_);
    const Place& p = GetParam();
    Enter_Place(p, -1, true);
    ASSERT_NE(p1_id, -1) << p.episode << "/" << p.scene;
    const std::vector<int> targets = Targets();
    ASSERT_FALSE(targets.empty());
    std::vector<std::pair<int, int>> plan;
    for (int i : targets) {
        int best = -1;
        size_t best_len = 0;
        for (int k = 0; k < no_points; ++k) {
            if (points[k].c1 != CAM_P1) continue;
            const std::vector<int> way = Way(points[k].x, points[k].y, i);
            if (!way.empty() && (best == -1 || way.size() < best_len)) best = k, best_len = way.size();
        }
        if (best != -1) plan.push_back({i, best});
    }
    size_t reached = 0;
    for (auto [i, spawn] : plan) {
        SCOPED_TRACE("object " + std::to_string(i) + " from arrival point " + std::to_string(spawn));
        Enter_Place(p, spawn, true);
        ASSERT_NE(p1_id, -1);
        if (Reach_By_Clicks(i, Acting_As(i))) ++reached;
        next_scene = false;
        episode = p.episode, scene = p.scene;
        mouseleft = mouseheld = false;
    }
    EXPECT_EQ(reached, targets.size());
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
}

INSTANTIATE_TEST_SUITE_P(Walk_Scenes, Walk_Reach_Place, ::testing::ValuesIn(kPlaces),
                         [](const ::testing::TestParamInfo<Place>& info) {
                             return "e" + std::to_string(info.param.episode) + "s" + std::to_string(info.param.scene);
                         });

} // namespace
