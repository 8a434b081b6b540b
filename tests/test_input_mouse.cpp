// The mouse step of the main tick: the hover state over units, doors, ladders, props and
// ground items, dropping the pointer item, the enemy bar, the pointer animation and the
// camera look-ahead, driven through Mouse_Code on a small walk map.
#include "common/codes.h"
#include "common/sound_requests.h"
#include "main/controls.h"
#include "test_input_fixture.h"

namespace {

class MouseCode : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        CONTROL_SCHEME = false;
        KEY_SPACE = false;
        mouseleft = mouseheld = false;
        reloading = false;
        mouse_grabbed = false;
        near_sell = false;
        on_the_radar = on_hud_buttons = special_selected = false;
        has_machine_equipped = has_shotgun_equipped = has_sight = false;
        cutscene = false;
        zoom_factor = 1.1f;
        sc_ratio = 0.75f;
        flash_on = -1;
    }
    // An enemy unit on cell (col, row): box 0.05 wide and high, hover box up to 4 boxes high.
    void Enemy(int i, int col, int row) { Place_Unit(i, col, row); }
    // A ground item (effect) of the given pickup code lying on cell (col, row).
    static int Item(int code, int value, int col, int row) {
        int i = no_fx++;
        object& e = Fx[i];
        e = object{};
        e.type = PKU;
        e.item_type = code;
        e.value = value;
        e.x = e.w = col * 0.1f - map_startX;
        e.y = e.z = row * 0.1f - map_startY;
        e.width = e.height = e.box_width = e.box_height = 0.1f;
        e.alpha = 1.0f;
        return i;
    }
    void Run() { Mouse_Code(5); }
};

TEST_F(MouseCode, OutsideWalkAndFrontEndNothingChanges) {
    game_mode = MODE_CINE;
    on_selected_man = 7;
    stored_target = 3;
    Run();
    EXPECT_EQ(on_selected_man, 7);
    EXPECT_EQ(stored_target, 3);
}

TEST_F(MouseCode, TheFrontEndOnlyClearsTheHoverState) {
    game_mode = MODE_FRONT;
    on_selected_man = 2;
    stored_target = 3;
    on_pickup = true;
    Enemy(1, 80, 75);
    Visible({1});
    Point_At(Centre_X(1), Centre_Y(1));
    Run();
    EXPECT_EQ(on_selected_man, 0);
    EXPECT_EQ(stored_target, -1);
    EXPECT_FALSE(on_pickup);
    EXPECT_EQ(unit_selected, 0);
    EXPECT_EQ(Count("Hud_Face_Unit"), 0);
}

TEST_F(MouseCode, OverAHudPanelNeitherSchemeActsOnAClick) {
    for (int panel : {36, 33, 50, 0, 29, 30, 38, 49, 46, 26}) {
        SCOPED_TRACE(panel);
        std::memset(&hud[panel], 0, sizeof(object));
        hud[panel].w = 0.5f;
        hud[panel].z = 0.5f;
        hud[panel].box_width = hud[panel].box_height = 0.2f;
        Point_At(0.6f, 0.6f);
        mouseleft = true;
        player_inv[0] = 10;
        player_inv_value2[0] = 5;
        current_weapon = 0;
        trace.clear();
        Run();
        EXPECT_FALSE(hud_corner);
        EXPECT_EQ(Count("TestSpriteToShootPly"), 0);
        EXPECT_EQ(sprite[0].status, 3);
        hud[panel] = object{};
    }
    // The same click over the map fires.
    trace.clear();
    Run();
    EXPECT_TRUE(hud_corner);
    EXPECT_EQ(Count("TestSpriteToShootPly"), 1);
}

TEST_F(MouseCode, AimZoneOnAnEnemyFollowsThePointerHeightAndTheWeapon) {
    Enemy(1, 80, 75);
    Visible({1});
    const object& e = sprite[1];
    float low = e.z + e.box_height / 2, mid = e.z + 2 * e.box_height, top = e.z + 3.5f * e.box_height;
    struct Case { const char* name; float y; bool shotgun, machine, sight; int targeted, pointer; };
    const Case cases[] = {
        {"lowest quarter", low, false, false, false, 2, 9},
        {"body", mid, false, false, false, 1, 2},
        {"head", top, false, false, false, 0, 9},
        {"head, shotgun", top, true, false, false, 1, 2},
        {"head, machine gun", top, false, true, false, 1, 2},
        {"head, machine gun with sight", top, false, true, true, 0, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        has_shotgun_equipped = c.shotgun;
        has_machine_equipped = c.machine;
        has_sight = c.sight;
        Point_At(Centre_X(1), c.y);
        Run();
        EXPECT_EQ(on_selected_man, 2);
        EXPECT_EQ(stored_target, 1);
        EXPECT_EQ(targeted, c.targeted);
        EXPECT_EQ(hud[1].anim, c.pointer);
    }
}

TEST_F(MouseCode, UnitsOfThePlayersSideAndExcludedStatesAreNotTargets) {
    Enemy(1, 80, 75);
    Visible({1});
    Point_At(Centre_X(1), Centre_Y(1));
    struct Case { const char* name; int sector, status, on_death, linked; bool turn_off; };
    const Case cases[] = {
        {"own side", 0, 3, 0, 0, false}, {"bird", UNIT_BIRD, 3, 0, 1, false},
        {"idle duck", DUCK, 3, 0, 1, false}, {"dying", 0, 31, 0, 1, false},
        {"body removed", 0, 44, 0, 1, false}, {"on-death 3", 0, 3, 3, 1, false},
        {"switched off", 0, 3, 0, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sprite[1].sector = c.sector;
        sprite[1].status = c.status;
        sprite[1].onDeath_action = c.on_death;
        sprite[1].linked_sprite = c.linked;
        sprite[1].turn_off = c.turn_off;
        Run();
        EXPECT_EQ(on_selected_man, 0);
        EXPECT_EQ(stored_target, -1);
    }
}

TEST_F(MouseCode, AUnitLaterInTheListWinsOverAGroundItem) {
    Enemy(1, 80, 75);
    int item = Item(13, 20, 80, 75);
    Point_At(Centre_X(1), Centre_Y(1));
    // The item first: it is hovered, then the unit takes the pointer.
    Visible({FX_ID_BASE + item, 1});
    Run();
    EXPECT_EQ(on_selected_man, 2);
    EXPECT_EQ(stored_target, 1);
    EXPECT_FALSE(on_pickup);
    EXPECT_EQ(pkp_msg_target, item);
    // The unit first: the item is not considered at all.
    trace.clear();
    Visible({1, FX_ID_BASE + item});
    Run();
    EXPECT_EQ(on_selected_man, 2);
    EXPECT_EQ(pkp_msg_target, -1);
    EXPECT_EQ(Count("Hud_Check"), 0);
}

TEST_F(MouseCode, GroundItemsAddUpByKindAndAClickPicksOneUp) {
    struct Case { int code, value, value2; int* sum; int expected; };
    const Case cases[] = {
        {9, 1, 12, &INV_PISTOL_ADD, 12}, {13, 20, 0, &INV_PISTOL_ADD, 20}, {2, 5, 0, &INV_RIFLE_ADD, 5},
        {36, 8, 0, &INV_SHOTGUN_ADD, 8}, {41, 30, 0, &INV_MACHINE_ADD, 30}, {4, 25, 0, &INV_HEALTH_ADD, 25},
        {3, 60, 0, &INV_HEALTH_ADD, 60}, {23, 1, 0, &INV_HEALTH_ADD, 1}, {45, 2, 0, &INV_HEALTH_ADD, 2},
        {26, 3, 0, &INV_HEALTH_ADD, 3},
    };
    Point_At(-7.0f, -7.0f);  // far from every item
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        no_fx = 0;
        int a = Item(c.code, c.value, 60, 60);
        int b = Item(c.code, c.value, 61, 60);
        Fx[a].value2 = Fx[b].value2 = c.value2;
        Visible({FX_ID_BASE + a, FX_ID_BASE + b});
        Run();
        EXPECT_EQ(*c.sum, 2 * c.expected);
        EXPECT_EQ(INV_PISTOL_ADD + INV_RIFLE_ADD + INV_SHOTGUN_ADD + INV_MACHINE_ADD + INV_HEALTH_ADD,
                  2 * c.expected);
    }
    // A fresh click on an item: it becomes the flashing target and the pickup goal.
    no_fx = 0;
    int item = Item(13, 20, 70, 70);
    Visible({FX_ID_BASE + item});
    sprite[0].alpha = 0.0f;
    flash_on = 0;  // the player was flashing
    Point_At(Fx[item].x + 0.05f, Fx[item].y + 0.05f);
    mouseleft = true;
    Advance(10);
    Run();
    EXPECT_TRUE(on_pickup);
    EXPECT_EQ(ply_pickup_target, item);
    EXPECT_EQ(flash_on, FX_ID_BASE + item);
    EXPECT_EQ(target_flash_mtimer, Now() + 300);
    EXPECT_FLOAT_EQ(sprite[0].alpha, 1.0f);
    EXPECT_EQ(Count("Pickup_Check"), 1);
    EXPECT_TRUE(Fx[item].flash_target);
    EXPECT_EQ(hud[1].anim, 6);
    // Held, it is still under the pointer but no tooltip or pickup is started.
    trace.clear();
    mouseheld = true;
    Run();
    EXPECT_TRUE(on_pickup);
    EXPECT_EQ(Count("Pickup_Check"), 0);
    EXPECT_EQ(pkp_msg_target, -1);
}

TEST_F(MouseCode, NoHoverWhileReloadingOrSwitching) {
    Enemy(1, 80, 75);
    Visible({1});
    Point_At(Centre_X(1), Centre_Y(1));
    reloading = true;
    Run();
    EXPECT_EQ(on_selected_man, 0);
    EXPECT_EQ(hud[1].anim, 8);
    reloading = false;
    next_weapon = 4;
    Run();
    EXPECT_EQ(on_selected_man, 0);
}

TEST_F(MouseCode, DoorsLaddersAndPropsGiveTheirKinds) {
    object& door = sprite[2];
    door.type = DOR;
    door.score = 1;
    door.grab_switch = true;
    door.w = 0.0f;
    door.z = 0.0f;
    door.box_width = 0.2f;
    door.box_height = 0.1f;
    object& ladder = sprite[3];
    ladder.type = LAD;
    ladder.grab_switch = true;
    ladder.x = ladder.w = 1.0f;
    ladder.y = ladder.z = 1.0f;
    ladder.box_width = ladder.box_height = 0.1f;
    object& prop = sprite[4];
    prop.type = OBJ;
    prop.score = 1;
    prop.sector_action = obj_kind::OBJ_INFO;
    prop.w = 2.0f;
    prop.z = 2.0f;
    prop.box_width = prop.box_height = 0.1f;
    no_sprites = 5;
    Visible({2, 3, 4});
    struct Case { const char* name; float x, y; int kind, target, pointer; bool pickup; };
    const Case cases[] = {
        {"door", 0.1f, 0.05f, 6, 2, 2, false},
        {"door, margin", 0.24f, 0.14f, 6, 2, 2, false},
        {"beside the door", 0.26f, 0.05f, 0, -1, 7, false},
        {"ladder", 1.05f, 1.05f, 8, 3, 1, false},
        {"prop", 2.05f, 2.3f, 7, 4, 4, true},
        {"above the prop", 2.05f, 2.5f, 0, -1, 7, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Point_At(c.x, c.y);
        Run();
        EXPECT_EQ(on_selected_man, c.kind);
        EXPECT_EQ(stored_target, c.target);
        EXPECT_EQ(on_pickup, c.pickup);
        EXPECT_EQ(hud[1].anim, c.pointer);
    }
    // A closed door (priority 3), one not armed and a dead one are not hovered.
    Point_At(0.1f, 0.05f);
    door.priority = 3;
    Run();
    EXPECT_EQ(on_selected_man, 0);
    door.priority = 0;
    door.grab_switch = false;
    Run();
    EXPECT_EQ(on_selected_man, 0);
}

TEST_F(MouseCode, ArmouredObjectsAreUnitTargets) {
    object& bag = sprite[2];
    bag.type = BAG;
    bag.score = 10;
    bag.grab_switch = true;
    bag.sector = UNIT_ARMOUR_HEAD;
    bag.w = bag.z = 0.0f;
    bag.box_width = bag.box_height = 0.1f;
    Visible({2});
    Point_At(0.05f, 0.05f);
    Run();
    EXPECT_EQ(on_selected_man, 2);
    EXPECT_EQ(targeted, 2);
    // A plain bag is a door-like object, and not while the button is held.
    bag.sector = 0;
    Run();
    EXPECT_EQ(on_selected_man, 6);
    mouseheld = true;
    Run();
    EXPECT_EQ(on_selected_man, 0);
}

TEST_F(MouseCode, DyingUnitsBlinkEvery75Ms) {
    Enemy(1, 90, 90);
    sprite[1].death_flash = true;
    sprite[1].light = 0.8f;
    sprite[1].alpha = 1.0f;
    Visible({1});
    Point_At(-7.0f, -7.0f);
    Advance(1);
    Run();
    EXPECT_FLOAT_EQ(sprite[1].alpha, 0.0f);
    Advance(75);
    Run();
    EXPECT_FLOAT_EQ(sprite[1].alpha, 0.0f);  // due only once strictly past
    Advance(1);
    Run();
    EXPECT_FLOAT_EQ(sprite[1].alpha, 0.8f);
    // A hit flash that has run out is cleared.
    sprite[1].flash_target = true;
    sprite[1].flash_timer = Now() - 1;
    Run();
    EXPECT_FALSE(sprite[1].flash_target);
    EXPECT_EQ(sprite[1].flash_timer, 0);
    // The unit's cell is kept for the AI.
    EXPECT_EQ(sprite[1].tile_row, Cell_Index(90, 90));
}

TEST_F(MouseCode, StaleEntriesOfTheVisibleListArePassedOver) {
    Enemy(1, 80, 75);
    Point_At(Centre_X(1), Centre_Y(1));
    // Negative ids, ids past the effects, effects not in use, and a count past the list.
    Visible({-1, -750, FX_ID_BASE + MAX_FX, 5000, FX_ID_BASE + 3, 1});
    no_fx = 0;
    Run();
    EXPECT_EQ(on_selected_man, 2);
    new_no_sprites = VISIBLE_MAX + 500;
    for (int i = 0; i < VISIBLE_MAX; i++) var5[i] = 1;
    Run();
    EXPECT_EQ(stored_target, 1);
}

TEST_F(MouseCode, EnemyBarSitsOverTheTarget) {
    Enemy(1, 80, 75);
    sprite[1].rank = 5;  // full health 100, as its score: the bar is full
    Visible({1});
    Point_At(Centre_X(1), Centre_Y(1));
    camX = 0.5f;
    camY = -0.25f;
    Run();
    const object& t = sprite[1];
    EXPECT_FLOAT_EQ(hud[44].alpha, 1.0f);
    EXPECT_FLOAT_EQ(hud[44].x, t.x + camX);
    EXPECT_FLOAT_EQ(hud[44].y, t.y + camY + t.height);
    EXPECT_FLOAT_EQ(hud[44].width, t.width);
    EXPECT_FLOAT_EQ(hud[44].height, t.height / 6);
    EXPECT_FLOAT_EQ(hud[45].alpha, 1.0f);
    EXPECT_FLOAT_EQ(hud[45].x, hud[44].x + hud[44].width / 10);
    EXPECT_FLOAT_EQ(hud[45].width, hud[44].width * 0.8f);  // divided by the bar's divisor, 1 here
    EXPECT_FLOAT_EQ(hud[45].height, hud[44].height * 0.6f);
    // A barrel shows no bar; nothing under the pointer hides it.
    sprite[1].sector = UNIT_BARREL;
    Run();
    EXPECT_FLOAT_EQ(hud[44].alpha, 0.0f);
    EXPECT_FLOAT_EQ(hud[45].alpha, 0.0f);
}

TEST_F(MouseCode, DroppingThePointerItemLaysItAtThePlayersFeet) {
    mouse_grabbed = true;
    mouse_inv = 13;
    mouse_inv_value = 20;
    mouseleft = true;
    Point_At(1.0f, 1.0f);
    Run();
    ASSERT_EQ(no_fx, 1);
    EXPECT_EQ(Fx[0].type, PKU);
    EXPECT_EQ(Fx[0].item_type, 13);
    EXPECT_EQ(Fx[0].value, 20);
    EXPECT_NEAR(Fx[0].x, Centre_X(0), 0.2f);
    EXPECT_NEAR(Fx[0].y, Centre_Y(0), 0.2f);
    EXPECT_FALSE(mouse_grabbed);
    EXPECT_EQ(mouse_inv, 0);
    EXPECT_FALSE(mouseleft);  // the click is used up
    EXPECT_EQ(Count("PickUp_Sfx"), 1);
    EXPECT_EQ(Count("TestSpriteToShootPly"), 0);
}

TEST_F(MouseCode, DroppingAnEquippedItemUnequipsItsSlot) {
    struct Case { int code; int* slot; };
    const Case cases[] = {{8, &current_weapon}, {40, &current_weapon}, {35, &current_weapon}, {11, &current_weapon},
                          {30, &current_weapon}, {16, &current_helmet}, {22, &current_medal}, {19, &current_boot}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        no_fx = 0;
        current_weapon = current_helmet = current_medal = current_boot = 3;
        mouse_grabbed = true;
        mouse_inv = c.code;
        mouseleft = true;
        reloading = true;
        GUN_SPECIAL = GUN_SPECIAL2 = 1;
        Run();
        EXPECT_EQ(*c.slot, -1);
        EXPECT_EQ(GUN_SPECIAL + GUN_SPECIAL2, 0);
        EXPECT_FALSE(reloading);  // a reload under way is called off
    }
}

TEST_F(MouseCode, BesideASellerOnlyGoldIsDropped) {
    near_sell = true;
    mouse_grabbed = true;
    mouse_inv = 13;
    mouseleft = true;
    Run();
    EXPECT_EQ(no_fx, 0);
    EXPECT_TRUE(mouse_grabbed);
    EXPECT_EQ(mouse_inv, 13);
    EXPECT_TRUE(mouseleft);  // the click is left to the seller
    mouse_inv = 1;           // gold
    Run();
    EXPECT_EQ(no_fx, 1);
    EXPECT_FALSE(mouse_grabbed);
    EXPECT_FALSE(mouseleft);
}

TEST_F(MouseCode, AnItemThatFindsNoPlaceStaysOnThePointerButTheClickIsUsed) {
    for (int c = 70; c <= 80; c++)
        for (int r = 70; r <= 80; r++)
            if (c != 75 || r != 75) Wall(c, r);
    mouse_grabbed = true;
    mouse_inv = 13;
    mouseleft = true;
    Run();
    EXPECT_EQ(no_fx, 0);
    EXPECT_TRUE(mouse_grabbed);
    EXPECT_FALSE(mouseleft);
    EXPECT_EQ(Count("Calculate_Inventory"), 1);
}

TEST_F(MouseCode, LookAheadLeansTowardThePointerWithinItsLimits) {
    // Until the mouse has moved, the offsets keep their values.
    camX_OFFSET = 0.3f;
    camY_OFFSET = -0.2f;
    Point_At(Centre_X(0) + 2.0f, 0.0f);
    Run();
    EXPECT_FLOAT_EQ(camX_OFFSET, 0.3f);
    EXPECT_FLOAT_EQ(camY_OFFSET, -0.2f);
    EXPECT_FALSE(ply_sniping);
    // Moved: 20 steps of a fortieth of the distance, at most 0.7 wide and 0.6 high.
    mouse_stop = false;
    float px = sprite[0].x + sprite[0].width / 2, py = sprite[0].y;
    Point_At(px + 0.8f, py);
    Run();
    EXPECT_TRUE(ply_sniping);
    EXPECT_NEAR(camX_OFFSET, -0.4f, 1e-4);  // 20 x (-0.8 / 40)
    EXPECT_NEAR(camY_OFFSET, 0.0f, 1e-6);
    Point_At(px + 5.0f, py - 5.0f);
    Run();
    EXPECT_FLOAT_EQ(camX_OFFSET, -0.7f);
    EXPECT_FLOAT_EQ(camY_OFFSET, 0.6f);
    // In a cut-scene the view is left alone.
    cutscene = true;
    Point_At(px, py);
    Run();
    EXPECT_FLOAT_EQ(camX_OFFSET, -0.7f);
}

TEST_F(MouseCode, LookAheadStopsAtTheMapEdge) {
    mouse_stop = false;
    // The player near the right edge of the map: the view leans right only as long as its
    // centre stays zoom_factor inside the edge (7.5 - 1.1 = 6.4).
    Place_Unit(0, 137, 75);
    sprite[0].linked_sprite = 0;
    float px = sprite[0].x + sprite[0].width / 2, py = sprite[0].y;
    ASSERT_NEAR(px, 6.25f, 1e-5);
    Point_At(px + 1.6f, py);  // steps of 0.04: three fit
    Run();
    EXPECT_NEAR(camX_OFFSET, -0.12f, 1e-4);
    EXPECT_LE(px - camX_OFFSET, 6.4f);
}

TEST_F(MouseCode, PointerAnimationOverTheMap) {
    Point_At(1.0f, 1.0f);
    Run();
    EXPECT_EQ(hud[1].anim, 7);
    mouseleft = true;
    Run();
    EXPECT_EQ(hud[1].anim, 1);
    keys[platform::VK_CONTROL] = true;
    Run();
    EXPECT_EQ(hud[1].anim, 7);
    keys[platform::VK_CONTROL] = false;
    mouseleft = false;
    on_the_radar = true;
    Run();
    EXPECT_EQ(hud[1].anim, 1);
    on_the_radar = false;
    on_hud_buttons = true;
    Run();
    EXPECT_EQ(hud[1].anim, 0);
    on_hud_buttons = false;
    ply_dead = true;
    Run();
    EXPECT_EQ(hud[1].anim, 0);
    // Without a player unit the plain arrow is shown.
    ply_dead = false;
    p1_id = -1;
    unit_selected = -1;
    Run();
    EXPECT_EQ(hud[1].anim, 0);
}

} // namespace
