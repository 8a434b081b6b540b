// Camera shake, the end of the text line and the mouse cell.
#include "test_world_fixture.h"

#include "common/input.h"
#include "common/scene_state.h"
#include "world/world_services.h"

class WorldServices : public WorldTest {};

TEST_F(WorldServices, CameraShakeTimers) {
    platform::AdvanceVirtualClock(1000);
    Camera_Shake(6);
    EXPECT_EQ(shake, 6.0f);
    EXPECT_EQ(shaking_counter, 11000);
    Camera_Shake(3); // other types leave the end time alone
    EXPECT_EQ(shake, 3.0f);
    EXPECT_EQ(shaking_counter, 11000);
    Camera_Shake(1); // a short shake during a long one ends 200 ms from now
    EXPECT_EQ(shaking_counter, 1200);
}

TEST_F(WorldServices, TextEnd) {
    txt_cur = 4;
    text_sector = 7;
    Text_end();
    EXPECT_EQ(txt_cur, 0);
    EXPECT_EQ(text_sector, -1);
}

TEST_F(WorldServices, MouseRowIsClampedToTheGrid) {
    struct Case { float mx, my; int col, row; } cases[] = {
        {0.0f, 0.0f, 75, 75}, {-20.0f, -20.0f, 0, 0}, {20.0f, 20.0f, 149, 149},
        {7.49f, -7.5f, 149, 0}, {-7.45f, 0.01f, 0, 75},
    };
    for (const Case& c : cases) {
        mouseX = c.mx;
        mouseY = c.my;
        Get_Mouse_Row();
        EXPECT_EQ(mouse_row_x, c.col) << c.mx;
        EXPECT_EQ(mouse_row_y, c.row) << c.my;
        EXPECT_EQ(mouse_row, c.row * 150 + c.col);
    }
    MAP_WIDTH = MAP_HEIGHT = 40;
    mouseX = mouseY = 20.0f;
    Get_Mouse_Row();
    EXPECT_EQ(mouse_row_x, 39);
    EXPECT_EQ(mouse_row, 39 * 40 + 39);
}
