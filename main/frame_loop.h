// The message-and-frame loop and the main tick.
#pragma once

// Step stamps (due times) and step clocks, whole milliseconds.
inline int Real_Time = 0;   // game-clock step
inline int AI_Time = 0;     // drawing step
inline int Swap_Time = 0;   // buffer swap
inline int Key_Time = 0;    // keyboard step
inline int Code_Time = 0;   // unit-AI step
inline int Main_Time = 0;   // main tick
inline int Key_Start = 0;
inline int Code_Start = 0;
inline int Main_Start = 0;
inline int frame_stamp = 0; // timing-line stamp
inline int f_rate1 = 0;     // the main tick's step

// Profiling values shown on the timing line.
inline int Peek_cycle = 0, Total_cycle = 0, Total_Start = 0, Draw_cycle = 0, Swap_cycle = 0,
           Ai_cycle = 0, Main_cycle = 0;
inline bool fps_counter = false;
inline int draw_light_count = 0;

// Per-tick state read or written by the loop.
inline bool red_swipe = false;
inline int red_timer = 0;
inline bool msg_fx = false;
inline int msg_fx_timer = 0;
inline bool arrow_flash = false;
inline int arrow_flash_timer = 0;
inline int inventory_timer = 0;
inline bool menu_active = false;
inline int menu_counter = 0;
inline bool dusting = false;
inline int dust_timer = 0;
inline bool shooting = false;
inline int shoot_time = 0;
inline bool gallery_mode_active = false;
inline int menu_item = 99;
inline int flash_timer = 0;
inline int new_game_timer = 0;
inline int wParam_last = 0;   // exit code of WM_QUIT when the loop ended on it

// Sets the first stamps of the loop from now.
void Start_Loop_Stamps();
// One pass of the loop: a message pass when a message waits, else a frame pass. True when
// it served a message.
bool Loop_Pass();
// The frame pass alone (steps 1 to 13) and the main tick.
void Frame_Pass();
void Main_Tick();
// The time (TimerGetTime) at which the next timed step of the frame pass falls due.
double Next_Step_Due();
// Runs passes while done is false; after a frame pass it waits until the next step is due.
void Run_Loop();
