#include "content/compiler/slot_plans.h"

#include <algorithm>

#include "content/painters/walk_art.h"
#include "content/writers/scene_kit.h"

namespace compiler {

namespace {

std::vector<Plan_Slot> Hud_Slots() {
    static const char* const why[writers::HUD_SLOT_COUNT] = {
        "text font",   "mouse cursor",    "second font", "message panel", "portrait faces",
        "rounds row",  "bars",            "item icons",  "HUD panels",    "rain and target arrow"};
    std::vector<Plan_Slot> s;
    const std::vector<writers::TextureSlot> hud = writers::Hud_Texture_Slots();
    for (int i = 0; i < (int)hud.size(); ++i) s.push_back({i, hud[i].kind, hud[i].name, why[i]});
    return s;
}

std::vector<Slot_Plan> Make_Plans() {
    std::vector<Slot_Plan> p;
    // Every scene with a HUD starts with these.
    p.push_back({"hud", "", Hud_Slots()});
    // Front-end pages: slot 2 holds the effects sheet (the menu's bullet-hole puffs are
    // effect animation 35 of slot 2; sale pickups use its animation 13).
    p.push_back({"front_page", "hud", {{2, 3, "Data/front/effects", "effects sheet: animations 13 and 35"}}});
    // The save-slot page: the looks of a FILE button set by the scene loader (8 empty, 7
    // saved, 5 saved in act 4), each with rest, lit and selected animations.
    p.push_back({"save_slots",
                 "front_page",
                 {{5, 3, "Data/front/file_act4", "save slot saved in act 4"},
                  {7, 3, "Data/front/file_full", "save slot saved"},
                  {8, 3, "Data/front/file_empty", "save slot empty"}}});
    // Pages with the options box (the main menu's Options and Multi buttons open it).
    p.push_back({"options_page", "front_page", {{14, 3, "Data/front/options_box", "options box: animations 0 and 1"}}});
    // The perk page: slot 8 is the locked look; 19 to 24 the unlocked looks of the six
    // dependent perks.
    p.push_back({"perk_page",
                 "front_page",
                 {{8, 3, "Data/front/perk_locked", "locked perk"},
                  {19, 3, "Data/front/perk_regen", "regeneration perk"},
                  {20, 3, "Data/front/perk_gas", "gas rounds perk"},
                  {21, 3, "Data/front/perk_gold", "gold perk"},
                  {22, 3, "Data/front/perk_exp", "experience perk"},
                  {23, 3, "Data/front/perk_kill", "health per kill perk"},
                  {24, 3, "Data/front/perk_ice", "dum-dum rounds perk"}}});
    // Act start pages 1/0 and 1/122: the commander in her tent is the picture that slides in
    // (object 2); slot 16 is its lamplit night picture, which the page switches it to, with
    // the same silent and talking animations.
    p.push_back({"act_start", "front_page", {{16, 2, "Data/front/hq_betsy_night", "the tent at night"}}});
    // Walk scenes: slot 2 the effects and drops sheet (hits, flashes, blasts, splashes, smoke,
    // fire, gas, mud, blood, fireworks and every ground item's picture by its animation),
    // the tile sets from slot 10 (10 + map_set, given by the map), the doors of barrel
    // points (13), the vehicles' shadows (14), the player by the weapon in hand (15 bare
    // hands or grenades, 16 rifle or shotgun, 17 pistol, 31 machine gun), the figures that
    // play one animation (29) and the wading player (30). Slots 12 and 18 to 28 are the
    // scene's own.
    p.push_back({"walk",
                 "hud",
                 {{2, 2, painters::art::kEffects, "effects and drops sheet"},
                  {13, 2, painters::art::kDoors, "doors of barrel points"},
                  {14, 2, painters::art::kShadows, "vehicle shadows, animation 1"},
                  {15, 2, painters::art::kPlayerBare, "the player, bare hands or grenades"},
                  {16, 2, painters::art::kPlayerRifle, "the player with a rifle or shotgun"},
                  {17, 2, painters::art::kPlayerPistol, "the player with a pistol"},
                  {29, 2, painters::art::kFigures, "figures playing one animation (units' on_death)"},
                  {30, 2, painters::art::kPlayerWading, "the player wading"},
                  {31, 2, painters::art::kPlayerMachine, "the player with a machine gun"}}});
    // The shop level: the HUD's slots; the shop draws its tooltips with the font of slot 2,
    // and its message box (HUD items 2, 40 and 41) from a sheet of its own in slot 3.
    p.push_back({"shop",
                 "hud",
                 {{2, 0, "Data/hud/font2", "the shop's tooltip font"},
                  {3, 3, "Data/shop/message", "the shop's message box: notes 0, 6, 7, 8; OK 14, 15; Cancel 16, 17"}}});
    // The card table: the Hit button's looks (5 deal, 6 take a card) and the Stay button's
    // (7 quit, 8 stay), switched by the table's steps.
    p.push_back({"card_table",
                 "front_page",
                 {{5, 3, "Data/cards/btn_deal", "Hit button while waiting for a bet"},
                  {6, 3, "Data/cards/btn_take", "Hit button in the player's turn"},
                  {7, 3, "Data/cards/btn_quit", "Stay button while waiting for a bet"},
                  {8, 3, "Data/cards/btn_stay", "Stay button in the player's turn"}}});
    // The card albums: the sheet of the album shown is slot card_page + 7 (8, 9 or 10).
    p.push_back({"card_album",
                 "front_page",
                 {{8, 3, "Data/cards/album1", "swimsuit album: cards 0 to 11"},
                  {9, 3, "Data/cards/album2", "costume album: cards 12 to 23"},
                  {10, 3, "Data/cards/album3", "underwear album: cards 24 to 35"}}});
    // The shooting gallery: the puffs and splinters of slot 2 (animations 12 and 54), the
    // explosions of slot 21.
    p.push_back({"gallery",
                 "front_page",
                 {{2, 3, "Data/gallery/effects", "shot puffs 12 and crate splinters 54"},
                  {21, 3, "Data/gallery/explosion", "explosions of balls and pigeons"}}});
    // Cut-scenes and story pages: the HUD's slots only.
    p.push_back({"cine_page", "hud", {}});
    return p;
}

} // namespace

const std::vector<Slot_Plan>& Slot_Plans() {
    static const std::vector<Slot_Plan> plans = Make_Plans();
    return plans;
}

bool Plan_Slots(const std::string& name, std::vector<Plan_Slot>& out) {
    const auto& plans = Slot_Plans();
    auto it = std::find_if(plans.begin(), plans.end(), [&](const Slot_Plan& p) { return p.name == name; });
    if (it == plans.end()) return false;
    if (!it->base.empty() && !Plan_Slots(it->base, out)) return false;
    for (const Plan_Slot& s : it->slots) {
        auto same = std::find_if(out.begin(), out.end(), [&](const Plan_Slot& o) { return o.index == s.index; });
        if (same != out.end()) *same = s;
        else out.push_back(s);
    }
    return true;
}

} // namespace compiler
