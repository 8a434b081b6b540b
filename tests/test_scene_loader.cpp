// The scene loader on fixture scenes written with the content writers: area, objects set
// up by type, lists, the player at the spawn point, music states, HUD and start texts,
// snapshots across visits, and the failures that must leave a defined state.
#include "test_scene_fixture.h"

#include <GL/gl.h>

#include <algorithm>
#include <set>

#include "combat/combat.h"
#include "common/codes.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "content/content_state.h"
#include "content/level_table.h"
#include "content/object_setup.h"
#include "content/save_slots.h"
#include "content/scene_hud.h"
#include "content/scene_loader.h"
#include "content/scene_reset.h"
#include "content/snapshots.h"
#include "hud/hud.h"
#include "main/frame_loop.h"
#include "main/messages.h"
#include "world/sprite_construction.h"

namespace {

class Loader : public SceneTest {
protected:
    // A walk scene of episode 2: a unit, a chief, a double door, a lamp, a trigger, a ladder
    // and two spawn points.
    static FixtureScene Walk_Scene(int e = 2, int s = 3) {
        FixtureScene f;
        f.episode = e;
        f.scene = s;
        f.header.game_mode = MODE_WALK;
        f.header.music_loop = 3;
        f.header.fade_in = -4;
        f.header.fade_out = 2;
        f.header.g_type = 4;
        f.objects.push_back(Object(UNT, 0.5f, 0.5f));        // 0 gunner of rank 2
        f.objects.back().rank = 2;
        f.objects.back().onDeath_action = -1;
        f.objects.push_back(Object(UNT, -0.5f, 0.5f));       // 1 chief of rank 3
        f.objects.back().sector = CHIEF;
        f.objects.back().rank = 3;
        f.objects.back().onDeath_action = -1;
        f.objects.push_back(Object(DOR, 1.0f, -1.0f));       // 2 double door, onCreate 2
        f.objects.back().onCreate = 2;
        f.objects.back().sector_action = door_type::DOUBLE;
        f.objects.back().score = 10;
        f.objects.push_back(Object(OBJ, -1.0f, -1.0f));      // 3 lamp, switched on
        f.objects.back().sector_action = OBJ_LIGHT1;
        f.objects.back().linked_sprite = 1;
        f.objects.push_back(Object(TRI, 0.0f, 1.5f));        // 4 trigger
        f.objects.push_back(Object(LAD, 0.0f, -1.5f));       // 5 invisible ladder
        f.objects.back().rank = -1;
        f.points.push_back(Point(PATROL_PNT, 0.2f, 0.2f));
        f.points.push_back(Point(CAM_P1, -1.2f, 1.2f, 4));
        f.points.push_back(Point(CAM_P1, 1.2f, -1.2f, 2));
        return f;
    }
    static bool Load(const FixtureScene& f, bool delete_textures = true) {
        episode = f.episode;
        scene = f.scene;
        return LoadScene(f.episode, f.scene, delete_textures);
    }
};

} // namespace

TEST_F(Loader, WalkSceneRuns) {
    ASSERT_TRUE(gl_);
    FixtureScene f = Walk_Scene();
    Write_Fixture_Scene(f);
    pick_up_sfx = true;
    current_spawn = -1;
    ASSERT_TRUE(Load(f, false)) << Box_Texts();
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();

    EXPECT_EQ(Level, LVL_BASE);
    EXPECT_FALSE(in_open_world);
    EXPECT_EQ(game_mode, MODE_WALK);
    EXPECT_EQ(original_no_sprites, 6);
    EXPECT_FALSE(pick_up_sfx);
    EXPECT_FLOAT_EQ(map_startX, 2.0f);

    // The player was made at the first CAM_P1 point.
    ASSERT_NE(p1_id, -1);
    EXPECT_EQ(p1_id, 6);
    EXPECT_EQ(sprite[p1_id].type, UNT);
    EXPECT_EQ(current_spawn, -1);
    EXPECT_EQ(last_spawn, -1);

    // Units: hit points by rank and class, listed; lamp and door lists; triggers.
    EXPECT_EQ(sprite[0].score, 40);
    EXPECT_EQ(sprite[1].score, 90);
    std::set<int> players(player_list, player_list + player_counter);
    EXPECT_TRUE(players.count(0) && players.count(1) && players.count(3) && players.count(p1_id));
    ASSERT_EQ(door_counter, 1);
    EXPECT_EQ(door_list[0], 2);
    ASSERT_EQ(light_count, 1);
    EXPECT_EQ(light_list[0], 3);
    EXPECT_EQ(draw_light_count, 1);
    EXPECT_EQ(no_lights_on, 1);
    EXPECT_EQ(trigger_counter, 2);
    EXPECT_EQ(sprite[5].alpha, 0.0f);
    EXPECT_EQ(patrol_counter, 1);
    EXPECT_EQ(a_patrol_pnt, 0);

    // The door's centre cell and the one up and right of it carry code 7.
    const object& d = sprite[2];
    const int col = (int)((d.w + d.box_width / 2 + map_startX) * 10), row = (int)((d.z + d.box_height / 2 + map_startY) * 10);
    EXPECT_EQ(map_col[row * MAP_HEIGHT + col], COL_SOLID_SHOOTTHRU);
    EXPECT_EQ(map_col[(row + 1) * MAP_HEIGHT + col + 1], COL_SOLID_SHOOTTHRU);

    // Start: black, fading in at |fade_in|, start text, fixed text slots, HUD set of g_type 4.
    EXPECT_EQ(fade, 0.0f);
    EXPECT_EQ(c_fade_in, 4);
    EXPECT_EQ(c_fade_out, 2);
    EXPECT_TRUE(start_text);
    EXPECT_EQ(start_timer, Now() + 500);
    EXPECT_FLOAT_EQ(counter[0].x, -0.96f);
    EXPECT_FLOAT_EQ(counter[5].y, 0.7f);
    EXPECT_EQ(hud[4].alpha, 1.0f);
    EXPECT_EQ(hud[2].alpha, 0.0f);
    EXPECT_STREQ(cine_text[0].word, "Hello");

    // Music: a new song fades in.
    EXPECT_EQ(current_song, 3);
    EXPECT_EQ(war_sfx, 5);
    EXPECT_FALSE(next_scene);
}

TEST_F(Loader, SpawnPointChosenByTheCaller) {
    FixtureScene f = Walk_Scene(1, 5); // a camp scene: no snapshots between the loads
    Write_Fixture_Scene(f);
    current_spawn = 2;
    ASSERT_TRUE(Load(f)) << Box_Texts();
    ASSERT_NE(p1_id, -1);
    EXPECT_EQ(last_spawn, 2);
    EXPECT_NEAR(sprite[p1_id].x + sprite[p1_id].width / 2, 1.2f, 0.2f);

    // A spawn index the scene does not have falls back to the first CAM_P1 point.
    current_spawn = 57;
    ASSERT_TRUE(Load(f)) << Box_Texts();
    ASSERT_NE(p1_id, -1);
    EXPECT_NEAR(sprite[p1_id].x + sprite[p1_id].width / 2, -1.2f, 0.2f);

    // Without any CAM_P1 point and without snapshot there is no player.
    f.points = {Point(PATROL_PNT, 0, 0)};
    Write_Fixture_Scene(f);
    current_spawn = -1;
    ASSERT_TRUE(Load(f)) << Box_Texts();
    EXPECT_EQ(p1_id, -1);

    // A page between two walk scenes (a travel scene with no points) places no player and
    // passes the requested spawn point on to the scene after it.
    f.header.game_mode = MODE_CINE;
    f.points.clear();
    Write_Fixture_Scene(f);
    current_spawn = 6;
    ASSERT_TRUE(Load(f)) << Box_Texts();
    EXPECT_EQ(p1_id, -1);
    EXPECT_EQ(current_spawn, 6);
}

TEST_F(Loader, MusicStatesAcrossLoads) {
    FixtureScene f = Walk_Scene();
    Write_Fixture_Scene(f);
    ASSERT_TRUE(Load(f));
    EXPECT_EQ(war_sfx, 5);
    // The same song again: state 1, no fade-out of it.
    ASSERT_TRUE(Load(f));
    EXPECT_EQ(war_sfx, 1);
    EXPECT_EQ(old_song, 3);
    // Another song: the new one fades in, the old one out.
    f.header.music_loop = 7;
    current_act = 4;
    Write_Fixture_Scene(f);
    ASSERT_TRUE(Load(f));
    EXPECT_EQ(current_song, 15);
    EXPECT_EQ(mini_sfx, 5);
    EXPECT_EQ(war_sfx, 6);
    current_act = 2;
    ASSERT_TRUE(Load(f));
    EXPECT_EQ(current_song, 8);
    EXPECT_EQ(sad_sfx, 5);
    EXPECT_EQ(mini_sfx, 6);
    // No music: the old song fades out.
    f.header.music_loop = 0;
    Write_Fixture_Scene(f);
    ASSERT_TRUE(Load(f));
    EXPECT_EQ(current_song, 0);
    EXPECT_EQ(sad_sfx, 6);
    EXPECT_FALSE(half_volume);

    // Episode 1 scene 141 keeps the song of the scene before, at half volume.
    f.header.music_loop = 5;
    Write_Fixture_Scene(f);
    ASSERT_TRUE(Load(f));
    FixtureScene keep = Walk_Scene(1, 141);
    keep.header.music_loop = 12;
    Write_Fixture_Scene(keep);
    ASSERT_TRUE(Load(keep));
    EXPECT_TRUE(half_volume);
    EXPECT_EQ(current_song, 5);
    EXPECT_EQ(crd_sfx, 1);
    EXPECT_EQ(intro_sfx, 3);
}

// Leaving a walk scene of episode 2 writes its snapshot; coming back restores it.
TEST_F(Loader, VisitedSceneKeepsItsState) {
    FixtureScene a = Walk_Scene(2, 3);
    FixtureScene b = Walk_Scene(2, 4);
    Write_Fixture_Scene(a);
    Write_Fixture_Scene(b);
    current_spawn = -1;
    ASSERT_TRUE(Load(a));
    ASSERT_NE(p1_id, -1);
    sprite[0].score = 0; // the gunner dies
    sprite[p1_id].score = 33;
    Advance_Ms(2000);
    sprite[1].all_timer = Now() + 100;
    ASSERT_TRUE(Load(b));
    EXPECT_TRUE(std::filesystem::exists("scene/episode2/scene3.tmp"));
    EXPECT_EQ(old_health, 33);
    ASSERT_NE(p1_id, -1);
    sprite[p1_id].score = 21; // the health with which the player leaves scene b
    Advance_Ms(3000);
    current_spawn = -1;
    ASSERT_TRUE(Load(a));
    EXPECT_EQ(sprite[0].score, 0);
    EXPECT_EQ(sprite[1].score, 90);
    EXPECT_EQ(sprite[1].all_timer, Now() - 3000 + 100 + 3000);
    ASSERT_NE(p1_id, -1);
    EXPECT_EQ(sprite[p1_id].score, 21);
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();

    // A changed object file makes the snapshot foreign: the scene loads fresh.
    Load(b);
    a.objects.push_back(Object(OBJ, 2.0f, 2.0f));
    Write_Fixture_Scene(a);
    current_spawn = -1;
    ASSERT_TRUE(Load(a));
    EXPECT_EQ(sprite[0].score, 40);
    EXPECT_EQ(no_sprites, 8); // seven objects and a new player

    // Starting a new game deletes the snapshots.
    FixtureScene menu;
    menu.episode = 0;
    menu.scene = 1;
    menu.header.game_mode = MODE_FRONT;
    Write_Fixture_Scene(menu);
    ASSERT_TRUE(Load(menu));
    EXPECT_FALSE(std::filesystem::exists("scene/episode2/scene3.tmp"));
    EXPECT_FALSE(std::filesystem::exists("scene/episode2/scene4.tmp"));
}

// A texture list that fails keeps the previous scene's textures whole.
TEST_F(Loader, FailedTextureListKeepsThePreviousTextures) {
    FixtureScene a = Walk_Scene(2, 3);
    Write_Fixture_Scene(a);
    ASSERT_TRUE(Load(a));
    const int count = numsubmtls;
    std::vector<unsigned int> names(texID, texID + count);
    const int sprites = no_sprites;
    ASSERT_GT(count, 0);
    for (unsigned int n : names) EXPECT_TRUE(glIsTexture(n));

    FixtureScene b = Walk_Scene(2, 5);
    Write_Fixture_Scene(b);
    writers::Write_Texture_List(Base(2, 5) + ".txd", {{0, "Data/test/sheet"}, {0, "Data/test/missing"}});
    platform::ClearRecordedMessageBoxes();
    EXPECT_FALSE(Load(b));
    ASSERT_GE(Boxes().size(), 2u);
    EXPECT_EQ(Boxes().back().text, "Couldn't load GLTextures");
    EXPECT_EQ(Boxes().back().caption, "ERROR");
    ASSERT_EQ(numsubmtls, count);
    EXPECT_EQ(std::vector<unsigned int>(texID, texID + count), names);
    for (unsigned int n : names) EXPECT_TRUE(glIsTexture(n));
    EXPECT_EQ(no_sprites, sprites);

    // The next good load replaces them and deletes the old ones exactly once.
    ASSERT_TRUE(Load(a));
    for (unsigned int n : names) EXPECT_FALSE(glIsTexture(n) && std::find(texID, texID + numsubmtls, n) == texID + numsubmtls);
}

TEST_F(Loader, MissingDialogueStopsTheLoad) {
    FixtureScene f = Walk_Scene();
    f.write_dialogue = false;
    Write_Fixture_Scene(f);
    EXPECT_FALSE(Load(f));
    ASSERT_FALSE(Boxes().empty());
    EXPECT_EQ(Boxes().back().text, "Couldn't load text file");
    EXPECT_EQ(no_sprites, 0);
    EXPECT_EQ(p1_id, -1);
}

TEST_F(Loader, ListsStopAtTheirCapacity) {
    FixtureScene f = Walk_Scene();
    f.points.clear();
    for (int i = 0; i < 21; ++i) f.points.push_back(Point(MAP_HQ_PNT + (i % 11), 0.1f * i, 0));
    for (int i = 0; i < 101; ++i) f.points.push_back(Point(PATROL_PNT, 0, 0.01f * i));
    for (int i = 0; i < 11; ++i) {
        f.objects.push_back(Object(BUD, 0.1f * i, 1.0f));
        f.objects.back().anim = 1;
    }
    Write_Fixture_Scene(f);
    ASSERT_TRUE(Load(f)) << Box_Texts();
    EXPECT_EQ(map_pnt_counter, 20);
    EXPECT_EQ(map_pnt_list[19], 19);
    EXPECT_EQ(patrol_counter, 100);
    EXPECT_EQ(a_patrol_pnt, 21 + 100);
    EXPECT_EQ(cpatrol_count, 10);

    FixtureScene front;
    front.episode = 1;
    front.scene = 18;
    front.header.game_mode = MODE_FRONT;
    for (int i = 0; i < 12; ++i) front.objects.push_back(Object(FE_BULLETHOLE, 0.05f * i, 0));
    Write_Fixture_Scene(front);
    ASSERT_TRUE(Load(front)) << Box_Texts();
    EXPECT_EQ(bullet_hole_count, 10);
    EXPECT_EQ(player_counter, 12);
    // In a front scene only the pointer is visible.
    for (int i = 0; i < MAX_HUD; ++i) EXPECT_EQ(hud[i].alpha, i == 1 ? 1.0f : 0.0f) << i;
    EXPECT_EQ(camX, 0.0f);
}

TEST_F(Loader, SalePickupsAtTheirPoints) {
    FixtureScene f = Walk_Scene();
    f.points.push_back(Point(PICKUP_PNT, 0.3f, 0.3f, SALE_CLOTHES));
    f.points.push_back(Point(PICKUP_PNT, -0.3f, 0.3f, SALE_BASIC));
    Write_Fixture_Scene(f);
    ASSERT_TRUE(Load(f)) << Box_Texts();
    int sales = 0;
    for (int i = 0; i < no_fx; ++i)
        if (Fx[i].type == 47) {
            ++sales;
            EXPECT_TRUE(Fx[i].item_type == 14 || Fx[i].item_type == 9);
            if (Fx[i].item_type == 9) {
            EXPECT_EQ(Fx[i].value2, 10);
        }
        }
    EXPECT_EQ(sales, 2);
}

TEST_F(Loader, ObjectsSetUpByType) {
    FixtureScene f = Walk_Scene(3, 28); // the dungeon
    f.objects.clear();
    auto unit = [&](int cls, int rank, int on_death, float x) {
        f.objects.push_back(Object(UNT, x, 0.0f));
        f.objects.back().sector = cls;
        f.objects.back().rank = rank;
        f.objects.back().onDeath_action = on_death;
    };
    unit(UNIT_SHOTGUN, 1, -1, -1.5f);  // 0
    unit(CHIEF, 3, -1, -1.0f);         // 1
    unit(DOG, 4, -1, -0.5f);           // 2
    unit(UNIT_VEHICLE, 2, -1, 0.0f);   // 3
    unit(UNIT_RESCUE, 2, -1, 0.5f);    // 4
    unit(GUNNER, 2, 2, 1.0f);          // 5: a figure playing animation 2
    unit(UNIT_MORTAR, 2, 2, 1.5f);     // 6
    f.objects.push_back(Object(DOR, -1.0f, -1.0f)); // 7: onCreate 1, kind DOUBLE-BACK
    f.objects.back().onCreate = 1;
    f.objects.back().sector_action = door_type::DOUBLE_BACK;
    f.objects.back().score = 5;
    Write_Fixture_Scene(f);
    ASSERT_TRUE(Load(f)) << Box_Texts();
    EXPECT_TRUE(in_dungeon);
    EXPECT_EQ(sprite[0].score, 1000);
    EXPECT_EQ(sprite[1].score, 90);
    EXPECT_EQ(sprite[2].score, 10);
    EXPECT_EQ(sprite[3].score, 75);
    EXPECT_EQ(a_vehicle, 3);
    EXPECT_TRUE(sprite[3].building);
    EXPECT_EQ(sprite[4].score, 40);
    EXPECT_EQ(sprite[4].status, 62);
    EXPECT_EQ(sprite[4].sector_action, AI_BUDDY);
    EXPECT_EQ(sprite[5].status, 37);
    EXPECT_EQ(sprite[5].id, 29);
    EXPECT_EQ(sprite[5].base_anim, 2);
    EXPECT_TRUE(sprite[6].bagging);
    EXPECT_EQ(sprite[6].score, 120);
    EXPECT_EQ(sprite[6].status, 3);
    EXPECT_EQ(enemy_count, 7);
    int shadows = 0;
    for (int i = 0; i < no_fx; ++i)
        if (Fx[i].type == GFX && Fx[i].sector == 22 && Fx[i].linked_sprite == 3) ++shadows;
    EXPECT_EQ(shadows, 1);

    const object& d = sprite[7];
    const int col = (int)((d.w + d.box_width / 2 + map_startX) * 10), row = (int)((d.z + d.box_height / 2 + map_startY) * 10);
    EXPECT_EQ(map_col[row * MAP_HEIGHT + col], COL_SOLID);
    EXPECT_EQ(map_col[(row + 1) * MAP_HEIGHT + col - 1], COL_SOLID);
}

TEST_F(Loader, FrontWidgetsFollowTheGameState) {
    FixtureScene f;
    f.episode = 0;
    f.scene = 7;
    f.header.game_mode = MODE_FRONT;
    f.objects.push_back(Object(FE_CARD, 0, 0));
    f.objects.back().score = 2;
    f.objects.back().sector_action = 9;
    f.objects.push_back(Object(FE_MUSIC, 0, 0.2f));
    f.objects.back().box_width = 0.5f;
    f.objects.push_back(Object(FE_SFX, 0, 0.4f));
    f.objects.back().box_width = 0.5f;
    f.objects.push_back(Object(FE_LOGO, 0, 0.6f));
    f.objects.push_back(Object(FE_DUCK, 0, 0.8f));
    Write_Fixture_Scene(f);
    music_volume = 0.4f;
    sfx_volume = 0.8f;
    ASSERT_TRUE(Load(f)) << Box_Texts();
    EXPECT_EQ(Level, LVL_MENU);
    EXPECT_FLOAT_EQ(sprite[0].angle, 350.0f);
    EXPECT_EQ(sprite[0].sector_action, 0);
    EXPECT_FLOAT_EQ(sprite[1].width, 0.2f);
    EXPECT_FLOAT_EQ(sprite[2].width, 0.4f);
    EXPECT_EQ(logo_sprite, 3);
    EXPECT_EQ(duck_guy, 4);
    EXPECT_EQ(player_counter, 5);
    EXPECT_EQ(p1_id, -1);
}

// The save-slot entries of the file page show whether their slot holds a save.
TEST_F(Loader, SaveSlotEntriesPeekTheirSlots) {
    std::filesystem::create_directories("data/save");
    current_act = 4;
    ASSERT_TRUE(SaveLevel(Save_Slot_Path(3))) << Box_Texts();
    FixtureScene f;
    f.episode = 0;
    f.scene = 2;
    f.header.game_mode = MODE_FRONT;
    for (int slot : {3, 4}) {
        f.objects.push_back(Object(fe_type::FILE, 0, 0.2f * slot));
        f.objects.back().sector_action = slot;
    }
    Write_Fixture_Scene(f);
    platform::ClearRecordedMessageBoxes();
    ASSERT_TRUE(Load(f)) << Box_Texts();
    EXPECT_TRUE(Boxes().empty()) << Box_Texts();
    EXPECT_EQ(sprite[0].id, 5); // a saved slot, shown in act 4
    EXPECT_TRUE(sprite[0].file_full);
    EXPECT_EQ(sprite[1].id, 8);
    EXPECT_FALSE(sprite[1].file_full);
    EXPECT_STREQ(file_names[4], ".........");
    EXPECT_EQ(hud_name_id, 4);
    EXPECT_EQ(file_check_id, 1);
}
