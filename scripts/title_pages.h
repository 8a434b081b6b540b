// Boot, title and pause pages; the main menu and front-end pages.
#pragma once

#include <array>

#include "scripts/cut_scenes.h"
#include "scripts/script_frame.h"

// Rest y of the title's stamp, stored when the title starts.
inline float start_stamp_Y = 0.0f;
// Eased speed of the moment (scratch of the title and the main menu).
inline float temp_speed = 0.0f;
// Main menu: due time of the next bullet hole, holes shown so far (spin_angle and
// script_start_x1 live in scripts/cut_scenes.h).
inline int bullet_timer = 0;
inline int cc = 0;

// Sprite i of the scene, or a spare record when the scene has no sprite i (a scene file
// short of the sprites its page addresses then changes nothing that is drawn).
object& Page_Sprite(int i);
// Set_Sprite on sprite i of the scene, skipped when the scene has no sprite i.
void Page_Anim(int i, int anim, int state, bool reset);

// Boot and title (title_pages.cpp).
void Boot_Redirect_Block(int f_rate);   // episode 10 scene 0
void Title_Sequence_Block(int f_rate);  // episode 0 scene 0
void Ambience_Start_Block(int f_rate);  // episode 1 scene 93
void Pause_Page_Block(int f_rate);      // episode 1 scene 53
// The pause page's leave: back to the main menu with the quit state set.
void Pause_Leave_Request();

// Front-end pages (front_pages.cpp).
void Act_Start_Block(int f_rate);       // episode 1 scene 0 or 122
void Timed_Title_Page_Block(int f_rate); // episode 0 scene 9
void Save_Slot_Page_Block(int f_rate);  // episode 0 scene 2
void Pan_Page_Block(int f_rate);        // episode 0 scene 11
void Act_Four_Start_Block(int f_rate);  // episode 0 scene 12
void Intro_Page_Block(int f_rate);      // episode 0 scene 4
void Camp_Flag_Page_Block(int f_rate);  // episode 1 scene 20
void Figure_Page_Block(int f_rate);     // episode 0 scene 7
void Main_Menu_Block(int f_rate);       // episode 0 scene 1

// Plugs this group's scene blocks into the routine's table: `b[number] = Its_Block;`.
constexpr void Plug_Title_Blocks(std::array<script_body, SCRIPT_BLOCK_COUNT + 1>& b) {
    b[1] = Title_Sequence_Block;
    b[2] = Ambience_Start_Block;
    b[3] = Pause_Page_Block;
    b[58] = Act_Start_Block;
    b[59] = Timed_Title_Page_Block;
    b[60] = Save_Slot_Page_Block;
    b[61] = Pan_Page_Block;
    b[62] = Act_Four_Start_Block;
    b[63] = Intro_Page_Block;
    b[97] = Camp_Flag_Page_Block;
    b[98] = Figure_Page_Block;
    b[99] = Main_Menu_Block;
    b[102] = Boot_Redirect_Block;
}
