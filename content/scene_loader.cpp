#include "content/scene_loader.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "combat/combat.h"
#include "common/codes.h"
#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/camera_load.h"
#include "content/content_state.h"
#include "content/dialogue_lines.h"
#include "content/error_box.h"
#include "content/level_table.h"
#include "content/object_setup.h"
#include "content/scene_files.h"
#include "content/scene_hud.h"
#include "content/scene_reset.h"
#include "content/snapshots.h"
#include "content/texture_list.h"
#include "hud/hud.h"
#include "main/frame_loop.h"
#include "main/messages.h"
#include "main/tick_services.h"
#include "render/draw.h"
#include "render/texture_opacity.h"
#include "scripts/scripts.h"
#include "world/animate.h"
#include "world/collision.h"
#include "world/sprite_construction.h"
#include "world/turning.h"
#include "world/world_services.h"

namespace {

void Snapshot_Path(char (&out)[256], int e, int s) { std::snprintf(out, sizeof out, "scene/episode%i/scene%i.tmp", e, s); }

// The texture list of the scene being left stays until the new one has loaded: on success
// the old textures are deleted (when asked), on failure the new partial list is released and
// the old one put back, so nothing is drawn from freed textures and nothing is freed twice.
struct texture_backup {
    std::vector<unsigned int> ids;
    int texture_kinds[MAX_TEXTURE_SLOTS];
    int sheets_of_slots[MAX_TEXTURE_SLOTS];
    std::vector<animation_texture> sheets;
    int sheet_count = 0;
};
texture_backup old;
KEEP_FRESH(old);

bool Load_Textures_Keeping_Old(bool delete_textures) {
    old.ids.assign(texID ? texID : nullptr, texID ? texID + (numsubmtls > 0 ? numsubmtls : 0) : nullptr);
    std::memcpy(old.texture_kinds, texture_fx, sizeof texture_fx);
    std::memcpy(old.sheets_of_slots, animation_fx, sizeof animation_fx);
    old.sheet_count = g_fx_id < 0 ? 0 : (g_fx_id > MAX_ANIM_SHEETS ? MAX_ANIM_SHEETS : g_fx_id);
    old.sheets.assign(a_texture, a_texture + old.sheet_count);

    // The reader releases the name array itself; the old names are held in `old`.
    const bool ok = LoadGLTextures(temp_string, false);
    if (ok) {
        if (delete_textures && !old.ids.empty()) {
            Forget_Texture_Opacity(old.ids.data(), (long)old.ids.size());
            glDeleteTextures((GLsizei)old.ids.size(), old.ids.data());
        }
        return true;
    }

    if (texID && numsubmtls > 0) {
        Forget_Texture_Opacity(texID, numsubmtls);
        glDeleteTextures(numsubmtls, texID);
    }
    delete[] texID;
    texID = nullptr;
    numsubmtls = 0;
    if (delete_textures && !old.ids.empty()) {
        // Names of a live context: the previous scene keeps drawing with them.
        texID = new unsigned int[old.ids.size()];
        std::memcpy(texID, old.ids.data(), old.ids.size() * sizeof(unsigned int));
        numsubmtls = (int)old.ids.size();
        std::memcpy(texture_fx, old.texture_kinds, sizeof texture_fx);
        std::memcpy(animation_fx, old.sheets_of_slots, sizeof animation_fx);
        std::copy(old.sheets.begin(), old.sheets.end(), a_texture);
        g_fx_id = old.sheet_count;
    } else {
        // Without deletion the old names belonged to a context that is gone: no list at all.
        std::memset(texture_fx, 0, sizeof texture_fx);
        for (int& a : animation_fx) a = -1;
        g_fx_id = 0;
    }
    return false;
}

// Music state global of song number n (1..17), or nullptr.
int* Track_State(int n) {
    int* const tracks[] = {nullptr,      &end_sfx,    &jet_sfx,     &war_sfx,     &lnd_sfx,
                           &crd_sfx,     &army_sfx,   &fight_sfx,   &sad_sfx,     &dgnb_sfx,
                           &final_sfx,   &dangers_sfx, &intro_sfx,  &fanfare_sfx, &urgency_sfx,
                           &mini_sfx,    &fanfare2_sfx, &deathscreen_sfx};
    return (n >= 1 && n <= 17) ? tracks[n] : nullptr;
}

void Leave_Old_Scene(int e, int s, bool& loaded_temp) {
    spawn_card2 = spawn_card3 = spawn_nocard = false;
    camX_OFFSET = camY_OFFSET = 0.0f;
    last_spawn = current_spawn;
    const bool has_player = Valid_Sprite(p1_id);
    if (ply_dead && has_player) {
        sprite[p1_id].score = PLY_VITALITY;
        sprite[p1_id].priority = 2;
    }
    char path[256];
    if (old_game_mode == MODE_WALK && (old_episode == 2 || old_episode == 3)) {
        Snapshot_Path(path, old_episode, old_scene);
        DumpTemp(path);
    }
    Snapshot_Path(path, e, s);
    loaded_temp = HasTemp(path);
    if (old_game_mode == MODE_WALK && has_player) old_health = sprite[p1_id].score;
    has_all_furniture = true;
    for (int t = 0; t < TENT_PIECES; ++t)
        if (tent_objects[t] == 0) has_all_furniture = false;
    old_scene = s;
    old_episode = e;
    in_dungeon = in_open_world = is_a_stealth_mission = gallery_mode_active = false;
    spawn_level_number = 0;
    if ((e == 0 && s == 1) || (e == 1 && s == 39)) Remove_Temps(0);
}

void Scene_Presets(int e, int s) {
    if (screen_mode != 0) Run_skip_diff();
    if (was_sleeping) {
        fade_in = 3;
        was_sleeping = false;
    }
    old_game_mode = game_mode;

    if (!(e == 1 || s == 105)) stop_tank_sfx = true;
    if (weather != 0 && game_mode == MODE_WALK) {
        if (weather_type == 0) untie_sfx = true;
    } else {
        untie_sfx = false;
        stop_rain_sfx = 1;
    }
    if (e != 1) {
        stop_wind_sfx = 1;
        stop_snore_sfx = 1;
        stop_burn_sfx = 1;
    }

    if (MAP_WIDTH != 0 && MAP_HEIGHT != 0) {
        map_startX = MAP_WIDTH * 0.1f / 2;
        map_startY = MAP_HEIGHT * 0.1f / 2;
    }
    shake = (float)scene_shake;
    if (scene_shake != 0) Camera_Shake(scene_shake);
    original_no_sprites = no_sprites;

    // Music.
    current_song = 0;
    half_volume = false;
    if (e == 1 && s == 141) {
        music_loop = old_music_loop;
        current_song = old_song;
        half_volume = true;
    }
    if (e == 3 && s == 28 && global_objects[44] == 1) music_loop = 0;
    if (music_loop == music_code::CAMP) {
        if (current_act == 2) music_loop = music_code::SAD;
        if (current_act == 4) music_loop = music_code::GROOVE;
    }
    if (int* track = Track_State(music_loop)) {
        *track = 1;
        current_song = music_loop;
        if (old_song != current_song) *track = 5;
    }
    if (int* old_track = Track_State(old_song))
        if (old_song != current_song) *old_track = 6;
}

bool Is_Map_Marker(int c1) { return (c1 >= MAP_HQ_PNT && c1 <= MAP_M10_PNT) || c1 == GLOBAL_MAP_PNT || c1 == GLOBAL_SIDE_PNT; }

void Scene_Points() {
    a_patrol_pnt = -1;
    ply_dead = false;
    for (int& p : patrol_list) p = -1;
    patrol_counter = 0;
    for (int& m : map_pnt_list) m = -1;
    map_pnt_counter = 0;
    if (game_mode == MODE_WALK) Calculate_Stats();

    const int count = no_points < 0 ? 0 : (no_points > MAX_POINTS ? MAX_POINTS : no_points);
    // A spawn index a walk scene does not have counts as none: the first CAM_P1 point is
    // used. Other scenes place no player and pass the requested spawn on untouched (a travel
    // page carries the exit's spawn point to the scene it leads to).
    if (game_mode == MODE_WALK && current_spawn != -1 && (current_spawn < 0 || current_spawn >= count))
        current_spawn = -1;

    for (int i = 0; i < count; ++i) {
        a_point& p = points[i];
        if (p.c1 == TITLE_PNT) {
            camera_point = i;
            camY -= 1.5f;
        }
        if (p.c1 == PATROL_PNT) {
            if (patrol_counter < PATROL_LIST_SIZE) patrol_list[patrol_counter++] = i;
            a_patrol_pnt = i;
        }
        if (Is_Map_Marker(p.c1) && map_pnt_counter < MAP_PNT_LIST_SIZE) map_pnt_list[map_pnt_counter++] = i;
        if (p.c1 == PICKUP_PNT) Spawn_Sale_Pickup(i, p.c2);
        if (p.c1 == ROOM_PNT || p.c1 == ROOM1_PNT) p.active = true;
        if (p.c1 == CAM_P1 && current_spawn == -1) current_spawn = i;
        if (p.c1 == BARREL_PNT)
            New_Sprite({.x = p.x, .y = p.y, .w = p.x, .z = p.y, .anim_state = ANIM_ONCE, .box_width = 0.1f,
                        .box_height = 0.1f, .width = 0.1f, .height = 0.1f, .priority = 2, .type = DOR,
                        .sideways = -1, .state = -1, .linked_sprite = -1, .tex_id = 13, .a_global = -1,
                        .angle = -1.0f, .p_type = ROLE_CONTAINER});
    }
}

void Place_Player(int e, int s, bool loaded_temp) {
    const bool walk = game_mode == MODE_WALK;
    const bool spawn_ok = current_spawn >= 0 && current_spawn < MAX_POINTS;
    if (loaded_temp && p1_id != -1 && !in_stats && spawn_ok) {
        const a_point& pt = points[current_spawn];
        object& p = sprite[p1_id];
        p.x = p.mov_x = p.end_x = pt.x;
        p.y = p.mov_y = p.end_y = pt.y;
        p.moving = false;
        p.status = STATUS_IDLE;
        p.mouseover = false;
        p.alpha = 1.0f;
        p.factor = 1.15f;
        Reposition_Unit(p1_id);
        Convert_Dir_To_Angle(p1_id, pt.c2);
    }
    in_stats = false;
    Calculate_Light();
    Turn_On_Lights();
    Sleep_Sprites();

    if (walk && spawn_ok && !loaded_temp) {
        const a_point& pt = points[current_spawn];
        const int role = (Level == LVL_BASE && current_spawn == 0) ? ROLE_PLAYER_BASE : ROLE_PLAYER;
        New_Sprite({.x = pt.x, .y = pt.y, .w = pt.x, .z = pt.y, .anim_state = ANIM_LOOP, .box_width = 0.1f,
                    .box_height = 0.1f, .width = 0.1f, .height = 0.1f, .priority = 2, .type = UNT, .sideways = -1,
                    .tex_id = 15, .a_global = -1, .angle = -1.0f, .p_type = role});
        if (p1_id != -1) {
            Convert_Dir_To_Angle(p1_id, pt.c2);
            object& p = sprite[p1_id];
            if (p.id >= 0 && p.id < MAX_TEXTURE_SLOTS) p.fx_id = animation_fx[p.id];
            p.factor = 1.15f;
        }
        current_spawn = -1;
    }
    if (e == 2 && s == 0) first_time_playing = false;

    float cx = follow_centre_x, cy = follow_centre_y;
    if (player_type == 0 && p1_id != -1) {
        const object& p = sprite[p1_id];
        cx = p.w + p.box_width / 2;
        cy = p.z + p.box_height / 2;
    }
    follow_x = (int)((cx + 5) * 10);
    follow_y = (int)((cy + 5) * 10);
    if (player_type == 0 && p1_id != -1) Hud_Face_Unit(p1_id, -1);

    if (p1_id != -1 && walk) {
        Calculate_Inventory();
        Calculate_Bullets();
        Calculate_Lifebar();
        Calculate_Stats();
        Reset_Hud_Stat();
    }
    if (quit_active) {
        ply_potion = 0;
        quit_active = false;
    }
    if (walk) {
        Run_Camera();
        Draw_Light();
    }
}

} // namespace

bool LoadScene(int e, int s, bool delete_textures) {
    if (!sprite || !hud || !Fx) return false;
    bool loaded_temp = false;
    Leave_Old_Scene(e, s, loaded_temp);

    Apply_Level_Table(e, s);

    std::snprintf(temp_string.s, sizeof temp_string.s, "scene/episode%i/scene%i", e, s);
    if (!Load_Textures_Keeping_Old(delete_textures)) {
        Error_Box("Couldn't load GLTextures");
        return false;
    }
    LoadPoints(temp_string);
    LoadNodes(temp_string);
    if (!LoadText(temp_string)) {
        Error_Box("Couldn't load text file");
        // The objects of the previous scene were made for another texture list.
        no_sprites = 0;
        no_fx = 0;
        p1_id = -1;
        return false;
    }
    Load_BG(temp_string);

    Reset_Play_State();

    char object_path[300];
    std::snprintf(object_path, sizeof object_path, "%s.dat", temp_string.s);
    Read_Object_File(object_path);
    scene_file_signature = Scene_File_Signature(no_sprites);

    Scene_Presets(e, s);
    Reset_Scene_Lists();

    // A snapshot that does not belong to this object file is not used.
    char snapshot_path[256];
    Snapshot_Path(snapshot_path, e, s);
    if (loaded_temp) loaded_temp = Temp_Matches(snapshot_path);

    Setup_Objects(loaded_temp);
    Setup_Scene_Hud();
    Setup_Scene_Start();
    Scene_Points();

    if (game_mode == MODE_WALK) loaded_temp = LoadTemp(snapshot_path);
    Place_Player(e, s, loaded_temp);

    next_scene = false;
    Run_Scripts(1);
    Animate();
    return true;
}
