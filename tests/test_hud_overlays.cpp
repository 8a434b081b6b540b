// HUD overlays: exit labels, the quit and stats buttons, the confirmation box with its
// sliders, the bar and portrait tooltips, feeding from the held item and the stat items.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "combat/combat.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "content/save_slots.h"
#include "hud/hud.h"
#include "hud/inventory.h"
#include "hud/overlays.h"
#include "hud/player_stats.h"
#include "main/messages.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "support/virtual_clock.h"
#include "support/work_dir.h"

namespace {

constexpr int P = 1;

class HudOverlays : public ::testing::Test {
protected:
    void SetUp() override {
        Allocate_Records();
        Use_Test_Clock();
        platform::SetRecordMessageBoxes(true);
        game_mode = MODE_WALK;
        Level = 0;
        episode = 2;
        scene = 7;
        next_scene = false;
        quit_active = false;
        ply_dead = false;
        lock_player = false;
        reloading = false;
        next_weapon = -1;
        mouseleft = mouseright = mouseheld = false;
        mouse_grabbed = false;
        hud_corner = 1;
        camX = camY = 0.0f;
        hud_mouseX = hud_mouseY = 5.0f;  // away from everything
        mouseX = mouseY = 5.0f;
        trigger_counter = 0;
        current_file = -1;
        file_to_delete = -1;
        file_selected = -1;
        trying_to_quit = 0;
        in_options = false;
        level_up_points = 0;
        player_type = 0;
        p1_id = P;
        sprite[P].type = UNT;
        sprite[P].score = 40;
        PLY_VITALITY = 60;
        std::snprintf(player_name, sizeof player_name, "%s", "Maximilian");
        std::memset(main_mission, 0, sizeof main_mission);
        mission = 0;
        for (int i = 0; i < MAX_HUD; i++) hud[i].anim = -1;
    }
    void TearDown() override { Free_Records(); }

    // A HUD item shown at (x, y), 0.1 square, box and drawing alike.
    static void Item(int i, float x, float y, float alpha = 1.0f) {
        object& o = hud[i];
        o.x = o.w = x;
        o.y = o.z = y;
        o.width = o.height = o.box_width = o.box_height = 0.1f;
        o.alpha = alpha;
    }
    static void Point_At_Hud(int i) {
        hud_mouseX = hud[i].x + 0.05f;
        hud_mouseY = hud[i].y + 0.05f;
    }
    // An exit (TRI) or ladder (LAD) in the trigger list, with the world pointer on it.
    static object& Exit(int s, int type, int sector) {
        object& o = sprite[s];
        o.type = type;
        o.sector = sector;
        o.w = 1.0f;
        o.z = 1.0f;
        o.box_width = o.box_height = 0.2f;
        trigger_list[trigger_counter++] = s;
        mouseX = mouseY = 1.1f;
        return o;
    }
    static std::string Tip() { return counter[5].word; }
};

TEST_F(HudOverlays, ExitLabelsBySector) {
    struct row {
        int sector;
        const char* text;
        int length;
    };
    const row rows[] = {
        {0, "Summer_Camp", 0},     {1, "Missile^Silos", 1},   {28, "Maximil&s^Tent", 1},
        {44, "Casino", 0},         {49, "Closed", 0},         {50, "Pebble^Beach", 1},
        {81, "Tunnels", 0},        {82, "Head^Quarters", 1},  {80, "Super^Missile", 1},
        {13, "", 0},               {24, "", 0},               {47, "", 0},
        {83, "", 0},               {-4, "", 0},               {3, "", 0},
    };
    Item(6, 0, 0, 0);
    for (const row& r : rows) {
        trigger_counter = 0;
        hud[6].alpha = 1.0f;
        Exit(20, TRI, r.sector);
        Hud_Overlays();
        EXPECT_EQ(Tip(), r.text) << "sector " << r.sector;
        EXPECT_EQ(counter[5].length, r.length) << "sector " << r.sector;
        EXPECT_FLOAT_EQ(hud[6].alpha, r.text[0] ? 1.0f : 0.0f) << "sector " << r.sector;
    }
}

TEST_F(HudOverlays, ClosedExitsAndLadders) {
    object& t = Exit(20, TRI, 2);
    t.linked_sprite = -2;  // needs main mission 1 reported
    main_mission[1] = 1;
    Hud_Overlays();
    EXPECT_EQ(Tip(), "Closed");
    EXPECT_EQ(counter[5].length, 0);
    EXPECT_EQ(t.onCreate, -1);
    main_mission[1] = 3;
    Hud_Overlays();
    EXPECT_EQ(Tip(), "Village");
    EXPECT_EQ(t.onCreate, 0);

    // Closed by the mission table: onCreate stays 0.
    t.linked_sprite = 6;
    main_mission[6] = 0;
    Hud_Overlays();
    EXPECT_EQ(Tip(), "Closed");
    EXPECT_EQ(t.onCreate, 0);
    t.linked_sprite = 400;  // past the mission table: not read
    Hud_Overlays();
    EXPECT_EQ(Tip(), "Village");

    // A ladder of another mission, or switched off.
    trigger_counter = 0;
    object& l = Exit(21, LAD, 15);
    l.linked_sprite = 0;
    Hud_Overlays();
    EXPECT_EQ(Tip(), "Cave");
    l.score = -1;
    Hud_Overlays();
    EXPECT_EQ(Tip(), "Closed");
    l.score = 0;
    l.linked_sprite = 3;
    main_mission[3] = 2;
    mission = 4;
    Hud_Overlays();
    EXPECT_EQ(Tip(), "Closed");
    mission = 3;
    Hud_Overlays();
    EXPECT_EQ(Tip(), "Cave");
    EXPECT_FALSE(msg_left);
    l.sector_action = 1;
    Hud_Overlays();
    EXPECT_TRUE(msg_left);

    // Skipped: moving, another type, over a HUD panel, a bad list entry.
    l.moving = true;
    Hud_Overlays();
    EXPECT_EQ(Tip(), "");
    l.moving = false;
    hud_corner = 0;
    Hud_Overlays();
    EXPECT_EQ(Tip(), "");
    hud_corner = 1;
    trigger_list[0] = -5;
    trigger_list[1] = MAX_SPRITES + 3;
    trigger_counter = TRIGGER_LIST_SIZE + 100;
    Hud_Overlays();
    EXPECT_EQ(Tip(), "");
}

TEST_F(HudOverlays, QuitButtonAsksAndQuits) {
    Item(46, 0.5f, 0.5f);
    Point_At_Hud(46);
    Hud_Overlays();
    EXPECT_EQ(Tip(), "Quit^Game?");
    EXPECT_EQ(hud[46].anim, 19);
    EXPECT_TRUE(on_hud_buttons);
    EXPECT_FALSE(next_scene);

    dialog_active = 4;
    mouseleft = true;
    Hud_Overlays();
    EXPECT_EQ(dialog_active, -1);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 53);
    EXPECT_EQ(stats_scene, 7);
    EXPECT_TRUE(switch_n_sfx);
    EXPECT_FALSE(mouseleft);

    hud_mouseX = 5.0f;
    Hud_Overlays();
    EXPECT_EQ(hud[46].anim, 18);
    EXPECT_EQ(hud[46].anim_state, ANIM_ONCE);
    EXPECT_FALSE(on_hud_buttons);
}

TEST_F(HudOverlays, StatsButtonOpensTheStatsPage) {
    Item(33, 0.5f, 0.5f);
    Point_At_Hud(33);
    mouseleft = true;
    Hud_Overlays();
    EXPECT_EQ(hud[33].anim, 13);
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 141);
    EXPECT_EQ(stats_episode, 2);
    EXPECT_EQ(stats_scene, 7);
    EXPECT_TRUE(next_scene);

    // Away from it, waiting level-up points keep the hover animation; without them it idles.
    hud_mouseX = 5.0f;
    level_up_points = 2;
    hud[33].anim = 12;
    Hud_Overlays();
    EXPECT_EQ(hud[33].anim, 13);
    EXPECT_EQ(hud[33].anim_state, ANIM_LOOP);
    level_up_points = 0;
    Hud_Overlays();
    EXPECT_EQ(hud[33].anim, 12);

    // Locked out while the player is locked or the button shows animation 23.
    next_scene = false;
    Point_At_Hud(33);
    mouseleft = true;
    lock_player = true;
    Hud_Overlays();
    EXPECT_FALSE(next_scene);
    lock_player = false;
    hud[33].anim = 23;
    mouseleft = true;
    Hud_Overlays();
    EXPECT_FALSE(next_scene);
}

TEST_F(HudOverlays, QuitBoxResetsTheWalkButtons) {
    quit_active = true;
    Hud_Overlays();
    EXPECT_EQ(hud[46].anim, 18);
    EXPECT_EQ(hud[33].anim, 12);
    EXPECT_EQ(hud[49].anim, 20);
    EXPECT_EQ(hud[30].anim, 12);
    EXPECT_EQ(hud[29].anim, 10);
    EXPECT_EQ(hud[29].anim_state, ANIM_ONCE);
}

TEST_F(HudOverlays, ConfirmationBoxNeedsFullAlphaAndNoShop) {
    Item(2, -1, -1);
    Item(40, 0.5f, 0.5f);
    Item(41, 0.7f, 0.5f);
    quit_active = true;
    Point_At_Hud(40);
    mouseleft = true;
    for (float alpha : {0.99f, 0.5f}) {  // a speech bubble is no box
        hud[2].alpha = alpha;
        Hud_Overlays();
        EXPECT_TRUE(quit_active);
        EXPECT_TRUE(mouseleft);
    }
    hud[2].alpha = 1.0f;
    Level = LVL_SHOP;
    Hud_Overlays();
    EXPECT_TRUE(quit_active);
    Level = 0;
    Hud_Overlays();
    EXPECT_FALSE(quit_active);
    EXPECT_TRUE(click_sfx);
    EXPECT_FLOAT_EQ(hud[2].alpha, 0.0f);
    EXPECT_FLOAT_EQ(hud[40].alpha, 0.0f);
    EXPECT_FLOAT_EQ(hud[41].alpha, 0.0f);
    EXPECT_FALSE(mouseleft);
}

TEST_F(HudOverlays, YesAndNoHoverAnimations) {
    Item(2, -1, -1);
    Item(40, 0.5f, 0.5f);
    Item(41, 0.7f, 0.5f);
    hud[40].anim = 14;
    hud[41].anim = 17;
    Point_At_Hud(40);
    Hud_Overlays();
    EXPECT_TRUE(radio_sfx);
    EXPECT_EQ(hud[40].anim, 15);
    EXPECT_EQ(hud[41].anim, 16);
    radio_sfx = false;
    Hud_Overlays();
    EXPECT_FALSE(radio_sfx);  // only on the first hovered frame

    // "No" closes without doing anything else.
    trying_to_quit = 1;
    file_to_delete = 4;
    quit_active = true;
    Point_At_Hud(41);
    mouseleft = true;
    Hud_Overlays();
    EXPECT_FALSE(quit_active);
    EXPECT_FLOAT_EQ(hud[2].alpha, 0.0f);
    EXPECT_EQ(trying_to_quit, 1);
    EXPECT_EQ(file_to_delete, 4);
    EXPECT_FALSE(next_scene);
}

TEST_F(HudOverlays, YesSavesAndGoesToTheMenu) {
    Work_Dir dir("varnoth_overlays");
    std::filesystem::create_directories("data/save");
    Item(2, -1, -1);
    Item(40, 0.5f, 0.5f);
    current_file = 3;
    trying_to_quit = 1;
    Point_At_Hud(40);
    mouseleft = true;
    Hud_Overlays();
    EXPECT_TRUE(std::filesystem::exists("data/save/savefile3.sav"));
    EXPECT_EQ(fade_out, 15);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(episode, 0);
    EXPECT_EQ(scene, 1);
    EXPECT_TRUE(quit_active);
    EXPECT_EQ(trying_to_quit, 0);

    // From the front end nothing is saved.
    std::filesystem::remove("data/save/savefile3.sav");
    game_mode = MODE_FRONT;
    episode = 2;
    trying_to_quit = 1;
    hud[2].alpha = 1.0f;
    mouseleft = true;
    Hud_Overlays();
    EXPECT_FALSE(std::filesystem::exists("data/save/savefile3.sav"));
    EXPECT_EQ(scene, 1);
}

TEST_F(HudOverlays, YesDeletesTheSelectedSaveSlot) {
    Work_Dir dir("varnoth_overlays");
    std::filesystem::create_directories("data/save");
    Write_Text_File("data/save/savefile4.sav", "x\n");
    object& slot = sprite[30];
    slot.sector_action = 4;
    slot.file_full = true;
    slot.id = 9;
    slot.rank = 6;
    std::snprintf(file_names[4], sizeof file_names[4], "%s", "Maxim");
    file_to_delete = 30;
    file_selected = 30;
    Item(2, -1, -1);
    Item(40, 0.5f, 0.5f);
    Point_At_Hud(40);
    mouseleft = true;
    Hud_Overlays();
    EXPECT_FALSE(std::filesystem::exists("data/save/savefile4.sav"));
    EXPECT_FALSE(slot.file_full);
    EXPECT_EQ(slot.id, 8);
    EXPECT_EQ(slot.rank, 0);
    EXPECT_STREQ(file_names[4], ".........");
    EXPECT_EQ(file_to_delete, -1);
    EXPECT_EQ(file_selected, -1);
    EXPECT_TRUE(fall_sfx);

    // A failed removal keeps file_to_delete but still closes the box.
    file_to_delete = 30;
    file_selected = 30;
    quit_active = true;
    hud[2].alpha = 1.0f;
    mouseleft = true;
    Hud_Overlays();
    EXPECT_EQ(file_to_delete, 30);
    EXPECT_EQ(file_selected, -1);
    EXPECT_FALSE(quit_active);
    EXPECT_FLOAT_EQ(hud[2].alpha, 0.0f);

    // A slot sprite index outside the sprites is not read.
    file_to_delete = MAX_SPRITES + 1;
    hud[2].alpha = 1.0f;
    mouseleft = true;
    Hud_Overlays();
    EXPECT_EQ(file_selected, -1);
}

TEST_F(HudOverlays, VolumeSlidersFollowThePointer) {
    Item(2, -1, -1);
    Item(42, 0.0f, 0.0f);
    hud[42].box_width = 0.5f;
    hud[42].box_height = 0.1f;
    Item(43, 0.0f, 0.2f);
    hud[43].box_width = 0.0f;  // no volume change, width still follows
    sfx_volume = 0.3f;
    music_volume = 0.4f;
    mouseleft = true;
    hud_mouseX = 0.2f;
    hud_mouseY = 0.05f;
    Hud_Overlays();
    EXPECT_FLOAT_EQ(hud[42].width, 0.2f);
    EXPECT_FLOAT_EQ(sfx_volume, 0.4f);
    EXPECT_TRUE(mouseleft);  // not consumed
    EXPECT_TRUE(click_sfx);

    // The drawn left edge lies right of the box: the volume stays within 0 to 1.
    hud[42].x = 0.3f;
    Hud_Overlays();
    EXPECT_FLOAT_EQ(sfx_volume, 0.0f);
    hud[42].x = -0.5f;
    hud[42].w = -0.5f;
    hud[42].box_width = 0.8f;
    Hud_Overlays();
    EXPECT_FLOAT_EQ(sfx_volume, 0.875f);

    update_title = false;
    hud[43].box_width = 0.0f;
    hud[43].box_height = 0.1f;
    hud_mouseX = 0.0f;  // on the box's left edge: strict test misses
    hud_mouseY = 0.25f;
    Hud_Overlays();
    EXPECT_FALSE(update_title);
    hud[43].box_width = 0.0001f;
    hud_mouseX = 0.00005f;
    Hud_Overlays();
    EXPECT_TRUE(update_title);
    EXPECT_FLOAT_EQ(music_volume, 0.5f);
}

TEST_F(HudOverlays, BarAndPortraitTooltips) {
    Item(5, 0.0f, 0.0f);
    Item(38, 0.2f, 0.0f);
    Item(37, 0.4f, 0.0f);
    Item(4, 0.6f, 0.0f);
    player_experience = 120;
    player_exp_level = 843;
    buddy_rank = 3;
    player_rank = 4;
    struct row {
        int item;
        const char* text;
        bool left;
    };
    for (row r : {row{5, "HEALTH^\xE9\xFB_40-60", true}, row{38, "EXPERIENCE^120-843", false},
                  row{37, "GENERAL^Rank_3", false}, row{4, "Maximil^Rank-4", true}}) {
        Point_At_Hud(r.item);
        Hud_Overlays();
        EXPECT_EQ(Tip(), r.text) << "item " << r.item;
        EXPECT_EQ(msg_left, r.left) << "item " << r.item;
    }
    // Hidden bars and no player: no tooltip.
    hud[5].alpha = 0.99f;
    Point_At_Hud(5);
    Hud_Overlays();
    EXPECT_EQ(Tip(), "");
    hud[5].alpha = 1.0f;
    p1_id = -1;
    Hud_Overlays();
    EXPECT_EQ(Tip(), "");
    // Not while reloading.
    p1_id = P;
    reloading = true;
    Hud_Overlays();
    EXPECT_EQ(Tip(), "");
}

TEST_F(HudOverlays, HeldFoodFeedsThePlayerNotTheGeneral) {
    Item(37, 0.4f, 0.0f);
    Item(4, 0.6f, 0.0f);
    struct row {
        int item, code, health_after;
    };
    for (row r : {row{4, APPLE, 55}, row{4, FISH, 55}, row{37, BREAD, 40}, row{4, GOLD, 40}}) {
        sprite[P].score = 40;
        mouse_grabbed = true;
        mouse_inv = r.code;
        mouse_inv_value = 15;
        mouse_inv_value1 = 2;
        mouseleft = true;
        mouseright = true;
        chute_sfx = false;
        Point_At_Hud(r.item);
        Hud_Overlays();
        EXPECT_EQ(sprite[P].score, r.health_after) << "item " << r.item << " code " << r.code;
        const bool food = r.code != GOLD;
        EXPECT_EQ(mouse_grabbed, !food) << "code " << r.code;
        EXPECT_EQ(chute_sfx, food) << "code " << r.code;
        if (food) {
            EXPECT_EQ(mouse_inv, 0);
            EXPECT_EQ(mouse_inv_value, 0);
            EXPECT_FALSE(mouseright);
        }
    }
    // Capped at the maximum.
    sprite[P].score = 55;
    mouse_grabbed = true;
    mouse_inv = CAN_O_BEANS;
    mouse_inv_value = 60;
    mouseleft = true;
    Point_At_Hud(4);
    Hud_Overlays();
    EXPECT_EQ(sprite[P].score, 60);
}

TEST_F(HudOverlays, LevelUpPointsAreSpentOnStatItems) {
    Item(31, 0.0f, 0.5f);
    Item(32, 0.2f, 0.5f);
    Item(33, 0.4f, 0.5f);
    stat_accuracy = 18;
    stat_strength = 0;
    stat_rifle_skill = 2;
    level_up_points = 2;
    Calculate_Stats();

    Point_At_Hud(31);
    Hud_Overlays();
    EXPECT_EQ(Tip(), "ACCURACY^18Pt_18\xC1");
    mouseleft = true;
    Hud_Overlays();
    EXPECT_EQ(stat_accuracy, 19);
    EXPECT_EQ(level_up_points, 1);
    EXPECT_EQ(PLY_ACCURACY, 19);  // recomputed
    EXPECT_TRUE(place_sfx);
    EXPECT_FALSE(mouseleft);

    Point_At_Hud(32);
    Hud_Overlays();
    EXPECT_EQ(Tip(), "FIREPOWER^2Pt_40");
    mouseleft = true;
    Hud_Overlays();
    EXPECT_EQ(stat_strength, 1);
    EXPECT_EQ(level_up_points, 0);
    EXPECT_EQ(PLY_STRENGTH, 42);

    // No points left: the click only recomputes.
    mouseleft = true;
    Hud_Overlays();
    EXPECT_EQ(stat_strength, 1);
    EXPECT_EQ(level_up_points, 0);
    EXPECT_FALSE(mouseleft);

    // The stats-button tooltip; and the stats button idles on the next frame.
    Point_At_Hud(33);
    Hud_Overlays();
    EXPECT_EQ(Tip(), "Stats^(TAB)-Key");
    hud_mouseX = 5.0f;
    hud[33].anim = 13;
    Hud_Overlays();
    EXPECT_EQ(hud[33].anim, 12);

    // Nothing while an item is held.
    level_up_points = 1;
    mouse_grabbed = true;
    mouse_inv = GOLD;
    Point_At_Hud(31);
    mouseleft = true;
    Hud_Overlays();
    EXPECT_EQ(stat_accuracy, 19);
}

TEST_F(HudOverlays, FrontEndReactsOnlyToButtonsAndTheBox) {
    game_mode = MODE_FRONT;
    std::snprintf(counter[5].word, sizeof counter[5].word, "%s", "kept");
    Item(3, -2, -2);
    radar_on = false;
    Item(4, 0.6f, 0.0f);
    Point_At_Hud(4);
    Hud_Overlays();
    EXPECT_EQ(Tip(), "kept");  // the tooltip slot is only reset in walk mode
    EXPECT_FALSE(radar_on);

    game_mode = MODE_WALK;
    player_rank = 1;
    Hud_Overlays();
    EXPECT_TRUE(radar_on);
    EXPECT_EQ(Tip(), "Maximil^Rank-1");
}

}  // namespace
