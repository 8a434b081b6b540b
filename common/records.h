// The shared records of the game: the object record used by world sprites, HUD items
// and effects, scene points, animation sheets, decoded images, text slots and strings.
#pragma once

#include <cstdint>

// Playback modes of object::anim_state.
enum : int {
    ANIM_STOPPED = 0,   // stopped
    ANIM_ONCE = 1,      // play once then stop
    ANIM_LOOP = 2,      // loop
    ANIM_HELD = 3,      // held: no animation
    ANIM_ONCE_HOLD = 4  // play once then hold on the last frame (becomes ANIM_HELD)
};

// One thing the game draws or simulates: a world sprite, a HUD item or an effect.
// Which general fields mean what depends on the array and on `type`.
struct object {
    float x;            // lower-left x of the drawn quad
    float y;            // lower-left y of the drawn quad
    float width;        // drawn width
    float height;       // drawn height
    float w;            // lower-left x of the collision box
    float z;            // lower-left y of the collision box
    float box_width;    // collision box width
    float box_height;   // collision box height
    float u[4];         // texture coordinates
    float v[4];
    int id;             // texture slot (index into texID, texture_fx, animation_fx)
    int cur;            // step of the current animation
    int fx_id;          // animation sheet (index into a_texture)
    int frame;          // frame shown
    int anim;           // animation number within the sheet; -1 before a unit's first choice
    float cur_time;     // due time of the next animation step
    int anim_state;     // playback mode (ANIM_*)
    bool mouseover;
    int score;          // per type; hit points of a unit
    bool grab_switch;   // armed
    float alpha;        // opacity 0..1
    float light;        // light factor; radius for triggers and ladders
    int linked_sprite;
    bool moving;
    int priority;       // drawing layer
    int type;           // object type (or front-end button code in the front end)
    float angle;        // heading
    int fire_target;
    int emy_shoot;
    bool emy_shooting;
    int sector;         // unit class of a unit; kind of an effect
    int sector_action;  // AI kind of a unit; sub-code of an effect
    bool flash_target;
    bool bombs_away;
    int heal_timer;
    int onCreate;
    int onCreate_action;
    int rank;
    int onDeath_action;
    int onDoor;
    int reached_node;   // node the unit walks to; -1 none
    int node_list[100]; // the unit's current path
    int node_count;
    int node_counter;
    float kills;
    bool selected;
    int status;         // AI state of a unit; 44 marks a free sprite record
    int all_timer;
    int col_timer;
    int ai_timer;
    bool update;
    int bomb_timer;
    int global_flag;
    int flash_timer;
    int dflash_timer;
    bool death_flash;
    float mov_x;
    float mov_y;
    float shell_x;
    float shell_y;
    float trans_x;
    float trans_y;
    float end_x;
    float end_y;
    float depth;
    bool in_hole;
    bool target_hole;
    char special;
    bool turn_off;      // switched off: takes no further part
    bool on_mud;
    int guys_mine;
    int base_anim;
    bool building;
    char build;
    bool mercy;
    bool training;
    char death_by_mud;
    float tar_angle;
    bool turning;
    bool bagging;
    int group_id;
    int reload_timer;
    bool file_full;
    float factor;       // walk-cycle step lasts factor * 200 ms
    int grenaded;
    int spotted_timer;
    bool spotted;
    int item_type;
    int value;
    int value1;
    int value2;
    float spin;
    float distance;
    float angle2;
    int action_timer;
    int tile_row;
    int sparkle_timer;
    bool splatted;
};

// A scene point or path node. Declaration order differs from the file order.
struct a_point {
    float x, y;
    int anim_state;
    int anim;
    int score;
    bool active;
    float speed;
    int c1, c2, c3, c4;
};

// An animation sheet.
struct animation_texture {
    float width;
    float height;
    int frames;          // cells in the image
    int column;          // number of cell rows of the image
    int no_of_anims;     // at most 150
    int id;              // texture slot that owns the sheet
    int anims[150][150]; // frame shown at step k of animation a
    int delay[150];      // display time of each frame number, ms
    int anim_frames[150];// steps of each animation
    int cur;
    bool rythm;
};

// A decoded image.
struct Texture {
    unsigned char* imageData;
    uint32_t bpp;
    uint32_t width;
    uint32_t height;
    uint32_t texID;
    uint32_t type;
};

// One text slot.
struct font {
    float x;
    float y;
    float width;
    float height;
    int id;
    char word[1024];
    float alpha;
    int length;
};

// A 256-character string passed by value for file and texture names.
struct sString {
    char s[256];
};

// Sizes of the record arrays and grids.
constexpr int MAX_SPRITES = 750;
constexpr int MAX_HUD = 75;
constexpr int MAX_FX = 250;
constexpr int FX_ID_BASE = 750;        // an id of 750 or more names effect id - 750
constexpr int NO_OBJECT_SHOOTER = 749; // a shooter that is no object
constexpr int MAX_MAP = 150;           // grids hold 150 by 150 cells at most
constexpr int MAX_ANIM_SHEETS = 50;
constexpr int MAX_TEXTURE_SLOTS = 200;
constexpr int MAX_POINTS = 400;
constexpr int MAX_NODES = 100;
constexpr int TEXT_SLOTS = 25;
