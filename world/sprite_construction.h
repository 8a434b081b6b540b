// Construction of world sprites at run time, and the per-scene lists it fills.
#pragma once

constexpr int PLAYER_LIST_SIZE = 400;
constexpr int DOOR_LIST_SIZE = 150;

// Sprites the unit AI walks through, in the order they were added (scene units and
// unit-like objects placed by the scene loader, and every sprite made by New_Sprite).
inline int player_list[PLAYER_LIST_SIZE];
inline int player_counter = 0;
// Doors and containers made by New_Sprite.
inline int door_list[DOOR_LIST_SIZE];
inline int door_counter = 0;

// Role codes (p_type) of New_Sprite.
enum : int {
    ROLE_PLAYER = 0,       // the player at a scene start; never refused
    ROLE_BODY = 10,        // a body object
    ROLE_UNIT = 11,        // an ordinary unit (as are -1, 16 and 17)
    ROLE_PLAYER_BASE = 12, // the player at spawn point 0 of the base; refused on a blocked cell
    ROLE_BUDDY = 13,       // a friendly soldier of the player's side
    ROLE_OFFICER = 14,     // enemy defaults, then rank 4
    ROLE_CONTAINER = 15,   // a container at a scene point
    ROLE_RANK_UP = 18      // shield bearers and sailors: one rank higher
};

// Creates one world sprite with every field set. Returns its index, or -1 when refused:
// a blocked or off-map cell (every role but ROLE_PLAYER), or a full sprite array,
// player_list or door_list.
int New_Sprite(float x, float y, float w, float z, int anim, int anim_state, float box_width,
               float box_height, float width, float height, int priority, int type, float alpha,
               int sideways, int upways, int state, int linked_sprite, int tex_id, int a_global,
               float angle, int p_type);

// The same by field name: New_Sprite({.x = ..., .type = UNT, ..., .p_type = ROLE_UNIT}). A field
// left out is 0, except alpha (1, opaque).
struct sprite_spec {
    float x = 0.0f, y = 0.0f, w = 0.0f, z = 0.0f;
    int anim = 0, anim_state = 0;
    float box_width = 0.0f, box_height = 0.0f, width = 0.0f, height = 0.0f;
    int priority = 0, type = 0;
    float alpha = 1.0f;
    int sideways = 0, upways = 0, state = 0, linked_sprite = 0, tex_id = 0, a_global = 0;
    float angle = 0.0f;
    int p_type = 0;
};
int New_Sprite(const sprite_spec& sp);
