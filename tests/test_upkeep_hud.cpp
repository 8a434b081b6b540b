// The HUD upkeep of the main tick: message panel, weapon switch, modal box, ammunition count
// and the player-name field, driven with the virtual clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "content/scene_hud.h"
#include "hud/hud.h"
#include "main/frame_loop.h"
#include "main/hud_upkeep.h"
#include "main/keyboard.h"
#include "main/sound_bank.h"
#include "main/startup.h"
#include "platform/timer.h"
#include "support/traced_test.h"
#include "support/virtual_clock.h"

namespace {

class HudUpkeep : public Traced_Walk_Test {
protected:
    void SetUp() override {
        Traced_Walk_Test::SetUp();
        Level = 0;
    }
    static void Row_At(float y) {
        for (int i = 7; i <= 10; ++i) hud[i].y = y;
    }
    static void Expect_Row_At(float y) {
        for (int i = 7; i <= 10; ++i) EXPECT_FLOAT_EQ(hud[i].y, y) << "bullet item " << i;
    }
};

// ---- Message panel and modal box ------------------------------------------------------

TEST_F(HudUpkeep, WalkBubbleIsNeverOpaqueEnoughForAModalBox) {
    struct Case { float alpha; bool flash; int level; float expected; bool modal; };
    const Case cases[] = {
        {0.3f, true, 0, 0.5f, false},        // a bubble during the message flash
        {1.0f, false, 0, 0.99f, false},      // a bubble shown at 1 still is no modal box
        {0.0f, true, 0, 0.0f, false},        // a hidden panel stays hidden
        {0.5f, false, LVL_SHOP, 1.0f, false} // the shop's panel is opaque but never modal
    };
    for (const Case& c : cases) {
        hud[2].alpha = c.alpha;
        msg_fx = c.flash;
        Level = c.level;
        quit_active = false;
        Message_Panel_Alpha();
        EXPECT_FLOAT_EQ(hud[2].alpha, c.expected) << "alpha " << c.alpha << " level " << c.level;
        Tooltip_Bubble_Modal();
        EXPECT_EQ(quit_active, c.modal) << "alpha " << c.alpha << " level " << c.level;
    }
}

TEST_F(HudUpkeep, OpaquePanelRaisesTheModalBoxWithThePressedPointer) {
    counter[5].word[0] = 'x';
    hud[2].alpha = 1.0f;
    mouseleft = true;
    Tooltip_Bubble_Modal();
    EXPECT_TRUE(quit_active);
    EXPECT_EQ(hud[40].alpha, 1.0f);
    EXPECT_EQ(hud[41].alpha, 1.0f);
    EXPECT_EQ(hud[6].alpha, 0.0f);  // the tooltip backing gives way to the box
    EXPECT_EQ(hud[1].anim, 6);
    EXPECT_EQ(hud[1].anim_state, ANIM_LOOP);
    mouseleft = false;
    Tooltip_Bubble_Modal();
    EXPECT_EQ(hud[1].anim, 0);
}

TEST_F(HudUpkeep, FileSelectPageClearsTheCaptionInsteadOfRaisingTheBox) {
    game_mode = MODE_FRONT;
    Level = LVL_FILE_SELECT;
    std::strcpy(counter[5].word, "Slot 1");
    hud[2].alpha = 1.0f;
    Tooltip_Bubble_Modal();
    EXPECT_FALSE(quit_active);
    EXPECT_EQ(hud[40].alpha, 1.0f);
    EXPECT_STREQ(counter[5].word, "");
}

TEST_F(HudUpkeep, TooltipBackingFollowsTheTooltipText) {
    std::strcpy(counter[5].word, "Rifle");
    Tooltip_Bubble_Modal();
    EXPECT_EQ(hud[6].alpha, 1.0f);
    counter[5].word[0] = '\0';
    Tooltip_Bubble_Modal();
    EXPECT_EQ(hud[6].alpha, 0.0f);
}

TEST_F(HudUpkeep, SpeechBubbleFollowsItsSpeakerUntilItTimesOut) {
    dialog_active = 3;
    dialog_timer = 100;
    hud[2].alpha = 0.99f;
    std::strcpy(counter[4].word, "Hello");
    Advance_Ms(100);  // due only when now is later than the end
    Tooltip_Bubble_Modal();
    EXPECT_EQ(Count("Help_Limits"), 1);
    EXPECT_EQ(dialog_active, 3);
    Advance_Ms(1);
    Tooltip_Bubble_Modal();
    EXPECT_EQ(Count("Help_Limits"), 2);
    EXPECT_EQ(dialog_active, -1);
    EXPECT_EQ(hud[2].alpha, 0.0f);
    EXPECT_STREQ(counter[4].word, "");
    Tooltip_Bubble_Modal();
    EXPECT_EQ(Count("Help_Limits"), 2);
}

TEST_F(HudUpkeep, OptionsVolumeReachesTheTitleMusicInTheFrontEndOnly) {
    audio::UseRecordingDouble(true);
    audio::OpenDevice();
    end_snd = audio::OpenSound("song1.ogg", true);
    music_volume = 0.7f;
    update_title = true;
    game_mode = MODE_WALK;
    Tooltip_Bubble_Modal();
    EXPECT_TRUE(update_title);
    game_mode = MODE_FRONT;
    Tooltip_Bubble_Modal();
    EXPECT_FALSE(update_title);
    const auto& calls = audio::RecordedCalls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "song1.ogg volume 0.70"), calls.end());
    end_snd = audio::OutputStream();
    audio::CloseDevice();
}

// ---- Weapon switch --------------------------------------------------------------------

TEST_F(HudUpkeep, WeaponChangeLowersTakesAndRaisesTheRow) {
    bullet_start_y = 0.5f;
    bullet_bottom_y = 0.3f;
    Row_At(0.5f);
    hud[7].y = 0.2f;  // item 10 alone decides; the others follow it
    current_weapon = 1;
    next_weapon = 4;
    next_weapon_timer = 50;
    switched_weapon = false;

    Advance_Ms(10);
    Weapon_Switch_Upkeep(10);
    EXPECT_NEAR(hud[10].y, 0.46f, 1e-6);
    EXPECT_NEAR(hud[7].y, 0.16f, 1e-6);
    EXPECT_EQ(current_weapon, 1);

    Advance_Ms(41);  // the lowering timer is due
    Weapon_Switch_Upkeep(41);
    EXPECT_EQ(current_weapon, 4);
    EXPECT_TRUE(switched_weapon);
    EXPECT_EQ(next_weapon_timer, 51 + 50);
    Expect_Row_At(0.3f);
    EXPECT_EQ(Count("Calculate_Bullets"), 1);
    EXPECT_EQ(Count("Calculate_Inventory"), 1);
    EXPECT_EQ(Count("Calculate_Stats"), 1);

    Advance_Ms(10);
    Weapon_Switch_Upkeep(10);
    EXPECT_NEAR(hud[10].y, 0.34f, 1e-6);  // rising
    EXPECT_EQ(next_weapon, 4);

    Advance_Ms(41);
    Weapon_Switch_Upkeep(41);
    EXPECT_EQ(next_weapon, -1);
    EXPECT_FALSE(switched_weapon);
    EXPECT_TRUE(spark_sfx);
    Expect_Row_At(0.5f);
    EXPECT_EQ(Count("Calculate_Bullets"), 1);
    EXPECT_EQ(Count("Calculate_Inventory"), 2);
    EXPECT_EQ(Count("Calculate_Stats"), 2);
}

TEST_F(HudUpkeep, RowSnapsOnceItHasPassedItsRestHeight) {
    bullet_start_y = 0.5f;
    bullet_bottom_y = 0.3f;
    next_weapon = 2;
    next_weapon_timer = 1000;
    Row_At(0.29f);  // below the bottom while lowering
    Weapon_Switch_Upkeep(10);
    Expect_Row_At(0.3f);
    switched_weapon = true;
    Row_At(0.51f);  // above the top while raising
    Weapon_Switch_Upkeep(10);
    Expect_Row_At(0.5f);
}

TEST_F(HudUpkeep, ReloadPlaysBothPhasesWithoutChangingTheWeapon) {
    struct Case { bool reloading; bool sound; };
    for (const Case c : {Case{true, false}, Case{false, true}}) {
        current_weapon = 3;
        next_weapon = 101;
        next_weapon_timer = Now() + 50;
        switched_weapon = false;
        reloading = c.reloading;
        spark_sfx = false;
        for (int i = 0; i < 20 && next_weapon != -1; ++i) {
            Advance_Ms(10);
            Weapon_Switch_Upkeep(10);
        }
        EXPECT_EQ(next_weapon, -1) << "reloading " << c.reloading;
        EXPECT_EQ(current_weapon, 3) << "reloading " << c.reloading;
        EXPECT_EQ(spark_sfx, c.sound) << "reloading " << c.reloading;
    }
}

TEST_F(HudUpkeep, AlreadyDueChangeTakesTheWeaponOnTheFirstTick) {
    bullet_start_y = 0.5f;
    bullet_bottom_y = 0.3f;
    Row_At(0.5f);
    current_weapon = 0;
    next_weapon = 6;
    next_weapon_timer = 0;
    Advance_Ms(20);
    Weapon_Switch_Upkeep(20);
    EXPECT_EQ(current_weapon, 6);
    Expect_Row_At(0.3f);
    Advance_Ms(10);
    Weapon_Switch_Upkeep(10);
    EXPECT_NEAR(hud[10].y, 0.34f, 1e-6);  // rises from the bottom
}

TEST_F(HudUpkeep, TargetOutsideTheInventoryKeepsTheWeaponInHand) {
    current_weapon = 2;
    next_weapon = 57;
    next_weapon_timer = 0;
    Advance_Ms(5);
    Weapon_Switch_Upkeep(5);
    EXPECT_TRUE(switched_weapon);
    EXPECT_EQ(current_weapon, 2);
}

// ---- Ammunition count ------------------------------------------------------------------

TEST_F(HudUpkeep, LowAmmunitionThresholdsByEquippedWeapon) {
    struct Case { bool* equipped; int ammo; bool low; };
    const Case cases[] = {
        {&has_machine_equipped, 15, true},  {&has_machine_equipped, 16, false},
        {&has_pistol_equipped, 10, true},   {&has_pistol_equipped, 11, false},
        {&has_shotgun_equipped, 8, true},   {&has_shotgun_equipped, 9, false},
        {&has_rifle_equipped, 6, true},     {&has_rifle_equipped, 7, false},
        {&has_grenade_equipped, 1, true},   {&has_grenade_equipped, 2, false},
        {nullptr, 0, true},                 {nullptr, 3, false},
        {&has_machine_equipped, 0, true},
    };
    for (const Case& c : cases) {
        Reset_Specials();
        if (c.equipped) *c.equipped = true;
        ply_ammo = c.ammo;
        Ammo_Count_Upkeep();
        EXPECT_EQ(low_ammo_flash, c.low) << "ammo " << c.ammo;
    }
}

TEST_F(HudUpkeep, LowCountBlinksEveryQuarterSecond) {
    has_pistol_equipped = true;
    ply_ammo = 4;
    counter[0].alpha = 1.0f;
    low_ammo_timer = 0;
    Advance_Ms(1);
    Ammo_Count_Upkeep();
    EXPECT_EQ(counter[0].alpha, 0.0f);
    EXPECT_EQ(low_ammo_timer, 251);
    Advance_Ms(250);  // t = 251: not yet
    Ammo_Count_Upkeep();
    EXPECT_EQ(counter[0].alpha, 0.0f);
    Advance_Ms(1);
    Ammo_Count_Upkeep();
    EXPECT_EQ(counter[0].alpha, 1.0f);
    counter[0].alpha = 0.3f;  // anything but exactly 0 turns off
    Advance_Ms(251);
    Ammo_Count_Upkeep();
    EXPECT_EQ(counter[0].alpha, 0.0f);
    ply_ammo = 40;  // enough again: steady
    Ammo_Count_Upkeep();
    EXPECT_EQ(counter[0].alpha, 1.0f);
}

TEST_F(HudUpkeep, CountIsRightAlignedAgainstItsAnchor) {
    hud[30].w = 0.6f;
    hud[30].z = -0.4f;
    struct Case { int ammo; const char* text; float x; };
    const Case cases[] = {
        {7, "7", 0.73f}, {42, "42", 0.71f}, {512, "512", 0.69f}, {1234, "1234", 0.67f},
        {12345, "12345", 0.67f},  // too wide: stays where the last count was put
    };
    for (const Case& c : cases) {
        ply_ammo = c.ammo;
        Ammo_Count_Upkeep();
        EXPECT_STREQ(counter[0].word, c.text);
        EXPECT_FLOAT_EQ(counter[0].x, c.x) << c.ammo;
        EXPECT_FLOAT_EQ(counter[0].y, -0.325f);
        EXPECT_FLOAT_EQ(counter[0].width, 0.02f);
        EXPECT_FLOAT_EQ(counter[0].height, 0.05f);
    }
}

TEST_F(HudUpkeep, MainTickShowsTheCountInWalkModeAndClearsItElsewhere) {
    Start_Loop_Stamps();
    // The count comes from the inventory, rebuilt each tick: a pistol holding 9 rounds.
    player_inv[0] = 10;
    player_inv_value2[0] = 9;
    current_weapon = 0;
    Advance_Ms(5);
    Frame_Pass();
    EXPECT_STREQ(counter[0].word, "9");
    game_mode = MODE_CINE;
    Advance_Ms(5);
    Frame_Pass();
    EXPECT_STREQ(counter[0].word, "");
}

// ---- Name field -------------------------------------------------------------------------

class NameField : public HudUpkeep {
protected:
    void SetUp() override {
        HudUpkeep::SetUp();
        game_mode = MODE_FRONT;
        episode = 0;
        scene = 5;
        std::memset(lvl_text, 0, sizeof lvl_text);
    }
    static void Type(const char* name) {
        std::memset(lvl_text, 0, sizeof lvl_text);
        std::memcpy(lvl_text, name, std::min(std::strlen(name), sizeof lvl_text));
        cur_letter = (int)std::strlen(name);
    }
};

TEST_F(NameField, NamePageShowsTheNameWithABlinkingCaret) {
    Type("BOB");
    Advance_Ms(1);
    Name_Field_Upkeep();
    EXPECT_TRUE(text_selected);
    EXPECT_EQ(input_cap, 7);
    EXPECT_STREQ(counter[8].word, "BOB@");
    EXPECT_FLOAT_EQ(counter[8].x, -0.09f);
    EXPECT_FLOAT_EQ(counter[8].y, 0.2f);
    EXPECT_FLOAT_EQ(counter[8].width, 0.024f);
    EXPECT_FLOAT_EQ(counter[8].height, 0.048f);
    EXPECT_FLOAT_EQ(counter[8].alpha, 1.0f);
    Advance_Ms(150);  // t = 151: the phase holds 150 ms
    Name_Field_Upkeep();
    EXPECT_STREQ(counter[8].word, "BOB@");
    Advance_Ms(1);
    Name_Field_Upkeep();
    EXPECT_STREQ(counter[8].word, "BOB");
}

TEST_F(NameField, NoCaretOnceSevenLettersAreTypedAndTheNameIsCut) {
    Type("ABCDEFGHIJ");
    for (int i = 0; i < 4; ++i) {
        Advance_Ms(151);
        Name_Field_Upkeep();
        EXPECT_STREQ(counter[8].word, "ABCDEFG");
    }
}

TEST_F(NameField, CaretNeverPilesUpInASlotThatIsNotRebuilt) {
    scene = 6;
    text_selected = true;
    std::strcpy(counter[8].word, "Marker");
    for (int i = 0; i < 2000; ++i) {
        Advance_Ms(151);
        Name_Field_Upkeep();
    }
    EXPECT_STREQ(counter[8].word, "Marker");
}

TEST_F(NameField, CreateNeedsALetterThatIsNotABlank) {
    struct Case { const char* name; bool create; bool blank; };
    const Case cases[] = {
        {"", false, true}, {"_______", false, true}, {"@AB", false, false},
        {"_A", true, false}, {"Z", true, false},
    };
    for (const Case& c : cases) {
        Type(c.name);
        Name_Field_Upkeep();
        EXPECT_EQ(create_char, c.create) << "'" << c.name << "'";
        EXPECT_EQ(is_blank, c.blank) << "'" << c.name << "'";
    }
}

TEST_F(NameField, ClosedFieldShowsTheNameWithoutCaretOnAnyEpisodesSceneFive) {
    episode = 1;
    text_selected = false;
    text_cursor_flash = true;
    text_cursor_timer = 999;
    Type("ANNA");
    Name_Field_Upkeep();
    EXPECT_STREQ(counter[8].word, "ANNA");
    EXPECT_FALSE(text_cursor_flash);
    EXPECT_EQ(text_cursor_timer, 0);
}

TEST_F(NameField, BlankTestReadsNoFurtherThanTheBuffer) {
    std::memset(lvl_text, '_', sizeof lvl_text);
    cur_letter = 400;  // a count far past the buffer
    Name_Field_Upkeep();
    EXPECT_TRUE(is_blank);
}

TEST_F(NameField, FileButtonsFollowTheSelectedSlot) {
    scene = 4;
    sprite[12].file_full = true;
    struct Case { int selected; bool create; bool del; };
    const Case cases[] = {{-1, false, false}, {12, true, true}, {13, true, false}, {5000, true, false}};
    for (const Case& c : cases) {
        file_selected = c.selected;
        Name_Field_Upkeep();
        EXPECT_EQ(create_file, c.create) << c.selected;
        EXPECT_EQ(delete_file, c.del) << c.selected;
    }
}

} // namespace
