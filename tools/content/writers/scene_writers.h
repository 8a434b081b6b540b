// Writers of the scene's text files and of animation definitions, in the layouts the
// game's readers take: one value per line, integers in decimal, reals with six decimals.
#pragma once

#include <string>
#include <vector>

namespace writers {

// ---- Texture list (.txd) ----
struct TextureSlot {
    int kind = 0;     // 0 plain, 1 keyed, 2 animated plain, 3 and 4 animated keyed, 5 keyed
    std::string name; // image path without ending, no blanks
};
bool Write_Texture_List(const std::string& path, const std::vector<TextureSlot>& slots);

// ---- Animation definition (<image>.dat) ----
struct AnimDef {
    float width = 0.0f;
    float height = 0.0f;
    int column = 1;                      // cell rows of the image
    int frames = 1;                      // cells of the image
    bool rythm = false;
    std::vector<int> delay;              // per frame number; padded with 100 up to frames
    std::vector<std::vector<int>> anims; // frame numbers of each animation
};
bool Write_Anim_Def(const std::string& path, const AnimDef& def);

// ---- Points (.pt) and nodes (.nde) ----
struct Point {
    float x = 0.0f, y = 0.0f;
    int anim_state = 0, anim = 0;
    bool active = false;
    float speed = 0.0f;
    int score = 0;
    int c1 = 0, c2 = 0, c3 = 0, c4 = 0;
};
bool Write_Points(const std::string& path, const std::vector<Point>& pts);

// ---- Tile map (.bg) ----
struct TileMap {
    int width = 0, height = 0;
    std::vector<int> tiles; // width * height, cell = column + row * height
    std::vector<int> set;   // 0/1 per cell; empty means all 0
};
bool Write_Tile_Map(const std::string& path, const TileMap& map);

// ---- Object file (.dat) and HUD layout ----
struct SceneHeader {
    int game_mode = 0;
    int no_of_keyframes = 0;
    int game_time = 0;
    int fade_in = 0;
    int fade_out = 0;
    int scene_shake = 0;
    int music_loop = 0;
    int g_type = 0;
};
struct ObjectRec {
    float x = 0, y = 0, width = 0, height = 0;
    float w = 0, z = 0, box_width = 0, box_height = 0;
    float u[4] = {0, 1, 1, 0};
    float v[4] = {0, 0, 1, 1};
    int id = 0, score = 0, anim_state = 0, anim = 0;
    float alpha = 1.0f;
    int linked_sprite = 0, priority = 0, type = 0;
    int grab_switch = 0, mouseover = 0;
    int sector = 0, sector_action = 0, onCreate = 0, onCreate_action = 0, rank = 0, onDeath_action = 0;
    float light = 1.0f;
    int global_flag = 0;
};
// The record count written is objs.size().
bool Write_Object_File(const std::string& path, const SceneHeader& h, const std::vector<ObjectRec>& objs);

// ---- Dialogue lines (.txt) ----
struct DialogueLine {
    int face = 0;
    std::string a; // one token each: '_' for a blank
    std::string b;
};
struct Dialogue {
    std::vector<std::vector<int>> groups;
    std::vector<DialogueLine> lines;
};
bool Write_Dialogue(const std::string& path, const Dialogue& d);

// Creates a folder and its parents; true when it exists afterwards.
bool Make_Dirs(const std::string& path);

} // namespace writers
