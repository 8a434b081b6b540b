#include "common/call_trace.h"
#include "camp/camp.h"
#include "hud/hud.h"

// The camp screens are added screen by screen.

// Headwear (codes 14 to 16) 2, 4, 6, 8, 10 and boxers (17 to 19) 5, 10, 15, 20, 25 by the
// slot's level, for models 0 to 4.
float GetItemDefense(int slot) {
    if (slot < 0 || slot >= 16) return 0.0f;
    const int code = player_inv[slot], model = player_inv_value[slot], level = player_inv_value1[slot];
    if (model < 0 || model > 4 || level < 0 || level > 4) return 0.0f;
    if (code >= 14 && code <= 16) return 2.0f * (level + 1);
    if (code >= 17 && code <= 19) return 5.0f * (level + 1);
    return 0.0f;
}

bool Check_For_Super(int slot) {
    if (slot < 0 || slot >= 16) return false;
    const int code = player_inv[slot], model = player_inv_value[slot];
    int top_rate = 0;
    if ((code == 10 || code == 11) && model >= 0 && model <= 4) top_rate = 2;
    else if (code >= 33 && code <= 35 && model >= 0 && model <= 1) top_rate = 1;
    else if (code >= 38 && code <= 40 && model == 0) top_rate = 1;
    else if (code >= 6 && code <= 8 && model >= 0 && model <= 3) top_rate = 1;
    else return false;
    return Get_Bit_Shift(slot, 1) == 5 && Get_Bit_Shift(slot, 2) == top_rate &&
           Get_Bit_Shift(slot, 3) == 2 && Get_Bit_Shift(slot, 4) == 5 && Get_Bit_Shift(slot, 5) == 1;
}
