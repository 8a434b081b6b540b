// Effect construction: one record appended to Fx, a graphic effect or an item on the ground.
#pragma once

// Creates one effect (type 15), ground item (type 10) or item on sale (type 47) with the
// geometry of its kind (`state`). The new effect's index is no_fx before the call.
// Returns false, with nothing appended, when Fx is full or when a ground item finds no free
// neighbouring cell; the caller then keeps the item.
bool New_FX(float x, float y, float w, float z, int anim, int anim_state, float box_width,
            float box_height, float width, float height, int priority, int type, float alpha,
            int i_value, int i_type, int state, int linked_sprite, int tex_id, int i_value1,
            int i_value2);

// The same by field name: New_FX({.x = ..., .y = ..., .type = GFX, ...}). A field left out is 0,
// except alpha (1, opaque) and linked_sprite (-1, no owner).
struct fx_spec {
    float x = 0.0f, y = 0.0f, w = 0.0f, z = 0.0f;
    int anim = 0, anim_state = 0;
    float box_width = 0.0f, box_height = 0.0f, width = 0.0f, height = 0.0f;
    int priority = 0, type = 0;
    float alpha = 1.0f;
    int i_value = 0, i_type = 0, state = 0, linked_sprite = -1, tex_id = 0, i_value1 = 0, i_value2 = 0;
};
bool New_FX(const fx_spec& fx);

// The stored code of a dropped item: an equipped marker becomes its plain item code and the
// equipped slot it named is cleared. Other codes pass unchanged.
int Normalise_Dropped_Item(int code);
