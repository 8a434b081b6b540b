// Front-end menu buttons and page conversations.
//
// The front-end pages are scenes whose buttons are sprites; a button's object type is its
// front-end button code (fe_type:: in common/codes.h). Once per main tick Run_Front_Buttons
// finds the button under the mouse, writes its caption into text slot 5, keeps the buttons'
// highlight animations and performs a left click. Run_Front_Messages drives the portrait
// conversation of a page of episode 1 or 4.
#pragma once

// The button whose caption was written last; -1 none. Kept across ticks.
inline int m_check = -1;
// 1 when the chosen save slot starts a new game, 0 when it continues a saved one.
inline int current_new_game = 0;

// The page the "newer version" button opens in the browser.
inline constexpr const char* VERSION_PAGE_URL = "https://varnoth.example.org/newer-version";

// One front-end button step: hover, captions, highlight animations and the click.
void Run_Front_Buttons();
// One conversation step of the current page; f_rate is the main tick's step in milliseconds.
void Run_Front_Messages(int f_rate);

// The conversation number of a front page, or 0 when the page has none.
int Front_Conversation(int episode, int scene);
