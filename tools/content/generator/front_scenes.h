// The title (episode 0 scene 0) and the main menu (episode 0 scene 1) with their pictures.
#pragma once

#include <string>

// Writes the two scenes and their pictures under root; false when a file could not be written.
bool Write_Front_Scenes(const std::string& root);

// Sprite indices the scene scripts of the two scenes address (the order of the object files).
namespace front_scene {
// Title: 0 the title picture, 1 the stamp, 2 the bar, 3 to 5 three marks, 6 hidden, 7 backdrop.
inline constexpr int TITLE_SPRITES = 8;
// Main menu: 0, 1, 3, 14 shown after the duck's act; 2 backdrop; 4 the clickable figure;
// 5 the duck; 6 the logo; 7 to 9 bullet holes; 10 the quit button; 18 the logo's glow;
// 19 the branch the leaf (20) falls from; 21 hidden.
inline constexpr int MENU_SPRITES = 22;
inline constexpr int MENU_DUCK = 5, MENU_LOGO = 6, MENU_FIRST_HOLE = 7, MENU_HOLES = 3, MENU_QUIT = 10;
} // namespace front_scene
