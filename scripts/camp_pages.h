// The act hub and briefings, the camp, album card and sleep pages, the death pages.
#pragma once

#include <array>

#include "scripts/script_frame.h"

// The card number the album card page uses to choose the side its card slides in from.
inline int my_card_selected = 0;

// The return to camp: the hub of the current act, at the spawn point near the area the player
// came from (stats_episode, stats_scene), or the burning-camp page in acts 2 to 4 while story
// flag 32 is 0.
void Camp_Return_Request();

// Revives the player after a death page: full health (vitality plus 60, 40 more with story
// flag 90) and a request for the tent, or for the burning-camp page in acts 2 to 4 while story
// flag 32 is 0.
void GraveStone();
// What every death counts: one more death, the Highlanders mission's snapshot (and its story
// flag) while that mission is under way, and the snapshot of episode 3 scene 20. A snapshot
// that is not there is no error.
void Death_Bookkeeping();

// Act hub choice and briefings (briefings.cpp).
void Camp_Return_Block(int f_rate);       // episode 1 scene 143
void Briefing_64_Block(int f_rate);       // episode 1 scene 64
void Briefing_82_Block(int f_rate);       // episode 1 scene 82
void Act_End_Block(int f_rate);           // episode 1 scene 116
void Briefing_117_Block(int f_rate);      // episode 1 scene 117
void Briefing_118_Block(int f_rate);      // episode 1 scene 118 or 139
void Briefing_124_Block(int f_rate);      // episode 1 scene 124
void Briefing_142_Block(int f_rate);      // episode 1 scene 142
void Story_Page_119_Block(int f_rate);    // episode 1 scene 119
void Story_Page_138_Block(int f_rate);    // episode 1 scene 138 or 140
void Briefing_120_Block(int f_rate);      // episode 1 scene 120
void Briefing_121_Block(int f_rate);      // episode 1 scene 121
void Alarm_Briefing_Block(int f_rate);    // episode 1 scene 51

// Camp, album card and sleep pages (camp_pages.cpp).
void Pacing_Figure_Block(int f_rate);     // episode 1 scene 5
void Burning_Camp_Block(int f_rate);      // episode 1 scene 48
void Album_Card_Block(int f_rate);        // episode 1 scene 54
void Sleep_Page_Block(int f_rate);        // episode 1 scene 57

// Death pages (death_pages.cpp).
void Death_Page_8_Block(int f_rate);      // episode 0 scene 8
void Death_Page_14_Block(int f_rate);     // episode 0 scene 14
void Death_Page_15_Block(int f_rate);     // episode 0 scene 15
void Death_Page_16_Block(int f_rate);     // episode 0 scene 16
void Death_Page_17_Block(int f_rate);     // episode 0 scene 17

// Plugs this group's scene blocks into the routine's table: `b[number] = Its_Block;`.
constexpr void Plug_Camp_Blocks(std::array<script_body, SCRIPT_BLOCK_COUNT + 1>& b) {
    b[5] = Camp_Return_Block;
    b[6] = Briefing_64_Block;
    b[7] = Briefing_82_Block;
    b[8] = Act_End_Block;
    b[9] = Briefing_117_Block;
    b[10] = Briefing_118_Block;
    b[11] = Briefing_124_Block;
    b[12] = Briefing_142_Block;
    b[13] = Story_Page_119_Block;
    b[14] = Story_Page_138_Block;
    b[15] = Briefing_120_Block;
    b[16] = Briefing_121_Block;
    b[17] = Alarm_Briefing_Block;
    b[18] = Pacing_Figure_Block;
    b[19] = Burning_Camp_Block;
    b[20] = Album_Card_Block;
    b[21] = Sleep_Page_Block;
    b[91] = Death_Page_8_Block;
    b[92] = Death_Page_14_Block;
    b[93] = Death_Page_15_Block;
    b[94] = Death_Page_16_Block;
    b[95] = Death_Page_17_Block;
}

// Sprite i of the scene, or a zeroed spare record when the scene has no sprite i: a page whose
// scene file is short of the sprites it addresses then moves nothing that is drawn, and its
// slides find the spare already at rest.
object& Camp_Sprite(int i);
