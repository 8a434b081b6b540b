// Pictures the game's code names by path: the variants the texture list swaps in by the game
// state (night backgrounds, the act's tents, the selected card, the player's character) and
// the looks of the card table and gallery slot plans. Walk-scene art (soldier sheets, tile
// sets, level effects) is the walk painters'.
#include <string>

#include "content/painters/pages.h"
#include "content/painters/registry.h"

namespace painters {

namespace {

struct Fixed {
    const char* image;
    const char* recipe; // painter=<name> and its key=value arguments
};

constexpr Fixed FIXED_ART[] = {
    // Gallery and camp-screen backgrounds, with their night and act variants.
    {"Data/gallery/bg_warp", "painter=backdrop theme=night"},
    {"Data/gallery/fortress_bg", "painter=gal_place place=fortress"},
    {"Data/gallery/bg_beach", "painter=gal_place place=beach"},
    {"Data/gallery/bg_beachN", "painter=gal_place place=beach night=1"},
    {"Data/gallery/bg_farms1", "painter=gal_place place=farms"},
    {"Data/gallery/bg_farms1N", "painter=gal_place place=farms night=1"},
    {"Data/gallery/bunker_bg", "painter=room theme=bunker"},
    {"Data/gallery/bg_cave", "painter=gal_place place=cave"},
    {"Data/gallery/straw_bg", "painter=gal_place place=straw"},
    {"Data/gallery/secret_lab", "painter=gal_place place=lab"},
    {"Data/gallery/tunnel_bg", "painter=tunnel_map network=1"},
    {"Data/gallery/tunnel_bg1", "painter=tunnel_map network=2"},
    {"Data/gallery/tunnel_bg3", "painter=tunnel_map network=3"},
    {"Data/gallery/bg_front", "painter=gal_trench light=day"},
    {"Data/gallery/bg_frontN", "painter=gal_trench light=dusk"},
    {"Data/gallery/bg_village", "painter=gal_place place=village"},
    {"Data/gallery/bg_villageN", "painter=gal_place place=village night=1"},
    {"Data/gallery/bg_garden", "painter=gal_place place=garden"},
    {"Data/gallery/bg_gardenN", "painter=gal_place place=garden night=1"},
    {"Data/gallery/sarge_hq", "painter=room theme=drill"},
    {"Data/gallery/sarge_hqN", "painter=room theme=drill night=1"},
    {"Data/gallery/jack_bg", "painter=room theme=cards"},
    {"Data/gallery/jack_bgN", "painter=room theme=cards night=1"},
    {"Data/gallery/tent_bg", "painter=backdrop theme=tent"},
    {"Data/gallery/tent_bgN", "painter=backdrop theme=tent night=1"},
    {"Data/gallery/tent_bgD", "painter=backdrop theme=camp"},
    {"Data/gallery/tent_bg3", "painter=backdrop theme=camp_night"},
    {"Data/gallery/tents1", "painter=backdrop theme=camp"},
    {"Data/gallery/tents2", "painter=backdrop theme=camp"},
    {"Data/gallery/tents3", "painter=backdrop theme=camp_night"},
    {"Data/gallery/tune_tent", "painter=room theme=workshop"},
    {"Data/gallery/tune_tentB", "painter=room theme=workshop night=1"},
    {"Data/gallery/tune_tent3", "painter=room theme=workshop dark=1"},
    {"Data/gallery/tent_hq", "painter=backdrop theme=tent"},
    {"Data/gallery/tent_hqD", "painter=backdrop theme=tent"},
    {"Data/gallery/tent_hqN", "painter=backdrop theme=tent night=1"},
    {"Data/gallery/tent_hq3", "painter=backdrop theme=dark"},
    // Gallery props by character, and the recruiting poster by act.
    {"Data/gallery/pillow", "painter=figure anims=16 colour=sand"},
    {"Data/gallery/pillow1", "painter=figure anims=16 colour=steel"},
    {"Data/gallery/pillow2", "painter=figure anims=16 colour=red"},
    {"Data/gallery/pistol", "painter=figure anims=16 colour=steel"},
    {"Data/gallery/pistol1", "painter=figure anims=16 colour=gold"},
    {"Data/gallery/news_recruit", "painter=plate look=paper text=JOIN_UP!^The_camp_needs_you. w=256 h=256 size=24"},
    {"Data/gallery/news_recruit1", "painter=plate look=paper text=THE_FRONT^MOVES_EAST w=256 h=256 size=24"},
    {"Data/gallery/news_recruit2", "painter=plate look=paper text=THE_COAST^IS_TAKEN w=256 h=256 size=24"},
    {"Data/gallery/news_recruit3", "painter=plate look=paper text=LAST_STAND^AT_THE_FORT w=256 h=256 size=24"},
    // The card table's cards and the album's collectible cards.
    {"Data/cards/card", "painter=card"},
    {"Data/cards/album1", "painter=album album=1"},
    {"Data/cards/album2", "painter=album album=2"},
    {"Data/cards/album3", "painter=album album=3"},
    // Front-end portraits by character and story state; the medal box's cloth by page.
    {"Data/front/back_head", "painter=portrait view=back colour=olive hat=helmet hair_colour=brown dress=pack"},
    {"Data/front/back_head2", "painter=portrait view=back colour=steel hat=cap hat_colour=steel hair_colour=blond"},
    {"Data/front/back_head3", "painter=portrait view=back colour=khaki hat=beret hat_colour=red hair=crop hair_colour=black skin=dark"},
    {"Data/front/char2", "painter=portrait colour=sand"},
    {"Data/front/char3", "painter=portrait colour=gold skin=dark"},
    {"Data/front/char4", "painter=portrait colour=sand skin=dark"},
    {"Data/front/char5", "painter=portrait colour=gold"},
    {"Data/front/cloth", "painter=backdrop theme=velvet colour=red"},
    {"Data/front/cloth1", "painter=backdrop theme=velvet colour=steel"},
    {"Data/front/cloth3", "painter=backdrop theme=velvet colour=olive"},
    // The fallen player by character.
    {"Data/chars/dead", "painter=figure anims=16 colour=olive"},
    {"Data/chars/dead1", "painter=figure anims=16 colour=steel"},
    {"Data/chars/dead2", "painter=figure anims=16 colour=sand"},
    // Card table plan: deal and take a card (slots 5 and 6), quit and stay (7 and 8).
    {"Data/cards/btn_deal", "painter=button text=Deal colour=gold"},
    {"Data/cards/btn_take", "painter=button text=Hit colour=gold"},
    {"Data/cards/btn_quit", "painter=button text=Quit colour=red"},
    {"Data/cards/btn_stay", "painter=button text=Stay colour=steel"},
    // Shop plan: the message box's notes (0 confirm a purchase or an upgrade, 6 confirm a
    // sale, 7 no room, 8 not enough gold) and its OK (14, lit 15) and Cancel (16, lit 17).
    {"Data/shop/message", "painter=message anims=18 m0=Pay_for_this? m6=Sell_this^for_gold? m7=No_room_in^your_pack! "
                          "m8=Not_enough^gold! b14=OK lit15=OK b16=Cancel lit17=Cancel"},
    // Gallery plan: the explosions of cannon balls and clay pigeons (slot 21); the shots' dust
    // and the crates' splinters (slot 2, animations 12 and 54).
    {"Data/gallery/explosion", "painter=gal_blast"},
    {"Data/gallery/effects", "painter=gal_effects"},
};

Art_Args Args_Of(const std::string& recipe) {
    Art_Args a;
    std::string word;
    for (char c : recipe + " ") {
        if (c != ' ') {
            word += c;
            continue;
        }
        const size_t eq = word.find('=');
        if (eq != std::string::npos) a[word.substr(0, eq)] = word.substr(eq + 1);
        word.clear();
    }
    return a;
}

} // namespace

bool Paint_Fixed_Art(const std::string& root, std::string& error) {
    for (const Fixed& f : FIXED_ART)
        if (!Paint_Art(root, f.image, Args_Of(f.recipe), error)) {
            error = std::string(f.image) + ": " + error;
            return false;
        }
    for (int k = 1; k <= 36; ++k)
        if (!Paint_Art(root, "Data/cards/card" + std::to_string(k),
                       {{"painter", "card"}, {"collect", std::to_string(k)}}, error))
            return false;
    return true;
}

} // namespace painters
