#include "main/messages.h"

#include <cstdio>

#include "combat/combat.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/world_state.h"
#include "content/save_slots.h"
#include "hud/hud.h"
#include "main/window.h"
#include "platform/timer.h"

using namespace platform;

namespace {

void Mouse_Move(int64_t lParam) {
    float x = (float)LoWord((uint64_t)lParam);
    float y = (float)HiWord((uint64_t)lParam);
    int hw = sc_width / 2;
    int hh = sc_height / 2;
    float vx = x;
    if (hw != 0) vx = vx / (float)hw;
    vx = (vx - 1) * zoom_factor;
    float vy = y;
    if (hh != 0) vy = vy / (float)hh;
    vy = -((vy - 1) * (zoom_factor * sc_ratio));
    real_mouseX = vx;
    real_mouseY = vy;
    UpdateMouseCursor();
    if (hud) {
        float cw = hud27width * 1.3f;
        float ch = hud27height * 1.3f;
        object& a = hud[27];
        a.width = cw;
        a.height = ch;
        a.x = a.w = vx - cw / 2;
        a.y = a.z = vy - ch / 2;
        object& b = hud[28];
        b.x = a.x + cw;
        b.y = a.y;
        b.width = cw;
        b.height = ch;
    }
    mouseX = vx - camX;
    mouseY = vy - camY;
    hud_mouseX = vx - camX;
    hud_mouseY = vy - camY;
    mouse_stop = false;
}

void Close_Request() {
    if (current_file != -1 && game_mode == MODE_WALK && episode != 0) {
        SaveLevel(Save_Slot_Path(current_file));
    }
    end_sfx = 3;
    quitting = true;
    quit_timer = Now() + 100;
}

} // namespace

long WndProc(const MSG& msg) {
    switch (msg.message) {
        case WM_ACTIVATE:
            return 0;
        case WM_SYSCOMMAND:
            if (msg.wParam == SC_SCREENSAVE || msg.wParam == SC_MONITORPOWER) return 0;
            break;
        case WM_CLOSE:
            Close_Request();
            return 0;
        case WM_KEYDOWN:
            if (msg.wParam < 256) keys[msg.wParam] = true;
            return 0;
        case WM_KEYUP:
            if (msg.wParam < 256) keys[msg.wParam] = false;
            return 0;
        case WM_SIZE:
            ReSizeGLScene((int)LoWord((uint64_t)msg.lParam), (int)HiWord((uint64_t)msg.lParam));
            Set_Screen_Ratio();
            return 0;
        case WM_MOVE:
            saved_window_posX = (int16_t)LoWord((uint64_t)msg.lParam);
            saved_window_posY = (int16_t)HiWord((uint64_t)msg.lParam);
            break;
        case WM_MOUSEMOVE:
            Mouse_Move(msg.lParam);
            break;
        case WM_LBUTTONDOWN:
            UpdateMouseCursor();
            if (!next_scene) mouseleft = true;
            break;
        case WM_LBUTTONUP:
            mouseleft = false;
            UpdateMouseCursor();
            break;
        case WM_RBUTTONDOWN:
            mouseright = true;
            if (!lock_player && !player_in_water &&
                !(current_weapon != -1 && current_weapon < 16 && player_inv[current_weapon] == 29))
                Reload_Gun();
            break;
        case WM_RBUTTONUP:
            mouseright = false;
            break;
        case WM_MBUTTONDOWN:
            mousemiddle = true;
            break;
        case WM_MBUTTONUP:
            mousemiddle = false;
            break;
        case WM_MOUSEWHEEL: {
            int16_t delta = (int16_t)HiWord(msg.wParam);
            if (delta > 0) mousewheel = 1;
            if (delta < 0) mousewheel = 2;
            break;
        }
        default:
            break;
    }
    return DefWindowProc(msg);
}
