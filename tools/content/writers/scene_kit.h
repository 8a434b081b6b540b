// Pieces of the content set shared by the generator and the tests: the HUD's texture
// slots and pictures, the HUD layout, the boot scene. Every
// function writes under `root`, the folder the game starts in.
#pragma once

#include <string>
#include <vector>

#include "content/writers/scene_writers.h"

namespace writers {

// Texture slots every scene with a HUD (game modes 1 to 5) starts its list with; the HUD
// layout's items use only these. Slots 10 and 11 (tile sets), 13 (door sheet), 14 and 15
// (player sheet) are the scene's own.
//  0 font, 1 cursor, 2 second font, 3 message panel, 4 faces, 5 rounds row, 6 bars,
//  7 item icons, 8 panels (static), 9 rain and target arrow.
constexpr int HUD_SLOT_COUNT = 10;
std::vector<TextureSlot> Hud_Texture_Slots();

// The HUD pictures and their animation definitions (Data/hud/...), including the face
// variants of the three characters and of the second player type.
bool Write_Hud_Textures(const std::string& root);
// The HUD layout, scene/episode0/scene3.dat: 75 items.
bool Write_Hud_Layout(const std::string& root);
constexpr int HUD_ITEMS = 75;
// The items of that layout.
std::vector<ObjectRec> Hud_Layout();

// The boot scene, episode 10 scene 0: a backdrop, the title and the loading indicator
// (sprite 2, animations 0 to 7: one more of eight segments lit by each).
bool Write_Boot_Scene(const std::string& root);

// Everything above: the HUD pictures and layout and the boot scene.
bool Write_Core_Content(const std::string& root);

// Writes the files of one scene: base is "scene/episode<E>/scene<S>" under root.
struct SceneFiles {
    std::vector<TextureSlot> textures;
    std::vector<Point> points;
    std::vector<Point> nodes;
    Dialogue dialogue;
    bool has_map = false;
    TileMap map;
    SceneHeader header;
    std::vector<ObjectRec> objects;
};
bool Write_Scene(const std::string& root, int episode, int scene, const SceneFiles& s);

// A prop's record at (x, y), w by h, from texture slot `slot`: type 3, fully opaque.
ObjectRec Sprite(float x, float y, float w, float h, int slot, int anim, int anim_state, int priority);

// Texture coordinates of a pixel rectangle of a w x h picture drawn top-down.
void Set_UV(ObjectRec& r, int x, int y, int w, int h, int pic_w, int pic_h);

} // namespace writers
