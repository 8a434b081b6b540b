// The generator's layout check: a table of small bad scenes, each with the one fault it
// must name (scene, object, reason and screen mode), a page that passes in all three screen
// modes, the walk HUD's layout, and the pending faults that do not stop the generator.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "common/codes.h"
#include "tools/content/compiler/layout.h"
#include "tools/content/writers/scene_kit.h"

namespace {

using painters::Frac_Rect;
using painters::Picture_Facts;
using writers::ObjectRec;
using writers::SceneFiles;

// The pictures of the fixture pages, as their painters would note them: a backdrop with a
// title at its top and a board inside a frame, a title plate, a button, a plain backdrop
// and the gallery's frame.
const std::map<std::string, Picture_Facts>& Pictures() {
    static const std::map<std::string, Picture_Facts> p = [] {
        std::map<std::string, Picture_Facts> m;
        Picture_Facts board;
        board.words.push_back({Frac_Rect{0.35, 0.05, 0.65, 0.2}, "Orders"});
        board.has_board = true;
        board.board = Frac_Rect{0.07, 0.06, 0.93, 0.94};
        m["Data/board"] = board;
        Picture_Facts plate;
        plate.words.push_back({Frac_Rect{0.1, 0.2, 0.9, 0.8}, "Act Four"});
        m["Data/plate"] = plate;
        Picture_Facts button;
        button.button = true;
        m["Data/button"] = button;
        m["Data/sky"] = Picture_Facts{};
        m["Data/front/gallery_panel"] = Picture_Facts{};
        return m;
    }();
    return p;
}

const painters::Picture_Facts* Lookup(const std::string& image) {
    auto it = Pictures().find(image);
    return it == Pictures().end() ? nullptr : &it->second;
}

ObjectRec Obj(int slot, float x, float y, float w, float h, int priority = 3) {
    ObjectRec o;
    o.id = slot;
    o.x = o.w = x;
    o.y = o.z = y;
    o.width = o.box_width = w;
    o.height = o.box_height = h;
    o.priority = priority;
    return o;
}

// A front page: the board backdrop (slot 0) over the widest view, a plate (slot 1) and the
// button picture (slot 2); the sky (slot 3) and the gallery's frame (slot 4) for the cases
// that use them.
SceneFiles Page() {
    SceneFiles s;
    s.header.game_mode = gmode::front;
    s.textures = {{0, "Data/board"}, {1, "Data/plate"}, {3, "Data/button"}, {0, "Data/sky"},
                  {1, "Data/front/gallery_panel"}};
    s.objects = {Obj(0, -1.2f, -0.75f, 2.4f, 1.5f, 6), Obj(1, -0.5f, -0.2f, 1.0f, 0.3f),
                 Obj(2, -0.25f, -0.5f, 0.5f, 0.12f, 1)};
    return s;
}

// The faults of a scene, one per line.
std::string Faults(int e, int s, const SceneFiles& f) {
    std::string t;
    for (const compiler::Layout_Fault& x : compiler::Layout_Faults(e, s, f, Lookup)) t += x.Text() + "\n";
    return t;
}

TEST(Layout_Check, AGoodPagePassesInEveryScreenMode) {
    EXPECT_EQ(Faults(1, 200, Page()), "");
    EXPECT_EQ(compiler::Screen_Modes().size(), 3u);
}

TEST(Layout_Check, NamesSceneObjectAndReason) {
    struct Case {
        const char* what;
        int episode, scene;
        std::function<void(SceneFiles&)> spoil;
        const char* fault; // a line of the faults must contain this
    };
    const Case cases[] = {
        {"a 4:3 backdrop leaves the wide screens' sides black", 1, 200,
         [](SceneFiles& s) {
             s.objects[0].x = -1.0f;
             s.objects[0].width = 2.0f;
         },
         "scene 1/200: at 1280x768 no backdrop covers the view at x -1.20 to"},
        {"a plate over the backdrop's title", 1, 200, [](SceneFiles& s) { s.objects[1].y = 0.45f; },
         "scene 1/200, object 1: its words 'Act Four' overlap the words 'Orders' of object 0 at 1024x768"},
        {"a button over a plate's words", 1, 200, [](SceneFiles& s) { s.objects[2].y = -0.1f; },
         "scene 1/200, object 2: the button Data/button covers the words 'Act Four' of object 1 at 1024x768"},
        {"a button hanging over the board's lower edge", 1, 200, [](SceneFiles& s) { s.objects[2].y = -0.72f; },
         "scene 1/200, object 2: the button Data/button crosses the edge of the board of object 0 at 1024x768"},
        {"a button beyond the 4:3 view", 1, 200, [](SceneFiles& s) { s.objects[2].x = 0.8f; },
         "scene 1/200, object 2: the button Data/button reaches out of the view at 1024x768"},
        {"a front button's caption, shown right of the pointer, beyond the view", 1, 200,
         [](SceneFiles& s) {
             s.objects[2].type = FE_START;
             s.objects[2].x = s.objects[2].w = 0.3f;
         },
         "scene 1/200, object 2: the tooltip of the button Data/button reaches out of the view at 1024x768"},
        {"a caption that hides the next button of a row", 1, 200,
         [](SceneFiles& s) {
             s.objects[2].type = FE_START;
             s.objects[2].x = s.objects[2].w = -0.7f;
             s.objects.push_back(s.objects[2]);
             s.objects[3].x = s.objects[3].w = -0.1f;
         },
         "scene 1/200, object 2: the tooltip of the button Data/button hides the button Data/button (object 3) at "
         "1024x768"},
        {"a skip button the wide screens move over the board's edge", 1, 102,
         [](SceneFiles& s) {
             s.objects[1].alpha = 0.0f;
             s.objects[2].x = s.objects[2].w = 0.55f;
             s.objects[2].width = s.objects[2].box_width = 0.4f;
             s.objects[2].y = s.objects[2].z = 0.0f;
         },
         "scene 1/102, object 2: the button Data/button crosses the edge of the board of object 0 at 1280x768"},
        {"a picture across the view on the object the wide screens move", 1, 143,
         [](SceneFiles& s) {
             s.objects[1] = Obj(3, -1.2f, -0.75f, 2.4f, 1.5f, 5); // the land; 1/143's object 2 moves
             s.objects[2] = s.objects[1];
             s.objects[1].alpha = 0.0f;
         },
         "scene 1/143, object 2: the wide screens move this object 0.2 to the right, and it is a picture across "
         "the whole view"},
        {"a panorama too short for its pan", 0, 11,
         [](SceneFiles& s) {
             s.objects[0].alpha = s.objects[1].alpha = 0.0f;
             s.objects[2] = Obj(3, -1.2f, -0.75f, 8.0f, 1.5f, 5); // the script pans object 2 by 5.4
         },
         "scene 0/11: at 1024x768 once its panorama has panned no backdrop covers the view at x -1.00 to"},
        {"the gallery's rounds at the screen's edge", 1, 200,
         [](SceneFiles& s) {
             const ObjectRec backdrop = s.objects[0];
             s.objects.assign(23, Obj(2, 0, 0, 0.1f, 0.1f));
             for (ObjectRec& o : s.objects) o.alpha = 0.0f;
             s.objects[0] = Obj(4, -1.2f, -0.75f, 2.4f, 0.2f, 3); // the frame along the foot
             s.objects[17] = Obj(2, -1.0f, -0.72f, 0.2f, 0.12f, 1); // rounds left
             s.objects[22] = backdrop;
         },
         "scene 1/200, object 17: the HUD item lies outside its frame (object 0) at 1024x768"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SceneFiles s = Page();
        c.spoil(s);
        const std::string faults = Faults(c.episode, c.scene, s);
        EXPECT_NE(faults.find(c.fault), std::string::npos) << faults;
    }
}

TEST(Layout_Check, NoArrivalUnderAProp) {
    SceneFiles s;
    s.header.game_mode = gmode::walk;
    s.has_map = true;
    s.map.width = s.map.height = 40;
    s.textures = {{0, "Data/sky"}};
    writers::Point arrival;
    arrival.c1 = CAM_P1;
    arrival.x = 0.55f;
    arrival.y = 0.55f;
    writers::Point patrol = arrival;
    patrol.c1 = PATROL_PNT;
    patrol.x = -1.0f;
    s.points = {arrival, patrol};
    ObjectRec lamp = Obj(0, 0.5f, 0.5f, 0.1f, 0.1f, 1); // drawn over the figures
    lamp.type = OBJ;
    ObjectRec rug = Obj(0, -1.05f, 0.5f, 0.1f, 0.1f, 5); // on the floor, under a patrol point
    rug.type = OBJ;
    s.objects = {rug, lamp};
    EXPECT_NE(Faults(3, 200, s).find("scene 3/200, object 1: the arrival point 0 (0.55, 0.55) lies under this prop"),
              std::string::npos)
        << Faults(3, 200, s);
    s.objects[1].x = s.objects[1].w = 0.8f;
    EXPECT_EQ(Faults(3, 200, s), "");
    // A fixed object (stamped into the collision grid) under the arrival, however deep it is drawn.
    s.objects[0].x = s.objects[0].w = 0.5f;
    s.objects[0].grab_switch = 1;
    s.objects[0].sector_action = 1;
    EXPECT_NE(Faults(3, 200, s).find("object 0: the arrival point 0"), std::string::npos) << Faults(3, 200, s);
}

TEST(Layout_Check, TheWalkHudsItemsInTheirFrames) {
    std::vector<ObjectRec> h = writers::Hud_Layout();
    for (ObjectRec& o : h) o.width = o.height = 0.0f;
    // The main bar with the face and the radar on it: the modes move them alike (the face a
    // little up), so they stay on it.
    h[0] = Obj(8, -1.1f, -0.7f, 0.8f, 0.3f);
    h[3] = Obj(8, -1.05f, -0.68f, 0.2f, 0.2f);
    h[4] = Obj(4, -0.8f, -0.68f, 0.1f, 0.1f);
    for (int i : {5, 7, 8, 9, 10}) h[i] = Obj(6, -0.7f, -0.6f, 0.1f, 0.02f);
    h[33] = Obj(8, -0.6f, -0.68f, 0.2f, 0.2f);
    h[36] = Obj(7, -0.58f, -0.66f, 0.08f, 0.08f);
    // The ammunition count's anchor near the left edge: at 1024 x 768 the scene loader moves
    // it 0.2 further left, out of the view.
    h[30] = Obj(7, -0.95f, -0.68f, 0.06f, 0.06f);
    h[38] = Obj(6, 0.6f, -0.7f, 0.3f, 0.02f);
    std::string faults;
    for (const auto& f : compiler::Hud_Layout_Faults(h)) faults += f.Text() + "\n";
    EXPECT_NE(faults.find("scene 0/3, object 30: the HUD item reaches out of the view at 1024x768"), std::string::npos)
        << faults;
    EXPECT_EQ(faults.find("object 4:"), std::string::npos) << faults;
    EXPECT_EQ(faults.find("object 38:"), std::string::npos) << faults;
    // The rounds stay put in every mode while the main bar moves right at 1024 x 768: rounds
    // near its left end fall off it there.
    h[7] = Obj(5, -1.08f, -0.65f, 0.06f, 0.05f);
    faults.clear();
    for (const auto& f : compiler::Hud_Layout_Faults(h)) faults += f.Text() + "\n";
    EXPECT_NE(faults.find("object 7: the HUD item lies outside its frame (item 0) at 1024x768"), std::string::npos)
        << faults;
    // The game's own layout keeps every item in its frame and in the view.
    faults.clear();
    for (const auto& f : compiler::Hud_Layout_Faults(writers::Hud_Layout())) faults += f.Text() + "\n";
    EXPECT_EQ(faults, "");
}

TEST(Layout_Check, TheQuitButtonKeepsOffTheInventoryAndInTheView) {
    std::string faults;
    const auto check = [&](const std::vector<ObjectRec>& h) {
        faults.clear();
        for (const auto& f : compiler::Hud_Layout_Faults(h)) faults += f.Text() + "\n";
    };
    // Over the row's last two slots (a click on the item there would quit the game), in
    // every mode since it moves with them.
    std::vector<ObjectRec> h = writers::Hud_Layout();
    h[46].x = 0.82f;
    h[46].y = 0.5f;
    check(h);
    for (const char* slot : {"slot 6 at 1024x768", "slot 7 at 1280x768", "slot 15 at 1280x800"})
        EXPECT_NE(faults.find(std::string("object 46: the quit button lies over inventory ") + slot), std::string::npos)
            << slot << "\n" << faults;
    EXPECT_EQ(faults.find("slot 5 "), std::string::npos) << faults;
    // Right of the row on the wide screens but too high for 1280 x 768.
    h[46].x = 1.01f;
    h[46].y = 0.52f;
    check(h);
    EXPECT_NE(faults.find("object 46: the HUD item reaches out of the view at 1280x768"), std::string::npos) << faults;
    EXPECT_EQ(faults.find("quit button lies over"), std::string::npos) << faults;
}

TEST(Layout_Check, PendingFaultsDoNotStopTheGeneratorAndAreCounted) {
    SceneFiles s = Page();
    s.objects[2].y = -0.72f; // over the board's edge
    const std::vector<compiler::Pending_Layout> pending = {{1, 200, "crosses the edge"}, {1, 201, "anything"}};
    std::vector<bool> met;
    std::string error;
    EXPECT_TRUE(compiler::Check_Layout(1, 200, s, Lookup, pending, met, error)) << error;
    ASSERT_EQ(met.size(), 2u);
    EXPECT_TRUE(met[0]);
    EXPECT_FALSE(met[1]);
    s.objects[1].y = 0.45f; // and a plate over the title, which nothing waits for
    EXPECT_FALSE(compiler::Check_Layout(1, 200, s, Lookup, pending, met, error));
    EXPECT_NE(error.find("its words 'Act Four' overlap"), std::string::npos) << error;
    EXPECT_EQ(error.find("crosses the edge"), std::string::npos) << error;
}

} // namespace
