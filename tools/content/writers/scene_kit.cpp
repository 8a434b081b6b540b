#include "content/writers/scene_kit.h"

#include <cmath>
#include <cstdio>

#include "content/writers/art.h"
#include "content/painters/pages.h"
#include "content/painters/registry.h"
#include "content/painters/walk_art.h"
#include "content/writers/font_sheet.h"

namespace writers {

namespace {

std::string ScenePath(const std::string& root, int e, int s) {
    return root + "/scene/episode" + std::to_string(e) + "/scene" + std::to_string(s);
}

std::vector<std::vector<int>> OneFrameEach(int n, int frames) {
    std::vector<std::vector<int>> a;
    for (int k = 0; k < n; ++k) a.push_back({k % frames});
    return a;
}

const Rgba kOlive{96, 110, 60, 255}, kOliveDark{52, 62, 34, 255}, kSand{200, 184, 140, 255},
    kInk{24, 26, 22, 255}, kWhite{240, 240, 232, 255}, kGold{226, 182, 52, 255}, kRed{200, 44, 36, 255},
    kGreen{70, 176, 64, 255}, kBlue{64, 120, 214, 255}, kGrey{130, 134, 128, 255};

// ---- HUD pictures ----

// The pointer, one look per animation the game sets (cells of 64 pixels; the game centres
// a look on the mouse, except the pointer shapes 0, 1, 6 and 7, whose point it puts a third
// of the cell in from the upper left):
// 0 the arrow (pages, HUD panels); 1 walk there (the button held on open ground, the radar,
// a ladder): boot prints over rungs; 2 act on what lies under it (talk to a person, use a
// door, the body of an enemy, a gallery target): a hand in gold corner brackets; 3 the hand
// pressed; 4 use a switch or a lever: the hand on a lever; 5 the same in blue; 6 pick up a
// ground item: a grabbing hand over a down arrow; 7 aim or move on open ground: an open
// sight; 8 reloading: a clip in a turning arrow; 9 a head shot: the red sight with its dot.
void DrawCursor(Canvas& c, int f, int x, int y, int w, int) {
    const float s = w / 64.0f;
    auto X = [&](float px) { return x + px * s; };
    auto Y = [&](float py) { return y + py * s; };
    auto P = [&](float px, float py) { return std::pair<float, float>{X(px), Y(py)}; };
    auto line = [&](float x0, float y0, float x1, float y1, float t, Rgba col) {
        c.Line(X(x0), Y(y0), X(x1), Y(y1), t * s, col);
    };
    auto inked_line = [&](float x0, float y0, float x1, float y1, float t, Rgba col) {
        line(x0, y0, x1, y1, t + 2.5f, kInk);
        line(x0, y0, x1, y1, t, col);
    };
    // A gloved hand pointing up with its fingertip at (px, py).
    auto hand = [&](float px, float py, Rgba glove) {
        c.RoundRect((int)X(px - 8), (int)Y(py + 15), (int)(22 * s), (int)(20 * s), 6 * s, kInk);
        c.RoundRect((int)X(px - 6), (int)Y(py + 17), (int)(18 * s), (int)(16 * s), 5 * s, glove);
        c.RoundRect((int)X(px - 4), (int)Y(py), (int)(9 * s), (int)(22 * s), 4 * s, kInk);
        c.RoundRect((int)X(px - 2), (int)Y(py + 2), (int)(5 * s), (int)(19 * s), 2.5f * s, glove);
        line(px + 6, py + 21, px + 6, py + 27, 1.5f, Shade(glove, 0.6f));
        line(px + 10, py + 21, px + 10, py + 27, 1.5f, Shade(glove, 0.6f));
    };
    // A sight centred on (cx, cy): a ring and four ticks; `dot` marks its middle.
    auto sight = [&](float cx, float cy, float r, Rgba col, bool dot) {
        c.Ring(X(cx), Y(cy), r * s, 7.0f * s, kInk);
        c.Ring(X(cx), Y(cy), r * s, 3.5f * s, col);
        for (int k = 0; k < 4; ++k) {
            const float dx = k == 0 ? 1.0f : k == 1 ? -1.0f : 0.0f, dy = k == 2 ? 1.0f : k == 3 ? -1.0f : 0.0f;
            inked_line(cx + dx * (r - 6), cy + dy * (r - 6), cx + dx * (r + 8), cy + dy * (r + 8), 3.5f, col);
        }
        if (dot) {
            c.Disc(X(cx), Y(cy), 4.5f * s, kInk);
            c.Disc(X(cx), Y(cy), 3.0f * s, col);
        }
    };
    switch (f) {
    case 1: // walk there: a ladder's rungs behind two boot prints stepping on toward the point
        for (int k = 0; k < 3; ++k) inked_line(36, 30 + k * 12.0f, 58, 30 + k * 12.0f, 3.0f, kSand);
        inked_line(36, 24, 36, 62, 3.0f, kSand);
        inked_line(58, 24, 58, 62, 3.0f, kSand);
        for (int k = 0; k < 2; ++k) {
            const float bx = k ? 36 : 20, by = k ? 30 : 26;
            c.RoundRect((int)X(bx - 2), (int)Y(by - 2), (int)(16 * s), (int)(18 * s), 7 * s, kInk);
            c.RoundRect((int)X(bx), (int)Y(by), (int)(12 * s), (int)(14 * s), 6 * s, kGold);
            c.RoundRect((int)X(bx - 1), (int)Y(by + 17), (int)(14 * s), (int)(11 * s), 4 * s, kInk);
            c.RoundRect((int)X(bx + 1), (int)Y(by + 19), (int)(10 * s), (int)(7 * s), 3 * s, kGold);
            for (int t = 0; t < 3; ++t) line(bx + 2, by + 4 + t * 3.5f, bx + 10, by + 4 + t * 3.5f, 1.2f, Shade(kGold, 0.6f));
        }
        c.Disc(X(21.3f), Y(21.3f), 4.0f * s, kInk);
        c.Disc(X(21.3f), Y(21.3f), 2.5f * s, kWhite);
        return;
    case 2:
    case 3: { // act on it: corner brackets round a pointing hand
        const Rgba glove = f == 3 ? kGold : kSand;
        for (int k = 0; k < 4; ++k) {
            const float cx = k % 2 ? 56 : 8, cy = k / 2 ? 56 : 8, sx = k % 2 ? -1.0f : 1.0f, sy = k / 2 ? -1.0f : 1.0f;
            inked_line(cx, cy, cx + sx * 12, cy, 3.0f, kGold);
            inked_line(cx, cy, cx, cy + sy * 12, 3.0f, kGold);
        }
        hand(30, 14, glove);
        return;
    }
    case 4:
    case 5: { // use: the hand on a lever
        const Rgba knob = f == 5 ? kBlue : kRed;
        inked_line(22, 52, 44, 12, 4.0f, kGrey);
        c.Disc(X(44), Y(12), 8.5f * s, kInk);
        c.Disc(X(44), Y(12), 6.0f * s, knob);
        c.RoundRect((int)X(12), (int)Y(48), (int)(22 * s), (int)(10 * s), 3 * s, kInk);
        c.RoundRect((int)X(14), (int)Y(50), (int)(18 * s), (int)(6 * s), 2 * s, kGrey);
        hand(30, 24, kSand);
        return;
    }
    case 6: // pick up: a hand reaching down, the arrow under it at the point
        c.Polygon({P(12, 8), P(30, 8), P(21, 22)}, kInk);
        c.Polygon({P(15, 10), P(27, 10), P(21, 19)}, kGold);
        c.RoundRect((int)X(22), (int)Y(26), (int)(26 * s), (int)(24 * s), 7 * s, kInk);
        c.RoundRect((int)X(24), (int)Y(28), (int)(22 * s), (int)(20 * s), 6 * s, kSand);
        for (int k = 0; k < 4; ++k) {
            c.RoundRect((int)X(22 + k * 6.5f), (int)Y(42), (int)(7 * s), (int)(18 * s), 3 * s, kInk);
            c.RoundRect((int)X(23.5f + k * 6.5f), (int)Y(43), (int)(4 * s), (int)(15 * s), 2 * s, kSand);
        }
        return;
    case 7: // aim or move: the open sight, its middle at the point
        sight(21.3f, 21.3f, 12, kWhite, false);
        c.Disc(X(21.3f), Y(21.3f), 2.5f * s, kInk);
        c.Disc(X(21.3f), Y(21.3f), 1.4f * s, kWhite);
        return;
    case 8: { // reloading: a clip in a turning arrow
        for (int k = 0; k < 26; ++k) { // the arrow's arc, three quarters round
            const float a = 0.5f + k * 0.19f;
            c.Disc(X(32 + std::cos(a) * 22), Y(32 + std::sin(a) * 22), 4.5f * s, kInk);
        }
        for (int k = 0; k < 26; ++k) {
            const float a = 0.5f + k * 0.19f;
            c.Disc(X(32 + std::cos(a) * 22), Y(32 + std::sin(a) * 22), 2.6f * s, kGold);
        }
        const float a = 0.5f + 25 * 0.19f, hx = 32 + std::cos(a) * 22, hy = 32 + std::sin(a) * 22;
        c.Polygon({P(hx - 8, hy - 6), P(hx + 8, hy - 6), P(hx, hy + 6)}, kInk);
        c.Polygon({P(hx - 5, hy - 4), P(hx + 5, hy - 4), P(hx, hy + 3)}, kGold);
        c.RoundRect((int)X(25), (int)Y(20), (int)(14 * s), (int)(26 * s), 3 * s, kInk);
        c.RoundRect((int)X(27), (int)Y(22), (int)(10 * s), (int)(22 * s), 2 * s, kGrey);
        for (int k = 0; k < 3; ++k) c.Fill((int)X(28), (int)Y(24 + k * 6.5f), (int)(8 * s), (int)(3 * s), kGold);
        return;
    }
    case 9: // a head shot: the red sight with its dot, centred on the point
        sight(32, 32, 17, kRed, true);
        return;
    case 0: // the arrow, its tip at the point
        c.Polygon({P(19, 18), P(19, 56), P(29, 47), P(36, 62), P(44, 58), P(37, 44), P(50, 44)}, kInk);
        c.Polygon({P(22, 25), P(22, 49), P(29, 42), P(36, 56), P(40, 54), P(33, 41), P(43, 41)}, kWhite);
        return;
    default: return; // the sheet's spare cells
    }
}

void DrawPanel(Canvas& c, int f, int x, int y, int w, int h) {
    const Rgba tint = f == 9 ? Rgba{150, 60, 50, 255} : Mix(kOliveDark, kSand, (f % 4) * 0.12f);
    c.RoundRect(x + 1, y + 1, w - 2, h - 2, 8.0f, kInk);
    c.RoundRect(x + 3, y + 3, w - 6, h - 6, 6.0f, tint);
    c.Frame(x + 7, y + 7, w - 14, h - 14, 1, Shade(tint, 1.4f));
    if (f == 1 || f == 2) // speech bubble tail
        c.Polygon({{x + w * 0.4f, y + h - 4.0f}, {x + w * 0.55f, y + h - 4.0f}, {x + w * 0.42f, y + h - 0.5f}}, tint);
}

void DrawFace(Canvas& c, int f, int x, int y, int w, int, Rgba skin, Rgba helmet) {
    const int expr = f % 6, band = (f / 6) % 3;
    const float cx = x + w / 2.0f, cy = y + w * 0.55f, r = w * 0.34f;
    c.Disc(cx, cy, r + 1.5f, kInk);
    c.Disc(cx, cy, r, expr == 5 ? Shade(skin, 0.6f) : skin);
    // helmet
    for (int j = 0; j < (int)(r * 0.9f); ++j) {
        const float yy = cy - r * 0.15f - j;
        const float half = std::sqrt(std::max(0.0f, (r + 3) * (r + 3) - (cy - yy) * (cy - yy)));
        c.Fill((int)(cx - half), (int)yy, (int)(2 * half), 1, helmet);
    }
    c.Fill((int)(cx - r - 4), (int)(cy - r * 0.2f), (int)(2 * r + 8), 3, Shade(helmet, 0.7f));
    // eyes
    const float ey = cy + r * 0.1f, ex = r * 0.38f;
    if (expr == 5) {
        for (float s : {-1.0f, 1.0f}) {
            c.Line(cx + s * ex - 3, ey - 3, cx + s * ex + 3, ey + 3, 1.5f, kInk);
            c.Line(cx + s * ex - 3, ey + 3, cx + s * ex + 3, ey - 3, 1.5f, kInk);
        }
    } else {
        const float er = expr == 2 ? 1.5f : 2.5f;
        c.Disc(cx - ex, ey, er, kInk);
        c.Disc(cx + ex, ey, er, kInk);
        if (expr == 3) { // frown
            c.Line(cx - ex - 4, ey - 5, cx - ex + 3, ey - 3, 1.5f, kInk);
            c.Line(cx + ex + 4, ey - 5, cx + ex - 3, ey - 3, 1.5f, kInk);
        }
    }
    // mouth
    const float my = cy + r * 0.55f;
    if (expr == 1)
        for (int k = -6; k <= 6; ++k) c.Disc(cx + k, my + (36 - k * k) / 18.0f, 1.0f, kInk);
    else if (expr == 2 || expr == 3)
        c.Line(cx - 5, my + 2, cx + 5, my + 2, 2.0f, kInk);
    else if (expr == 4)
        c.Disc(cx, my + 1, 2.5f, kInk);
    else
        c.Line(cx - 5, my, cx + 5, my, 1.5f, kInk);
    // bruises and blood by health band
    if (band >= 1) c.Disc(cx + r * 0.5f, cy + r * 0.35f, 3.0f, Rgba{120, 70, 110, 255});
    if (band >= 2) c.Line(cx - r * 0.6f, cy - r * 0.1f, cx - r * 0.4f, cy + r * 0.5f, 2.5f, kRed);
}

void DrawRounds(Canvas& c, int f, int x, int y, int w, int h) {
    const int family = f / 4, rounds = 4 - f % 4;
    for (int k = 0; k < rounds; ++k) {
        const int bx = x + 3 + k * (w - 6) / 4, bw = (w - 6) / 4 - 3;
        switch (family) {
        case 3: // grenades: one per frame, centred
            if (k == 0) {
                c.Disc(x + w / 2.0f, y + h / 2.0f + 1, h * 0.38f, kOliveDark);
                c.Fill(x + w / 2 - 2, y + 1, 4, 3, kGrey);
            }
            break;
        case 2: // shells
            c.Fill(bx, y + 3, bw, h - 6, kRed);
            c.Fill(bx, y + h - 6, bw, 3, kGold);
            break;
        default: // cartridges
            c.RoundRect(bx, y + 2, bw, h - 4, 2.5f, family == 4 ? Shade(kGold, 0.8f) : kGold);
            c.Fill(bx, y + h / 2, bw, h / 2 - 2, Shade(kGold, 0.6f));
            break;
        }
    }
}

void DrawBar(Canvas& c, int f, int x, int y, int w, int h) {
    static const Rgba colours[16] = {kGreen, kRed,  kBlue, kGold,  kGrey, kSand, kOlive, kWhite,
                                     kGreen, kBlue, kGold, kRed,   kGrey, kBlue, kGreen, kRed};
    c.Fill(x, y, w, h, kInk);
    c.VGradient(x + 1, y + 1, w - 2, h - 2, Shade(colours[f], 1.3f), Shade(colours[f], 0.7f));
}

void DrawIcon(Canvas& c, int f, int x, int y, int w, int h) {
    if (f == 0) return; // an empty slot
    static const Rgba tints[8] = {kGold, kRed, kGreen, kBlue, kGrey, kSand, kWhite, kOlive};
    const Rgba t = tints[(f / 8) % 8];
    const float cx = x + w / 2.0f, cy = y + h / 2.0f, r = w * 0.36f;
    switch (f % 8) {
    case 0: c.Disc(cx, cy, r, t); c.Ring(cx, cy, r * 0.65f, 1.5f, kInk); break;
    case 1: c.RoundRect(x + 5, y + 9, w - 10, h - 18, 3.0f, t); c.Fill(x + 8, y + 12, w - 16, 2, kInk); break;
    case 2: c.Polygon({{cx, cy - r}, {cx + r, cy}, {cx, cy + r}, {cx - r, cy}}, t); break;
    case 3: c.Fill((int)(cx - 3), (int)(cy - r), 6, (int)(2 * r), t); c.Fill((int)(cx - r), (int)(cy - 3), (int)(2 * r), 6, t); break;
    case 4: c.Line(cx - r, cy + r, cx + r, cy - r, 4.0f, t); c.Disc(cx + r * 0.7f, cy - r * 0.7f, 3.0f, kInk); break;
    case 5: c.Disc(cx, cy + 2, r * 0.8f, t); c.Fill((int)(cx - 2), (int)(cy - r), 4, 6, kGrey); break;
    case 6: c.RoundRect(x + 8, y + 4, w - 16, h - 8, 3.0f, t); c.Frame(x + 8, y + 4, w - 16, h - 8, 1, kInk); break;
    default: c.Ring(cx, cy, r * 0.8f, 3.0f, t); break;
    }
}

void DrawMisc(Canvas& c, int f, int x, int y, int w, int h) {
    if (f == 0) { // rain: slanting cyan streaks, translucent once keyed
        for (int k = 0; k < 40; ++k) {
            const int sx = x + (k * 37) % w, sy = y + (k * 53) % h;
            for (int j = 0; j < 10; ++j) c.Put(sx + j / 4, sy + j, kShadow);
        }
        return;
    }
    // target arrow pointing right, brighter with the frame number
    const float cx = x + w / 2.0f, cy = y + h / 2.0f, r = w * 0.4f;
    const Rgba col = Mix(kGold, kRed, (f - 1) / 6.0f);
    c.Polygon({{cx - r, cy - r * 0.2f}, {cx + r * 0.2f, cy - r * 0.2f}, {cx + r * 0.2f, cy - r * 0.55f}, {cx + r, cy},
               {cx + r * 0.2f, cy + r * 0.55f}, {cx + r * 0.2f, cy + r * 0.2f}, {cx - r, cy + r * 0.2f}},
              col);
}

// The static HUD panels picture, 256 x 256, keyed.
//  (0,0,256,64) main bar backing; (0,64,128,64) square frame; (128,64,128,64) tooltip
//  backing; (0,128,256,64) shadow strip; (0,192,256,64) ammunition panel.
bool WritePanels(const std::string& root) {
    Canvas c(256, 256, kClear);
    // the main bar: a dark plate with a gold line inside its rim, lit along the top
    c.RoundRect(0, 0, 256, 64, 10.0f, kInk);
    c.RoundRect(3, 3, 250, 58, 8.0f, Rgba{44, 50, 34, 255});
    c.VGradient(8, 6, 240, 10, Shade(kOlive, 0.9f), Rgba{44, 50, 34, 255});
    c.Frame(7, 7, 242, 50, 1, kGold);
    // the square frame (the radar, the weapon): a sunken dark glass in a gold frame
    c.RoundRect(0, 64, 128, 64, 8.0f, kInk);
    c.RoundRect(4, 68, 120, 56, 6.0f, Rgba{30, 40, 30, 255});
    c.Frame(8, 72, 112, 48, 2, kGold);
    c.RoundRect(128, 64, 128, 64, 8.0f, kInk);
    c.RoundRect(131, 67, 122, 58, 6.0f, Rgba{40, 44, 36, 255});
    c.Fill(0, 128, 256, 64, kShadowDark);
    // the end plate: olive with a sand rim
    c.RoundRect(0, 192, 256, 64, 10.0f, kInk);
    c.RoundRect(3, 195, 250, 58, 8.0f, kOlive);
    c.Frame(8, 200, 240, 48, 1, kSand);
    return Save_Canvas(root + "/Data/hud/panels.tga", c, true);
}

bool WriteFaces(const std::string& root, const std::string& name, Rgba skin, Rgba helmet) {
    return Write_Sheet(root, name, SheetLayout{64, 64, 8, 4}, true,
                       [&](Canvas& c, int f, int x, int y, int w, int h) { DrawFace(c, f, x, y, w, h, skin, helmet); },
                       OneFrameEach(32, 32), 0.16f, 0.16f);
}

// ---- HUD layout ----

// A record drawn at (x, y) with its collision box over the same rectangle.
ObjectRec Placed(float x, float y, float w, float h, int slot, int anim, int anim_state, int priority) {
    ObjectRec r;
    r.x = x;
    r.y = y;
    r.width = w;
    r.height = h;
    r.w = x;
    r.z = y;
    r.box_width = w;
    r.box_height = h;
    r.id = slot;
    r.anim = anim;
    r.anim_state = anim_state;
    r.priority = priority;
    r.light = 1.0f;
    return r;
}

ObjectRec Item(float x, float y, float w, float h, int slot, int anim, float alpha, int priority) {
    ObjectRec r = Placed(x, y, w, h, slot, anim, 2, priority);
    r.alpha = alpha;
    return r;
}

ObjectRec Panel(float x, float y, float w, float h, int px, int py, int pw, int ph, float alpha, int priority) {
    ObjectRec r = Item(x, y, w, h, 8, 0, alpha, priority);
    r.anim_state = 3;
    Set_UV(r, px, py, pw, ph, 256, 256);
    return r;
}

} // namespace

void Set_UV(ObjectRec& r, int x, int y, int w, int h, int pic_w, int pic_h) {
    const float u0 = (float)x / pic_w, u1 = (float)(x + w) / pic_w;
    const float v0 = 1.0f - (float)(y + h) / pic_h, v1 = 1.0f - (float)y / pic_h;
    r.u[0] = u0; r.v[0] = v0;
    r.u[1] = u1; r.v[1] = v0;
    r.u[2] = u1; r.v[2] = v1;
    r.u[3] = u0; r.v[3] = v1;
}

std::vector<TextureSlot> Hud_Texture_Slots() {
    return {{0, "Data/hud/font"},  {3, "Data/hud/cursor"}, {0, "Data/hud/font2"}, {3, "Data/hud/message"},
            {3, "Data/hud/faces"}, {3, "Data/hud/rounds"}, {3, "Data/hud/bars"},  {3, "Data/hud/icons"},
            {1, "Data/hud/panels"}, {3, "Data/hud/misc"}};
}

bool Write_Hud_Textures(const std::string& root) {
    bool ok = Make_Dirs(root + "/Data/hud");
    ok = Write_Font_Sheet(root, "Data/hud/font") && ok;
    ok = Write_Font_Sheet(root, "Data/hud/font2", 16) && ok;
    ok = Write_Sheet(root, "Data/hud/cursor", SheetLayout{64, 64, 8, 2}, true, DrawCursor, OneFrameEach(10, 10), 0.06f,
                     0.06f) && ok;
    ok = Write_Sheet(root, "Data/hud/message", SheetLayout{128, 64, 4, 4}, true, DrawPanel, OneFrameEach(16, 16),
                     0.6f, 0.3f) && ok;
    ok = WriteFaces(root, "Data/hud/faces", Rgba{222, 180, 140, 255}, kOlive) && ok;
    ok = WriteFaces(root, "Data/hud/faces1", Rgba{190, 150, 120, 255}, Rgba{90, 90, 96, 255}) && ok;
    ok = WriteFaces(root, "Data/hud/faces2", Rgba{160, 112, 80, 255}, Rgba{110, 84, 50, 255}) && ok;
    ok = WriteFaces(root, "Data/hud/faces3", Rgba{236, 200, 170, 255}, Rgba{60, 80, 52, 255}) && ok;
    ok = Write_Sheet(root, "Data/hud/rounds", SheetLayout{64, 16, 4, 8}, true, DrawRounds, OneFrameEach(32, 32), 0.06f,
                     0.05f) && ok;
    ok = Write_Sheet(root, "Data/hud/bars", SheetLayout{128, 16, 2, 8}, true, DrawBar, OneFrameEach(16, 16), 0.3f,
                     0.03f) && ok;
    ok = Write_Sheet(root, "Data/hud/icons", SheetLayout{32, 32, 16, 8}, true, DrawIcon, OneFrameEach(150, 128), 0.08f,
                     0.08f) && ok;
    ok = WritePanels(root) && ok;
    ok = Write_Sheet(root, "Data/hud/misc", SheetLayout{128, 128, 4, 2}, true, DrawMisc, OneFrameEach(8, 8), 0.1f,
                     0.1f) && ok;
    return ok;
}

std::vector<ObjectRec> Hud_Layout() {
    std::vector<ObjectRec> h(HUD_ITEMS, Item(0, 0, 0.05f, 0.05f, 8, 0, 0.0f, 3));
    for (ObjectRec& r : h) Set_UV(r, 0, 128, 256, 64, 256, 256);
    // The walk HUD is laid out for the wide screens (the view 1.2 either side); on 1024 x 768
    // the scene loader moves the main bar's items (0, 3, 4, 5, 29, 33, 36) 0.2 right and the
    // right-hand ones (30, 38, 46, 49, 50, the inventory) 0.2 left, the frames a little down
    // and what they hold a little up (and on 1280 x 800 the face, the bars, the weapon icon
    // and the ammunition count up too): each item keeps inside its frame in every mode. The
    // rounds (7 to 10) and the grenade icon (37) stay where they are in every mode, on the
    // part of the main bar that both placings share.
    h[0] = Panel(-1.18f, -0.715f, 0.78f, 0.17f, 0, 0, 256, 64, 1.0f, 5);        // main bar backing
    h[1] = Item(0.0f, 0.0f, 0.06f, 0.06f, 1, 0, 1.0f, 0);                        // pointer
    h[2] = Item(-0.3f, 0.1f, 0.6f, 0.3f, 3, 0, 0.0f, 1);                         // message panel
    h[3] = Panel(-1.165f, -0.705f, 0.17f, 0.15f, 0, 64, 128, 64, 1.0f, 4);      // radar box
    h[4] = Item(-0.985f, -0.712f, 0.09f, 0.09f, 4, 1, 1.0f, 3);                  // face
    h[5] = Item(-0.88f, -0.665f, 0.26f, 0.03f, 6, 14, 1.0f, 3);                  // life bar
    // The tooltip backing: as wide as a caption of a dozen letters, so that a caption put
    // beside the pointer (left of it, or right of it) leaves the pointer and what it points
    // at in sight.
    h[6] = Panel(0.45f, -0.74f, 0.36f, 0.12f, 128, 64, 128, 64, 0.0f, 2);
    for (int k = 0; k < 4; ++k) h[7 + k] = Item(-0.88f + k * 0.065f, -0.712f, 0.06f, 0.05f, 5, 0, 1.0f, 3); // rounds
    for (int k = 0; k < 16; ++k) // inventory slots
        h[11 + k] = Item(0.28f + (k % 8) * 0.09f, 0.62f - (k / 8) * 0.09f, 0.08f, 0.08f, 7, 0, 0.0f, 3);
    h[27] = Item(0.0f, 0.0f, 0.08f, 0.08f, 7, 0, 0.0f, 0);  // held item
    h[28] = Item(0.08f, 0.0f, 0.08f, 0.08f, 7, 0, 0.0f, 0); // its right half
    h[29] = Panel(-0.45f, -0.70f, 0.04f, 0.14f, 0, 192, 256, 64, 1.0f, 5);     // the bar's end plate
    h[30] = Item(0.9f, -0.715f, 0.06f, 0.06f, 7, 6, 1.0f, 4);                  // ammunition count anchor
    h[33] = Panel(-0.60f, -0.70f, 0.14f, 0.13f, 0, 64, 128, 64, 1.0f, 4);      // weapon frame (stats)
    h[36] = Item(-0.585f, -0.695f, 0.07f, 0.07f, 7, 1, 1.0f, 3);               // weapon icon
    h[37] = Item(-0.51f, -0.69f, 0.05f, 0.05f, 7, 5, 1.0f, 3);                 // grenade icon
    h[38] = Item(0.85f, -0.70f, 0.3f, 0.015f, 6, 13, 1.0f, 3);                 // experience bar
    h[39] = Item(-1.0f, -0.75f, 2.0f, 1.5f, 9, 0, 0.0f, 5);                    // rain layer
    h[51] = Item(-1.0f, -0.75f, 2.0f, 1.5f, 9, 0, 0.0f, 5);                    // second rain layer
    // The box's two buttons (OK or yes, cancel or no), side by side along the panel's foot.
    h[40] = Item(-0.2f, 0.115f, 0.16f, 0.08f, 3, 4, 0.0f, 0);
    h[41] = Item(0.04f, 0.115f, 0.16f, 0.08f, 3, 5, 0.0f, 0);
    h[42] = Item(-0.2f, 0.1f, 0.4f, 0.03f, 6, 3, 0.0f, 1);                     // effects volume
    h[43] = Item(-0.2f, 0.0f, 0.4f, 0.03f, 6, 2, 0.0f, 1);                     // music volume
    h[45] = Item(-0.1f, 0.66f, 0.2f, 0.02f, 6, 14, 0.0f, 1);                   // enemy bar
    // The quit button, right of the inventory's row (clear of its slots) in every mode.
    h[46] = Panel(1.01f, 0.48f, 0.17f, 0.22f, 0, 64, 128, 64, 1.0f, 4);
    h[49] = Item(0.3f, -0.72f, 0.08f, 0.08f, 7, 3, 1.0f, 3);                   // medikit count
    h[50] = Item(0.4f, -0.72f, 0.08f, 0.08f, 7, 0, 1.0f, 3);                   // gold count
    h[52] = Item(0.5f, -0.72f, 0.08f, 0.08f, 7, 2, 1.0f, 3);                   // keys
    h[53] = Item(0.6f, -0.72f, 0.08f, 0.08f, 7, 4, 1.0f, 3);                   // map
    h[56] = Item(-0.05f, 0.3f, 0.1f, 0.1f, 9, 1, 0.0f, 0);                     // target arrow
    for (int k = 42; k <= 43; ++k) h[k].box_width = h[k].width;
    return h;
}

bool Write_Hud_Layout(const std::string& root) {
    const std::vector<ObjectRec> h = Hud_Layout();
    SceneHeader head;
    head.game_mode = 3;
    Make_Dirs(root + "/scene/episode0");
    return Write_Object_File(root + "/scene/episode0/scene3.dat", head, h);
}

// ---- Scenes ----

bool Write_Scene(const std::string& root, int episode, int scene, const SceneFiles& s) {
    const std::string base = ScenePath(root, episode, scene);
    bool ok = Make_Dirs(root + "/scene/episode" + std::to_string(episode));
    ok = Write_Texture_List(base + ".txd", s.textures) && ok;
    ok = Write_Points(base + ".pt", s.points) && ok;
    ok = Write_Points(base + ".nde", s.nodes) && ok;
    ok = Write_Dialogue(base + ".txt", s.dialogue) && ok;
    if (s.has_map) ok = Write_Tile_Map(base + ".bg", s.map) && ok;
    ok = Write_Object_File(base + ".dat", s.header, s.objects) && ok;
    return ok;
}

namespace {

// Loading indicator: 16 cells of 256 x 32 in two rows; cell k shows k of 8 segments lit
// (cells 9 to 15 repeat the full bar). Animation k runs from k to k + 1 segments.
void DrawLoading(Canvas& c, int f, int x, int y, int w, int h) {
    const int lit = std::min(f, 8);
    c.RoundRect(x + 2, y + 4, w - 4, h - 8, 6.0f, kInk);
    const int seg_w = (w - 20) / 8;
    for (int k = 0; k < 8; ++k) {
        const Rgba col = k < lit ? Mix(kOlive, kGold, k / 7.0f) : Rgba{52, 54, 48, 255};
        c.RoundRect(x + 10 + k * seg_w + 1, y + 9, seg_w - 3, h - 18, 2.0f, col);
    }
}

bool WriteBootArt(const std::string& root) {
    bool ok = Make_Dirs(root + "/Data/boot");
    std::vector<std::vector<int>> anims;
    for (int k = 0; k < 8; ++k) anims.push_back({k, k + 1});
    ok = Write_Sheet(root, "Data/boot/loading", SheetLayout{256, 32, 8, 2}, false, DrawLoading, anims, 1.0f, 0.125f,
                     120) && ok;
    // Backdrop: the night over the hills, as wide as the widest view, drawn plain.
    std::string why;
    ok = painters::Paint_Art(root, "Data/boot/backdrop", {{"painter", "backdrop"}, {"theme", "night"}}, why) && ok;
    // Title, keyed: "VARNOTH" over a soft shadow band.
    Canvas title(512, 128, kClear);
    const int tw = Canvas::TextWidth("VARNOTH", 88, true);
    title.Text("VARNOTH", (512 - tw) / 2 + 4, 104, 88, kInk, true);
    title.Text("VARNOTH", (512 - tw) / 2, 100, 88, kGold, true);
    ok = Save_Canvas(root + "/Data/boot/title.tga", title, true) && ok;
    return ok;
}

} // namespace

ObjectRec Sprite(float x, float y, float w, float h, int slot, int anim, int anim_state, int priority) {
    ObjectRec r = Placed(x, y, w, h, slot, anim, anim_state, priority);
    r.type = 3; // a prop
    r.linked_sprite = 0;
    r.alpha = 1.0f;
    return r;
}

bool Write_Boot_Scene(const std::string& root) {
    bool ok = WriteBootArt(root);
    SceneFiles s;
    s.textures = Hud_Texture_Slots();
    const int loading = (int)s.textures.size(), backdrop = loading + 1, title = loading + 2;
    s.textures.push_back({2, "Data/boot/loading"});
    s.textures.push_back({0, "Data/boot/backdrop"});
    s.textures.push_back({1, "Data/boot/title"});
    s.header.game_mode = 2; // a cut-scene page: the screen is cleared, the HUD hidden
    s.objects.push_back(Sprite(-1.2f, -0.75f, 2.4f, 1.5f, backdrop, 0, 3, 6)); // the widest view
    s.objects.push_back(Sprite(-0.6f, 0.05f, 1.2f, 0.3f, title, 0, 3, 5));
    s.objects.push_back(Sprite(-0.5f, -0.45f, 1.0f, 0.125f, loading, 0, 3, 1)); // sprite 2
    return Write_Scene(root, 10, 0, s) && ok;
}

bool Write_Core_Content(const std::string& root) {
    bool ok = Write_Hud_Textures(root);
    ok = Write_Hud_Layout(root) && ok;
    ok = Write_Boot_Scene(root) && ok;
    return ok;
}

} // namespace writers
