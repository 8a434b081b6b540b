// Front-end menu buttons: hover with its captions and sounds, the highlight animations and
// every button's click, on pages built from sprites in the test.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/content_state.h"
#include "content/save_slots.h"
#include "hud/hud.h"
#include "main/frame_loop.h"
#include "main/front_end.h"
#include "main/messages.h"
#include "main/startup.h"
#include "main/window.h"
#include "platform/platform.h"
#include "support/virtual_clock.h"
#include "support/work_dir.h"

namespace {

class FrontButtons : public ::testing::Test {
protected:
    Work_Dir dir{"varnoth_front"};

    void SetUp() override {
        Use_Test_Clock();
        Allocate_Records();
        platform::SetRecordMessageBoxes(true);
        platform::ClearRecordedMessageBoxes();
        game_mode = MODE_FRONT;
        fade = 1.0f;
        Level = 0;
        episode = 0;
        scene = 2;
        next_scene = false;
        new_game = false;
        m_check = -1;
        file_selected = -1;
        decision = 0;
        on_some_text = false;
        no_sprites = 30;
        current_file = -1;
        go_ahead = 0;
        Clear_Requests();
    }
    void TearDown() override {
        platform::SetRecordMessageBoxes(false);
        Free_Records();
    }
    // A fresh page for the next case of a table.
    void Fresh() {
        Free_Records();
        SetUp();
    }

    // A visible button of the given code with its hover box at (x, y), 1 by 1.
    static object& Button(int i, int type, float x = 1.0f, float y = 1.0f) {
        object& b = sprite[i];
        b.type = type;
        b.alpha = 1.0f;
        b.w = x;
        b.z = y;
        b.box_width = 1.0f;
        b.box_height = 1.0f;
        b.x = x;
        return b;
    }
    static void Mouse(float x, float y) {
        mouseX = x;
        mouseY = y;
    }
    // One front-end step as the main tick runs it.
    static void Tick() { Run_Front_Buttons(); }
    static void Click_At(float x, float y) {
        Mouse(x, y);
        mouseleft = true;
        Tick();
    }
    static std::string Caption() { return counter[5].word; }
    static void Clear_Requests() { radio_sfx = stamp_sfx = ok_sfx = pick_up_sfx = medikit_sfx = false; }
};

TEST_F(FrontButtons, HoverBoxIsStrictAndNeedsAVisibleButton) {
    struct row {
        const char* label;
        float mx, my;
        std::function<void(object&)> setup;
        bool hovered;
    };
    const row rows[] = {
        {"inside", 1.5f, 1.5f, nullptr, true},
        {"left edge", 1.0f, 1.5f, nullptr, false},
        {"right edge", 2.0f, 1.5f, nullptr, false},
        {"bottom edge", 1.5f, 1.0f, nullptr, false},
        {"top edge", 1.5f, 2.0f, nullptr, false},
        {"invisible", 1.5f, 1.5f, [](object& b) { b.alpha = 0.0f; }, false},
        {"mouseover set", 1.5f, 1.5f, [](object& b) { b.mouseover = true; }, false},
        {"a logo", 1.5f, 1.5f, [](object& b) { b.type = FE_LOGO; }, false},
        {"a scroll", 1.5f, 1.5f, [](object& b) { b.type = SCROLL; }, false},
        {"a shootable", 1.5f, 1.5f, [](object& b) { b.type = FE_SHOOTABLE; }, false},
        {"fading in", 1.5f, 1.5f, [](object&) { fade = 0.69f; }, false},
        {"fade at 0.7", 1.5f, 1.5f, [](object&) { fade = 0.7f; }, true},
        {"gallery", 1.5f, 1.5f, [](object&) { Level = LVL_GALLERY; }, false},
        {"card table", 1.5f, 1.5f, [](object&) { Level = LVL_CARDS; }, false},
        {"shop", 1.5f, 1.5f, [](object&) { Level = LVL_SHOP; }, false},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.label);
        Fresh();
        object& b = Button(3, FE_OPTIONS);
        if (r.setup) r.setup(b);
        Mouse(r.mx, r.my);
        mouseleft = true;
        Tick();
        EXPECT_EQ(menu_item, r.hovered ? 3 : 99);
        // Nothing hovered: the click is left for others.
        EXPECT_EQ(mouseleft, !r.hovered);
    }
}

TEST_F(FrontButtons, OverlappingButtonsGoToTheHighestIndex) {
    Button(4, FE_BACK);
    Button(9, FE_CREDITS);
    Mouse(1.5f, 1.5f);
    Tick();
    EXPECT_EQ(menu_item, 9);
    EXPECT_EQ(m_check, 9);
}

TEST_F(FrontButtons, HoverCaptions) {
    struct row {
        int type;
        std::function<void(object&)> setup;
        const char* caption;  // nullptr: no caption written
        int length;
        bool left;
        bool radio;
    };
    auto none = [](object&) {};
    const row rows[] = {
        {fe_type::QUIT_GAME, none, "Quit_Game", 0, true, true},
        {fe_type::FILE, [](object& b) { b.file_full = true; b.sector_action = 2; b.rank = 4;
                                        std::snprintf(file_names[2], 12, "%s", "Barthol"); },
         "Barthol^Rank:4", 1, true, true},
        {fe_type::FILE, [](object& b) { b.file_full = false; b.sector_action = 2; }, "New_Game", 0, true, true},
        {fe_type::FILE, [](object& b) { b.file_full = true; b.sector_action = 12; }, "New_Game", 0, true, true},
        {BACK1, none, "Go Back", 0, false, true},
        {fe_type::SINGLE, none, "Single^Player", 1, false, true},
        {MULTI, none, "Multi^Player", 1, true, true},
        {FE_DELETE, none, "Delete_File", 0, true, true},
        {FE_OPTIONS, none, "Options", 0, true, true},
        {FE_START, [](object& b) { b.onDeath_action = TYPE_BACK; }, "Back", 0, true, true},
        {FE_START, [](object& b) { b.onDeath_action = TYPE_START; }, "Start_Game", 0, true, true},
        {FE_START, [](object& b) { b.onDeath_action = TYPE_OPTIONS; }, "Options", 0, true, true},
        {FE_START, [](object& b) { b.onDeath_action = TYPE_CREDITS; }, "Credits", 0, true, true},
        {FE_START, [](object& b) { b.onDeath_action = 9; }, "Start_Game", 0, true, true},
        {FE_ACCEPT, [](object&) { decision = 3; }, "Accept", 0, true, true},
        {FE_ACCEPT, none, nullptr, 0, false, false},
        {FE_DECLINE, [](object&) { decision = 3; }, "Decline", 0, true, true},
        {FE_DECLINE, none, nullptr, 0, false, false},
        {FE_RIFLE, none, "Locked", 0, true, true},
        {FE_FLAME, none, "Infantry^Rifle-man", 1, true, true},
        {FE_MGUN, none, "Locked", 0, true, true},
        {FE_TEXT, none, "Enter_Name", 0, true, true},
        {FE_CREATE, [](object&) { create_char = true; }, "Go!", 0, true, true},
        {FE_CREATE, [](object&) { create_char = false; scene = 5; }, "Enter_Data", 0, true, true},
        {FE_CREATE, [](object&) { create_char = false; scene = 2; }, "(before)", 0, true, true},
        {FE_FILE_CREATE, [](object&) { create_file = true; }, "Go!", 0, true, true},
        {FE_FILE_CREATE, [](object&) { create_file = false; }, "Enter_Data", 0, true, true},
        {FE_FILE_DELETE, none, "Delete_File", 0, true, true},
        {FE_BACK, none, "Back", 0, true, true},
        {FE_MUSIC, none, "Music^Volume", 1, true, true},
        {FE_SFX, none, "SFX_Volume", 0, true, true},
        {FE_OPTION_CREATE, [](object&) { create_option = true; }, "Save^Changes", 1, true, true},
        {FE_OPTION_CREATE, [](object&) { create_option = false; }, "Make^Changes", 1, true, true},
        {FE_HIT, [](object& b) { b.id = 5; current_gold = 3; player_inv_value[3] = 100; bet_size = 100; },
         "Deal_cards!", 0, true, false},
        {FE_HIT, [](object& b) { b.id = 5; current_gold = 3; player_inv_value[3] = 99; bet_size = 100; },
         "Out_Of_Gold!", 0, true, false},
        {FE_HIT, [](object& b) { b.id = 5; current_gold = -1; }, "Out_Of_Gold!", 0, true, false},
        {FE_HIT, [](object& b) { b.id = 6; }, "Take_a_card", 0, true, false},
        {FE_STICK, [](object& b) { b.id = 7; }, "Quit", 0, true, false},
        {FE_STICK, [](object& b) { b.id = 8; }, "Stay", 0, true, false},
        {FE_INCREASE, none, "Increase^Bet", 1, true, true},
        {FE_DECREASE, none, "Decrease^Bet", 1, true, true},
        {FE_CREDITS, none, "Credits", 0, true, true},
        {FE_SKIP, none, "Skip_Text", 0, false, true},
        {FE_MKEYBOARD, none, "Mouse_and^Keyboard", 1, true, true},
        {FE_MONLY, none, "Mouse_Only", 0, true, true},
        {FE_VERSION1, none, "Check_for^newer^version!", 2, true, true},
        {fe_type::NEW_GAME, none, nullptr, 0, false, false},
        {OPTIONS, none, nullptr, 0, false, false},
        {SECRET, none, nullptr, 0, false, false},
        {fe_type::LOAD_GAME, none, nullptr, 0, false, false},
        {FE_CARD, none, nullptr, 0, false, false},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(std::string(Code_Name(fe_type::names, r.type)) + " -> " + (r.caption ? r.caption : "none"));
        Fresh();
        create_char = create_file = create_option = false;
        object& b = Button(6, r.type);
        r.setup(b);
        std::snprintf(counter[5].word, sizeof counter[5].word, "%s", "(before)");
        counter[5].length = 7;
        msg_left = false;
        radio_sfx = false;
        Mouse(1.5f, 1.5f);
        Tick();
        EXPECT_EQ(menu_item, 6);  // every code listed is hovered, captioned or not
        if (r.caption) {
            EXPECT_EQ(Caption(), r.caption);
            EXPECT_EQ(counter[5].length, r.length);
            EXPECT_EQ(msg_left, r.left);
        } else {
            EXPECT_EQ(Caption(), "(before)");
            EXPECT_EQ(counter[5].length, 7);
        }
        EXPECT_EQ(radio_sfx, r.radio);
    }
}

TEST_F(FrontButtons, CaptionAndSoundOncePerHover) {
    Button(2, FE_OPTIONS);
    int sounds = 0;
    for (int t = 0; t < 5; ++t) {
        radio_sfx = false;
        Mouse(1.5f, 1.5f);
        Tick();
        sounds += radio_sfx;
    }
    EXPECT_EQ(sounds, 1);
    EXPECT_EQ(Caption(), "Options");
    // Off the button: cleared on the same tick.
    Mouse(5.0f, 5.0f);
    Tick();
    EXPECT_EQ(Caption(), "");
    EXPECT_EQ(m_check, -1);
    // Back on: written again with its sound.
    radio_sfx = false;
    Mouse(1.5f, 1.5f);
    Tick();
    EXPECT_EQ(Caption(), "Options");
    EXPECT_TRUE(radio_sfx);
    // A script text in the caption slot is left alone.
    on_some_text = true;
    Mouse(5.0f, 5.0f);
    Tick();
    EXPECT_EQ(Caption(), "Options");
    // Nor is it cleared while a confirmed choice waits, nor on the card table.
    on_some_text = false;
    new_game = true;
    Tick();
    EXPECT_EQ(Caption(), "Options");
    new_game = false;
    Level = LVL_CARDS;
    Tick();
    EXPECT_EQ(Caption(), "Options");
}

TEST_F(FrontButtons, HighlightAnimations) {
    Button(1, FE_OPTIONS);
    Button(2, FE_TEXT, 3.0f).anim = 5;
    Button(3, fe_type::FILE, 5.0f);
    Button(4, FE_MUSIC, 7.0f).anim = 4;
    Button(5, FE_CREATE, 9.0f);
    Button(6, FE_RIFLE, 11.0f).anim = 3;
    file_selected = 3;
    create_char = true;
    sprite[1].anim = 7;
    Mouse(1.5f, 1.5f);
    Tick();
    // Hovered: animation 1 looping.
    EXPECT_EQ(sprite[1].anim, 1);
    EXPECT_EQ(sprite[1].anim_state, ANIM_LOOP);
    // At rest: animation 0 looping, with the exceptions.
    EXPECT_EQ(sprite[2].anim, 5);  // the name field keeps its animation
    EXPECT_EQ(sprite[3].anim, 2);  // the selected slot
    EXPECT_EQ(sprite[4].anim, 4);  // sliders are not touched
    EXPECT_EQ(sprite[5].anim, 1);  // ready to create: animation 1 once
    EXPECT_EQ(sprite[5].anim_state, ANIM_ONCE);
    EXPECT_EQ(sprite[6].anim, 0);
    // Hovering the locked rifle leaves its animation; the create button shows 0 once when not
    // ready.
    Mouse(11.5f, 1.5f);
    Tick();
    EXPECT_EQ(sprite[6].anim, 0);
    EXPECT_EQ(sprite[1].anim, 0);
    create_char = false;
    Mouse(9.5f, 1.5f);
    Tick();
    EXPECT_EQ(sprite[5].anim, 0);
    EXPECT_EQ(sprite[5].anim_state, ANIM_ONCE);
    // The pointer is set to animation 0 except on the pages with their own pointer.
    hud[1].anim = 3;
    Level = LVL_MENU;
    Tick();
    EXPECT_EQ(hud[1].anim, 3);
    Level = 0;
    Tick();
    EXPECT_EQ(hud[1].anim, 0);
    EXPECT_EQ(hud[1].anim_state, ANIM_LOOP);
}

TEST_F(FrontButtons, ClickActions) {
    struct row {
        const char* label;
        int type;
        std::function<void(object&)> setup;
        std::function<void()> check;
    };
    const row rows[] = {
        {"flame", FE_FLAME, [](object&) { character_selected = -1; },
         [] { EXPECT_EQ(character_selected, 20); EXPECT_TRUE(stamp_sfx); }},
        {"flame again", FE_FLAME, [](object&) { character_selected = 20; },
         [] { EXPECT_EQ(character_selected, 20); EXPECT_FALSE(stamp_sfx); }},
        {"name field", FE_TEXT, [](object&) { text_selected = false; }, [] { EXPECT_TRUE(text_selected); }},
        {"increase", FE_INCREASE, [](object&) { bet_size = 500; }, [] { EXPECT_EQ(bet_size, 550); }},
        {"increase at the top", FE_INCREASE, [](object&) { bet_size = 1000; }, [] { EXPECT_EQ(bet_size, 1000); }},
        {"increase past the top", FE_INCREASE, [](object&) { bet_size = 990; }, [] { EXPECT_EQ(bet_size, 1000); }},
        {"decrease", FE_DECREASE, [](object&) { bet_size = 500; }, [] { EXPECT_EQ(bet_size, 450); }},
        {"decrease at the bottom", FE_DECREASE, [](object&) { bet_size = 50; }, [] { EXPECT_EQ(bet_size, 50); }},
        {"deal with gold", FE_HIT,
         [](object&) { card_decision = 0; current_gold = 2; player_inv_value[2] = 100; bet_size = 100; },
         [] { EXPECT_EQ(card_decision, 1); }},
        {"deal short of gold", FE_HIT,
         [](object&) { card_decision = 0; current_gold = 2; player_inv_value[2] = 50; bet_size = 100; },
         [] { EXPECT_EQ(card_decision, 0); }},
        {"deal without a gold slot", FE_HIT, [](object&) { card_decision = 0; current_gold = -1; },
         [] { EXPECT_EQ(card_decision, 0); }},
        {"stay", FE_STICK, [](object&) { card_decision = 0; }, [] { EXPECT_EQ(card_decision, 2); }},
        {"secret", SECRET, [](object& b) { b.score = 12; b.linked_sprite = 3; },
         [] { EXPECT_EQ(scene, 12); EXPECT_EQ(episode, 3); EXPECT_TRUE(next_scene); EXPECT_FALSE(pick_up_sfx); }},
        {"back", FE_BACK, [](object& b) { b.score = 4; b.sector = 1; },
         [] { EXPECT_EQ(scene, 4); EXPECT_EQ(episode, 1); EXPECT_TRUE(next_scene); EXPECT_TRUE(pick_up_sfx); }},
        {"start", FE_START, [](object& b) { b.score = 6; b.sector = 0; },
         [] { EXPECT_EQ(scene, 6); EXPECT_EQ(episode, 0); EXPECT_TRUE(next_scene); EXPECT_TRUE(pick_up_sfx); }},
        {"accept", FE_ACCEPT, [](object&) { decision = 3; text_queue = 4; },
         [] { EXPECT_EQ(decision, 1); EXPECT_EQ(text_queue, 0); }},
        {"decline", FE_DECLINE, [](object&) { decision = 3; text_queue = 4; },
         [] { EXPECT_EQ(decision, 2); EXPECT_EQ(text_queue, 0); }},
        {"accept with no offer", FE_ACCEPT, [](object&) { decision = 0; text_queue = 4; },
         [] { EXPECT_EQ(decision, 0); EXPECT_EQ(text_queue, 4); }},
        {"quit from the camp", fe_type::QUIT_GAME, [](object&) { episode = 1; },
         [] { EXPECT_EQ(episode, 2); EXPECT_EQ(scene, 0); EXPECT_EQ(current_spawn, 8); EXPECT_TRUE(next_scene);
              EXPECT_FALSE(done); }},
        {"quit from the title", fe_type::QUIT_GAME, [](object&) { episode = 0; quitting = true; },
         [] { EXPECT_TRUE(done); EXPECT_FALSE(quitting); EXPECT_FALSE(next_scene); }},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.label);
        Fresh();
        Clear_Requests();
        done = false;
        file_to_delete = 4;
        object& b = Button(8, r.type);
        r.setup(b);
        Click_At(1.5f, 1.5f);
        EXPECT_FALSE(mouseleft);
        EXPECT_EQ(file_to_delete, -1);
        r.check();
    }
}

TEST_F(FrontButtons, CodesWithoutAClickOnlyConsumeIt) {
    for (int type : {fe_type::NEW_GAME, OPTIONS, BACK1, fe_type::SINGLE, FE_DELETE, FE_RIFLE, FE_MGUN, FE_CARD,
                     FE_CREDITS, FE_MKEYBOARD, FE_MONLY}) {
        SCOPED_TRACE(Code_Name(fe_type::names, type));
        Fresh();
        Clear_Requests();
        episode = 0;
        scene = 2;
        Button(8, type);
        Click_At(1.5f, 1.5f);
        EXPECT_FALSE(mouseleft);
        EXPECT_FALSE(next_scene);
        EXPECT_EQ(episode, 0);
        EXPECT_EQ(scene, 2);
        EXPECT_FALSE(stamp_sfx || pick_up_sfx || ok_sfx || medikit_sfx);
        EXPECT_FLOAT_EQ(hud[2].alpha, 0.0f);
    }
}

TEST_F(FrontButtons, NoClickWhileAChangeIsPendingOrAChoiceBlinks) {
    object& b = Button(8, FE_BACK);
    b.score = 4;
    b.sector = 1;
    new_game = true;
    Click_At(1.5f, 1.5f);
    EXPECT_TRUE(mouseleft);
    EXPECT_EQ(episode, 0);
    new_game = false;
    next_scene = true;
    Click_At(1.5f, 1.5f);
    EXPECT_TRUE(mouseleft);
    EXPECT_EQ(episode, 0);
    next_scene = false;
    fade = 0.5f;
    Click_At(1.5f, 1.5f);
    EXPECT_TRUE(mouseleft);
    EXPECT_EQ(episode, 0);
}

TEST_F(FrontButtons, SkipButtonOnlyOutsideAMissionOffer) {
    Button(8, FE_SKIP);
    decision = 3;
    Click_At(1.5f, 1.5f);
    EXPECT_FLOAT_EQ(sprite[8].alpha, 0.0f);
    EXPECT_EQ(menu_item, 99);
    EXPECT_FALSE(skip_text);
    decision = 0;
    radio_sfx = false;
    m_check = 8;  // caption already written: the click still plays the sound
    Click_At(1.5f, 1.5f);
    EXPECT_FLOAT_EQ(sprite[8].alpha, 1.0f);
    EXPECT_TRUE(skip_text);
    EXPECT_TRUE(radio_sfx);
    EXPECT_FALSE(mouseleft);
}

TEST_F(FrontButtons, VolumeSlidersTakeTheClickPosition) {
    object& m = Button(8, FE_MUSIC, 1.0f);
    m.box_width = 2.0f;
    m.x = 0.5f;
    music_volume = 0.4f;
    Click_At(1.5f, 1.5f);
    EXPECT_FLOAT_EQ(m.width, 1.0f);
    EXPECT_FLOAT_EQ(music_volume, 0.5f);
    EXPECT_TRUE(update_title);
    EXPECT_TRUE(create_option);

    update_title = create_option = false;
    object& s = Button(9, FE_SFX, 5.0f);
    s.box_width = 4.0f;
    s.x = 5.0f;
    const float music = music_volume;
    Click_At(8.0f, 1.5f);
    EXPECT_FLOAT_EQ(s.width, 3.0f);
    EXPECT_FLOAT_EQ(sfx_volume, 0.75f);
    EXPECT_FLOAT_EQ(music_volume, music);
    EXPECT_FALSE(update_title);
    EXPECT_TRUE(create_option);
}

TEST_F(FrontButtons, SaveSlotSelectThenOpen) {
    // An empty slot: the first click selects, the second goes to the name page.
    object& b = Button(8, fe_type::FILE);
    b.sector_action = 4;
    b.file_full = false;
    Click_At(1.5f, 1.5f);
    EXPECT_EQ(file_selected, 8);
    EXPECT_TRUE(stamp_sfx);
    EXPECT_FALSE(next_scene);
    EXPECT_EQ(current_file, -1);
    Clear_Requests();
    player_type = 1;
    Click_At(1.5f, 1.5f);
    EXPECT_FALSE(stamp_sfx);
    EXPECT_TRUE(ok_sfx);
    EXPECT_EQ(player_type, 0);
    EXPECT_EQ(current_file, 4);
    EXPECT_EQ(current_new_game, 1);
    EXPECT_EQ(episode, 0);
    EXPECT_EQ(scene, 5);
    EXPECT_TRUE(next_scene);
}

TEST_F(FrontButtons, OpeningAFullSlotLoadsIt) {
    current_act = 2;
    global_objects[32] = 1;
    ASSERT_TRUE(SaveLevel(Save_Slot_Path(6)));
    current_act = 1;
    object& b = Button(8, fe_type::FILE);
    b.sector_action = 6;
    b.file_full = true;
    file_selected = 8;
    Click_At(1.5f, 1.5f);
    EXPECT_EQ(current_file, 6);
    EXPECT_EQ(current_new_game, 0);
    EXPECT_EQ(go_ahead, 2);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(current_act, 2);
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 64);
    EXPECT_TRUE(platform::RecordedMessageBoxes().empty());
}

TEST_F(FrontButtons, ASlotThatCannotBeReadStaysOnThePage) {
    // A damaged or a missing save, opened by a second click on the slot or by the create
    // button: the loader says why, and the page stays with the game state as it was.
    const struct {
        const char* what;
        bool missing;
        int opener;  // the clicked button's code
    } rows[] = {{"damaged, slot", false, fe_type::FILE},
                {"damaged, create button", false, FE_FILE_CREATE},
                {"missing, slot", true, fe_type::FILE}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Fresh();
        ASSERT_TRUE(SaveLevel(Save_Slot_Path(6)));
        if (r.missing) {
            std::remove("data/save/savefile6.sav");
        } else {
            std::string text = Read_Text_File("data/save/savefile6.sav");
            text.resize(text.size() / 2);
            ASSERT_TRUE(Write_Text_File("data/save/savefile6.sav", text));
        }
        current_act = 3;
        object& b = Button(r.opener == fe_type::FILE ? 8 : 3, fe_type::FILE, r.opener == fe_type::FILE ? 1.0f : 5.0f);
        b.sector_action = 6;
        b.file_full = true;
        file_selected = r.opener == fe_type::FILE ? 8 : 3;
        if (r.opener != fe_type::FILE) {
            Button(8, r.opener);
            create_file = true;
        }
        Click_At(1.5f, 1.5f);
        EXPECT_EQ(platform::RecordedMessageBoxes().size(), 1u);
        EXPECT_FALSE(next_scene);
        EXPECT_EQ(current_file, -1);
        EXPECT_EQ(go_ahead, 0);
        EXPECT_EQ(episode, 0);
        EXPECT_EQ(scene, 2);
        EXPECT_EQ(current_act, 3);
    }
}

TEST_F(FrontButtons, SlotNumberOutsideTheSlotsOpensNothing) {
    object& b = Button(8, fe_type::FILE);
    b.sector_action = 40;
    b.file_full = true;
    file_selected = 8;
    Click_At(1.5f, 1.5f);
    EXPECT_EQ(current_file, -1);
    EXPECT_FALSE(next_scene);
}

TEST_F(FrontButtons, CreateAndDeleteButtonsOfTheSlotPage) {
    object& slot = Button(3, fe_type::FILE, 5.0f);
    slot.sector_action = 9;
    slot.file_full = true;
    file_selected = 3;
    animation_fx[3] = 7;
    message_x = -0.5f;
    message_y = 0.2f;
    message_width = 1.0f;
    message_height = 0.4f;

    // Delete: only with a full slot selected and nothing in progress.
    Button(8, FE_FILE_DELETE);
    delete_file = true;
    go_ahead = 2;
    Click_At(1.5f, 1.5f);
    EXPECT_FLOAT_EQ(hud[2].alpha, 0.0f);
    EXPECT_FALSE(pick_up_sfx);
    go_ahead = 0;
    m_check = 8;
    Click_At(1.5f, 1.5f);
    EXPECT_TRUE(pick_up_sfx);
    EXPECT_FLOAT_EQ(hud[2].alpha, 1.0f);
    EXPECT_EQ(hud[2].id, 3);
    EXPECT_EQ(hud[2].fx_id, 7);
    EXPECT_EQ(hud[2].anim, 9);
    EXPECT_EQ(hud[2].anim_state, ANIM_LOOP);
    EXPECT_FLOAT_EQ(hud[2].x, -0.5f);
    EXPECT_FLOAT_EQ(hud[2].y, 0.2f);
    EXPECT_FLOAT_EQ(hud[2].width, 1.0f);
    EXPECT_FLOAT_EQ(hud[2].height, 0.4f);
    EXPECT_FLOAT_EQ(hud[40].y, 0.15f);
    EXPECT_FLOAT_EQ(hud[41].z, 0.225f);
    EXPECT_EQ(file_to_delete, 3);
    EXPECT_EQ(m_check, -1);

    // Create: opens the selected slot.
    hud[2].alpha = 0.0f;
    slot.file_full = false;
    Button(8, FE_FILE_CREATE);
    create_file = true;
    Click_At(1.5f, 1.5f);
    EXPECT_EQ(current_file, 9);
    EXPECT_EQ(scene, 5);
    EXPECT_TRUE(next_scene);
}

TEST_F(FrontButtons, EmptySlotDeleteOnlySounds) {
    object& slot = Button(3, fe_type::FILE, 5.0f);
    slot.sector_action = 9;
    slot.file_full = false;
    file_selected = 3;
    Button(8, FE_FILE_DELETE);
    delete_file = true;
    Click_At(1.5f, 1.5f);
    EXPECT_TRUE(pick_up_sfx);
    EXPECT_FLOAT_EQ(hud[2].alpha, 0.0f);
    EXPECT_EQ(file_to_delete, -1);
}

TEST_F(FrontButtons, NewGameFromTheNamePage) {
    Button(8, FE_CREATE);
    std::snprintf(lvl_text, sizeof lvl_text, "%s", "Maximilian");
    cur_letter = 10;
    create_char = true;
    scene = 2;
    Click_At(1.5f, 1.5f);
    EXPECT_EQ(episode, 0);  // only on the name page
    EXPECT_FALSE(next_scene);

    scene = 5;
    current_char = 2;
    Click_At(1.5f, 1.5f);
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 102);
    EXPECT_EQ(current_new_game, 0);  // set to 1, then consumed by Init_Player
    EXPECT_TRUE(new_game);   // from the game start
    EXPECT_EQ(go_ahead, 2);
    EXPECT_TRUE(next_scene);
    EXPECT_EQ(fade_out, 10);
    EXPECT_EQ(c_fade_out, 10);
    EXPECT_TRUE(medikit_sfx);
    EXPECT_EQ(current_char, 0);
    EXPECT_STREQ(player_name, "Maximil");
    EXPECT_EQ(cur_letter, 0);
    for (char c : lvl_text) EXPECT_EQ(c, 0);
}

TEST_F(FrontButtons, LoadGameButton) {
    Advance_Ms(500);
    Button(8, fe_type::LOAD_GAME);
    Click_At(1.5f, 1.5f);  // no such save: nothing happens but the message
    EXPECT_FALSE(new_game);
    EXPECT_FALSE(pick_up_sfx);
    EXPECT_EQ(platform::RecordedMessageBoxes().size(), 1u);

    current_act = 3;
    ASSERT_TRUE(SaveLevel([] { sString s{}; std::snprintf(s.s, sizeof s.s, "OMG"); return s; }()));
    current_act = 1;
    Click_At(1.5f, 1.5f);
    EXPECT_TRUE(new_game);
    EXPECT_EQ(new_game_timer, 1500);
    EXPECT_EQ(flash_timer, 500);
    EXPECT_TRUE(pick_up_sfx);
    EXPECT_EQ(fade_out, 15);
    EXPECT_TRUE(cutscene);
    EXPECT_EQ(episode, 1);
    EXPECT_EQ(scene, 82);
    EXPECT_FALSE(next_scene);  // the main tick raises it when the timer passes
}

TEST_F(FrontButtons, OptionsBoxes) {
    animation_fx[14] = 11;
    message_x = -0.5f;
    message_y = 0.2f;
    message_width = 1.0f;
    message_height = 0.4f;
    Button(8, FE_OPTIONS);
    Click_At(1.5f, 1.5f);
    EXPECT_FLOAT_EQ(hud[2].alpha, 1.0f);
    EXPECT_EQ(hud[2].id, 14);
    EXPECT_EQ(hud[2].fx_id, 11);
    EXPECT_FLOAT_EQ(hud[2].height, 0.8f);
    EXPECT_FLOAT_EQ(hud[2].y, 0.0f);
    EXPECT_EQ(hud[2].anim, 0);
    EXPECT_EQ(hud[2].anim_state, ANIM_ONCE);
    EXPECT_FLOAT_EQ(hud[40].y, -0.05f);
    EXPECT_FLOAT_EQ(hud[41].z, 0.025f);
    EXPECT_FLOAT_EQ(hud[42].alpha, 1.0f);
    EXPECT_FLOAT_EQ(hud[43].alpha, 1.0f);
    EXPECT_TRUE(in_options);

    Fresh();
    in_options = false;
    Button(8, MULTI);
    Click_At(1.5f, 1.5f);
    EXPECT_FLOAT_EQ(hud[2].alpha, 1.0f);
    EXPECT_EQ(hud[2].anim, 1);
    EXPECT_FLOAT_EQ(hud[42].alpha, 0.0f);
    EXPECT_FALSE(in_options);
}

TEST_F(FrontButtons, ApplyingOptionsWritesTheConfiguration) {
    Button(8, FE_OPTION_CREATE);
    create_option = false;
    Click_At(1.5f, 1.5f);  // nothing to apply
    EXPECT_FALSE(std::filesystem::exists("data/save/varnoth.cfg"));

    create_option = true;
    changed_video = false;
    music_volume = 0.25f;
    Click_At(1.5f, 1.5f);
    EXPECT_FALSE(create_option);
    EXPECT_TRUE(pick_up_sfx);
    const std::string cfg = Read_Text_File("data/save/varnoth.cfg");
    EXPECT_EQ(cfg.substr(0, cfg.find('\n')), "0.250000");
}

TEST_F(FrontButtons, VersionButtonOpensTheVersionPage) {
    // A stand-in opener on the search path records the address it is given.
    const std::filesystem::path bin = dir.path() / "bin";
    std::filesystem::create_directories(bin);
    const std::filesystem::path log = dir.path() / "opened.txt";
    Write_Text_File((bin / "xdg-open").string(), "#!/bin/sh\nprintf '%s' \"$1\" > '" + log.string() + ".part'\nmv '" +
                                                    log.string() + ".part' '" + log.string() + "'\n");
    std::filesystem::permissions(bin / "xdg-open", std::filesystem::perms::owner_all);
    const char* old_path = std::getenv("PATH");
    const std::string saved = old_path ? old_path : "";
    setenv("PATH", (bin.string() + ":/usr/bin:/bin").c_str(), 1);

    Button(8, FE_VERSION1);
    Click_At(1.5f, 1.5f);
    for (int i = 0; i < 500 && !std::filesystem::exists(log); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    setenv("PATH", saved.c_str(), 1);
    EXPECT_EQ(Read_Text_File(log.string()), VERSION_PAGE_URL);
    EXPECT_FALSE(next_scene);
}

} // namespace

namespace {

TEST_F(FrontButtons, ApplyingVideoOptionsReopensTheWindow) {
    fullscreen = false;
    saved_window_posX = saved_window_posY = 0;
    new_sc_width = 1280;
    new_sc_height = 800;
    changed_video = true;
    create_option = true;
    Button(8, FE_OPTION_CREATE);
    Click_At(1.5f, 1.5f);
    EXPECT_TRUE(platform::HasWindow());
    EXPECT_EQ(episode, 10);  // a new window starts at the boot scene
    EXPECT_EQ(scene, 0);
    EXPECT_FALSE(changed_video);
    EXPECT_FALSE(create_option);
    EXPECT_TRUE(pick_up_sfx);
    const std::string cfg = Read_Text_File("data/save/varnoth.cfg");
    EXPECT_NE(cfg.find("\n1280\n800\n"), std::string::npos) << cfg;
    KillGLWindow();
}

TEST_F(FrontButtons, AWindowThatCannotBeReopenedEndsTheProgram) {
    // The snapshots of the run go with it; the configuration keeps what worked.
    ASSERT_TRUE(Write_Text_File("scene/episode2/scene0.tmp", "snapshot"));
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(
        {
            platform::SetOfferedDisplayModes({{1024, 768}});
            platform::SetRecordMessageBoxes(true, platform::IDNO);
            fullscreen = true;
            new_sc_width = 1280;
            new_sc_height = 800;
            changed_video = true;
            create_option = true;
            Button(8, FE_OPTION_CREATE);
            Click_At(1.5f, 1.5f);
            std::exit(3);  // not reached
        },
        ::testing::ExitedWithCode(1), "");  // a failure, for whoever started the game
    EXPECT_FALSE(std::filesystem::exists("scene/episode2/scene0.tmp"));
    EXPECT_FALSE(std::filesystem::exists("data/save/varnoth.cfg"));
}

} // namespace
