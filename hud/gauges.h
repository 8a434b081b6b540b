// The HUD gauges: the player's face, the life and experience bars, the enemy health bar,
// the arrow to a scripted target and the mouse cursor.
#pragma once

// HUD items driven here.
enum : int {
    HUD_CURSOR = 1,
    HUD_FACE = 4,
    HUD_LIFEBAR = 5,
    HUD_EXPBAR = 38,
    HUD_ENEMYBAR = 45,
    HUD_TARGET_ARROW = 56
};

// Life bar (HUD item 5) and experience bar (HUD item 38).
void Calculate_Lifebar();
// The player's face on HUD item 4; callers pass the player sprite and -1.
void Hud_Face_Unit(int unit, int j);
// Colours the enemy bar and returns full health / current health (0 when the unit has none).
float Calculate_Emybar(int unit);
// Full health of a unit or unit-like object by its type and kind.
int Calculate_TotalScore(int unit);
// Points HUD item 56 at sprite arrow_point, or hides it.
void Calculate_Target_Arrow();
// Places the cursor, HUD item 1, at the mouse.
void UpdateMouseCursor();
// Kept for the unit code; does nothing.
void Unit_Sound(int unit, int kind);
