// Input state kept by the window procedure and read by the keyboard and mouse code.
#pragma once

inline bool keys[256];            // held state by virtual-key code
inline bool mouseleft = false;    // left button pressed and not yet consumed
inline bool mouseright = false;
inline bool mousemiddle = false;
inline int mousewheel = 0;        // this main tick: 0 none, 1 up, 2 down
inline float real_mouseX = 0.0f;  // mouse in view units (centre 0,0, y up)
inline float real_mouseY = 0.0f;
inline float mouseX = 0.0f;       // mouse in world units
inline float mouseY = 0.0f;
inline float hud_mouseX = 0.0f;
inline float hud_mouseY = 0.0f;
inline bool mouse_stop = true;
inline bool mouseheld = false;
inline int mouse_held_state = 0;
inline int mouseheld_timer = 0;
inline int on_selected_man = 0;
inline bool ply_shooting = false;

// Movement flags of the keyboard scheme (cleared at every scene load).
inline bool KEY_FORWARD = false;
inline bool KEY_BACKWARD = false;
inline bool KEY_LEFTWARD = false;
inline bool KEY_RIGHTWARD = false;
inline bool KEY_SPACE = false;
