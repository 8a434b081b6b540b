#include "content/compiler/player_needs.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "common/codes.h"
#include "content/area_table.h"
#include "content/compiler/walk_grid.h"
#include "world/contact_tables.h"

namespace compiler {

namespace {

constexpr int HUB = -1; // the act's camp: episode 2 scene 0, 3, 10 or 11
constexpr int HUBS[] = {0, 3, 10, 11};

struct Fixed_Request {
    int episode, scene, point;
    const char* why;
};

// The arrival points that the game's pages, conversations and screens send the player to.
constexpr Fixed_Request fixed_requests[] = {
    // Conversations' closing effects.
    {2, HUB, 4, "conversations 1, 31, 66 and 74 and the briefings 1/121, 1/124 and 1/142"},
    {3, 1, 6, "conversation 11 while the course is on, and the course briefing 1/120"},
    {3, 1, 1, "conversation 11 and the course briefing 1/120 otherwise"},
    {2, HUB, 13, "conversations 15, 29 and 36 (leaving the pay and card pages)"},
    {2, HUB, 14, "conversations 16 and 41"},
    {2, 4, 3, "conversation 32"},
    {2, 5, 4, "conversation 33"},
    {2, 5, 3, "conversation 34"},
    {3, 13, 13, "conversation 35"},
    {2, HUB, 12, "conversation 46 (leaving the trader)"},
    {3, 5, 1, "conversation 40"},
    {3, 21, 5, "conversation 47"},
    {2, HUB, 9, "conversation 48 (leaving the armourer)"},
    {3, 19, 1, "conversation 50"},
    {3, 9, 1, "conversation 54"},
    {3, 7, 1, "conversation 61"},
    {3, 23, 1, "conversation 63"},
    {2, 2, 32, "conversation 67"},
    {3, 2, 1, "conversation 70"},
    {3, 28, 0, "conversation 71"},
    {2, 10, 0, "conversation 73"},
    {2, 1, 1, "conversation 78"},
    {3, 31, 1, "conversation 79"},
    {2, 11, 4, "conversation 83"},
    // Short story scenes that lead on to a level.
    {3, 3, 33, "the short scene 1/128"},
    {3, 3, 18, "the short scene 1/129"},
    {3, 3, 34, "the short scene 1/130"},
    {2, 2, 41, "the short scene 1/131"},
    {2, 8, 0, "the short scene 1/133"},
    {3, 12, 10, "the short scene 1/135"},
    // Travel and story cut-scenes.
    {2, HUB, 1, "the travel page 1/67 and the return to camp 1/143"},
    {2, 4, 0, "the travel page 1/84"},
    {2, 9, 0, "the travel page 1/87"},
    {2, 4, 1, "the travel page 1/88"},
    {2, 2, 40, "the travel page 1/89 and the village gallery's Back"},
    {2, 1, 0, "the flight 1/90"},
    {2, 8, 4, "the travel pages 1/75 and 1/111"},
    {2, HUB, 27, "the map page 1/62"},
    {3, 20, 0, "the submarine page 1/34"},
    // Briefings and the return to camp.
    {2, HUB, 10, "the return to camp 1/143 from the coast"},
    {2, 3, 0, "the briefing 1/64"},
    {2, 10, 0, "the briefing 1/82"},
    {2, 11, 0, "the briefing 1/117"},
    {2, HUB, 0, "the alarm briefing 1/51 and leaving the tent"},
    {2, 0, 30, "the course briefings 1/118 and 1/139"},
    {3, 1, 7, "the knife pages 1/138 and 1/140"},
    // Tunnels.
    {2, HUB, 2, "the tunnels' way back to the camp"},
    {3, 3, 17, "the tunnels: Pebble Beach"},
    {3, 3, 2, "the tunnels: Light House"},
    {3, 16, 0, "the tunnels: Pebble Bay"},
    {3, 18, 0, "the tunnels: Boat Yard"},
    {2, 2, 23, "the tunnels: Church"},
    {2, 2, 24, "the tunnels: Grave Yard"},
    {2, 8, 1, "the tunnels: Palace"},
    {2, 5, 0, "the tunnels: Coastal Town"},
    {2, 9, 7, "the tunnels: Vineyard"},
    {2, 9, 8, "the tunnels: River Bank"},
    {2, 1, 11, "the tunnels: Missile Silo"},
    {3, 24, 0, "the tunnels: Trench"},
    // Galleries, the plane home, the boss, the pause page's quit.
    {3, 3, 21, "the deck gallery's Back"},
    {3, 29, 3, "the clay pigeons' end and Back"},
    {3, 29, 2, "the plane home (a prop of kind OBJ_AIRPLANE1)"},
    {2, 1, 7, "the beaten boss of the highway"},
    {2, 0, 14, "the beaten boss of the camp"},
    {2, 0, 8, "QUIT GAME on a page of the camp"},
};

// A travel page between an exit and a level that passes the exit's arrival point on.
struct Passing_Page {
    int scene; // of episode 1
    int episode_to, scene_to;
};
constexpr Passing_Page passing_pages[] = {
    {55, 3, 3}, {56, 2, HUB}, {58, 2, HUB}, {59, 3, 1}, {66, 2, 2}, {85, 2, 4},
};

// The scenes a trigger's level exit (sector) leads to and that take its arrival point.
std::vector<std::pair<int, int>> Exit_Destinations(int sector) {
    std::vector<std::pair<int, int>> to;
    int e = -1, s = -1;
    for (const contact_tables::exit_row& r : contact_tables::exit_rows)
        if (r.sector == sector) e = r.episode, s = r.scene;
    if (sector == 0 || sector == 51) e = 2, s = HUB;
    if (sector == 9) e = 3, s = 3;
    if (e == 1)
        for (const Passing_Page& p : passing_pages)
            if (p.scene == s) e = p.episode_to, s = p.scene_to;
    if (e == 2 && s == HUB) {
        for (int h : HUBS) to.push_back({2, h});
    } else if (e == 2 || e == 3) {
        to.push_back({e, s});
    }
    return to;
}

std::string Scene_Name(int e, int s) { return std::to_string(e) + "/" + std::to_string(s); }

bool Walk(const writers::SceneFiles& s) { return s.has_map && s.header.game_mode == 3; }

} // namespace

std::vector<Spawn_Request> Spawn_Requests(const Scene_Set& scenes) {
    std::vector<Spawn_Request> out;
    for (const Fixed_Request& r : fixed_requests) {
        if (r.scene == HUB)
            for (int h : HUBS) out.push_back({r.episode, h, r.point, r.why});
        else
            out.push_back({r.episode, r.scene, r.point, r.why});
    }
    for (const auto& [at, files] : scenes) {
        if (!Walk(*files)) continue;
        for (size_t i = 0; i < files->objects.size(); ++i) {
            const writers::ObjectRec& o = files->objects[i];
            if (o.type != TRI && o.type != LAD) continue;
            for (auto [e, s] : Exit_Destinations(o.sector))
                out.push_back({e, s, o.score,
                               "the exit " + std::to_string(i) + " of " + Scene_Name(at.first, at.second) +
                                   " (level exit " + std::to_string(o.sector) + ")",
                               true});
        }
    }
    return out;
}

bool Acting_Kind(int kind) {
    if (kind == OBJ_SWITCH || kind == OBJ_SWITCH1) return true;
    for (const contact_tables::object_scene& r : contact_tables::object_scenes)
        if (r.kind == kind) return true;
    return false;
}

bool Selectable(const writers::ObjectRec& o, std::string& why) {
    const int kind = o.sector_action;
    if (o.type == OBJ && (kind == OBJ_SCARE || kind == OBJ_RESCUE || kind == OBJ_SCARECROW)) {
        // Marked props: picked like a door.
        if (o.score <= 0) why = "score " + std::to_string(o.score) + ": the pointer skips a prop that is not alive";
        else if (!o.grab_switch) why = "grab_switch off: the pointer skips it";
        else if (o.priority == 3) why = "priority 3: the pointer skips it";
        return why.empty();
    }
    if (o.type == OBJ) {
        static constexpr int never[] = {0, 3, 37, 10, 24, 25, 19, 43};
        if (std::find(std::begin(never), std::end(never), kind) != std::end(never))
            why = "kind " + std::to_string(kind) + ": the pointer never offers a prop of that kind";
        else if (o.score <= 0) why = "score " + std::to_string(o.score) + ": the pointer skips a prop that is not alive";
        else if (o.linked_sprite == 3) why = "linked 3: the pointer skips it";
        else if (o.mouseover && !o.grab_switch) why = "hidden (mouseover) and never shown by the loader";
        return why.empty();
    }
    if (o.type == BAG || o.type == DOR) {
        if (!o.grab_switch) why = "grab_switch off: the pointer skips it";
        else if (o.priority == 3) why = "priority 3: the pointer skips it";
        else if (o.type == DOR && o.score <= 0) why = "score " + std::to_string(o.score) + ": not alive";
        return why.empty();
    }
    if (o.type == UNT) return true;
    why = "type " + std::to_string(o.type) + ": the pointer offers units, doors, unit-like objects and props only";
    return false;
}

bool Hover_Box(const writers::ObjectRec& o, bool open_world, float& x0, float& y0, float& x1, float& y1) {
    constexpr float off = 0.05f; // the pointer's margin
    const float w = o.w, z = o.z, bw = o.box_width, bh = o.box_height;
    const int kind = o.sector_action;
    x0 = w - off, x1 = w + bw + off, y0 = z - off;
    if (o.type == OBJ && (kind == OBJ_SCARE || kind == OBJ_RESCUE || kind == OBJ_SCARECROW)) {
        y1 = z + bh + off; // marked props: picked as doors are
        return true;
    }
    if (o.type != OBJ) return false;
    y1 = z + 4 * bh + off;
    if (!open_world && (kind == OBJ_LIGHT1 || kind == OBJ_SWITCH)) {
        y0 = z - off + 4 * bh;
        y1 = z + 2 * bh + off + 4 * bh;
    }
    return true;
}

bool Takes_Damage(const writers::ObjectRec& o, std::string& why) {
    if (o.type == UNT) {
        // The player's shot engages only a target whose grab_switch is on.
        if (!o.grab_switch) why = "grab_switch off: the player's shots pass it by";
        return why.empty();
    }
    if (o.type == BAG) {
        if (o.sector == UNIT_BOSS) why = "a part of the boss: only the boss fight wrecks it";
        else if (!o.grab_switch) why = "grab_switch off: shots and blasts pass it by";
        else if (o.priority == 3) why = "priority 3: counts as broken already";
        return why.empty();
    }
    if (o.type == DOR) {
        if (!o.grab_switch) why = "grab_switch off: shots and blasts pass it by";
        else if (o.priority == 3) why = "priority 3: counts as broken already";
        else if (o.score <= 0) why = "score " + std::to_string(o.score) + ": blasts pass a broken door by";
        else if (o.sector_action == door_type::TYPE_TREE || o.sector_action == door_type::TYPE_GOLDTREE)
            why = "a tree never breaks";
        return why.empty();
    }
    why = "type " + std::to_string(o.type) + ": only units, unit-like objects (BAG) and doors (DOR) take damage";
    return false;
}

bool Check_Player_Needs(int episode, int scene, const writers::SceneFiles& s, const std::vector<Spawn_Request>& requests,
                        const std::vector<int>& touch, const std::vector<int>& gates, std::string& error) {
    error.clear();
    const std::string where = "scene " + Scene_Name(episode, scene) + ": ";
    auto fault = [&](const std::string& what) { error += where + what + "\n"; };

    // The requested arrival points exist and are spawn points.
    std::set<int> arrivals;
    int first_spawn = -1;
    for (size_t p = 0; p < s.points.size() && first_spawn < 0; ++p)
        if (s.points[p].c1 == CAM_P1) first_spawn = (int)p;
    for (const Spawn_Request& r : requests) {
        if (r.episode != episode || r.scene != scene) continue;
        if (r.point == -1) {
            if (first_spawn < 0 && Walk(s))
                fault("no spawn point (code " + std::to_string(CAM_P1) + ") for the arrival of " + r.why +
                      ", which names none");
            continue;
        }
        if (r.point < 0 || r.point >= (int)s.points.size())
            fault("point " + std::to_string(r.point) + " (arrival of " + r.why + "): missing (the scene has " +
                  std::to_string(s.points.size()) + " points)");
        else if (r.exit && s.points[r.point].c1 != CAM_P1)
            fault("point " + std::to_string(r.point) + " (arrival of " + r.why + "): code " +
                  std::to_string(s.points[r.point].c1) + ", expected " + std::to_string(CAM_P1));
        else
            arrivals.insert(r.point);
    }
    if (!Walk(s)) {
        if (!error.empty()) error.pop_back();
        return error.empty();
    }
    for (size_t p = 0; p < s.points.size(); ++p)
        if (s.points[p].c1 == CAM_P1) arrivals.insert((int)p);
    // The scene type picks the HUD the loader shows: NON and STS leave only the panel, the
    // radar and the pointer (no health, ammunition or weapon).
    if (s.header.g_type == scene_type::NON || s.header.g_type == STS)
        fault("header: scene type " + std::to_string(s.header.g_type) +
              " shows a walk scene without health, ammunition and weapon (a level's type is BLK)");

    const bool dungeon = (area_data::Find(episode, scene).flags & AREA_DUNGEON) != 0;
    Walk_Grid grid = Build_Walk_Grid(s, dungeon);
    for (int i : gates)
        if (i >= 0 && i < (int)s.objects.size()) Clear_Under(grid, s.objects[i]);

    // Every soldier of the other side placed in a walk scene can be shot: a garrison the
    // player's shots pass by is a fight he cannot win (a cleared room counts its dead).
    for (size_t i = 0; i < s.objects.size(); ++i) {
        const writers::ObjectRec& o = s.objects[i];
        std::string why;
        if (o.type == UNT && o.linked_sprite != 0 && !o.mouseover && !Takes_Damage(o, why))
            fault("object " + std::to_string(i) + " (unit of side " + std::to_string(o.linked_sprite) + "): " + why);
    }

    // What a player must get to: every exit and trigger, every acting prop, the listed ones.
    std::set<int> to_touch(touch.begin(), touch.end());
    for (size_t i = 0; i < s.objects.size(); ++i) {
        const writers::ObjectRec& o = s.objects[i];
        if (o.type == OBJ && Acting_Kind(o.sector_action)) to_touch.insert((int)i);
    }
    for (int i : to_touch) {
        if (i < 0 || i >= (int)s.objects.size()) continue;
        std::string why; // (the listed objects are checked with their contract rows)
        if (std::find(touch.begin(), touch.end(), i) == touch.end() && !Selectable(s.objects[i], why))
            fault("object " + std::to_string(i) + " (kind " + std::to_string(s.objects[i].sector_action) +
                  "): a player walks up to it and clicks it, but " + why);
    }

    // A prop a player walks up to stamps one cell at most: a wider footprint keeps a walker
    // who comes at it from the side out of touching distance.
    for (int i : to_touch) {
        if (i < 0 || i >= (int)s.objects.size()) continue;
        const writers::ObjectRec& o = s.objects[i];
        const int cells = o.type == OBJ && o.grab_switch ? Footprint_Cells(grid, o) : 0;
        if (cells > 1)
            fault("object " + std::to_string(i) + " (kind " + std::to_string(o.sector_action) + "): its footprint covers " +
                  std::to_string(cells) + " cells; a player who walks up to it from a side stops out of touching " +
                  "distance (give it a box within one cell)");
    }

    // The pointer picks a prop over a box of its own (from its feet up, or above them for a
    // switch underground); that box must lie over the prop's picture, where a player points.
    const bool open_world = (area_data::Find(episode, scene).flags & AREA_OPEN_WORLD) != 0;
    for (int i : to_touch) {
        if (i < 0 || i >= (int)s.objects.size()) continue;
        writers::ObjectRec o = s.objects[i];
        float x0, y0, x1, y1;
        if (!Hover_Box(o, open_world, x0, y0, x1, y1)) continue;
        const float ox = std::min(x1, o.x + o.width) - std::max(x0, o.x);
        const float oy = std::min(y1, o.y + o.height) - std::max(y0, o.y);
        if (ox < 0.02f || oy < 0.02f)
            fault("object " + std::to_string(i) + " (kind " + std::to_string(o.sector_action) +
                  "): the pointer picks it only off its picture (its box sets where it may point)");
    }

    for (int p : arrivals) {
        const writers::Point& pt = s.points[p];
        const std::vector<char> open = Open_Ground_From(grid, pt.x, pt.y, true);
        const std::string from = "from arrival point " + std::to_string(p) + ": ";
        // A player set down inside an exit's box would be sent on at once.
        for (size_t i = 0; i < s.objects.size(); ++i) {
            const writers::ObjectRec& o = s.objects[i];
            if ((o.type == TRI || o.type == LAD) && o.w < pt.x && pt.x < o.w + o.box_width && o.z < pt.y &&
                pt.y < o.z + o.box_height)
                fault("point " + std::to_string(p) + ": the arrival point lies inside the box of exit " + std::to_string(i) +
                      " (level exit " + std::to_string(o.sector) + ")");
        }
        if (open.empty()) {
            fault("point " + std::to_string(p) + ": the arrival point stands on a blocked cell or off the map");
            continue;
        }
        for (size_t i = 0; i < s.objects.size(); ++i) {
            const writers::ObjectRec& o = s.objects[i];
            if ((o.type == TRI || o.type == LAD || o.type == SWI) && !Inside_Box(grid, open, o))
                fault("object " + std::to_string(i) + " (trigger, level exit " + std::to_string(o.sector) + "): " + from +
                      "no open ground reaches into its box");
            // A tunnel cover becomes a way into the tunnels once it is blown open.
            if (o.type == BAG && o.sector == unit_class::TUNNEL && !Inside_Box(grid, open, o))
                fault("object " + std::to_string(i) + " (tunnel cover): " + from + "no open ground reaches into its box");
        }
        for (int i : to_touch) {
            if (i < 0 || i >= (int)s.objects.size()) continue;
            if (!Within_Contact(grid, open, s.objects[i]))
                fault("object " + std::to_string(i) + " (kind " + std::to_string(s.objects[i].sector_action) + "): " +
                      from + "no open ground lies within touching distance (0.1) of its centre");
        }
    }
    if (!error.empty()) error.pop_back();
    return error.empty();
}

} // namespace compiler
