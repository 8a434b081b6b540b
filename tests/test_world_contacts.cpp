// Contact tests: gas clouds set off by fire, hazards and bullets that hit units, the player
// reaching the object he walked to, and units entering triggers, ladders and switches.
// Calls into the combat services are read from the call record (common/call_trace.h).
#include "test_world_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "content/object_setup.h"
#include "hud/hud.h"
#include "main/keyboard.h"
#include "scripts/scripts.h"
#include "world/animate.h"
#include "world/contact_tests.h"

namespace {

class Contacts : public WorldTest {
protected:
    std::vector<std::string> trace;

    void SetUp() override {
        WorldTest::SetUp();
        Three_Step_Sheet(20);
        no_fx = 0;
        no_sprites = 0;
        next_scene = false;
        episode = 2;
        scene = 5;
        current_spawn = -1;
        current_act = 1;
        Level = LVL_VILLAGE;
        old_message = -1;
        dialog_active = -1;
        dialog_timer = 0;
        ply_dead = quit_active = false;
        has_firevest_equipped = has_gasmask_equipped = false;
        lock_player = false;
        tunnel_timer = -1;
        next_scene1 = next_episode1 = -1;
        trigger_counter = 0;
        trigger_hit = -1;
        falling_in_hole = false;
        success_condition = 0;
        mission_objective = -1;
        for (int& m : main_mission) m = 0;
        for (char& g : global_objects) g = 0;
        platform::AdvanceVirtualClock(1000.5); // a second in; due times never tie with now
        call_trace = &trace;
    }
    void TearDown() override {
        call_trace = nullptr;
        WorldTest::TearDown();
    }

    int Calls(const char* name) const { return (int)std::count(trace.begin(), trace.end(), name); }

    // The player at sprite 0 on cell (75, 75), side 0, alive.
    static object& Player() {
        sprite[0] = object{};
        Place_Unit(0, 75, 75);
        object& p = sprite[0];
        p.status = 3;
        p.reached_node = -1;
        p.score = 100;
        p.fx_id = 0;
        p.width = p.height = 0.3f;
        p1_id = 0;
        return p;
    }
    // A unit of the computer's side on cell (col, row).
    static object& Enemy(int i, int col, int row) {
        sprite[i] = object{};
        Place_Unit(i, col, row);
        object& u = sprite[i];
        u.score = 50;
        u.linked_sprite = 4;
        u.fx_id = 0;
        u.status = 3;
        u.reached_node = -1;
        return u;
    }
    // An effect of a kind with its box centred on cell (col, row), box size 0.1.
    static object& Effect(int kind, int col, int row, int owner = 0) {
        object& e = Fx[no_fx++];
        e = object{};
        e.sector = kind;
        e.box_width = e.box_height = 0.1f;
        e.w = CX(col) - 0.05f;
        e.z = CY(row) - 0.05f;
        e.x = e.w;
        e.y = e.z;
        e.width = e.height = 0.1f;
        e.linked_sprite = owner;
        e.action_timer = 0;
        e.sector_action = -1;
        return e;
    }
    // A prop of type OBJ of a kind, its box centred on cell (col, row).
    static object& Prop(int i, int kind, int col, int row) {
        sprite[i] = object{};
        Place_Unit(i, col, row);
        object& o = sprite[i];
        o.type = OBJ;
        o.sector_action = kind;
        o.fx_id = 0;
        o.base_anim = 2;
        o.anim = 2;
        return o;
    }
    // A trigger of a type covering cells (col-2 .. col+2, row-2 .. row+2), in the list.
    static object& Trigger(int i, int type, int sector, int col, int row) {
        sprite[i] = object{};
        object& t = sprite[i];
        t.type = type;
        t.sector = sector;
        t.w = CX(col) - 0.25f;
        t.z = CY(row) - 0.25f;
        t.box_width = t.box_height = 0.5f;
        t.x = t.w;
        t.y = t.z;
        t.width = t.height = 0.5f;
        t.linked_sprite = 0;
        t.score = 7;
        t.grab_switch = true;
        trigger_list[trigger_counter++] = i;
        if (i >= no_sprites) no_sprites = i + 1;
        return t;
    }
};

// ---- Fire and gas ----------------------------------------------------------------------

TEST_F(Contacts, AGasCloudTouchedByFireExplodesOnce) {
    object& fire = Effect(FX_FIRE, 40, 40);
    object& gas = Effect(FX_GAS, 41, 41, 3);
    Test_Fx_to_Fx(0, 16);
    EXPECT_TRUE(fire.turn_off);
    EXPECT_TRUE(gas.turn_off);
    EXPECT_EQ(Calls("Shell_Landed"), 1);
    Test_Fx_to_Fx(0, 16);
    EXPECT_EQ(Calls("Shell_Landed"), 1);
}

TEST_F(Contacts, FireSetsOffOnlyLiveGasWithinReach) {
    Effect(FX_FLAME, 40, 40);
    Effect(FX_GAS, 43, 42);             // 0.25 away: out of reach
    Effect(FX_FIRE, 40, 41);            // not gas
    object& spent = Effect(FX_GAS, 40, 40);
    spent.turn_off = true;
    Test_Fx_to_Fx(0, 16);
    EXPECT_EQ(Calls("Shell_Landed"), 0);
    EXPECT_FALSE(Fx[0].turn_off);
    // A gas cloud is never set off by itself, and bad indices are ignored.
    Test_Fx_to_Fx(1, 16);
    Test_Fx_to_Fx(-1, 16);
    Test_Fx_to_Fx(MAX_FX, 16);
    EXPECT_EQ(Calls("Shell_Landed"), 0);
}

TEST_F(Contacts, HazardKindsGiveTheirHitKinds) {
    EXPECT_EQ(Hazard_Hit_Kind(FX_FLAME), 11);
    EXPECT_EQ(Hazard_Hit_Kind(FX_FIRE), 12);
    EXPECT_EQ(Hazard_Hit_Kind(FX_GAS), 13);
    EXPECT_EQ(Hazard_Hit_Kind(FX_BULLET), 0);
    EXPECT_EQ(Hazard_Hit_Kind(0), 0);
}

TEST_F(Contacts, FireHurtsAUnitAtMostEvery200Ms) {
    Player();
    Enemy(5, 60, 60);
    object& fire = Effect(FX_FIRE, 60, 60);
    Test_Sprite_to_Fx(5, 16);
    EXPECT_EQ(Calls("Man_Shot"), 1);
    EXPECT_EQ(fire.action_timer, 1200);
    platform::AdvanceVirtualClock(200); // now 1200: not yet past the stamp
    Test_Sprite_to_Fx(5, 16);
    EXPECT_EQ(Calls("Man_Shot"), 1);
    platform::AdvanceVirtualClock(1);
    Test_Sprite_to_Fx(5, 16);
    EXPECT_EQ(Calls("Man_Shot"), 2);
    EXPECT_EQ(fire.action_timer, 1401);
}

TEST_F(Contacts, ProtectiveWearSparesThePlayerButTheHazardTimerRuns) {
    struct row {
        int kind;
        bool vest, mask;
        bool hurt;
    };
    const row rows[] = {
        {FX_FLAME, true, false, false}, {FX_FIRE, true, false, false}, {FX_GAS, true, false, true},
        {FX_GAS, false, true, false},    {FX_FIRE, false, true, true},   {FX_FLAME, false, false, true},
    };
    for (const row& r : rows) {
        trace.clear();
        no_fx = 0;
        Player();
        object& e = Effect(r.kind, 75, 75);
        has_firevest_equipped = r.vest;
        has_gasmask_equipped = r.mask;
        Test_Sprite_to_Fx(0, 16);
        EXPECT_EQ(Calls("Man_Shot"), r.hurt ? 1 : 0) << r.kind << " vest " << r.vest << " mask " << r.mask;
        EXPECT_EQ(e.action_timer, Now() + 200);
    }
    // A vest protects only its wearer.
    trace.clear();
    no_fx = 0;
    has_firevest_equipped = true;
    Enemy(5, 60, 60);
    Effect(FX_FIRE, 60, 60);
    Test_Sprite_to_Fx(5, 16);
    EXPECT_EQ(Calls("Man_Shot"), 1);
}

TEST_F(Contacts, HazardsSpareTheDeadTheRisenPropsAndSceneWithoutAPlayer) {
    struct row {
        const char* what;
        int type, sector, score;
        bool player;
        bool spent;
    };
    const row rows[] = {
        {"dead", UNT, GUNNER, 0, true, false},
        {"skeleton", UNT, UNIT_SKELETON, 50, true, false},
        {"dead chief", UNT, UNIT_DEAD_CHIEF, 50, true, false},
        {"prop", OBJ, GUNNER, 50, true, false},
        {"no player", UNT, GUNNER, 50, false, false},
        {"spent fire", UNT, GUNNER, 50, true, true},
    };
    for (const row& r : rows) {
        no_fx = 0;
        p1_id = -1;
        if (r.player) Player();
        object& u = Enemy(5, 60, 60);
        u.type = r.type;
        u.sector = r.sector;
        u.score = r.score;
        object& e = Effect(FX_FIRE, 60, 60);
        e.turn_off = r.spent;
        Test_Sprite_to_Fx(5, 16);
        EXPECT_EQ(Calls("Man_Shot"), 0) << r.what;
        EXPECT_EQ(e.action_timer, 0) << r.what;
    }
}

TEST_F(Contacts, AHazardReachesByTheTwoBoxWidths) {
    Player();
    object& u = Enemy(5, 60, 60);
    // Both boxes 0.1 wide: the reach is (0.1 + 0.1) / 2 = 0.1 of Node_Distance.
    u.box_width = 0.1f;
    u.box_height = 0.05f;
    u.w = -0.05f;
    u.z = -0.025f;                      // centre (0, 0)
    object& e = Effect(FX_FIRE, 60, 60);
    e.w = 0.201f - 0.05f;
    e.z = -0.05f;                       // centre (0.201, 0): distance 0.1005
    Test_Sprite_to_Fx(5, 16);
    EXPECT_EQ(Calls("Man_Shot"), 0);
    e.w -= 0.002f;                      // distance 0.0995
    Test_Sprite_to_Fx(5, 16);
    EXPECT_EQ(Calls("Man_Shot"), 1);
}

// ---- Bullets ---------------------------------------------------------------------------

TEST_F(Contacts, ABulletOfAnotherSideHitsKnocksBackAndLeavesAnImpact) {
    Player();
    object& shooter = Enemy(2, 20, 20);
    shooter.status = 29;
    object& target = Enemy(5, 60, 60);
    target.linked_sprite = 0; // the player's side
    target.width = target.height = 0.3f;
    object& b = Effect(FX_BULLET, 60, 60, 2);
    b.sector_action = 2;
    Test_Sprite_to_Fx(5, 16);
    EXPECT_TRUE(b.turn_off);
    EXPECT_EQ(trace, (std::vector<std::string>{"Knock_Back", "Man_Shot"}));
    ASSERT_EQ(no_fx, 2);
    const object& hit = Fx[1];
    EXPECT_EQ(hit.sector, FX_IMPACT);
    EXPECT_EQ(hit.anim, 36);
    EXPECT_EQ(hit.anim_state, ANIM_ONCE);
    EXPECT_EQ(hit.type, GFX);
    EXPECT_EQ(hit.priority, 2);
    EXPECT_EQ(hit.id, 2);
    EXPECT_EQ(hit.linked_sprite, 5);
    EXPECT_FLOAT_EQ(hit.alpha, 1.0f);
    EXPECT_FLOAT_EQ(hit.x, b.x - 0.15f); // centred: the unit's size around the bullet's corner
}

TEST_F(Contacts, BulletsThatDoNotHit) {
    struct row {
        const char* what;
        int owner;       // maker of the bullet
        int owner_side;  // side of the maker
        int kind;
        bool spent_before;
        int col;         // the bullet's cell column (the unit stands on 60)
        bool spent_after;
    };
    const row rows[] = {
        {"own side", 2, 0, FX_BULLET, false, 60, false},
        {"maker is sprite 0", 0, 4, FX_BULLET, false, 60, false},
        {"maker off the array", 900, 4, FX_BULLET, false, 60, false},
        {"maker -1", -1, 4, FX_BULLET, false, 60, false},
        {"out of reach", 2, 4, FX_BULLET, false, 63, false},
        {"already spent", 2, 4, FX_BULLET, true, 60, true},
        {"shell", 2, 4, FX_SHELL, false, 60, true},
    };
    for (const row& r : rows) {
        trace.clear();
        no_fx = 0;
        p1_id = -1;
        Enemy(2, 20, 20);
        if (r.owner >= 0 && r.owner < MAX_SPRITES) sprite[r.owner].linked_sprite = r.owner_side;
        object& u = Enemy(5, 60, 60);
        u.linked_sprite = 0;
        u.box_width = 0.1f;
        object& b = Effect(r.kind, r.col, 60, r.owner);
        b.turn_off = r.spent_before;
        Test_Sprite_to_Fx(5, 16);
        EXPECT_EQ(b.turn_off, r.spent_after) << r.what;
        EXPECT_TRUE(trace.empty()) << r.what;
        EXPECT_EQ(no_fx, 1) << r.what;
    }
}

TEST_F(Contacts, ABulletIntoADeadUnitIsSpentWithoutAHit) {
    Enemy(2, 20, 20);
    object& u = Enemy(5, 60, 60);
    u.linked_sprite = 0;
    u.score = 0;
    object& b = Effect(FX_BULLET, 60, 60, 2);
    Test_Sprite_to_Fx(5, 16);
    EXPECT_TRUE(b.turn_off);
    EXPECT_TRUE(trace.empty());
    EXPECT_EQ(no_fx, 1);
}

TEST_F(Contacts, AnExplosiveShotBlowsUpInsteadOfHitting) {
    Enemy(2, 20, 20);
    object& u = Enemy(5, 60, 60);
    u.linked_sprite = 0;
    object& b = Effect(FX_BULLET, 60, 60, 2);
    b.sector_action = 4;
    Test_Sprite_to_Fx(5, 16);
    EXPECT_TRUE(b.turn_off);
    ASSERT_FALSE(trace.empty());
    EXPECT_EQ(trace[0], "Shell_Landed");
    EXPECT_EQ(std::count(trace.begin(), trace.end(), std::string("Shell_Landed")), 1);
    EXPECT_EQ(no_fx, 3);  // the spent shot and the blast's two fire effects
}

TEST_F(Contacts, SomeUnitsAreHitWithoutBeingKnockedBack) {
    struct row {
        const char* what;
        bool is_player, scene_change;
        int type, sector, fixed_mode;
        bool knocked;
    };
    const row rows[] = {
        {"soldier", false, false, UNT, GUNNER, 0, true},
        {"player", true, false, UNT, GUNNER, 0, false},
        {"scene change", false, true, UNT, GUNNER, 0, false},
        {"sandbag", false, false, BAG, GUNNER, 0, false},
        {"mortar", false, false, UNT, UNIT_MORTAR, 0, false},
        {"bomber turret", false, false, UNT, BOMBER, TURRET, false},
        {"movable bomber", false, false, UNT, BOMBER, MOVABLE, true},
    };
    for (const row& r : rows) {
        trace.clear();
        no_fx = 0;
        Enemy(2, 20, 20);
        object& u = Enemy(5, 60, 60);
        u.linked_sprite = 0;
        u.type = r.type;
        u.sector = r.sector;
        u.onDeath_action = r.fixed_mode;
        p1_id = r.is_player ? 5 : -1;
        next_scene = r.scene_change;
        Effect(FX_BULLET, 60, 60, 2);
        Test_Sprite_to_Fx(5, 16);
        EXPECT_EQ(Calls("Knock_Back"), r.knocked ? 1 : 0) << r.what;
        EXPECT_EQ(Calls("Man_Shot"), 1) << r.what;
    }
}

// ---- Walking to objects ----------------------------------------------------------------

TEST_F(Contacts, ThePlayerStopsOnArrivalAndNotBefore) {
    object& p = Player();
    p.moving = true;
    p.fire_target = 9;
    p.status = 27;
    object& o = Prop(9, OBJ_SWITCH, 77, 75); // 0.2 apart: Node_Distance 0.1, not yet
    o.score = 5;
    near_sell = true;
    Test_sprite_to_Obj(0, 9);
    EXPECT_FALSE(near_sell);
    EXPECT_TRUE(p.moving);
    EXPECT_EQ(o.score, 5);

    o.w -= 0.0001f; // just within 0.1 (Node_Distance halves the sum)
    Test_sprite_to_Obj(0, 9);
    EXPECT_FALSE(p.moving);
    EXPECT_EQ(p.status, 3);
    EXPECT_EQ(p.fire_target, -1);
    EXPECT_TRUE(p.update);
    EXPECT_EQ(p.anim_state, ANIM_STOPPED);
    EXPECT_EQ(o.score, 0);
}

TEST_F(Contacts, WalkingToSomethingThatIsNoPropOnlyStops) {
    object& p = Player();
    p.moving = true;
    object& d = Prop(9, OBJ_SWITCH, 75, 75);
    d.type = DOR;
    d.score = 5;
    Test_sprite_to_Obj(0, 9);
    EXPECT_FALSE(p.moving);
    EXPECT_EQ(d.score, 5);
    EXPECT_EQ(d.all_timer, 0);
    EXPECT_FALSE(d.selected);
    // A target that names no sprite does nothing at all.
    p.moving = true;
    Test_sprite_to_Obj(0, -1);
    Test_sprite_to_Obj(0, MAX_SPRITES);
    EXPECT_TRUE(p.moving);
}

TEST_F(Contacts, ASwitchActsOnceAndSetsItsStoryFlags) {
    Player();
    episode = 3;
    scene = 23;
    object& s = Prop(179, OBJ_SWITCH, 75, 75);
    s.score = 1;
    mouseleft = true;
    Test_sprite_to_Obj(0, 179);
    EXPECT_EQ(s.score, 0);
    EXPECT_EQ(old_message, msg_id::MSG_TRIGGER);
    EXPECT_EQ(dialog_active, 0);
    EXPECT_TRUE(click_sfx);
    EXPECT_FALSE(mouseleft);
    EXPECT_EQ(global_objects[30], 1);
    EXPECT_EQ(global_objects[31], 0);
    EXPECT_EQ(s.all_timer, Now() + 1500);

    // A second contact: no message, no click, no flag.
    click_sfx = false;
    old_message = -1;
    global_objects[30] = 0;
    Test_sprite_to_Obj(0, 179);
    EXPECT_FALSE(click_sfx);
    EXPECT_EQ(old_message, -1);
    EXPECT_EQ(global_objects[30], 0);

    scene = 27;
    object& t = Prop(180, OBJ_SWITCH, 75, 75);
    t.score = 1;
    Test_sprite_to_Obj(0, 180);
    EXPECT_EQ(global_objects[31], 0);
    EXPECT_EQ(global_objects[35], 1);
}

TEST_F(Contacts, InfoObjectsSpeakOrLetThePlayerSpeak) {
    struct row {
        int kind, message, speaker;
        bool monkey;
    };
    const row rows[] = {
        {OBJ_INFO, 50, 9, false},   {OBJ_INFO, 29, 0, false},   {OBJ_DANCER, 106, 0, true},
        {OBJ_DANCER1, 107, 0, false}, {OBJ_INFO, 108, 0, false}, {OBJ_TALK1, 77, 0, false},
    };
    for (const row& r : rows) {
        Player();
        monkey_sfx = false;
        old_message = -1;
        dialog_timer = 0;
        object& o = Prop(9, r.kind, 75, 75);
        o.score = r.message;
        Test_sprite_to_Obj(0, 9);
        EXPECT_EQ(old_message, r.message);
        EXPECT_EQ(dialog_active, r.speaker) << r.message;
        EXPECT_EQ(monkey_sfx, r.monkey);
    }
}

TEST_F(Contacts, ALampSwitchTogglesItsLight) {
    Player();
    object& l = Prop(9, OBJ_LIGHT1, 75, 75);
    l.linked_sprite = LIGHT_OFF;
    l.onCreate_action = LIGHT_TORCH;
    mouseheld = true;
    Test_sprite_to_Obj(0, 9);
    EXPECT_EQ(l.linked_sprite, LIGHT_ON);
    EXPECT_EQ(l.anim, 3);
    EXPECT_TRUE(torch_sfx);
    EXPECT_FALSE(mouseheld);
    EXPECT_FALSE(l.selected); // a lamp keeps its own frames
    l.onCreate_action = LIGHT_ELECTRIC;
    Test_sprite_to_Obj(0, 9);
    EXPECT_EQ(l.linked_sprite, LIGHT_OFF);
    EXPECT_EQ(l.anim, 2);
    EXPECT_TRUE(lightswitch_sfx);
}

TEST_F(Contacts, ObjectsThatLeadToAScene) {
    struct row {
        int kind;
        int episode, scene;
    };
    const row rows[] = {
        {OBJ_RESCUE, 1, 78},   {OBJ_BETSY, 1, 0},        {OBJ_BETSY4, 1, 122}, {OBJ_COMMAND, 1, 92},
        {OBJ_AIRPLANE1, 3, 29}, {OBJ_SUB_INTRO, 1, 34},  {OBJ_MAP, 1, 62},     {OBJ_MEDALBOX, 1, 24},
        {OBJ_DRILL, 1, 1},     {OBJ_GALLERY_START, 1, 10}, {OBJ_CASINO, 1, 3},
    };
    for (const row& r : rows) {
        Player();
        episode = 2;
        scene = 5;
        next_scene = false;
        Prop(9, r.kind, 75, 75);
        Test_sprite_to_Obj(0, 9);
        EXPECT_EQ(episode, r.episode) << r.kind;
        EXPECT_EQ(scene, r.scene) << r.kind;
        EXPECT_TRUE(next_scene) << r.kind;
    }
}

TEST_F(Contacts, SceneObjectsSetTheirExtras) {
    Player();
    Prop(9, OBJ_AIRPLANE, 75, 75);
    Test_sprite_to_Obj(0, 9);
    EXPECT_EQ(current_spawn, 0);
    Prop(9, OBJ_AIRPLANE1, 75, 75);
    Test_sprite_to_Obj(0, 9);
    EXPECT_EQ(current_spawn, 2);
    Prop(9, OBJ_CLAY, 75, 75);
    Test_sprite_to_Obj(0, 9);
    EXPECT_EQ(gun_entry, 4);
    EXPECT_EQ(scene, 110);
    for (int kind : {OBJ_DODGYDAN, OBJ_UPGRADE, OBJ_CARD_START}) {
        shop_intro_type = 1;
        Prop(9, kind, 75, 75);
        Test_sprite_to_Obj(0, 9);
        EXPECT_EQ(shop_intro_type, 0) << kind;
    }
    CONTROL_SCHEME = false;
    Prop(9, OBJ_KNIFE, 75, 75);
    Test_sprite_to_Obj(0, 9);
    EXPECT_EQ(scene, 138);
    CONTROL_SCHEME = true;
    Test_sprite_to_Obj(0, 9);
    EXPECT_EQ(scene, 140);
}

TEST_F(Contacts, TheMedicHealsThePlayer) {
    object& p = Player();
    p.score = 12;
    PLY_VITALITY = 140;
    Prop(9, OBJ_MEDIC, 75, 75);
    Test_sprite_to_Obj(0, 9);
    EXPECT_EQ(p.score, 140);
    EXPECT_FLOAT_EQ(player_health, 140.0f);
    EXPECT_TRUE(chute_sfx);
    EXPECT_EQ(old_message, msg_id::MEDIC);
    EXPECT_EQ(dialog_active, 9);
}

TEST_F(Contacts, TheSellerTurnsThePlayerToHisCounter) {
    object& p = Player();
    Prop(9, OBJ_SELL, 75, 75);
    Test_sprite_to_Obj(0, 9);
    EXPECT_TRUE(near_sell);
    EXPECT_EQ(p.status, 60);
    EXPECT_FLOAT_EQ(p.angle, -1.5f);
    EXPECT_NEAR(p.mov_y, p.y - 2.0f, 0.01f);
}

TEST_F(Contacts, TouchedPropsAreSelectedOnceAndShowTheirSecondFrame) {
    struct row {
        const char* what;
        int kind, mission, score;
        bool selected;
        int anim;
    };
    const row rows[] = {
        {"plain", OBJ_TALK2, 0, 0, true, 3},
        {"talker", OBJ_TALK1, 0, 5, true, 2},
        {"scoring", OBJ_TALK2, 0, 29, true, 2},
        {"mission 6", OBJ_TALK2, 6, 0, false, 2},
        {"music box", OBJ_MUSICBOX, 0, 0, false, 2},
        {"lever", OBJ_SWITCH1, 0, 0, false, 2},
    };
    for (const row& r : rows) {
        Player();
        object& o = Prop(9, r.kind, 75, 75);
        o.selected = false;
        o.sector = r.mission;
        o.score = r.score;
        Test_sprite_to_Obj(0, 9);
        EXPECT_EQ(o.selected, r.selected) << r.what;
        EXPECT_EQ(o.anim, r.anim) << r.what;
    }
}

TEST_F(Contacts, TheMusicBoxTurnsTheMusicOffAndOn) {
    Player();
    object& m = Prop(9, OBJ_MUSICBOX, 75, 75);
    Test_sprite_to_Obj(0, 9);
    EXPECT_TRUE(music_off);
    EXPECT_TRUE(m.moving);
    EXPECT_EQ(m.anim_state, ANIM_ONCE);
    Test_sprite_to_Obj(0, 9);
    EXPECT_FALSE(music_off);
    EXPECT_FALSE(m.moving);
    EXPECT_EQ(m.anim_state, ANIM_LOOP);
}

TEST_F(Contacts, AScareFrightensThePlayerAndALeverStartsMoving) {
    object& p = Player();
    Prop(9, OBJ_SCARE, 75, 75);
    Test_sprite_to_Obj(0, 9);
    EXPECT_EQ(p.status, 72);
    EXPECT_EQ(p.all_timer, Now() + 2000);
    EXPECT_TRUE(stolen_sfx);

    object& lever = Prop(10, OBJ_SWITCH1, 75, 75);
    lever.score = 0;
    Test_sprite_to_Obj(0, 10);
    EXPECT_FALSE(lever.moving);
    lever.score = 3;
    Test_sprite_to_Obj(0, 10);
    EXPECT_TRUE(lever.moving);
}

TEST_F(Contacts, AnEventPropComplainsOneTimeInSix) {
    Player();
    int complaints = 0;
    for (int seed = 1; seed <= 120; ++seed) {
        std::srand(seed);
        old_message = -1;
        dialog_timer = 0;
        stolen_sfx = false;
        Prop(9, OBJ_EVENT, 75, 75);
        Test_sprite_to_Obj(0, 9);
        EXPECT_TRUE(stolen_sfx);
        if (old_message == msg_id::MSG_SHITTER1) ++complaints;
    }
    EXPECT_GT(complaints, 5);
    EXPECT_LT(complaints, 45);
    // Once it shows another frame it keeps quiet.
    stolen_sfx = false;
    object& e = Prop(9, OBJ_EVENT, 75, 75);
    e.anim = 3;
    Test_sprite_to_Obj(0, 9);
    EXPECT_FALSE(stolen_sfx);
}

// ---- Triggers --------------------------------------------------------------------------

TEST_F(Contacts, AnExitTriggerSendsThePlayerOn) {
    object& p = Player();
    p.grab_switch = true;
    object& t = Trigger(20, TRI, 17, 75, 75);
    Test_sprite_to_trigger(0);
    EXPECT_EQ(episode, 2);
    EXPECT_EQ(scene, 4);
    EXPECT_EQ(current_spawn, 7);
    EXPECT_TRUE(next_scene);
    EXPECT_FALSE(t.grab_switch);
    EXPECT_FALSE(lock_player);
    // While the change is pending nothing more is tested.
    episode = 9;
    t.grab_switch = true;
    Test_sprite_to_trigger(0);
    EXPECT_EQ(episode, 9);
}

TEST_F(Contacts, ExitDestinations) {
    struct row {
        const char* what;
        int sector, act, level, flag32, mission9, mission10, from_episode, from_scene, flag20;
        int episode, scene;
    };
    const row rows[] = {
        {"fixed 1", 1, 1, 2, 0, 0, 0, 2, 5, 0, 2, 1},
        {"fixed 18", 18, 1, 2, 0, 0, 0, 2, 5, 0, 0, 11},
        {"fixed 82", 82, 1, 2, 0, 0, 0, 2, 5, 0, 1, 122},
        {"fixed 57", 57, 1, 2, 0, 0, 0, 2, 5, 0, 3, 25},
        {"unknown 5", 5, 1, 2, 0, 0, 0, 2, 5, 0, 2, 5},
        {"unknown 99", 99, 1, 2, 0, 0, 0, 2, 5, 0, 2, 5},
        {"base act 1", 0, 1, 2, 0, 0, 0, 3, 5, 0, 2, 0},
        {"base act 2", 0, 2, 2, 1, 0, 0, 3, 5, 0, 2, 3},
        {"base act 3", 0, 3, 2, 1, 0, 0, 3, 5, 0, 2, 10},
        {"base act 4", 0, 4, 2, 1, 0, 0, 3, 5, 0, 2, 11},
        {"base act 2 briefing", 0, 2, 2, 0, 0, 0, 3, 5, 0, 1, 48},
        {"camp act 1", 51, 1, 2, 0, 0, 0, 3, 5, 0, 1, 56},
        {"camp act 3", 51, 3, 2, 1, 0, 0, 3, 5, 0, 1, 56},
        {"camp act 3 briefing", 51, 3, 2, 0, 0, 0, 3, 5, 0, 1, 48},
        {"supplies from 3/9", 9, 1, 2, 0, 0, 0, 3, 9, 1, 1, 47},
        {"supplies without flag", 9, 1, 2, 0, 0, 0, 3, 9, 0, 3, 3},
        {"supplies elsewhere", 9, 1, 2, 0, 0, 0, 3, 8, 1, 3, 3},
        {"trench given", 58, 1, 2, 0, 2, 0, 2, 5, 0, 1, 110},
        {"trench", 58, 1, 2, 0, 1, 0, 2, 5, 0, 1, 111},
        {"patches act 1", 40, 1, 2, 0, 0, 0, 2, 5, 0, 1, 0},
        {"patches act 2", 40, 2, 2, 0, 0, 0, 2, 5, 0, 1, 65},
        {"patches mission done", 40, 3, 2, 0, 0, 1, 2, 5, 0, 1, 65},
        {"patches act 3", 40, 3, 2, 0, 0, 3, 2, 5, 0, 1, 83},
        {"patches act 3 idle", 40, 3, 2, 0, 0, 0, 2, 5, 0, 2, 5},
        {"patches act 4", 40, 4, 2, 0, 0, 1, 2, 5, 0, 1, 0},
        {"tunnels", 81, 2, 2, 0, 0, 0, 2, 5, 0, 1, 31},
    };
    for (const row& r : rows) {
        Player().grab_switch = true;
        trigger_counter = 0;
        next_scene = false;
        current_act = r.act;
        Level = r.level;
        global_objects[32] = (char)r.flag32;
        global_objects[20] = (char)r.flag20;
        main_mission[9] = r.mission9;
        main_mission[10] = r.mission10;
        episode = r.from_episode;
        scene = r.from_scene;
        Trigger(20, TRI, r.sector, 75, 75);
        Test_sprite_to_trigger(0);
        EXPECT_EQ(episode, r.episode) << r.what;
        EXPECT_EQ(scene, r.scene) << r.what;
        EXPECT_TRUE(next_scene) << r.what;
    }
}

TEST_F(Contacts, ExitExtras) {
    struct row {
        int sector;
        int gun, shop;
    };
    const row rows[] = {{33, 1, 5}, {58, 2, 5}, {42, 0, 0}, {43, 0, 0}, {45, 0, 0}, {44, 0, 5}};
    main_mission[9] = 2;
    for (const row& r : rows) {
        Player().grab_switch = true;
        trigger_counter = 0;
        next_scene = false;
        gun_entry = 0;
        shop_intro_type = 5;
        Trigger(20, TRI, r.sector, 75, 75);
        Test_sprite_to_trigger(0);
        EXPECT_EQ(gun_entry, r.gun) << r.sector;
        EXPECT_EQ(shop_intro_type, r.shop) << r.sector;
    }
}

TEST_F(Contacts, TunnelEntriesChooseTheirPage) {
    struct row {
        int sector, act, level;
        int page;
    };
    const row rows[] = {
        {81, 1, LVL_VILLAGE, 1}, {81, 2, LVL_VILLAGE, 2}, {81, 3, LVL_VILLAGE, 3},
        {81, 4, LVL_VILLAGE, 3}, {81, 3, LVL_SUPPLIES, 1}, {81, 3, LVL_HIGHWAY, 2},
        {81, 1, LVL_BEACH_ROAD, 2}, {31, 4, LVL_VILLAGE, 3},
    };
    for (const row& r : rows) {
        Player().grab_switch = true;
        trigger_counter = 0;
        next_scene = false;
        current_act = r.act;
        Level = r.level;
        tunnel_page = -5;
        Trigger(20, TRI, r.sector, 75, 75);
        Test_sprite_to_trigger(0);
        EXPECT_EQ(tunnel_page, r.page) << r.sector << " act " << r.act << " level " << r.level;
    }
}

TEST_F(Contacts, ATunnelHatchQueuesItsSceneForTheTunnelStep) {
    Player().grab_switch = true;
    episode = 3;
    scene = 12;
    Trigger(20, TRI, 31, 75, 75);
    Test_sprite_to_trigger(0);
    EXPECT_EQ(next_scene1, 31);
    EXPECT_EQ(next_episode1, 1);
    EXPECT_EQ(episode, 3);
    EXPECT_EQ(scene, 12);
}

TEST_F(Contacts, ThePlayerDropsDownALadderAndWaitsForTheTunnelStep) {
    object& p = Player();
    p.grab_switch = true;
    p.status = 27;
    p.moving = true;
    mouseleft = true;
    const int cell = Cell_Index(75, 75);
    map_col[cell] = COL_FOOTPRINT;
    object& t = Trigger(20, LAD, 1, 77, 76);
    Test_sprite_to_trigger(0);
    EXPECT_EQ(p.status, 59);
    EXPECT_EQ(p.all_timer, Now() + 1500);
    EXPECT_FALSE(p.moving);
    EXPECT_FALSE(p.grab_switch);
    EXPECT_TRUE(p.update);
    EXPECT_TRUE(falling_in_hole);
    EXPECT_FALSE(mouseleft);
    EXPECT_EQ(p.score, 100);
    EXPECT_EQ(map_col[cell], COL_FREE);
    EXPECT_FLOAT_EQ(p.x, t.w + 0.25f - 0.15f);
    EXPECT_FLOAT_EQ(p.y, t.z + 0.25f - 0.15f);
    EXPECT_TRUE(fall_sfx);
    EXPECT_EQ(episode, 2);
    EXPECT_EQ(scene, 1);
    EXPECT_EQ(current_spawn, 7);
    EXPECT_EQ(tunnel_timer, Now() + 1000);
    EXPECT_TRUE(lock_player);
    EXPECT_FALSE(next_scene); // the tunnel step raises it once tunnel_timer has passed
    EXPECT_FALSE(t.grab_switch);
}

TEST_F(Contacts, OtherUnitsFallIntoHolesWithoutChangingTheScene) {
    struct row {
        const char* what;
        int sector;
        int objective;
        int timer, score, successes;
        bool fall_sound, message;
    };
    const row rows[] = {
        {"soldier", GUNNER, -1, 500, 0, 0, true, false},
        {"monkey", MONKEY, -1, 500, 0, 0, false, false},
        {"dog", DOG, -1, 500, 0, 0, false, false},
        {"prisoner", UNIT_RESCUE, -1, 1500, 0, 1, true, true},
        {"prisoner, mission failed", UNIT_RESCUE, 101, 1500, 0, 0, true, true},
        {"prisoner, mission done", UNIT_RESCUE, 102, 1500, 0, 0, true, true},
    };
    for (const row& r : rows) {
        Player();
        sprite[0].w += 2.0f; // away from the hole
        trigger_counter = 0;
        success_condition = 0;
        mission_objective = r.objective;
        fall_sfx = false;
        old_message = -1;
        dialog_timer = 0;
        object& u = Enemy(5, 60, 60);
        u.sector = r.sector;
        u.grab_switch = true;
        Trigger(20, LAD, 1, 60, 60);
        Test_sprite_to_trigger(5);
        EXPECT_EQ(u.status, 59) << r.what;
        EXPECT_EQ(u.all_timer, Now() + r.timer) << r.what;
        EXPECT_EQ(u.score, r.score) << r.what;
        EXPECT_EQ(success_condition, r.successes) << r.what;
        EXPECT_EQ(fall_sfx, r.fall_sound) << r.what;
        EXPECT_EQ(old_message == msg_id::MSG_MISSIONR, r.message) << r.what;
        EXPECT_EQ(episode, 2) << r.what;
        EXPECT_EQ(scene, 5) << r.what;
        EXPECT_EQ(tunnel_timer, -1) << r.what;
        EXPECT_FALSE(falling_in_hole) << r.what;
    }
}

TEST_F(Contacts, SwitchesRecordWhoHitThem) {
    struct row {
        const char* what;
        bool unit_is_player;
        int unit_class;
        int hit_kind;
        bool hit;
    };
    const row rows[] = {
        {"player on a player switch", true, GUNNER, 0, true},
        {"soldier on a player switch", false, GUNNER, 0, false},
        {"vehicle on a vehicle switch", false, UNIT_VEHICLE, 1, true},
        {"player on a vehicle switch", true, GUNNER, 1, false},
        {"player on a buddy switch", true, GUNNER, 2, false},
    };
    for (const row& r : rows) {
        trigger_counter = 0;
        trigger_hit = -1;
        Player();
        sprite[0].w += 2.0f;
        object& u = Enemy(5, 60, 60);
        u.sector = r.unit_class;
        u.grab_switch = true;
        if (r.unit_is_player) p1_id = 5;
        Trigger(20, SWI, r.hit_kind, 60, 60);
        Test_sprite_to_trigger(5);
        EXPECT_EQ(trigger_hit, r.hit ? 20 : -1) << r.what;
        EXPECT_EQ(episode, 2) << r.what;
        EXPECT_EQ(scene, 5) << r.what;
        EXPECT_FALSE(next_scene) << r.what;
    }
}

TEST_F(Contacts, TriggersThatDoNotFire) {
    struct row {
        const char* what;
        void (*setup)(object& unit, object& trigger);
        bool fires;
    };
    const row rows[] = {
        {"armed", [](object&, object&) {}, true},
        {"unit not armed", [](object& u, object&) { u.grab_switch = false; }, false},
        {"trigger switched off", [](object&, object& t) { t.onCreate = -1; }, false},
        {"trigger moving", [](object&, object& t) { t.moving = true; }, false},
        {"unit falling", [](object& u, object&) { u.status = 59; }, false},
        {"unit spent", [](object& u, object&) { u.turn_off = true; }, false},
        {"sector 49", [](object&, object& t) { t.sector = 49; }, false},
        {"sector 3", [](object&, object& t) { t.sector = 3; }, false},
        {"sniper", [](object& u, object&) { u.sector = UNIT_SNIPER; }, false},
        {"no unit", [](object& u, object&) { u.type = BAG; }, false},
        {"not a trigger", [](object&, object& t) { t.type = DOR; }, false},
        {"on the box edge", [](object& u, object& t) { t.w = u.w + u.box_width / 2; }, false},
        {"mission not given", [](object&, object& t) { t.linked_sprite = 5; }, false},
        {"mission given", [](object&, object& t) { t.linked_sprite = 5; main_mission[5] = 2; }, true},
        {"link -2", [](object&, object& t) { t.linked_sprite = -2; }, true},
        {"link -3", [](object&, object& t) { t.linked_sprite = -3; }, true},
        {"link -1, spare entry 0", [](object&, object& t) { t.linked_sprite = -1; }, false},
        {"link -1, spare entry set", [](object&, object& t) { t.linked_sprite = -1; main_mission[24] = 1; }, true},
        {"link past the missions", [](object&, object& t) { t.linked_sprite = 40; }, false},
        {"link past the missions, spare set", [](object&, object& t) { t.linked_sprite = 40; main_mission[24] = 3; }, true},
    };
    for (const row& r : rows) {
        for (int& m : main_mission) m = 0;
        trigger_counter = 0;
        next_scene = false;
        episode = 2;
        scene = 5;
        object& p = Player();
        p.grab_switch = true;
        object& t = Trigger(20, TRI, 1, 75, 75);
        r.setup(p, t);
        Test_sprite_to_trigger(0);
        EXPECT_EQ(next_scene, r.fires) << r.what;
        EXPECT_EQ(scene, r.fires ? 1 : 5) << r.what;
    }
}

TEST_F(Contacts, BadTriggerListEntriesAreSkipped) {
    object& p = Player();
    p.grab_switch = true;
    trigger_list[0] = -1;
    trigger_list[1] = 900;
    trigger_list[2] = 0; // the unit itself
    trigger_counter = 3;
    Trigger(20, TRI, 1, 75, 75);
    Test_sprite_to_trigger(0);
    EXPECT_TRUE(next_scene);
    next_scene = false;
    trigger_counter = 5000;
    Test_sprite_to_trigger(0);
    Test_sprite_to_trigger(-4);
    Test_sprite_to_trigger(MAX_SPRITES);
}

} // namespace
