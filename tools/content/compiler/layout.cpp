#include "content/compiler/layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>

#include "common/codes.h"

namespace compiler {

namespace {

using writers::ObjectRec;
using writers::SceneFiles;

struct Rect {
    float x0, y0, x1, y1; // view units, y up
    float W() const { return x1 - x0; }
    float H() const { return y1 - y0; }
};

constexpr float kSlack = 0.004f; // what a line of pixels at 1280 x 800 is worth

bool Overlap(const Rect& a, const Rect& b, float slack = kSlack) {
    return a.x0 < b.x1 - slack && b.x0 < a.x1 - slack && a.y0 < b.y1 - slack && b.y0 < a.y1 - slack;
}
bool Inside(const Rect& in, const Rect& out, float slack = kSlack) {
    return in.x0 >= out.x0 - slack && in.x1 <= out.x1 + slack && in.y0 >= out.y0 - slack && in.y1 <= out.y1 + slack;
}
// Crosses the edge of `r`: neither inside it nor clear of it.
bool Straddles(const Rect& a, const Rect& r) { return Overlap(a, r) && !Inside(a, r); }

std::string Num(float v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.2f", v);
    return b;
}
std::string Box_Text(const Rect& r) {
    return "x " + Num(r.x0) + " to " + Num(r.x1) + ", y " + Num(r.y0) + " to " + Num(r.y1);
}
std::string Mode_Name(const Screen_Mode& m) { return std::to_string(m.width) + "x" + std::to_string(m.height); }

// The wide screens move one object of many scenes of episodes 0 and 1 right by 0.2 (five of
// scene 1/25): the scene loader's shift for the screen's extra width.
std::vector<int> Wide_Shifted(int e, int s) {
    if (e == 0) return s == 18 ? std::vector<int>{4} : std::vector<int>{};
    if (e != 1) return {};
    if (s == 25) return {9, 10, 11, 13, 37};
    struct Run {
        int first, last, object;
    };
    static const Run runs[] = {
        {18, 18, 1},   {24, 24, 1},   {26, 26, 1},   {52, 52, 1},   {54, 54, 1},   {118, 121, 1}, {124, 124, 1},
        {138, 142, 1}, {7, 7, 2},     {30, 30, 2},   {35, 35, 2},   {51, 51, 2},   {56, 59, 2},   {62, 64, 2},
        {66, 67, 2},   {75, 75, 2},   {80, 80, 2},   {82, 82, 2},   {85, 85, 2},   {88, 89, 2},   {94, 94, 2},
        {99, 110, 2},  {117, 117, 2}, {123, 123, 2}, {143, 144, 2}, {50, 50, 3},   {55, 55, 3},   {84, 84, 3},
        {87, 87, 3},   {90, 90, 3},   {47, 47, 4},   {111, 111, 4}, {0, 3, 7},     {5, 5, 7},     {17, 17, 7},
        {27, 27, 7},   {29, 29, 7},   {37, 38, 7},   {45, 46, 7},   {49, 49, 7},   {60, 60, 7},   {65, 65, 7},
        {68, 68, 7},   {72, 72, 7},   {74, 74, 7},   {76, 78, 7},   {81, 81, 7},   {83, 83, 7},   {86, 86, 7},
        {91, 91, 7},   {122, 122, 7}, {34, 34, 8},   {39, 39, 8},   {43, 44, 8},   {92, 93, 8},   {15, 15, 9},
        {40, 42, 10},
    };
    for (const Run& r : runs)
        if (s >= r.first && s <= r.last) return {r.object};
    return {};
}

// The caption box a hover shows: its size code (0 one short line, 1 one or two lines, 2
// three, 4 five; -1 no caption) and its side of the pointer (true: to the right).
struct Caption_Box {
    int code;
    bool right;
};
constexpr Caption_Box NO_CAPTION{-1, false};

// The front end's own buttons by their type; nullopt for a type that shows no caption.
std::optional<Caption_Box> Front_Caption(int type) {
    switch (type) {
        case fe_type::BACK1: case FE_SKIP: return Caption_Box{0, false};
        case fe_type::SINGLE: return Caption_Box{1, false};
        case fe_type::MULTI: case FE_FLAME: case FE_MUSIC: case FE_OPTION_CREATE: case FE_INCREASE:
        case FE_DECREASE: case FE_MKEYBOARD: return Caption_Box{1, true};
        case FE_VERSION1: return Caption_Box{2, true};
        case fe_type::QUIT_GAME: case fe_type::FILE: case FE_DELETE: case FE_OPTIONS: case FE_START: case FE_ACCEPT:
        case FE_DECLINE: case FE_RIFLE: case FE_MGUN: case FE_TEXT: case FE_CREATE: case FE_FILE_CREATE:
        case FE_FILE_DELETE: case FE_BACK: case FE_SFX: case FE_HIT: case FE_STICK: case FE_CREDITS: case FE_MONLY:
            return Caption_Box{0, true};
        default: return std::nullopt;
    }
}

// Buttons the scene scripts hover whose caption box differs from the scripts' usual one
// (one line at the pointer's left, as on every skip and briefing button).
struct Script_Caption {
    int episode, scene, object;
    Caption_Box box;
};
constexpr Script_Caption SCRIPT_CAPTIONS[] = {
    // The options: the depth and window choices' two-line captions, the sizes' one line.
    {0, 6, 13, {1, true}}, {0, 6, 20, {1, true}}, {0, 6, 21, {1, true}}, {0, 6, 22, {1, true}},
    {0, 6, 29, {1, true}}, {0, 6, 30, {1, true}}, {0, 6, 25, {0, true}}, {0, 6, 26, {0, true}},
    {0, 6, 34, {0, true}},
    // The perks: the heart chain's three lines, the others' five.
    {1, 141, 6, {2, true}}, {1, 141, 9, {4, true}}, {1, 141, 10, {4, true}}, {1, 141, 7, {4, true}},
    {1, 141, 11, {4, true}}, {1, 141, 12, {4, true}}, {1, 141, 8, {4, true}}, {1, 141, 13, {4, true}},
    {1, 141, 14, {4, true}},
    // The pause page's two buttons.
    {1, 53, 1, {1, true}}, {1, 53, 2, {1, true}},
    // The card table shows no captions.
    {1, 4, 0, NO_CAPTION}, {1, 4, 4, NO_CAPTION}, {1, 4, 19, NO_CAPTION}, {1, 4, 20, NO_CAPTION},
    // The shop's buy, return, sell and upgrade, in both shops.
    {1, 7, 0, {0, true}}, {1, 7, 2, {1, false}}, {1, 7, 3, {0, true}}, {1, 7, 4, {1, true}},
    {1, 30, 0, {0, true}}, {1, 30, 2, {1, false}}, {1, 30, 3, {0, true}}, {1, 30, 4, {1, true}},
    // The tent: leave, back to the last mission, the medal box, the albums, sleep, the record.
    {1, 25, 13, {0, false}}, {1, 25, 35, {1, false}}, {1, 25, 5, {0, true}}, {1, 25, 36, {1, true}},
    {1, 25, 6, {0, true}}, {1, 25, 7, {1, false}},
    // The tunnels: the camp, the three destinations (the third's caption at the left), the
    // three networks.
    {1, 31, 4, {0, true}}, {1, 31, 5, {1, true}}, {1, 31, 6, {1, true}}, {1, 31, 7, {1, false}},
    {1, 31, 10, {1, true}}, {1, 31, 11, {1, true}}, {1, 31, 12, {1, true}},
    // The albums' and the medal box's page buttons.
    {1, 18, 16, {1, true}}, {1, 18, 17, {1, true}}, {1, 18, 18, {1, true}},
    {1, 24, 15, {1, true}}, {1, 24, 16, {1, true}}, {1, 24, 17, {1, true}},
};

// Where the caption box of a hover at view point (mx, my) lies: the text starts 0.3 left of
// the pointer, or 0.15 right of it; the box 0.04 left of the text, 0.12 below the line, as
// tall as the size code makes it for glyphs `glyph_h` high, as wide as the HUD's tooltip box.
Rect Caption_Rect(float mx, float my, Caption_Box c, float glyph_h, float box_w) {
    const float x = mx + (c.right ? 0.45f : 0.0f) - 0.3f;
    float y = my - 0.12f, h = 6 * glyph_h;
    if (c.code == 0) {
        y += 0.075f;
        h = 3 * glyph_h;
    } else if (c.code == 2) {
        y -= 0.06f;
        h = 8 * glyph_h;
    } else if (c.code == 4) {
        y -= 0.1f;
        h = 13 * glyph_h;
    }
    return Rect{x - 0.04f, y, x - 0.04f + box_w, y + h};
}

// Pictures that a script moves across the view as a whole (pans and scrolls): the place of
// object `object` after the move, by which the view must still be covered.
struct Move {
    int episode, scene, object;
    float dx, dy;
};
constexpr Move MOVES[] = {
    {0, 11, 2, 5.4f, 0}, // the front's panorama pans right for twelve seconds
    {0, 12, 2, 5.4f, 0},
};

struct Scene_View {
    int e, s;
    const SceneFiles& f;
    const Facts_Lookup& facts;
    std::vector<Layout_Fault>& out;

    void Fault(int object, const std::string& what) { out.push_back(Layout_Fault{e, s, object, what}); }

    const painters::Picture_Facts* Facts(const ObjectRec& o) const {
        if (o.id < 0 || o.id >= (int)f.textures.size()) return nullptr;
        return facts ? facts(f.textures[o.id].name) : nullptr;
    }
    bool Shown(const ObjectRec& o) const {
        // A mission offer's accept and decline wait hidden until the offer is made.
        const bool offer = f.header.game_mode == gmode::front && (o.type == FE_ACCEPT || o.type == FE_DECLINE);
        return (o.alpha != 0.0f || offer) && !(o.mouseover != 0 && o.type != 11) && o.width > 0 && o.height > 0;
    }
    bool Plain(const ObjectRec& o) const {
        if (o.id < 0 || o.id >= (int)f.textures.size()) return false;
        const int k = f.textures[o.id].kind;
        return k == 0 || k == 2;
    }
    bool Whole_Picture(const ObjectRec& o) const {
        const float u0 = std::min({o.u[0], o.u[1], o.u[2], o.u[3]}), u1 = std::max({o.u[0], o.u[1], o.u[2], o.u[3]});
        const float v0 = std::min({o.v[0], o.v[1], o.v[2], o.v[3]}), v1 = std::max({o.v[0], o.v[1], o.v[2], o.v[3]});
        return u0 == 0 && v0 == 0 && u1 == 1 && v1 == 1;
    }
    // Object i's drawn rectangle in view units in mode m with the camera at (0, cam_y).
    Rect Drawn(int i, const Screen_Mode& m, float cam_y) const {
        const ObjectRec& o = f.objects[i];
        float dx = 0;
        if (m.mode != 0)
            for (int k : Wide_Shifted(e, s))
                if (k == i) dx = 0.2f;
        return Rect{o.x + dx, o.y + cam_y, o.x + o.width + dx, o.y + o.height + cam_y};
    }
    // Its hover box (the collision box).
    Rect Box(int i, const Screen_Mode& m, float cam_y) const {
        const ObjectRec& o = f.objects[i];
        const Rect d = Drawn(i, m, cam_y);
        return Rect{o.w + (d.x0 - o.x), o.z + cam_y, o.w + (d.x0 - o.x) + o.box_width, o.z + cam_y + o.box_height};
    }
    // A box of a picture (fractions, y from the top) in view units.
    static Rect Part(const Rect& d, const painters::Frac_Rect& fr) {
        return Rect{d.x0 + (float)fr.x0 * d.W(), d.y1 - (float)fr.y1 * d.H(), d.x0 + (float)fr.x1 * d.W(),
                    d.y1 - (float)fr.y0 * d.H()};
    }
    static Rect View(const Screen_Mode& m) { return Rect{-m.zoom, -m.zoom * m.ratio, m.zoom, m.zoom * m.ratio}; }

    // The view's camera heights: a page with a title point glides from 1.5 above to it.
    std::vector<float> Cameras() const {
        for (const writers::Point& p : f.points)
            if (p.c1 == TITLE_PNT) return {-1.5f, -p.y};
        return {0.0f};
    }

    // A picture across the whole view on an object the wide screens move right (they move
    // one object of many pages, meant for its skip button) would leave a gap on the left.
    void Wide_Shifted_Pictures() {
        for (int i : Wide_Shifted(e, s))
            if (i < (int)f.objects.size() && Shown(f.objects[i]) && f.objects[i].width >= 2.0f)
                Fault(i, "the wide screens move this object 0.2 to the right, and it is a picture across the whole "
                         "view: give the picture another object");
    }

    void Coverage() {
        for (const Screen_Mode& m : Screen_Modes())
            for (float cam : Cameras())
                for (bool moved : {false, true}) {
                    std::vector<Rect> cover;
                    bool any_move = false;
                    for (int i = 0; i < (int)f.objects.size(); ++i) {
                        const ObjectRec& o = f.objects[i];
                        if (!Shown(o) || !Plain(o)) continue;
                        Rect d = Drawn(i, m, cam);
                        if (moved)
                            for (const Move& mv : MOVES)
                                if (mv.episode == e && mv.scene == s && mv.object == i) {
                                    d = Rect{d.x0 + mv.dx, d.y0 + mv.dy, d.x1 + mv.dx, d.y1 + mv.dy};
                                    any_move = true;
                                }
                        cover.push_back(d);
                    }
                    if (moved && !any_move) continue;
                    const Rect v = View(m);
                    Rect hole{1e9f, 1e9f, -1e9f, -1e9f};
                    const float step = 0.02f;
                    for (float y = v.y0 + 0.002f; y <= v.y1 - 0.002f + 1e-4f; y += step)
                        for (float x = v.x0 + 0.002f; x <= v.x1 - 0.002f + 1e-4f; x += step) {
                            bool in = false;
                            for (const Rect& c : cover)
                                if (x >= c.x0 && x <= c.x1 && y >= c.y0 && y <= c.y1) {
                                    in = true;
                                    break;
                                }
                            if (in) continue;
                            hole.x0 = std::min(hole.x0, x);
                            hole.x1 = std::max(hole.x1, x);
                            hole.y0 = std::min(hole.y0, y);
                            hole.y1 = std::max(hole.y1, y);
                        }
                    if (hole.x0 <= hole.x1) {
                        std::string when = moved ? " once its panorama has panned" : "";
                        if (cam != 0.0f) when += cam < -1.0f ? " as its glide starts" : " where its glide ends";
                        Fault(-1, "at " + Mode_Name(m) + when + " no backdrop covers the view at " + Box_Text(hole));
                        return;
                    }
                }
    }

    struct Words {
        int object;
        Rect r;
        std::string text;
    };

    std::string Label(int i) const {
        const painters::Picture_Facts* p = Facts(f.objects[i]);
        if (p && !p->words.empty()) return "'" + p->words.front().text + "'";
        return f.objects[i].id >= 0 && f.objects[i].id < (int)f.textures.size() ? f.textures[f.objects[i].id].name : "";
    }

    void Words_And_Buttons() {
        for (const Screen_Mode& m : Screen_Modes()) {
            const float cam = Cameras().back();
            const Rect view = View(m);
            std::vector<Words> words;
            std::vector<int> buttons;
            std::optional<Rect> board;
            int board_object = -1;
            for (int i = 0; i < (int)f.objects.size(); ++i) {
                const ObjectRec& o = f.objects[i];
                if (!Shown(o)) continue;
                const painters::Picture_Facts* p = Facts(o);
                if (!p) continue;
                const Rect d = Drawn(i, m, cam);
                if (p->button) {
                    buttons.push_back(i);
                    continue;
                }
                if (!Whole_Picture(o)) continue;
                for (const auto& w : p->words) words.push_back(Words{i, Part(d, w.box), w.text});
                if (p->has_board && !board) {
                    board = Part(d, p->board);
                    board_object = i;
                }
            }
            const std::string at = " at " + Mode_Name(m);
            for (size_t a = 0; a < words.size(); ++a)
                for (size_t b = a + 1; b < words.size(); ++b)
                    if (words[a].object != words[b].object && Overlap(words[a].r, words[b].r))
                        Fault(words[b].object, "its words '" + words[b].text + "' overlap the words '" + words[a].text +
                                                   "' of object " + std::to_string(words[a].object) + at);
            for (int i : buttons) {
                const Rect d = Drawn(i, m, cam);
                for (const Words& w : words)
                    if (Overlap(d, w.r))
                        Fault(i, "the button " + Label(i) + " covers the words '" + w.text + "' of object " +
                                     std::to_string(w.object) + at);
                if (!Inside(d, view)) Fault(i, "the button " + Label(i) + " reaches out of the view" + at);
                else if (board && Straddles(d, *board))
                    Fault(i, "the button " + Label(i) + " crosses the edge of the board of object " +
                                 std::to_string(board_object) + at + " (" + Box_Text(d) + ")");
                const std::optional<Caption_Box> c = Caption_Of(i);
                if (!c || c->code < 0) continue;
                const Rect b = Box(i, m, cam);
                const Rect tip = Caption_Rect((b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2, *c,
                                              f.header.game_mode == gmode::cine ? 0.04f : 0.03f, Tooltip_Width());
                if (!Inside(tip, view))
                    Fault(i, "the tooltip of the button " + Label(i) + " reaches out of the view" + at + " (" +
                                 Box_Text(tip) + ")");
                else if (board && Inside(d, *board) && !Inside(tip, *board))
                    Fault(i, "the tooltip of the button " + Label(i) + " crosses the edge of the board of object " +
                                 std::to_string(board_object) + at);
                // While an offer's accept and decline are shown the skip button is not.
                auto offer = [&](int k) { return f.objects[k].type == FE_ACCEPT || f.objects[k].type == FE_DECLINE; };
                auto skip = [&](int k) { return f.objects[k].type == FE_SKIP; };
                for (int j : buttons)
                    if (j != i && !(offer(i) && skip(j)) && !(skip(i) && offer(j)) && Overlap(tip, Drawn(j, m, cam)))
                        Fault(i, "the tooltip of the button " + Label(i) + " hides the button " + Label(j) +
                                     " (object " + std::to_string(j) + ")" + at);
            }
        }
    }

    std::optional<Caption_Box> Caption_Of(int i) const {
        for (const Script_Caption& c : SCRIPT_CAPTIONS)
            if (c.episode == e && c.scene == s && c.object == i) return c.box;
        const int type = f.objects[i].type;
        if (f.header.game_mode != gmode::front || type == 0) return Caption_Box{1, false};
        return Front_Caption(type);
    }

    static float Tooltip_Width() {
        static const float w = writers::Hud_Layout()[6].width;
        return w;
    }

    // The shooting gallery's frame along the foot (object 0) and what it holds: the rounds
    // left (17, 18), the face's frame and the face (19, 20) and the life bar (21).
    void Gallery_Frame() {
        if (f.objects.size() < 22) return;
        const ObjectRec& frame = f.objects[0];
        if (frame.id < 0 || frame.id >= (int)f.textures.size() || f.textures[frame.id].name != "Data/front/gallery_panel")
            return;
        for (const Screen_Mode& m : Screen_Modes()) {
            const Rect view = View(m), d = Drawn(0, m, 0);
            // The frame as seen: its inside, or the screen's edge where the view cuts it.
            const float in = 0.02f;
            const Rect seen{std::max(d.x0, view.x0) + in, std::max(d.y0, view.y0), std::min(d.x1, view.x1) - in,
                            std::min(d.y1, view.y1)};
            for (int i = 17; i <= 21; ++i)
                if (Shown(f.objects[i]) && !Inside(Drawn(i, m, 0), seen))
                    Fault(i, "the HUD item lies outside its frame (object 0) at " + Mode_Name(m) + " (" +
                                 Box_Text(Drawn(i, m, 0)) + " in " + Box_Text(seen) + ")");
        }
    }

    // No arrival point of a walk scene lies under a prop: a fixed object the player would
    // stand in, or one drawn among or over the figures.
    void Arrivals() {
        if (!f.has_map) return;
        const float sx = f.map.width * 0.05f, sy = f.map.height * 0.05f;
        auto cell = [](float v, float start) { return (int)((v + start) * 10); };
        for (int p = 0; p < (int)f.points.size(); ++p) {
            const writers::Point& pt = f.points[p];
            if (pt.c1 != CAM_P1) continue;
            const int pc = cell(pt.x, sx), pr = cell(pt.y, sy);
            for (int i = 0; i < (int)f.objects.size(); ++i) {
                const ObjectRec& o = f.objects[i];
                if (o.alpha == 0.0f || (o.type != OBJ && o.type != DOR)) continue;
                const bool fixed = o.grab_switch != 0 && o.sector_action != 10;
                if (!fixed && o.priority > 3) continue;
                if (pc >= cell(o.w, sx) && pc <= cell(o.w + o.box_width, sx) && pr >= cell(o.z, sy) &&
                    pr <= cell(o.z + o.box_height, sy))
                    Fault(i, "the arrival point " + std::to_string(p) + " (" + Num(pt.x) + ", " + Num(pt.y) +
                                 ") lies under this prop");
            }
        }
    }
};

// The walk HUD's items and the frames they are drawn in, by their indices in the HUD layout
// (the roles the game's code gives them): the radar box, the face, the life bar and the
// rounds on the main bar, the weapon frame on it with the weapon's icon in it. The
// experience bar and the ammunition count's anchor belong to the right-hand group, which the
// scene loader moves the other way: they have no frame and must lie in the view (frame -1),
// and so must the quit button, which moves with the inventory's row.
struct Hud_Frame {
    int item, frame;
};
constexpr Hud_Frame HUD_FRAMES[] = {{3, 0}, {4, 0},   {5, 0},   {7, 0},   {8, 0},   {9, 0},
                                    {10, 0}, {33, 0}, {36, 33}, {30, -1}, {38, -1}, {46, -1}};
// The quit button and the inventory's sixteen slots: a click on a slot that the button's box
// reached would leave the game instead of using the item.
constexpr int HUD_QUIT_BUTTON = 46, HUD_FIRST_SLOT = 11, HUD_SLOTS = 16;

// How the scene loader moves the walk HUD's items for each screen mode.
void Shift_Hud(std::vector<ObjectRec>& h, int mode) {
    auto move = [&](std::initializer_list<int> items, float dx, float dy) {
        for (int i : items) {
            h[i].x += dx;
            h[i].y += dy;
        }
    };
    if (mode == 2) {
        move({4, 36, 5, 30, 38}, 0.0f, 0.035f);
    } else if (mode == 0) {
        const float D = 0.2f;
        move({29, 0, 3}, D, -0.02f);
        move({33}, D, 0.0f);
        move({4, 36, 5}, D, 0.05f);
        move({38, 30}, -D, 0.05f);
        move({50, 49, 46}, -D, -0.02f);
        for (int i = 11; i <= 26; ++i) move({i}, -D, -0.02f);
    }
}

// Each fault once (a fault of every screen mode is told for the first).
std::vector<Layout_Fault> Unique(const std::vector<Layout_Fault>& in) {
    std::vector<Layout_Fault> out;
    for (const Layout_Fault& f : in) {
        bool seen = false;
        for (const Layout_Fault& g : out) seen = seen || (g.object == f.object && g.what == f.what);
        if (!seen) out.push_back(f);
    }
    return out;
}

} // namespace

std::vector<Layout_Fault> Hud_Layout_Faults(const std::vector<writers::ObjectRec>& layout) {
    std::vector<Layout_Fault> out;
    for (const Screen_Mode& m : Screen_Modes()) {
        std::vector<ObjectRec> h = layout;
        Shift_Hud(h, m.mode);
        auto rect = [&](int i) { return Rect{h[i].x, h[i].y, h[i].x + h[i].width, h[i].y + h[i].height}; };
        const Rect view = Scene_View::View(m);
        for (const Hud_Frame& hf : HUD_FRAMES) {
            if (hf.item >= (int)h.size() || hf.frame >= (int)h.size()) continue;
            if (hf.frame < 0) {
                if (!Inside(rect(hf.item), view))
                    out.push_back(Layout_Fault{0, 3, hf.item,
                                               "the HUD item reaches out of the view at " + Mode_Name(m) + " (" +
                                                   Box_Text(rect(hf.item)) + ")"});
                continue;
            }
            const Rect item = rect(hf.item), frame = rect(hf.frame);
            if (!Inside(item, frame))
                out.push_back(Layout_Fault{0, 3, hf.item,
                                           "the HUD item lies outside its frame (item " + std::to_string(hf.frame) +
                                               ") at " + Mode_Name(m) + " (" + Box_Text(item) + " in " +
                                               Box_Text(frame) + ")"});
            else if (!Inside(frame, view))
                out.push_back(Layout_Fault{0, 3, hf.frame,
                                           "the HUD frame reaches out of the view at " + Mode_Name(m) + " (" +
                                               Box_Text(frame) + ")"});
        }
        if (HUD_FIRST_SLOT + HUD_SLOTS > (int)h.size() || HUD_QUIT_BUTTON >= (int)h.size()) continue;
        const Rect quit = rect(HUD_QUIT_BUTTON);
        for (int i = HUD_FIRST_SLOT; i < HUD_FIRST_SLOT + HUD_SLOTS; ++i) {
            const Rect slot = rect(i);
            if (quit.x0 < slot.x1 && slot.x0 < quit.x1 && quit.y0 < slot.y1 && slot.y0 < quit.y1)
                out.push_back(Layout_Fault{0, 3, HUD_QUIT_BUTTON,
                                           "the quit button lies over inventory slot " + std::to_string(i - HUD_FIRST_SLOT) +
                                               " at " + Mode_Name(m) + " (" + Box_Text(quit) + " over " +
                                               Box_Text(slot) + ")"});
        }
    }
    return Unique(out);
}

const std::vector<Screen_Mode>& Screen_Modes() {
    static const std::vector<Screen_Mode> modes = {
        {1024, 768, 1.0f, 0.75f, 0}, {1280, 768, 1.2f, 0.6f, 1}, {1280, 800, 1.2f, 0.625f, 2}};
    return modes;
}

std::string Layout_Fault::Text() const {
    std::string t = "scene " + std::to_string(episode) + "/" + std::to_string(scene);
    if (object >= 0) t += ", object " + std::to_string(object);
    return t + ": " + what;
}

std::vector<Layout_Fault> Layout_Faults(int episode, int scene, const SceneFiles& s, const Facts_Lookup& facts) {
    std::vector<Layout_Fault> out;
    Scene_View v{episode, scene, s, facts, out};
    const int mode = s.header.game_mode;
    if (mode == gmode::front || mode == gmode::cine) {
        v.Coverage();
        v.Wide_Shifted_Pictures();
        v.Words_And_Buttons();
        v.Gallery_Frame();
    }
    if (mode == gmode::walk) v.Arrivals();
    return Unique(out);
}

const std::vector<Pending_Layout>& Pending_Layout_Faults() {
    // Faults waiting for work under way: none now.
    static const std::vector<Pending_Layout> pending = {};
    return pending;
}

bool Is_Pending(const Layout_Fault& f, const std::vector<Pending_Layout>& pending) {
    for (const Pending_Layout& p : pending)
        if (p.episode == f.episode && p.scene == f.scene && f.what.find(p.topic) != std::string::npos) return true;
    return false;
}

bool Check_Layout(int episode, int scene, const SceneFiles& s, const Facts_Lookup& facts,
                  const std::vector<Pending_Layout>& pending, std::vector<bool>& met, std::string& error) {
    met.resize(pending.size(), false);
    error.clear();
    for (const Layout_Fault& f : Layout_Faults(episode, scene, s, facts)) {
        bool waiting = false;
        for (size_t k = 0; k < pending.size(); ++k)
            if (pending[k].episode == f.episode && pending[k].scene == f.scene &&
                f.what.find(pending[k].topic) != std::string::npos) {
                met[k] = true;
                waiting = true;
            }
        if (!waiting) error += (error.empty() ? "" : "\n") + f.Text();
    }
    return error.empty();
}

} // namespace compiler
