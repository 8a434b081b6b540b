#include "main/startup.h"

#include <cstring>

#include "audio/audio.h"
#include "common/game_state.h"
#include "common/world_state.h"
#include "content/config.h"
#include "content/snapshots.h"
#include "main/frame_loop.h"
#include "main/sound_bank.h"
#include "main/window.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "render/draw.h"
#include "world/animate.h"

void Allocate_Records() {
    delete[] sprite;
    delete[] hud;
    delete[] Fx;
    sprite = new object[MAX_SPRITES]();
    hud = new object[MAX_HUD]();
    Fx = new object[MAX_FX]();
    std::memset(a_texture, 0, sizeof(a_texture));
}

void Free_Records() {
    delete[] texID;
    texID = nullptr;
    delete[] sprite;
    sprite = nullptr;
    delete[] Fx;
    Fx = nullptr;
    delete[] hud;
    hud = nullptr;
}

void Loading_Frame(int k) {
    render_sequence = 0;
    DrawGLScene(true);
    platform::SwapBuffers();
    platform::MSG msg;
    if (platform::PeekMessage(msg)) {
        platform::TranslateMessage(msg);
        platform::DispatchMessage(msg);
    }
    Set_Sprite(2, k, 4, 0, false);
    Animate();
}

void Static_Start() {
    zoom_factor = ZOOM_AMOUNT;
    org_zoom_factor = ZOOM_AMOUNT;
    audio::OpenDevice();
}

int WinMain() {
    Static_Start();
    // 1. the record arrays
    Allocate_Records();
    // 2. the single-instance object; a second copy starts normally
    platform::CreateNamedMutex("VarnothQZT1");
    // 3-5
    fullscreen = true;
    LoadCFG();
    TimerInit();
    // 6. the window, which loads the boot scene
    if (!CreateGLWindow("Varnoth", sc_width, sc_height, sc_bits, fullscreen)) {
        platform::MessageBox("Couldn't create gl_window", "Error", platform::MB_OK | platform::MB_ICONEXCLAMATION);
        Free_Records();
        platform::Shutdown();
        return 1;  // a failure, for whoever started the game
    }
    // 7. first loading frame
    fade = 1;
    Loading_Frame(0);
    // 8-9
    LoadCFG();
    Keep_Window_Mode();
    Open_Sound_Bank();
    // 10-11
    scene = 0;
    Start_Loop_Stamps();
    Key_Start = Code_Start = Main_Start = 0;
    // 12
    Run_Loop();

    // Shutdown
    Remove_Temps(0);
    Free_Records();
    SaveCFG();
    KillGLWindow();
    Release_Sound_Bank();
    audio::CloseDevice();
    platform::Shutdown();
    return wParam_last;
}
