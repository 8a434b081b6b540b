#include "content/generator/front_scenes.h"

#include <cmath>
#include <vector>

#include "content/writers/art.h"
#include "content/writers/scene_kit.h"
#include "content/writers/scene_writers.h"

using namespace writers;

namespace {

const Rgba kInk{24, 24, 20, 255}, kGold{228, 184, 72, 255}, kPaper{226, 214, 182, 255},
    kRed{170, 40, 32, 255}, kOlive{96, 110, 60, 255}, kOliveDark{52, 62, 34, 255},
    kSky{70, 84, 110, 255}, kLeaf{150, 120, 40, 255};

// Front-end element kinds of the object files (object type in a front page).
constexpr int FE_NONE = 0, FE_QUIT = 4, FE_DUCK_KIND = 27, FE_HOLE_KIND = 28, FE_LOGO_KIND = 29;

ObjectRec Deco(float x, float y, float w, float h, int slot, int priority, float alpha = 1.0f) {
    ObjectRec r;
    r.x = r.w = x;
    r.y = r.z = y;
    r.width = r.box_width = w;
    r.height = r.box_height = h;
    r.id = slot;
    r.anim = 0;
    r.anim_state = 3; // held until a script starts an animation
    r.priority = priority;
    r.type = FE_NONE;
    r.alpha = alpha;
    r.light = 1.0f;
    return r;
}

std::vector<std::vector<int>> Anims(std::initializer_list<std::vector<int>> a) { return a; }

// ---- Pictures ----

bool Title_Art(const std::string& root) {
    bool ok = Make_Dirs(root + "/Data/front");
    // The title picture: the name, then lit.
    ok = Write_Sheet(root, "Data/front/title", SheetLayout{512, 128, 1, 2}, true,
                     [](Canvas& c, int f, int x, int y, int, int) {
                         const int tw = Canvas::TextWidth("VARNOTH", 88, true);
                         c.Text("VARNOTH", x + (512 - tw) / 2 + 4, y + 104, 88, kInk, true);
                         c.Text("VARNOTH", x + (512 - tw) / 2, y + 100, 88, f ? Shade(kGold, 1.25f) : kGold, true);
                     },
                     Anims({{0}, {1, 0, 1}}), 1.2f, 0.3f, 120) && ok;
    // The stamp: a round seal, then pressed with its ring.
    ok = Write_Sheet(root, "Data/front/stamp", SheetLayout{128, 128, 2, 1}, true,
                     [](Canvas& c, int f, int x, int y, int w, int h) {
                         const float cx = x + w / 2.0f, cy = y + h / 2.0f;
                         c.HardDisc(cx, cy, 54.0f, kRed);
                         c.HardDisc(cx, cy, 44.0f, Shade(kRed, 1.3f));
                         c.HardDisc(cx, cy, 20.0f, kRed);
                         if (f) c.HardDisc(cx, cy, 8.0f, kPaper);
                     },
                     Anims({{0}, {1, 0}}), 0.3f, 0.3f, 150) && ok;
    // The marks that come in turn under the name.
    ok = Write_Sheet(root, "Data/front/mark", SheetLayout{64, 64, 2, 1}, true,
                     [](Canvas& c, int f, int x, int y, int w, int h) {
                         const float cx = x + w / 2.0f, cy = y + h / 2.0f, r = f ? 26.0f : 22.0f;
                         std::vector<std::pair<float, float>> star;
                         for (int k = 0; k < 10; ++k) {
                             const float a = -1.5708f + k * 0.6283f, rr = (k % 2) ? r * 0.45f : r;
                             star.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
                         }
                         c.Polygon(star, kGold);
                     },
                     Anims({{0, 1, 0}}), 0.12f, 0.12f, 120) && ok;
    // The bar that slides under the name.
    Canvas bar(256, 16, kClear);
    bar.Fill(0, 4, 256, 8, kGold);
    ok = Save_Canvas(root + "/Data/front/bar.tga", bar, true) && ok;
    return ok;
}

bool Menu_Art(const std::string& root) {
    bool ok = true;
    // A soldier figure: standing, waving, saluting and at rest (eight frames).
    ok = Write_Sheet(root, "Data/front/figure", SheetLayout{64, 64, 4, 2}, true,
                     [](Canvas& c, int f, int x, int y, int w, int h) {
                         const float cx = x + w / 2.0f;
                         c.Line(cx - 6, y + h * 0.62f, cx - 6, y + h - 4.0f, 6.0f, kOliveDark);
                         c.Line(cx + 6, y + h * 0.62f, cx + 6, y + h - 4.0f, 6.0f, kOliveDark);
                         c.RoundRect((int)(cx - 12), (int)(y + h * 0.3f), 24, (int)(h * 0.36f), 5.0f, kOlive);
                         c.Disc(cx, y + h * 0.2f, 9.0f, Rgba{222, 180, 140, 255});
                         c.Disc(cx, y + h * 0.14f, 9.5f, kOliveDark);
                         const float arm = (f % 4) * 0.2f;
                         c.Line(cx + 12, y + h * 0.36f, cx + 24, y + h * (0.5f - arm), 4.0f, kOlive);
                     },
                     Anims({{0}, {0, 1}, {1, 2}, {2, 3, 2, 1}, {4, 5, 6, 7}}), 0.25f, 0.25f, 160) && ok;
    // The logo and its glow.
    ok = Write_Sheet(root, "Data/front/logo", SheetLayout{256, 64, 1, 4}, true,
                     [](Canvas& c, int f, int x, int y, int, int) {
                         const int tw = Canvas::TextWidth("VARNOTH", 44, true);
                         c.Text("VARNOTH", x + (256 - tw) / 2 + 2, y + 50, 44, kInk, true);
                         c.Text("VARNOTH", x + (256 - tw) / 2, y + 48, 44, Shade(kGold, 0.85f + 0.15f * f), true);
                     },
                     Anims({{0}, {1}, {1, 2, 3, 2, 1, 0}}), 0.8f, 0.2f, 90) && ok;
    // A bullet hole: nothing, then the hole.
    ok = Write_Sheet(root, "Data/front/hole", SheetLayout{32, 32, 2, 1}, true,
                     [](Canvas& c, int f, int x, int y, int w, int h) {
                         if (!f) return;
                         c.HardDisc(x + w / 2.0f, y + h / 2.0f, 9.0f, kShadowDark);
                         c.HardDisc(x + w / 2.0f, y + h / 2.0f, 5.0f, kInk);
                     },
                     Anims({{0}, {1}}), 0.06f, 0.06f) && ok;
    // A branch (frames 0 and 1 sway) and its falling leaf (frames 2 to 4 turn).
    ok = Write_Sheet(root, "Data/front/leaf", SheetLayout{64, 64, 4, 2}, true,
                     [](Canvas& c, int f, int x, int y, int w, int h) {
                         if (f < 2) {
                             c.Line(x, y + h * 0.4f, x + w, y + h * (0.4f + 0.1f * f), 6.0f, kOliveDark);
                             c.HardDisc(x + w * 0.7f, y + h * (0.55f + 0.05f * f), 8.0f, kOlive);
                             return;
                         }
                         const float squeeze = 0.4f + 0.3f * (f - 2);
                         std::vector<std::pair<float, float>> leaf = {
                             {x + w / 2.0f, y + 8.0f}, {x + w / 2.0f + 16 * squeeze, y + h / 2.0f},
                             {x + w / 2.0f, y + h - 8.0f}, {x + w / 2.0f - 16 * squeeze, y + h / 2.0f}};
                         c.Polygon(leaf, kLeaf);
                     },
                     Anims({{2}, {3}, {4}, {5}}), 0.12f, 0.12f) && ok;
    // Bands and an emblem that frame the menu.
    Canvas band(512, 32, kClear);
    band.Fill(0, 6, 512, 20, Shade(kOliveDark, 0.8f));
    band.Fill(0, 12, 512, 2, kGold);
    ok = Save_Canvas(root + "/Data/front/band.tga", band, true) && ok;
    Canvas emblem(64, 64, kClear);
    emblem.HardDisc(32, 32, 28, kGold);
    emblem.HardDisc(32, 32, 22, kOliveDark);
    emblem.HardDisc(32, 32, 8, kGold);
    ok = Save_Canvas(root + "/Data/front/emblem.tga", emblem, true) && ok;
    // The quit button: plain, then lit under the mouse.
    ok = Write_Sheet(root, "Data/front/quit", SheetLayout{256, 64, 1, 2}, true,
                     [](Canvas& c, int f, int x, int y, int w, int h) {
                         c.RoundRect(x + 4, y + 6, w - 8, h - 12, 10.0f, f ? Shade(kOlive, 1.3f) : kOlive);
                         const int tw = Canvas::TextWidth("QUIT", 30, true);
                         c.Text("QUIT", x + (w - tw) / 2, y + 43, 30, kPaper, true);
                     },
                     Anims({{0}, {1}}), 0.4f, 0.1f) && ok;
    // The sky behind the menu.
    Canvas sky(256, 192, Rgba{0, 0, 0, 255});
    sky.VGradient(0, 0, 256, 192, kSky, Rgba{24, 28, 22, 255});
    ok = Save_Canvas(root + "/Data/front/sky.tga", sky, false) && ok;
    return ok;
}

// ---- Scenes ----

bool Write_Title(const std::string& root) {
    SceneFiles s;
    s.textures = Hud_Texture_Slots();
    const int title = (int)s.textures.size(), stamp = title + 1, mark = title + 2, bar = title + 3,
              backdrop = title + 4;
    s.textures.push_back({3, "Data/front/title"});
    s.textures.push_back({3, "Data/front/stamp"});
    s.textures.push_back({3, "Data/front/mark"});
    s.textures.push_back({1, "Data/front/bar"});
    s.textures.push_back({0, "Data/boot/backdrop"});
    s.header.game_mode = 2;
    s.objects.push_back(Deco(-0.6f, 0.05f, 1.2f, 0.3f, title, 4));          // 0 the name
    s.objects.push_back(Deco(0.45f, 0.05f, 0.3f, 0.3f, stamp, 2));          // 1 the stamp
    s.objects.push_back(Deco(-1.8f, -0.02f, 1.2f, 0.04f, bar, 3));          // 2 the bar
    for (int k = 0; k < 3; ++k)                                             // 3 to 5 the marks
        s.objects.push_back(Deco(-0.26f + k * 0.2f, -0.25f, 0.12f, 0.12f, mark, 3));
    s.objects.push_back(Deco(0.0f, -0.5f, 0.12f, 0.12f, mark, 3, 0.0f));   // 6 hidden
    s.objects.push_back(Deco(-1.0f, -0.75f, 2.0f, 1.5f, backdrop, 6));     // 7 backdrop
    s.dialogue.lines = {{0, "_", "_"}};
    return Write_Scene(root, 0, 0, s);
}

bool Write_Main_Menu(const std::string& root) {
    using namespace front_scene;
    SceneFiles s;
    s.textures = Hud_Texture_Slots();
    const int sky = (int)s.textures.size(), band = sky + 1, emblem = sky + 2, figure = sky + 3, logo = sky + 4,
              hole = sky + 5, leaf = sky + 6, quit = sky + 7;
    s.textures.push_back({0, "Data/front/sky"});
    s.textures.push_back({1, "Data/front/band"});
    s.textures.push_back({1, "Data/front/emblem"});
    s.textures.push_back({3, "Data/front/figure"});
    s.textures.push_back({3, "Data/front/logo"});
    s.textures.push_back({3, "Data/front/hole"});
    s.textures.push_back({3, "Data/front/leaf"});
    s.textures.push_back({3, "Data/front/quit"});
    s.header.game_mode = 4;
    std::vector<ObjectRec>& o = s.objects;
    o.resize(MENU_SPRITES);
    o[0] = Deco(-1.0f, 0.55f, 2.0f, 0.12f, band, 4);          // top band
    o[1] = Deco(-1.0f, -0.68f, 2.0f, 0.12f, band, 4);         // bottom band
    o[2] = Deco(-1.0f, -0.75f, 2.0f, 1.5f, sky, 6);           // backdrop
    o[3] = Deco(-0.85f, 0.3f, 0.16f, 0.16f, emblem, 3);       // emblems
    o[14] = Deco(0.69f, 0.3f, 0.16f, 0.16f, emblem, 3);
    o[4] = Deco(-0.7f, -0.5f, 0.25f, 0.25f, figure, 2);       // the clickable figure
    o[MENU_DUCK] = Deco(0.3f, -0.5f, 0.25f, 0.25f, figure, 2);
    o[MENU_DUCK].type = FE_DUCK_KIND;
    o[MENU_LOGO] = Deco(-0.4f, 0.3f, 0.8f, 0.2f, logo, 3);
    o[MENU_LOGO].type = FE_LOGO_KIND;
    for (int k = 0; k < MENU_HOLES; ++k) {
        ObjectRec& h = o[MENU_FIRST_HOLE + k];
        h = Deco(-0.5f + k * 0.35f, 0.1f - k * 0.08f, 0.06f, 0.06f, hole, 1);
        h.type = FE_HOLE_KIND;
    }
    o[MENU_QUIT] = Deco(-0.2f, -0.2f, 0.4f, 0.1f, quit, 1);
    o[MENU_QUIT].type = FE_QUIT;
    o[MENU_QUIT].anim_state = 2;
    for (int i : {11, 12, 13, 15, 16, 17})                    // small stars along the bands
        o[i] = Deco(-0.9f + (i % 6) * 0.3f, 0.47f, 0.06f, 0.06f, emblem, 3);
    o[18] = Deco(-0.4f, 0.3f, 0.8f, 0.2f, logo, 4);           // the logo's glow
    o[19] = Deco(0.4f, 0.55f, 0.4f, 0.2f, leaf, 3);           // the branch
    o[20] = Deco(0.55f, 0.6f, 0.12f, 0.12f, leaf, 2);         // the falling leaf
    o[21] = Deco(0.0f, 0.0f, 0.1f, 0.1f, emblem, 3, 0.0f);    // hidden
    s.dialogue.lines = {{0, "_", "_"}};
    return Write_Scene(root, 0, 1, s);
}

} // namespace

bool Write_Front_Scenes(const std::string& root) {
    bool ok = Title_Art(root);
    ok = Menu_Art(root) && ok;
    ok = Write_Title(root) && ok;
    ok = Write_Main_Menu(root) && ok;
    return ok;
}
