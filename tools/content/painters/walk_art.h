// The art of walk scenes: terrain tile sets per biome, soldier and figure sheets, props and
// buildings, doors, vehicle shadows, and the effects and drops sheet. Every picture comes
// from a painter with a fixed seed, so the same build writes the same files.
#pragma once

#include <string>
#include <vector>

#include "content/writers/image.h"

namespace painters {

// ---- Tile sets ----
// Colours a tile set is painted in.
struct Tile_Palette {
    writers::Rgba ground, ground2, tuft;  // open ground, its mottling, its tufts and flowers
    writers::Rgba road, road2;
    writers::Rgba sand, sand2;
    writers::Rgba mud, mud2;
    writers::Rgba water, deep;
    writers::Rgba floor, floor2;          // wooden and concrete floors
    writers::Rgba wood, stone, hedge, sandbag, earth;
};
// A tile atlas of 16 x 32 tiles (tile t at column t % 16, row t / 16 from the bottom), tiles
// numbered as content/maps/terrain.h lays them out. Writes <root>/<name>.tga.
bool Write_Tile_Set(const std::string& root, const std::string& name, const Tile_Palette& p);
// The palette of a biome's tile set by its image name ("Data/tiles/camp", ...); false when
// there is none of that name.
bool Tile_Palette_Of(const std::string& name, Tile_Palette& p);
// Every tile set image name the painters know.
std::vector<std::string> Tile_Set_Names();

// ---- Figures ----
enum class Weapon { None, Rifle, Pistol, MachineGun, Grenade, Shotgun };
struct Figure_Look {
    writers::Rgba uniform, trim, helmet, skin;
    Weapon weapon = Weapon::Rifle;
    bool player = false;      // the player's animation table (crouch, moving fire)
    bool wading = false;      // legs hidden in water
    bool bare_head = false;   // a cap or hair instead of a helmet
};
// A unit sheet: 16 x 8 cells, 5 facings (down, up, side, down-diagonal, up-diagonal) with
// walking, standing, firing, throwing, crouching, reloading and hit poses, and dying,
// blown up, burning, crushed and sinking-in-mud sequences; the animation table the game's
// unit animation chain addresses (player or other units).
bool Write_Figure_Sheet(const std::string& root, const std::string& name, const Figure_Look& look);
// The looks of the player by character (0, 1, 2) and of the sides' soldiers.
Figure_Look Player_Look(int character, Weapon w);
Figure_Look Enemy_Look(Weapon w);
Figure_Look Ally_Look(Weapon w);
// The one-animation figures: 8 animations of two frames, one figure each.
bool Write_Figures(const std::string& root, const std::string& name);
// The people of the camp who stand at their tents: person k rests with animation 2k and
// greets the player who walks up to him with 2k + 1 (Camp_Person order).
enum class Camp_Person {
    Commander, Drill, Paymaster, Croupier, Gallery, Dealer, Medic, Dog_Handler, Armourer, Trader, Spy, Recruit,
    Count
};
bool Write_Camp_People(const std::string& root, const std::string& name);

// ---- Effects and drops (texture slot 2 of walk scenes) ----
bool Write_Effects_Sheet(const std::string& root, const std::string& name);

// ---- Props ----
// Static pictures and the door and vehicle-shadow sheets.
bool Write_Props(const std::string& root);
// The words on the camp's name boards (Data/props/signs), animation k showing word k.
const std::vector<std::string>& Camp_Sign_Names();
// The door sheet (4 frames from shut to open; animation 0 shut, odd ones open, even ones
// from 2 close) and a crate, under any name.
bool Write_Door_Sheet(const std::string& root, const std::string& name);
bool Write_Crate(const std::string& root, const std::string& name);
// The training target: animation 0 standing, 1 rocked by a hit, 2 shot to splinters.
bool Write_Target_Sheet(const std::string& root, const std::string& name);
// A yard gate: animation 0 shut, 1 open.
bool Write_Gate_Sheet(const std::string& root, const std::string& name);

// Everything above that walk scenes use, under the names of walk_art.cpp.
bool Write_Walk_Art(const std::string& root);

// Image names (without ending) that Write_Walk_Art writes.
namespace art {
constexpr const char* kEffects = "Data/fx/effects";
constexpr const char* kDoors = "Data/props/doors";
constexpr const char* kShadows = "Data/props/shadows";
// The player by weapon (slots 15, 16, 17, 31) and wading (slot 30); the texture list's
// name substitutions turn these into the second character's sheets.
constexpr const char* kPlayerBare = "Data/chars/green_gunner";     // bare hands, grenades
constexpr const char* kPlayerRifle = "Data/chars/green_gunner1";   // rifle, shotgun
constexpr const char* kPlayerPistol = "Data/chars/green_gunner2";
constexpr const char* kPlayerMachine = "Data/chars/green_gunner3";
constexpr const char* kPlayerWading = "Data/chars/green_gunnerW";
constexpr const char* kEnemyRifle = "Data/chars/enemy_rifle";
constexpr const char* kEnemyPistol = "Data/chars/enemy_officer";
constexpr const char* kEnemyMachine = "Data/chars/enemy_mgun";
constexpr const char* kAllyRifle = "Data/chars/ally_rifle";
constexpr const char* kFigures = "Data/chars/figures";          // slot 29: one-animation figures
constexpr const char* kCampPeople = "Data/chars/camp_people";
} // namespace art

} // namespace painters
