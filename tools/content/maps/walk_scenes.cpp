#include "content/maps/walk_scenes.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <map>

#include "content/painters/walk_art.h"

namespace {

using writers::TextureSlot;

// Drawing kinds of the texture list: 0 plain, 2 animated plain (the painters' pictures carry
// real alpha, so none of the walk art is colour-keyed).
constexpr int kPlain = 0, kAnimated = 2;

// Slots of the plan that a scene fills with its own pictures.
constexpr int kOwnSlots[] = {12, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28};

} // namespace

std::vector<int> Walk_Extra_Slots(size_t count) {
    std::vector<int> v;
    for (size_t k = 0; k < count; ++k)
        v.push_back(k < std::size(kOwnSlots) ? kOwnSlots[k] : WALK_PLAN_SLOTS + (int)(k - std::size(kOwnSlots)));
    return v;
}

std::vector<TextureSlot> Walk_Texture_Plan(const std::vector<std::string>& tile_sets,
                                           const std::vector<TextureSlot>& extras) {
    std::vector<TextureSlot> s = writers::Hud_Texture_Slots();
    s.resize(WALK_PLAN_SLOTS, TextureSlot{kPlain, painters::art::kEffects});
    s[2] = {kAnimated, painters::art::kEffects};
    s[10] = {kPlain, tile_sets.size() > 0 ? tile_sets[0] : "Data/tiles/camp"};
    s[11] = {kPlain, tile_sets.size() > 1 ? tile_sets[1] : "Data/tiles/interior"};
    s[13] = {kAnimated, painters::art::kDoors};
    s[14] = {kAnimated, painters::art::kShadows};
    s[15] = {kAnimated, painters::art::kPlayerBare};
    s[16] = {kAnimated, painters::art::kPlayerRifle};
    s[17] = {kAnimated, painters::art::kPlayerPistol};
    s[29] = {kAnimated, painters::art::kFigures};
    s[30] = {kAnimated, painters::art::kPlayerWading};
    s[31] = {kAnimated, painters::art::kPlayerMachine};
    // Own slots left empty hold the effects sheet as a harmless stand-in.
    for (int k : kOwnSlots) s[k] = {kAnimated, painters::art::kEffects};
    const std::vector<int> at = Walk_Extra_Slots(extras.size());
    for (size_t k = 0; k < extras.size(); ++k) {
        if (at[k] >= (int)s.size()) s.resize(at[k] + 1);
        s[at[k]] = extras[k];
    }
    return s;
}

bool Check_Walk_Plan(const std::vector<TextureSlot>& slots, std::string& error) {
    if (slots.size() < WALK_PLAN_SLOTS) {
        error = "a walk scene lists at least " + std::to_string(WALK_PLAN_SLOTS) + " texture slots, this one " +
                std::to_string(slots.size());
        return false;
    }
    const std::vector<TextureSlot> plan = Walk_Texture_Plan({slots[10].name, slots[11].name}, {});
    for (int k = 0; k < WALK_PLAN_SLOTS; ++k) {
        if (k == 10 || k == 11 || std::find(std::begin(kOwnSlots), std::end(kOwnSlots), k) != std::end(kOwnSlots))
            continue;
        if (slots[k].kind != plan[k].kind || slots[k].name != plan[k].name) {
            error = "texture slot " + std::to_string(k) + " holds " + std::to_string(slots[k].kind) + " " +
                    slots[k].name + ", the walk plan wants " + std::to_string(plan[k].kind) + " " + plan[k].name;
            return false;
        }
    }
    for (int k : {10, 11}) {
        painters::Tile_Palette p;
        if (!painters::Tile_Palette_Of(slots[k].name, p) || slots[k].kind != kPlain) {
            error = "texture slot " + std::to_string(k) + " must be a plain tile set (Data/tiles/...), not " +
                    slots[k].name;
            return false;
        }
    }
    return true;
}

bool Resolve_Pin(const maps::MapResult& map, const Pin& pin, float& x, float& y, std::string& error) {
    auto it = map.anchors.find(pin.anchor);
    if (it == map.anchors.end()) {
        error = "the map has no anchor \"" + pin.anchor + "\"";
        return false;
    }
    x = it->second.first + pin.dx;
    y = it->second.second + pin.dy;
    return true;
}

namespace {

// ---- the act-1 camp ----

maps::MapDirective D(int line, const std::string& verb, std::map<std::string, std::string> args) {
    return maps::MapDirective{verb, std::move(args), line};
}

// A prop of the scene: a static picture centred on a pin, standing with its foot on it.
struct Prop {
    int slot;
    Pin at;
    float w, h;          // drawn size, world units
    float box_w, box_h;  // solid footprint at the bottom middle (0: walk-through)
    int priority = 2;
};

writers::ObjectRec Prop_Record(const Prop& p, float x, float y) {
    writers::ObjectRec r;
    r.x = x - p.w / 2;
    r.y = y - p.h / 2;
    r.width = p.w;
    r.height = p.h;
    r.box_width = p.box_w;
    r.box_height = p.box_h;
    r.w = x - p.box_w / 2;
    r.z = r.y + 0.02f;
    r.id = p.slot;
    r.anim_state = 3;
    r.priority = p.priority;
    r.type = 3;                   // OBJ
    r.grab_switch = p.box_w > 0;  // stamped into the collision grid
    r.sector_action = 0;          // kind 0: solid
    r.light = 1.0f;
    r.alpha = 1.0f;
    r.linked_sprite = 0;
    writers::Set_UV(r, 0, 0, 1, 1, 1, 1);
    return r;
}

// A figure of the camp: a unit that plays one animation of the figures sheet (slot 29).
writers::ObjectRec Figure_Record(float x, float y, int anim) {
    writers::ObjectRec r;
    r.x = r.w = x;
    r.y = r.z = y;
    r.width = 0.275f;
    r.height = 0.285f;
    r.box_width = r.box_height = 0.05f;
    r.id = 29;
    r.anim = anim;
    r.anim_state = 2;
    r.priority = 2;
    r.type = 46;            // UNT
    r.sector = 0;           // class
    r.sector_action = 0;    // no AI of its own
    r.onDeath_action = anim; // a figure playing this animation
    r.rank = 1;
    r.light = 1.0f;
    r.alpha = 1.0f;
    r.linked_sprite = 0;    // the player's side
    return r;
}

std::vector<maps::MapDirective> Camp_Recipe() {
    int n = 0;
    return {
        D(++n, "biome", {{"", "camp"}}),
        D(++n, "size", {{"", "90x90"}}),
        D(++n, "seed", {{"", "12"}}),
        D(++n, "border", {{"", "hedge"}, {"width", "2"}}),
        D(++n, "road", {{"from", "45,88"}, {"to", "45,48"}, {"name", "gate_road"}}),
        D(++n, "road", {{"from", "8,48"}, {"to", "82,48"}, {"name", "camp_road"}}),
        D(++n, "stamp", {{"", "parade"}, {"at", "38,30"}, {"name", "parade"}}),
        D(++n, "road", {{"from", "45,37"}, {"to", "45,48"}, {"width", "1"}}),
        D(++n, "stamp", {{"", "tent"}, {"at", "16,38"}, {"name", "tent1"}}),
        D(++n, "stamp", {{"", "tent"}, {"at", "25,38"}, {"name", "tent2"}}),
        D(++n, "stamp", {{"", "tent"}, {"at", "58,38"}, {"name", "tent3"}}),
        D(++n, "stamp", {{"", "tent"}, {"at", "67,38"}, {"name", "tent4"}}),
        D(++n, "stamp", {{"", "hut"}, {"at", "20,52"}, {"name", "hq"}}),
        D(++n, "stamp", {{"", "bunker"}, {"at", "60,52"}, {"name", "store"}}),
        D(++n, "water", {{"at", "8,64"}, {"size", "16x11"}, {"name", "pond"}}),
        D(++n, "fence", {{"from", "52,70"}, {"to", "80,70"}, {"name", "range_fence"}}),
        D(++n, "stamp", {{"", "nest"}, {"at", "38,80"}, {"name", "gate_west"}}),
        D(++n, "stamp", {{"", "nest"}, {"at", "46,80"}, {"name", "gate_east"}}),
        D(++n, "stamp", {{"", "garden"}, {"at", "30,60"}, {"name", "garden"}}),
        D(++n, "scatter", {{"", "rock"}, {"count", "18"}}),
        D(++n, "scatter", {{"", "bottle"}, {"count", "4"}, {"in", "52,72,28,12"}}),
        D(++n, "anchor", {{"", "range"}, {"at", "66,78"}}),
        D(++n, "anchor", {{"", "campfire"}, {"at", "36,44"}}),
    };
}

} // namespace

bool Write_Camp_Hub(const std::string& root) {
    maps::MapResult m;
    std::string error;
    if (!maps::Build_Walk_Map(Camp_Recipe(), m, error)) {
        std::fprintf(stderr, "varnoth_content: scene 2/0: %s\n", error.c_str());
        return false;
    }
    // The scene's own pictures, in the order of its free slots (12, 18, 19, ...).
    const std::vector<TextureSlot> extras = {
        {kPlain, "Data/props/tent"},  {kPlain, "Data/props/tent_hq"}, {kPlain, "Data/props/crate"},
        {kPlain, "Data/props/barrel"}, {kPlain, "Data/props/sandbags"}, {kPlain, "Data/props/tree"},
        {kPlain, "Data/props/jeep"},  {kPlain, "Data/props/flag"},    {kPlain, "Data/props/campfire"},
        {kPlain, "Data/props/table"}, {kPlain, "Data/props/pine"},    {kPlain, "Data/props/fuel"},
    };
    const std::vector<int> slot = Walk_Extra_Slots(extras.size());
    enum { TENT, TENT_HQ, CRATE, BARREL, SANDBAGS, TREE, JEEP, FLAG, CAMPFIRE, TABLE, PINE, FUEL };

    writers::SceneFiles s;
    s.textures = Walk_Texture_Plan(m.tile_sets, extras);
    s.has_map = true;
    s.map = m.map;
    s.header.game_mode = 3;

    // Objects 0 to 14; object 15 is the figure whose look follows the time of day.
    const std::vector<Prop> props = {
        {slot[TENT], {"tent1.1", 0, 0.05f}, 0.5f, 0.62f, 0.4f, 0.3f},
        {slot[TENT], {"tent2.1", 0, 0.05f}, 0.5f, 0.62f, 0.4f, 0.3f},
        {slot[TENT], {"tent3.1", 0, 0.05f}, 0.5f, 0.62f, 0.4f, 0.3f},
        {slot[TENT_HQ], {"tent4.1", 0, 0.05f}, 0.56f, 0.7f, 0.45f, 0.34f},
        {slot[FLAG], {"parade.1", 0.04f, 0.12f}, 0.2f, 0.33f, 0.05f, 0.05f},
        {slot[JEEP], {"camp_road.end", -0.6f, 0.25f}, 0.27f, 0.4f, 0.2f, 0.3f},
        {slot[CRATE], {"store.door", -0.35f, 0.0f}, 0.13f, 0.13f, 0.1f, 0.08f},
        {slot[CRATE], {"store.door", -0.35f, 0.12f}, 0.13f, 0.13f, 0.1f, 0.08f},
        {slot[FUEL], {"store.door", 0.35f, 0.0f}, 0.13f, 0.13f, 0.1f, 0.08f},
        {slot[BARREL], {"store.door", 0.47f, 0.02f}, 0.13f, 0.13f, 0.1f, 0.08f},
        {slot[SANDBAGS], {"range", 0.0f, 0.35f}, 0.4f, 0.2f, 0.36f, 0.12f},
        {slot[CAMPFIRE], {"campfire"}, 0.22f, 0.22f, 0.12f, 0.08f, 3},
        {slot[TABLE], {"hq.1", 0, -0.15f}, 0.3f, 0.22f, 0.26f, 0.12f},
        {slot[TREE], {"pond.centre", 1.1f, 0.6f}, 0.7f, 0.7f, 0.0f, 0.0f, 1},
        {slot[PINE], {"gate_road.start", 0.9f, 0.9f}, 0.55f, 0.55f, 0.0f, 0.0f, 1},
    };
    for (const Prop& p : props) {
        float x, y;
        if (!Resolve_Pin(m, p.at, x, y, error)) {
            std::fprintf(stderr, "varnoth_content: scene 2/0: %s\n", error.c_str());
            return false;
        }
        s.objects.push_back(Prop_Record(p, x, y));
    }
    // The figures: 15 a soldier at rest by day, asleep at night (the camp's script shows
    // animation 19 of the figures sheet while `daytime` is false, 4 while it is true), then a sentry at the gate, the officer on the parade ground and the cook
    // at the fire.
    const std::vector<std::pair<Pin, int>> figures = {
        {{"campfire", 0.25f, -0.1f}, 19},
        {{"gate_west.1", 0.1f, 0}, 0},
        {{"parade.1", -0.3f, -0.15f}, 1},
        {{"campfire", -0.3f, 0.0f}, 2},
    };
    for (const auto& [pin, anim] : figures) {
        float x, y;
        if (!Resolve_Pin(m, pin, x, y, error)) return false;
        s.objects.push_back(Figure_Record(x, y, anim));
    }

    // Points: the spawn points the scripts send the player to (0 from the alarm briefing,
    // 1 back from a level, 4 and 30 from the other briefings, 10 back from the coast), the
    // headquarters marker (5), the rest plain.
    struct Spawn {
        int index;
        Pin at;
        int facing;  // direction code
    };
    const std::vector<Spawn> spawns = {
        {0, {"gate_road.start", 0, 0.4f}, 1}, {1, {"camp_road.start", 0.3f, 0}, 4},
        {4, {"tent2.2", 0, -0.1f}, 2},        {10, {"camp_road.end", -0.3f, 0}, 3},
        {30, {"parade.2", 0, -0.15f}, 2},
    };
    s.points.assign(31, writers::Point{});
    for (size_t k = 0; k < s.points.size(); ++k) { // plain points spread along the camp road
        float x, y;
        Resolve_Pin(m, {"camp_road.start", 0.2f * k, -0.1f}, x, y, error);
        s.points[k].x = x;
        s.points[k].y = y;
    }
    for (const Spawn& sp : spawns) {
        writers::Point& p = s.points[sp.index];
        if (!Resolve_Pin(m, sp.at, p.x, p.y, error)) return false;
        p.c1 = 1; // CAM_P1
        p.c2 = sp.facing;
    }
    Resolve_Pin(m, {"hq.door"}, s.points[5].x, s.points[5].y, error);
    s.points[5].c1 = 18; // MAP_HQ_PNT
    s.dialogue.lines = {{0, "_", "_"}};
    return writers::Write_Scene(root, 2, 0, s);
}
