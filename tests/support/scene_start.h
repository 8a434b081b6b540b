// The start of a scene under test: the test clock at 1000 ms, fresh records and episode e
// scene s entered with its sequence at rest. The caller frees the records (Free_Records).
#pragma once

#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/world_state.h"
#include "main/startup.h"
#include "support/virtual_clock.h"

// A scripted walk scene with 200 sprites, its fade done and the quit box closed.
inline void Start_Walk_Scene(int e, int s) {
    Use_Test_Clock();
    Advance_Ms(1000);
    Allocate_Records();
    game_mode = MODE_WALK;
    episode = e;
    scene = s;
    fade = 1.0f;
    next_scene = false;
    quit_active = false;
    title_sequence = 0;
    title_timer = 0;
    start_sequence = 0;
    no_sprites = 200;
}

// A front-end screen (menus, shop, card table).
inline void Start_Front_Scene(int e, int s) {
    Use_Test_Clock();
    Advance_Ms(1000);
    Allocate_Records();
    game_mode = MODE_FRONT;
    episode = e;
    scene = s;
    next_scene = false;
    title_sequence = 0;
}
