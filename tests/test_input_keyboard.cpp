// The keyboard handler: text entry, movement flags, weapon keys, the perk and pause pages,
// quitting, the full-screen toggle and the timing line, driven through Key_Handler.
#include <SDL2/SDL.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "common/codes.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "main/frame_loop.h"
#include "main/messages.h"
#include "main/window.h"
#include "test_input_fixture.h"

namespace fs = std::filesystem;
using platform::VK_BACK;
using platform::VK_CONTROL;
using platform::VK_DELETE;
using platform::VK_ESCAPE;
using platform::VK_F1;
using platform::VK_F11;
using platform::VK_SHIFT;
using platform::VK_SPACE;
using platform::VK_TAB;

namespace {

class Keyboard : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        SDL_SetModState(KMOD_NONE);
        text_selected = false;
        cur_letter = 0;
        std::memset(lvl_text, 0, sizeof lvl_text);
        input_cap = 12;
        CONTROL_SCHEME = false;
        type_sfx = tink_sfx = backspace_sfx = switch_n_sfx = spark_sfx = false;
    }
    void TearDown() override {
        SDL_SetModState(KMOD_NONE);
        InputTest::TearDown();
    }
    static int Press(std::initializer_list<int> held) {
        for (int k : held) keys[k] = true;
        return Key_Handler(keys, sprite, 1);
    }
    static void Open_Field(int cap) {
        text_selected = true;
        input_cap = cap;
        cur_letter = 0;
        std::memset(lvl_text, 0, sizeof lvl_text);
    }
};

TEST_F(Keyboard, LetterCaseFollowsShiftAndCapsLock) {
    struct Case { bool shift, caps, caps_held; char expected; };
    const Case cases[] = {{false, false, false, 'g'}, {true, false, false, 'G'}, {false, true, false, 'G'},
                          {true, true, false, 'g'}, {false, false, true, 'G'}, {true, false, true, 'g'}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.shift << c.caps << c.caps_held);
        Open_Field(12);
        SDL_SetModState(c.caps ? KMOD_CAPS : KMOD_NONE);
        keys[VK_SHIFT] = c.shift;
        keys[platform::VK_CAPITAL] = c.caps_held;
        type_sfx = false;
        EXPECT_EQ(Press({'G'}), 1);
        EXPECT_EQ(lvl_text[0], c.expected);
        EXPECT_EQ(cur_letter, 1);
        EXPECT_TRUE(type_sfx);
        EXPECT_FALSE(keys['G']);  // consumed
        keys[VK_SHIFT] = false;
    }
}

TEST_F(Keyboard, TypingStopsAtTheCapWithoutASound) {
    game_mode = MODE_FRONT;
    Open_Field(7);
    for (char c : std::string("ABCDEFG")) Press({c});
    EXPECT_STREQ(lvl_text, "abcdefg");
    type_sfx = false;
    Press({'H'});
    EXPECT_EQ(cur_letter, 7);
    EXPECT_STREQ(lvl_text, "abcdefg");
    EXPECT_FALSE(type_sfx);
    EXPECT_FALSE(keys['H']);  // the press is still taken
    // Digits, the point and the blank follow the same rule.
    Open_Field(12);
    keys[VK_SHIFT] = false;
    Press({'7'});
    Press({VK_DELETE});
    keys[VK_SHIFT] = true;
    Press({VK_DELETE});
    keys[VK_SHIFT] = false;
    Press({VK_SPACE});
    EXPECT_STREQ(lvl_text, "7.>_");
    EXPECT_TRUE(tink_sfx);
}

TEST_F(Keyboard, TheFieldNeverOutgrowsItsBuffer) {
    // A cap set above what the buffer holds still leaves room for the terminating zero.
    Open_Field(40);
    for (int i = 0; i < 20; i++) Press({'X'});
    EXPECT_EQ(cur_letter, 12);
    EXPECT_EQ(std::string(lvl_text), std::string(12, 'x'));
    // Backspace on a full field stays inside it.
    Press({VK_BACK});
    EXPECT_EQ(cur_letter, 11);
    EXPECT_EQ(std::string(lvl_text), std::string(11, 'x'));
}

TEST_F(Keyboard, BackspaceRemovesTheLastLetterAndAtZeroClearsTheFirst) {
    game_mode = MODE_FRONT;
    Open_Field(12);
    Press({'A'});
    Press({'B'});
    Press({VK_BACK});
    EXPECT_STREQ(lvl_text, "a");
    EXPECT_EQ(cur_letter, 1);
    EXPECT_TRUE(backspace_sfx);
    EXPECT_FALSE(keys[VK_BACK]);
    // At 0 the first character is cleared and the sound still plays.
    cur_letter = 0;
    lvl_text[0] = 'q';
    backspace_sfx = false;
    Press({VK_BACK});
    EXPECT_EQ(lvl_text[0], '\0');
    EXPECT_EQ(cur_letter, 0);
    EXPECT_TRUE(backspace_sfx);
    // Without an open field it only takes the press.
    text_selected = false;
    backspace_sfx = false;
    Press({VK_BACK});
    EXPECT_FALSE(backspace_sfx);
    EXPECT_FALSE(keys[VK_BACK]);
}

TEST_F(Keyboard, SpaceHoldsTheFireFlagAndTypesABlankOnlyWithoutCtrl) {
    Open_Field(12);
    keys[VK_CONTROL] = true;
    Press({VK_SPACE});
    EXPECT_TRUE(KEY_SPACE);
    EXPECT_EQ(cur_letter, 0);
    EXPECT_TRUE(keys[VK_SPACE]);  // not typed, so not consumed
    keys[VK_CONTROL] = false;
    Press({});
    EXPECT_EQ(cur_letter, 1);      // the held key now types
    EXPECT_FALSE(keys[VK_SPACE]);
    EXPECT_TRUE(KEY_SPACE);
    Press({});
    EXPECT_FALSE(KEY_SPACE);       // released (consumed) falls on the next call
    // Without a field Space is a level: held, never consumed.
    text_selected = false;
    Press({VK_SPACE});
    Press({});
    EXPECT_TRUE(KEY_SPACE);
    EXPECT_TRUE(keys[VK_SPACE]);
}

TEST_F(Keyboard, MovementFlagsFollowTheKeysInWalkMode) {
    struct Case { char key; bool* flag; };
    const Case cases[] = {{'W', &KEY_FORWARD}, {'S', &KEY_BACKWARD}, {'A', &KEY_LEFTWARD}, {'D', &KEY_RIGHTWARD}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.key));
        CONTROL_SCHEME = false;
        Press({c.key});
        EXPECT_TRUE(*c.flag);
        EXPECT_TRUE(keys[(int)c.key]);  // a level: not consumed
        keys[(int)c.key] = false;
        Press({});
        EXPECT_FALSE(*c.flag);
        // Mouse only: the key never sets the flag, but releasing it clears one left set.
        CONTROL_SCHEME = true;
        Press({c.key});
        EXPECT_FALSE(*c.flag);
        *c.flag = true;
        keys[(int)c.key] = false;
        Press({});
        EXPECT_FALSE(*c.flag);
    }
}

TEST_F(Keyboard, MovementLettersTypeOutsideWalkModeAndQStaysInWalk) {
    game_mode = MODE_FRONT;
    Open_Field(12);
    Press({'W'});
    Press({'A'});
    Press({'S'});
    Press({'D'});
    Press({'Q'});
    EXPECT_STREQ(lvl_text, "wasdq");
    EXPECT_FALSE(KEY_FORWARD);
    // In the world mode S is neither typed nor taken; the other letters are.
    game_mode = MODE_WORLD;
    Open_Field(12);
    Press({'S'});
    Press({'W'});
    EXPECT_STREQ(lvl_text, "w");
    EXPECT_TRUE(keys['S']);
    EXPECT_FALSE(keys['W']);
    // In walk mode Q does nothing and stays set.
    keys['S'] = false;
    game_mode = MODE_WALK;
    Open_Field(12);
    Press({'Q'});
    EXPECT_TRUE(keys['Q']);
    EXPECT_EQ(cur_letter, 0);
}

TEST_F(Keyboard, YAlwaysGivesWater) {
    game_mode = MODE_FRONT;
    has_water = false;
    Press({'Y'});
    EXPECT_TRUE(has_water);
    EXPECT_FALSE(keys['Y']);
}

TEST_F(Keyboard, WeaponKeysFindTheirSlots) {
    struct Case {
        const char* name;
        char key;
        std::vector<std::pair<int, int>> inventory; // slot, code
        int next_weapon;  // after the call
        int current;      // after the call
        int message;      // shown over the player, or -1
    };
    const Case cases[] = {
        {"pistol", '1', {{3, 10}}, 3, -1, -1},
        {"last pistol wins", '1', {{3, 10}, {9, 10}}, 9, -1, -1},
        {"no pistol", '1', {}, -1, -1, MSG_NOPISTOL},
        {"shotgun halves in 4 and 5", '2', {{4, 33}, {5, 34}}, 5, -1, -1},
        {"shotgun first half only", '2', {{8, 33}}, 9, -1, -1},
        {"first half in the last slot", '2', {{15, 33}}, -1, -1, MSG_NOSHOTGUN},
        {"stick grenade", '3', {{2, 29}}, 2, -1, -1},
        {"no grenade", '3', {{2, 30}}, -1, -1, MSG_NOGRENADE},
        {"machine gun", '4', {{6, 38}, {7, 39}}, 7, 7, -1},
        {"no machine gun", '4', {}, -1, -1, MSG_NOMACHINE},
        {"rifle", '5', {{0, 6}, {1, 7}}, -1, 1, -1},
        {"no rifle", '5', {}, -1, -1, MSG_NORIFLE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int i = 0; i < 16; i++) player_inv[i] = 0;
        for (auto [slot, code] : c.inventory) player_inv[slot] = code;
        next_weapon = current_weapon = -1;
        old_message = -1;
        dialog_timer = 0;
        spark_sfx = false;
        switched_weapon = true;
        sprite[0].update = false;
        trace.clear();
        Press({c.key});
        EXPECT_FALSE(keys[(int)c.key]);
        EXPECT_EQ(next_weapon, c.next_weapon);
        EXPECT_EQ(current_weapon, c.current);
        if (c.next_weapon != -1) {
            EXPECT_EQ(next_weapon_timer, Now() + 50);
            EXPECT_FALSE(switched_weapon);
        }
        EXPECT_EQ(old_message, c.message);
        if (c.message != -1) {
            EXPECT_EQ(dialog_active, 0);
        }
        bool equips = c.current != -1;
        EXPECT_EQ(Count("Calculate_Stats"), equips ? 1 : 0);
        EXPECT_EQ(spark_sfx, c.key == '5' && equips);
        EXPECT_EQ(sprite[0].update, c.key == '5' && equips);
        Advance(100);
    }
}

TEST_F(Keyboard, WeaponKeysWaitForAWeaponSwitchButFourAndFiveDoNot) {
    player_inv[1] = 10;
    player_inv[2] = 38;
    player_inv[3] = 39;
    player_inv[4] = 6;
    player_inv[5] = 7;
    next_weapon = 101;  // a reload is under way
    Press({'1'});
    EXPECT_EQ(next_weapon, 101);
    Press({'5'});
    EXPECT_EQ(current_weapon, 5);
    Press({'4'});
    EXPECT_EQ(current_weapon, 3);
    EXPECT_EQ(next_weapon, 3);
    // No weapon key acts while the player is dead, reloading, locked, in a box, or outside walk.
    bool* blockers[] = {&ply_dead, &reloading, &lock_player, &quit_active};
    for (bool* b : blockers) {
        *b = true;
        current_weapon = next_weapon = -1;
        Press({'1'});
        Press({'5'});
        EXPECT_EQ(next_weapon, -1);
        EXPECT_EQ(current_weapon, -1);
        *b = false;
    }
    game_mode = MODE_CINE;
    Press({'5'});
    EXPECT_EQ(current_weapon, -1);
}

TEST_F(Keyboard, NoWeaponMessageNeedsAPlayer) {
    p1_id = -1;
    old_message = -1;
    Press({'1'});
    EXPECT_EQ(Count("Display_Message"), 0);
}

TEST_F(Keyboard, DigitsTypeAndStillSelectWeapons) {
    Open_Field(12);
    player_inv[0] = 10;
    Press({'1'});
    EXPECT_STREQ(lvl_text, "1");
    EXPECT_EQ(next_weapon, 0);
}

TEST_F(Keyboard, TabOpensThePerkPageAndReturnsFromIt) {
    episode = 2;
    scene = 4;
    dialog_active = 5;
    Press({VK_TAB});
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 141);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(stats_episode, 2);
    EXPECT_EQ(stats_scene, 4);
    EXPECT_EQ(dialog_active, -1);
    EXPECT_TRUE(switch_n_sfx);
    EXPECT_FALSE(keys[VK_TAB]);
    // On the perk page Tab goes back to the stored scene.
    next_scene = false;
    in_stats = false;
    game_mode = MODE_FRONT;
    Press({VK_TAB});
    EXPECT_EQ(episode, 2);
    EXPECT_EQ(scene, 4);
    EXPECT_TRUE(in_stats);
    EXPECT_TRUE(next_scene);
}

TEST_F(Keyboard, TabIsRefusedWhileTypingLockedDeadOrWithoutAPlayer) {
    episode = 2;
    scene = 4;
    text_selected = true;
    Press({VK_TAB});
    text_selected = false;
    lock_player = true;
    Press({VK_TAB});
    lock_player = false;
    ply_dead = true;
    Press({VK_TAB});
    ply_dead = false;
    p1_id = -1;
    Press({VK_TAB});
    EXPECT_EQ(scene, 4);
    EXPECT_FALSE(next_scene);
}

class KeyboardInFolder : public Keyboard {
protected:
    fs::path old_dir, dir;
    void SetUp() override {
        Keyboard::SetUp();
        old_dir = fs::current_path();
        dir = fs::temp_directory_path() / ("varnoth_keys_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "data" / "save");
        fs::current_path(dir);
    }
    void TearDown() override {
        fs::current_path(old_dir);
        fs::remove_all(dir);
        Keyboard::TearDown();
    }
};

TEST_F(KeyboardInFolder, EscapeInAWalkSceneSavesTheSlotAndOpensThePausePage) {
    episode = 2;
    scene = 6;
    current_file = 3;
    activate_bicycle = true;
    dialog_active = 4;
    Press({VK_ESCAPE});
    EXPECT_TRUE(fs::exists("data/save/savefile3.sav"));
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 53);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(stats_episode, 2);
    EXPECT_EQ(stats_scene, 6);
    EXPECT_FALSE(activate_bicycle);
    EXPECT_EQ(dialog_active, -1);
    EXPECT_TRUE(switch_n_sfx);
    EXPECT_FALSE(quitting);
    EXPECT_TRUE(platform::RecordedMessageBoxes().empty());
}

TEST_F(KeyboardInFolder, EscapeInACutSceneOpensThePausePageWithoutSaving) {
    game_mode = MODE_CINE;
    episode = 3;
    scene = 2;
    current_file = 1;
    Press({VK_ESCAPE});
    EXPECT_FALSE(fs::exists("data/save/savefile1.sav"));
    EXPECT_EQ(scene, 53);
}

TEST_F(KeyboardInFolder, EscapeOnTheMainMenuQuitsAfterItsDelay) {
    for (int menu_scene : {1, 7}) {
        game_mode = MODE_FRONT;
        episode = 0;
        scene = menu_scene;
        quitting = false;
        end_sfx = 0;
        Advance(10);
        Press({VK_ESCAPE});
        EXPECT_TRUE(quitting);
        EXPECT_EQ(quit_timer, Now() + 100);
        EXPECT_EQ(end_sfx, 3);
        EXPECT_EQ(scene, menu_scene);  // no pause page from the menu
    }
    // A walk scene of episode 0 neither quits nor saves.
    game_mode = MODE_WALK;
    scene = 3;
    quitting = false;
    current_file = 2;
    Press({VK_ESCAPE});
    EXPECT_FALSE(quitting);
    EXPECT_EQ(scene, 3);
    EXPECT_FALSE(fs::exists("data/save/savefile2.sav"));
}

TEST_F(Keyboard, CtrlF11TogglesTheTimingLine) {
    fps_counter = false;
    Press({VK_F11});
    EXPECT_FALSE(fps_counter);
    EXPECT_TRUE(keys[VK_F11]);  // F11 alone is left alone
    keys[VK_CONTROL] = true;
    Press({});
    EXPECT_TRUE(fps_counter);
    EXPECT_FALSE(keys[VK_F11]);
    EXPECT_TRUE(keys[VK_CONTROL]);
    Press({VK_F11});
    EXPECT_FALSE(fps_counter);
}

TEST_F(KeyboardInFolder, F1ReopensTheWindowInTheOtherMode) {
    fullscreen = true;
    sc_width = 1024;
    sc_height = 768;
    sc_bits = 32;
    saved_window_posX = saved_window_posY = 0;
    EXPECT_EQ(Press({VK_F1}), 1);
    EXPECT_FALSE(fullscreen);
    EXPECT_TRUE(platform::HasWindow());
    EXPECT_EQ(episode, 10);  // the boot scene again
    EXPECT_EQ(scene, 0);
    EXPECT_FALSE(keys[VK_F1]);
    KillGLWindow();
}

TEST_F(KeyboardInFolder, F1ThatCannotReopenTheWindowStopsTheCall) {
    platform::SetOfferedDisplayModes({{1024, 768}});
    platform::SetRecordMessageBoxes(true, platform::IDNO);
    fullscreen = false;
    sc_width = 1280;
    sc_height = 800;
    Open_Field(12);
    EXPECT_EQ(Press({VK_F1, 'J', VK_ESCAPE}), 0);
    EXPECT_TRUE(fullscreen);
    EXPECT_FALSE(platform::HasWindow());
    // The keys after F1 wait for the next call.
    EXPECT_TRUE(keys['J']);
    EXPECT_TRUE(keys[VK_ESCAPE]);
    EXPECT_EQ(cur_letter, 0);
    const auto& boxes = platform::RecordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "Program Will Now Close.");
    EXPECT_EQ(boxes[1].caption, "ERROR");
    platform::SetOfferedDisplayModes({});
    KillGLWindow();
}

TEST_F(Keyboard, AnEmptyKeyArrayChangesNothing) {
    EXPECT_EQ(Key_Handler(nullptr, sprite, 1), 1);
    EXPECT_EQ(Press({}), 1);
    EXPECT_FALSE(KEY_FORWARD || KEY_SPACE || next_scene);
}

} // namespace
