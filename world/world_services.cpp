#include "world/world_services.h"

#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "platform/timer.h"

void Camera_Shake(int type) {
    if (type == SHAKE_SHORT || type == SHAKE_SHORT2) shaking_counter = Now() + 200;
    else if (type == SHAKE_LONG) shaking_counter = Now() + 10000;
    shake = (float)type;
}

void Text_end() {
    txt_cur = 0;
    text_sector = -1;
}

void Get_Mouse_Row() {
    int col = Cell_Column(mouseX);
    int row = Cell_Row(mouseY);
    int w = Grid_Width(), h = Grid_Height();
    if (col >= w) col = w - 1;
    if (col < 0) col = 0;
    if (row >= h) row = h - 1;
    if (row < 0) row = 0;
    mouse_row_x = col;
    mouse_row_y = row;
    mouse_row = row * Grid_Stride() + col;
}
