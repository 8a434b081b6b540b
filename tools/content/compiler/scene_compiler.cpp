#include "content/compiler/scene_compiler.h"

#include <algorithm>
#include <set>

#include "common/codes.h"
#include "common/records.h"
#include "content/compiler/named_codes.h"
#include "content/compiler/slot_plans.h"
#include "content/numbers.h"

namespace compiler {

namespace {

// Defaults of each object role; a line's own pairs and its style come first.
struct Role {
    const char* name;
    const char* defaults; // key=value pairs
};
constexpr Role ROLES[] = {
    // Front pages and cut-scenes. A backdrop covers the widest view of every screen mode
    // (2 x 1.2 units across, 1.5 high).
    {"backdrop", "x=-1.2 y=-0.75 w=2.4 h=1.5 priority=6 state=held"},
    {"button", "priority=1 state=loop"},
    {"figure", "priority=3 state=loop"},
    {"picture", "priority=4 state=held"},
    {"deco", "priority=3 state=held"},
    {"text", "priority=2 state=held"},
    {"hidden", "alpha=0 priority=5 state=held"},
    {"filler", "x=-3 y=-3 w=0.01 h=0.01 alpha=0 priority=6 state=held slot=0"},
    // Walk scenes.
    {"unit", "type=UNT state=loop priority=2"},
    {"door", "type=DOR state=held priority=2"},
    {"trigger", "type=TRI state=held priority=2 alpha=0"},
    {"mover", "type=MOV state=loop priority=2"},
    {"prop", "type=OBJ state=held priority=2"},
    {"pickup", "type=PKU state=loop priority=2"},
};

const Role* Find_Role(const std::string& name) {
    for (const Role& r : ROLES)
        if (name == r.name) return &r;
    return nullptr;
}

Args Parse_Pairs(const char* text) {
    Args a;
    std::string s = text, word;
    s += ' ';
    for (char c : s) {
        if (c != ' ') {
            word += c;
            continue;
        }
        if (word.empty()) continue;
        const size_t eq = word.find('=');
        a.kv[word.substr(0, eq)] = word.substr(eq + 1);
        word.clear();
    }
    return a;
}

struct Ctx {
    const SceneDesc& d;
    std::string& error;
    int line = 0;         // 0: the fault is the scene's as a whole
    std::string file;     // the file of `line`; empty for the scene's own
    void At(const Entry& e) {
        line = e.line;
        file = e.file;
    }
    void Whole() {
        line = 0;
        file.clear();
    }
    bool Fail(const std::string& what) {
        const std::string name = file.empty() ? d.name : file;
        error = line > 0 ? name + ":" + std::to_string(line) + ": " + what : d.name + ": " + what;
        return false;
    }
};

bool Real(Ctx& c, const std::string& key, const std::string& v, float& out) {
    if (std::string why = numbers::Real(v, out); !why.empty()) return c.Fail(key + "=" + v + ": " + why);
    return true;
}

// A whole number from lo to hi (by default the range of an int), or a name of the group
// whose value lies in that range.
bool Code(Ctx& c, Code_Group g, const std::string& key, const std::string& v, int& out, long long lo = numbers::kIntLo,
          long long hi = numbers::kIntHi) {
    if (numbers::Looks_Whole(v)) {
        long long n = 0;
        if (std::string why = numbers::Whole(v, lo, hi, n); !why.empty()) return c.Fail(key + "=" + v + ": " + why);
        out = (int)n;
        return true;
    }
    int named = 0;
    if (!Code_Value(g, v, named)) return c.Fail(key + "=" + v + ": not a number nor a known name");
    if (named < lo || named > hi)
        return c.Fail(key + "=" + v + ": stands for " + std::to_string(named) + ", which must be from " +
                      numbers::Range_Text(lo, hi));
    out = named;
    return true;
}

// A real that the sum of two reals gives (a position plus an offset) must still be a
// finite single-precision number.
bool Sum(Ctx& c, const std::string& what, double a, double b, float& out) {
    const double r = a + b;
    if (!(r >= numbers::kRealLo && r <= numbers::kRealHi)) return c.Fail(what + " lies beyond the numbers the game reads");
    out = (float)r;
    return true;
}

bool Anim_State(Ctx& c, const std::string& v, int& out) {
    static const std::pair<const char*, int> names[] = {
        {"stopped", ANIM_STOPPED}, {"once", ANIM_ONCE}, {"loop", ANIM_LOOP}, {"held", ANIM_HELD}, {"hold", ANIM_ONCE_HOLD}};
    for (auto [n, s] : names)
        if (v == n) {
            out = s;
            return true;
        }
    return Code(c, Code_Group::none, "state", v, out);
}

bool Anchor(Ctx& c, const Args& a, const maps::MapResult* m, float& x, float& y) {
    const std::string* at = a.Get("at");
    if (!at) return true;
    if (!m) return c.Fail("at=" + *at + ": the scene has no map to anchor to");
    auto it = m->anchors.find(*at);
    if (it == m->anchors.end()) return c.Fail("at=" + *at + ": the map has no such anchor");
    float dx = 0, dy = 0;
    if (const std::string* v = a.Get("dx"); v && !Real(c, "dx", *v, dx)) return false;
    if (const std::string* v = a.Get("dy"); v && !Real(c, "dy", *v, dy)) return false;
    return Sum(c, "at=" + *at + " with dx=", it->second.first, dx, x) &&
           Sum(c, "at=" + *at + " with dy=", it->second.second, dy, y);
}

bool Object(Ctx& c, Args a, bool front, const maps::MapResult* m, writers::ObjectRec& r) {
    if (const std::string* role = a.Get("role")) {
        const Role* def = Find_Role(*role);
        if (!def) return c.Fail("unknown role '" + *role + "'");
        a.Inherit(Parse_Pairs(def->defaults));
    }
    r = writers::ObjectRec{};
    r.anim_state = ANIM_HELD;
    bool box_x = false, box_y = false, box_w = false, box_h = false;
    float box_dx = 0, box_dy = 0; // the collision box's corner from the drawn corner
    for (const auto& [k, v] : a.kv) {
        int* i = nullptr;
        float* f = nullptr;
        long long lo = numbers::kIntLo, hi = numbers::kIntHi; // the range of an integer field
        if (k == "role" || k == "style" || k == "at" || k == "dx" || k == "dy") continue;
        else if (k == "x") f = &r.x;
        else if (k == "y") f = &r.y;
        else if (k == "w") f = &r.width;
        else if (k == "h") f = &r.height;
        else if (k == "box_x") f = &r.w, box_x = true;
        else if (k == "box_y") f = &r.z, box_y = true;
        else if (k == "box_w") f = &r.box_width, box_w = true;
        else if (k == "box_h") f = &r.box_height, box_h = true;
        else if (k == "box_dx") f = &box_dx;
        else if (k == "box_dy") f = &box_dy;
        else if (k == "alpha") f = &r.alpha;
        else if (k == "light") f = &r.light;
        else if (k == "slot") i = &r.id, lo = 0, hi = kMaxSlots - 1;
        else if (k == "anim") i = &r.anim, lo = 0, hi = 149; // an animation sheet holds at most 150
        else if (k == "priority") i = &r.priority;
        else if (k == "score") i = &r.score;
        else if (k == "linked") i = &r.linked_sprite;
        else if (k == "grab") i = &r.grab_switch, lo = 0, hi = 1;
        else if (k == "mouseover") i = &r.mouseover, lo = 0, hi = 1;
        else if (k == "on_create") i = &r.onCreate;
        else if (k == "on_create_action") i = &r.onCreate_action;
        else if (k == "rank") i = &r.rank;
        else if (k == "on_death") i = &r.onDeath_action;
        else if (k == "flag") i = &r.global_flag;
        else if (k == "state") {
            if (!Anim_State(c, v, r.anim_state)) return false;
            continue;
        } else if (k == "type") {
            if (!Code(c, front ? Code_Group::fe_type : Code_Group::obj_type, k, v, r.type)) return false;
            continue;
        } else if (k == "action") { // walk scenes: an object's kind by its name (OBJ_MAP ...)
            if (!Code(c, front ? Code_Group::none : Code_Group::obj_kind, k, v, r.sector_action)) return false;
            continue;
        } else if (k == "sector") {
            if (!Code(c, front ? Code_Group::none : Code_Group::unit_class, k, v, r.sector)) return false;
            continue;
        } else if (k == "goto") { // a page button's target, "<episode>/<scene>"
            std::vector<long long> n;
            if (std::string why = numbers::Whole_List(v, '/', 2, 0, numbers::kIntHi, n); !why.empty())
                return c.Fail("goto=" + v + ": write <episode>/<scene>: " + why);
            r.sector = (int)n[0];
            r.score = (int)n[1];
            continue;
        } else if (k == "uv") { // pixel rectangle x,y,w,h of a picture of pw x ph pixels
            // A picture is at most 65535 pixels each way (a TGA file's width and height).
            std::vector<long long> n;
            if (std::string why = numbers::Whole_List(v, ',', 6, 0, 65535, n); !why.empty())
                return c.Fail("uv=" + v + ": write x,y,w,h,picture_w,picture_h: " + why);
            const long long px = n[0], py = n[1], pw = n[2], ph = n[3], iw = n[4], ih = n[5];
            if (pw < 1 || ph < 1 || iw < 1 || ih < 1 || px + pw > iw || py + ph > ih)
                return c.Fail("uv=" + v + ": the rectangle must have a size and lie inside the picture");
            writers::Set_UV(r, (int)px, (int)py, (int)pw, (int)ph, (int)iw, (int)ih);
            continue;
        } else
            return c.Fail("unknown object field '" + k + "'");
        if (f && !Real(c, k, v, *f)) return false;
        if (i && !Code(c, Code_Group::none, k, v, *i, lo, hi)) return false;
    }
    if (!Anchor(c, a, m, r.x, r.y)) return false;
    if (!box_x && !Sum(c, "the collision box's x (x with box_dx=)", r.x, box_dx, r.w)) return false;
    if (!box_y && !Sum(c, "the collision box's y (y with box_dy=)", r.y, box_dy, r.z)) return false;
    if (!box_w) r.box_width = r.width;
    if (!box_h) r.box_height = r.height;
    return true;
}

bool Point(Ctx& c, const Args& a, const maps::MapResult* m, writers::Point& p) {
    p = writers::Point{};
    for (const auto& [k, v] : a.kv) {
        int* i = nullptr;
        float* f = nullptr;
        if (k == "role" || k == "style" || k == "at" || k == "dx" || k == "dy") continue;
        else if (k == "x") f = &p.x;
        else if (k == "y") f = &p.y;
        else if (k == "speed") f = &p.speed;
        else if (k == "state") i = &p.anim_state;
        else if (k == "anim") i = &p.anim;
        else if (k == "score") i = &p.score;
        else if (k == "c2") i = &p.c2;
        else if (k == "c3") i = &p.c3;
        else if (k == "c4") i = &p.c4;
        else if (k == "active") {
            int on = 0;
            if (!Code(c, Code_Group::none, k, v, on, 0, 1)) return false;
            p.active = on != 0;
            continue;
        } else if (k == "c1") {
            if (!Code(c, Code_Group::point_type, k, v, p.c1)) return false;
            continue;
        } else
            return c.Fail("unknown point field '" + k + "'");
        if (f && !Real(c, k, v, *f)) return false;
        if (i && !Code(c, Code_Group::none, k, v, *i)) return false;
    }
    // A role that names a point code gives the code when c1 is not written.
    if (const std::string* role = a.Get("role"); role && !a.Has("c1")) {
        int code = 0;
        if (Code_Value(Code_Group::point_type, *role, code)) p.c1 = code;
    }
    return Anchor(c, a, m, p.x, p.y);
}

bool Header(Ctx& c, const SceneDesc& d, writers::SceneHeader& h) {
    c.line = d.kind_line;
    c.file = d.kind_file;
    static const std::pair<const char*, int> kinds[] = {{"cine", 2}, {"walk", 3}, {"front", 4}, {"world", 5}};
    bool known = false;
    for (auto [n, m] : kinds)
        if (d.kind == n) {
            h.game_mode = m;
            known = true;
        }
    if (!known) return c.Fail("kind '" + d.kind + "': write front, cine, walk or world");
    for (const auto& [k, v] : d.header.kv) {
        if (auto at = d.header_at.find(k); at != d.header_at.end()) {
            c.file = at->second.first;
            c.line = at->second.second;
        }
        bool ok = true;
        if (k == "game_mode") ok = Code(c, Code_Group::game_mode, k, v, h.game_mode);
        else if (k == "keyframes") ok = Code(c, Code_Group::none, k, v, h.no_of_keyframes);
        else if (k == "game_time") ok = Code(c, Code_Group::none, k, v, h.game_time);
        else if (k == "fade_in") ok = Code(c, Code_Group::none, k, v, h.fade_in);
        else if (k == "fade_out") ok = Code(c, Code_Group::none, k, v, h.fade_out);
        else if (k == "shake") ok = Code(c, Code_Group::none, k, v, h.scene_shake);
        else if (k == "music") ok = Code(c, Code_Group::music, k, v, h.music_loop);
        else if (k == "g_type") ok = Code(c, Code_Group::scene_type, k, v, h.g_type);
        else return c.Fail("unknown header field '" + k + "'");
        if (!ok) return false;
    }
    return true;
}

bool Slots(Ctx& c, const SceneDesc& d, const maps::MapResult* m, std::vector<writers::TextureSlot>& out) {
    std::vector<Plan_Slot> plan;
    for (const std::string& name : d.plans)
        if (!Plan_Slots(name, plan)) {
            c.Whole();
            return c.Fail("unknown slot plan '" + name + "'");
        }
    std::vector<std::pair<int, writers::TextureSlot>> all;
    std::set<int> planned;
    for (const Plan_Slot& p : plan) {
        all.push_back({p.index, {p.kind, p.image}});
        planned.insert(p.index);
    }
    if (m)
        for (int k = 0; k < (int)m->tile_sets.size(); ++k) {
            if (planned.count(10 + k)) return c.Fail("the map's tile set " + std::to_string(k) + " falls on a planned slot");
            all.push_back({10 + k, {0, m->tile_sets[k]}});
            planned.insert(10 + k);
        }
    for (const Entry& e : d.slots) {
        c.At(e);
        if (planned.count(e.index))
            return c.Fail("slot " + std::to_string(e.index) + " is already given by the slot plan or the map");
        const std::string* image = e.args.Get("image");
        if (!image || image->empty())
            return c.Fail("slot " + std::to_string(e.index) + " needs image=<name without ending>");
        if (std::string why = Image_Name_Problem(*image); !why.empty())
            return c.Fail("slot " + std::to_string(e.index) + " image=" + *image + ": " + why);
        int kind = 0;
        if (const std::string* k = e.args.Get("kind"); k && !Code(c, Code_Group::none, "kind", *k, kind, 0, 5))
            return false;
        for (const auto& [k, v] : e.args.kv)
            if (k != "image" && k != "kind" && k != "style") return c.Fail("unknown slot field '" + k + "'");
        all.push_back({e.index, {kind, *image}});
        planned.insert(e.index);
    }
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    out.clear();
    for (int k = 0; k < (int)all.size(); ++k)
        if (all[k].first != k) {
            c.Whole();
            return c.Fail("texture slot " + std::to_string(k) + " is not given (slots must run from 0 without gaps)");
        } else
            out.push_back(all[k].second);
    return true;
}

} // namespace

bool Compile_Scene(const SceneDesc& d, writers::SceneFiles& out, std::string& error) {
    Ctx c{d, error, 0, {}};
    out = writers::SceneFiles{};
    if (!Header(c, d, out.header)) return false;
    const bool front = out.header.game_mode == gmode::front;

    maps::MapResult map;
    const bool has_map = !d.map.empty() || d.kind == "walk";
    if (has_map) {
        std::vector<maps::MapDirective> recipe = d.map; // each line named by its file
        for (maps::MapDirective& m : recipe)
            if (m.file.empty()) m.file = d.name;
        if (!maps::Build_Walk_Map(recipe, map, error)) return false;
        out.has_map = true;
        out.map = map.map;
    }
    const maps::MapResult* m = has_map ? &map : nullptr;
    if (!Slots(c, d, m, out.textures)) return false;

    // Objects by index; unnamed indices below the highest are hidden fillers.
    int highest = -1;
    for (const Entry& e : d.objects) highest = std::max(highest, e.index);
    Args filler = d.filler;
    filler.kv.emplace("role", "filler");
    out.objects.assign(highest + 1, writers::ObjectRec{});
    std::vector<bool> named(highest + 1, false);
    for (const Entry& e : d.objects) {
        c.At(e);
        if (!Object(c, e.args, front, m, out.objects[e.index])) return false;
        named[e.index] = true;
    }
    for (int i = 0; i <= highest; ++i)
        if (!named[i]) {
            c.Whole();
            if (!Object(c, filler, front, m, out.objects[i])) return false;
        }
    for (int i = 0; i <= highest; ++i) {
        const writers::ObjectRec& r = out.objects[i];
        if (r.id < 0 || r.id >= (int)out.textures.size()) {
            c.Whole();
            for (const Entry& e : d.objects)
                if (e.index == i) c.At(e);
            return c.Fail("object " + std::to_string(i) + " uses texture slot " + std::to_string(r.id) +
                          ", which the scene does not have");
        }
    }

    auto points = [&](const std::vector<Entry>& in, std::vector<writers::Point>& dst) {
        int top = -1;
        for (const Entry& e : in) top = std::max(top, e.index);
        dst.assign(top + 1, writers::Point{});
        for (const Entry& e : in) {
            c.At(e);
            if (!Point(c, e.args, m, dst[e.index])) return false;
        }
        return true;
    };
    if (!points(d.points, out.points) || !points(d.nodes, out.nodes)) return false;

    for (const SceneDesc::Line& l : d.lines) out.dialogue.lines.push_back({l.face, l.a, l.b});
    if (out.dialogue.lines.empty()) out.dialogue.lines.push_back({0, "_", "_"});
    for (const auto& g : d.groups)
        for (int k : g)
            if (k >= (int)out.dialogue.lines.size()) {
                c.Whole();
                return c.Fail("a group names line " + std::to_string(k) + ", which does not exist");
            }
    out.dialogue.groups = d.groups;
    return true;
}

} // namespace compiler
