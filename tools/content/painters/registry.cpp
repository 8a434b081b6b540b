#include "content/painters/registry.h"

#include "content/painters/cut_art.h"
#include "content/painters/ep2a_art.h"
#include "content/painters/ep2b_art.h"
#include "content/painters/ep3a_art.h"
#include "content/painters/ep3b_art.h"
#include "content/painters/furniture_art.h"
#include "content/painters/gallery_art.h"
#include "content/painters/page_art.h"
#include "content/painters/shop_art.h"
#include "content/painters/story_art.h"
#include "content/writers/art.h"

namespace painters {

namespace {

// clang-format off
const std::vector<Painter_Entry> kPainters = {
    // ---- Pages and the camp's screens ----
    {"backdrop", Backdrop, "a whole-view page backdrop that covers the widest view: `theme=` dusk, menu (the main menu's night sky over the dusk, two views tall), sky, night, camp, camp_night, sea, coast, field, dark, death, paper, map, tent, board (a slate for written pages), camp_fire (the camp burning) or velvet (`colour=` red, steel or olive); `title=` words painted on it, `night=1` a night veil"},
    {"button", Button, "a button with its caption (`text= w= h= colour=`): animations 0 rest, 1 lit, 2 selected, 3 pressed"},
    {"plate", Plate, "a plate of words (`text= w= h= size= look=paper|dark|bare colour=`)"},
    {"figure", Figure, "a small soldier's sheet for pages (`anims= colour= size=`): every animation steps through two cells"},
    {"vehicle", Vehicle, "a small side-on vehicle for pages (`colour= anims=`), every animation its two moving cells"},
    {"lamp", Lamp, "a lamp's glow (`anims=`): animation 0 dark, 1 lit, the others flickering"},
    {"switch", Switch, "a wall switch: animation 0 off, 1 on"},
    {"digits", Digits, "the numbers 0 to 15 in gold, animation k the number k (`prefix=` words before it)"},
    {"icon", Icon, "a round icon with its glyph (`glyph= colour=`), animations 0 to 3"},
    {"logo", Logo, "the game's title in gold (`text=`), glowing more in each of its four cells"},
    {"hole", Hole, "a bullet hole: animation 0 none, 1 the hole"},
    {"branch", Branch, "a branch reaching in from the edge of a page"},
    {"leaf", Leaf, "a falling leaf"},
    {"portrait", Portrait, "a conversation face: `hat=` helmet, cap, beret, peaked, bandana, tricorn, chef, bowler, fedora, glengarry, bush, pilot, nurse or none; `hair=` short, curly, long, bun, bald, crop or none; `hair_colour= skin= eyes= colour= hat_colour= build= mood= female=1`; `face=` and `dress=` lists of marks such as moustache, beard, glasses, eyepatch, scar, cigar or stripes, medals, tie, apron, labcoat; `kind=dog`; `view=back` the player seen over his shoulder; `night=1`; `room=<theme>` the person standing in a whole-view room; `target=1` a gallery figure on its board; animations 0 silent, 1 talking"},
    {"room", Room_Art, "a room or place behind a conversation, 1024 x 640: `theme=` hq, drill, cards, store, workshop, kennel, range, office, chart, ward, deck, pen or bunker; `night=1`, `dark=1`"},
    {"banner", Banner, "a captured enemy banner on its crossbar (`colour=` the cloth)"},
    {"seal", Seal, "a red wax seal, animation 1 with its shine"},
    {"star", Star, "a popping star (`anims=` a sheet of that many popping animations)"},
    {"bar", Bar, "a gauge bar (`anims=` a sheet): gold, animation 14 green and 15 red"},
    {"card", Card, "the card table's sheet, the back and the faces (animations 0 to 13); `collect=` 1 to 36 a collectible card instead"},
    {"piece", Camp_Piece, "a piece of the tent's furniture (`piece=` sock, lantern, doll, books, magazines, ashtray, rug, chair, diary, golf, painting, piggy, bible, flag, bedpan, bogroll, plate, teacup, hamlet, snuff, plane, poster, medal_box, cot, clipboard, album, hatch or drip; `size=`): animation 1 its lit or second look; several names separated by commas make a sheet of still pieces"},
    {"tent_room", Tent_Room, "the tent from inside: animation 0 by day, 1 by night"},
    {"medals", Medals, "the medal box's sheet"},
    {"album", Album, "a card album (`album=` 1 to 3): animations 2 to 13 the album's cards"},
    {"tunnel_map", Tunnel_Map, "the tunnels from the camp to the places they lead to, named (`network=` 1 to 3)"},
    // ---- The story, death and intro pages ----
    {"story_panorama", Story_Panorama, "a panorama of the front at dawn, `w` pixels wide (512 to 4096) and 320 high; `time=dusk` under a red evening sky with the guns flashing, `night=1` darkened"},
    {"story_credits", Story_Credits, "a credits card filling the view: the `title=` in gold and the `text=` lines ('^' a new line, '_' a blank) on velvet; a line \"Role:Name\" sets the role in small gold letters over the name"},
    {"story_alarm", Story_Alarm, "a rotating alarm light on its bracket: animation 0 dark, 1 flashing red, 2 glowing steadily"},
    {"story_lock", Story_Lock, "a padlock on a chained gate: animation 0 locked, 1 the bolt-cutter biting, 2 the shackle sprung open"},
    {"story_warship", Story_Warship, "a warship of the enemy's fleet burning and sinking, `tilt` degrees (-30 to 30) down by the bow or stern; `fire=0` under way instead"},
    {"page_figure", Page_Figure, "people seen from the side at page size, one animation per pose: `side=` friend, mate, enemy, officer, sarge, nun, sailor or scarecrow; `poses=` a comma list of stand, attention, walk, march, run, salute, cheer, wave, point, watch, whistle, crouch, scavenge, kneel, aim, fire, pushup, hurt, hands_up, sit, sleep, back, carry, topple, lie or rise (\"walk:back\" facing the other way); `facing=left`; `size=` the cell's height; `count=` 2 to 5 a file side by side; soft-edged, for the plain animated slot kind 2"},
    {"page_prop", Page_Prop, "a thing on a page, `look=` cloud, troopship (animation 1 rolling), supplies, helmet, clock, fan, beam, grave, masts, waves, crates, radar, gate, bunker, crosses or post; soft-edged, for plain slots"},
    // ---- The cut-scenes' layers ----
    {"cut_sky", Cut_Sky, "the whole-view sky, plain: `time=` day, dusk, dawn, night or storm"},
    {"cut_land", Cut_Land, "the whole-view land below the horizon, keyed: `land=` sea, beach, harbour, road, woods, camp, village, farms, orchard, front, trench, hills, depot or range; `night=1` by moonlight"},
    {"cut_vehicle", Cut_Vehicle, "a vehicle from the side, two cells moving: `kind=` lorry, jeep, tank, plane, boat, sub, tractor or bike; `colour=` olive, grey, sand, red or blue; `flip=1` facing left; `night=1`; `anims=` copies of the two cells (the sub's animation 0 four cells of spray)"},
    {"cut_figure", Cut_Figure, "a figure sheet, `kind=` pigeon or gull (animation 0 flying right, 1 left), squad (three soldiers marching, `night=1`), sailor (0 climbing out of a hatch, 1 waving), bubble (2 popping up), crate (tumbling), target (a duck target swinging) or smoke (a rising column)"},
    {"cut_fore", Cut_Fore, "a whole-view foreground strip along the bottom, keyed: `kind=` grass, reeds, hedge, sandbags, rocks or wire; `night=1`"},
    // ---- The shooting gallery and its finale ----
    {"gal_deck", Gal_Deck, "the battleship's deck behind the targets, a whole view: `view=` guns, bridge or boats"},
    {"gal_trench", Gal_Trench, "the trenches behind the targets: `light=` day or dusk, `battery=1` the guns firing"},
    {"gal_airship_view", Gal_Airship_View, "the airship's hull behind the targets: `view=` hull, fins, gondola or engines"},
    {"gal_woods", Gal_Woods, "the woods behind the targets: `light=` morning, noon or evening, `trap=` left, centre or right"},
    {"gal_sky", Gal_Sky, "the finale's sky: `light=` day, sunset or dusk, `ground=` none, fields or hills"},
    {"gal_cover", Gal_Cover, "a cover strip the targets pop up behind: `kind=` rail, bulwark, sandbags, enemy_bags, hull or hedge"},
    {"gal_target", Gal_Target, "a pop-up target's sheet: animations 0 up, 1 aiming, 2 shot down, 3 hit, 4 firing, 5 going down; `runner=1` the running figure"},
    {"gal_prop", Gal_Prop, "a prop the player may shoot: `kind=` crate, sturdy, bottles or lamp"},
    {"gal_cannon", Gal_Cannon, "a cannon firing its ball"},
    {"gal_ball", Gal_Ball, "a cannon ball in flight"},
    {"gal_gondola", Gal_Gondola, "the airship's engine gondola, the boss of the last round"},
    {"gal_pigeon", Gal_Pigeon, "a clay pigeon flying and bursting"},
    {"gal_blast", Gal_Blast, "animation 0 a blast that swells and dies into smoke, 1 a flickering fire"},
    {"gal_airship", Gal_Airship, "the enemy's airship: animation 0 whole, 1 bursting into flames and breaking apart"},
    {"gal_faller", Gal_Faller, "a man seen from above as he falls"},
    {"gal_debris", Gal_Debris, "a piece of wreckage tumbling: `piece=` girder, propeller, rag or crate"},
    {"gal_plane", Gal_Plane, "the aeroplane that comes for the player: animation 0 its pilot alone, 1 the player aboard waving"},
    {"gal_fortress", Gal_Fortress, "the enemy's fortress on its crag: animation 0 standing, 1 on fire"},
    {"gal_effects", Gal_Effects, "the gallery's effects sheet: animation 12 a shot's dust puff, 54 a crate's splinters, the others sparks"},
    {"gal_place", Gal_Place, "a place the player comes back from, behind the statistics page's figures: `place=` beach, farms, village, garden, cave, straw, lab or fortress; `night=1`"},
    // ---- The trading post and the card table ----
    {"goods", Shop_Goods, "the shop's display board (`size=`): animation k shows goods picture k, 0 and 20 the empty board"},
    {"shop_row", Shop_Row, "a row of the shop's list (`w= h=`): animation 0 lit, 1 dimmed (sold out or not offered), 2 at rest, 3 lit while dimmed"},
    {"shop_banner", Shop_Banner, "the shop's mode banner: `texts=` its captions, separated by commas (at most 8)"},
    {"message", Shop_Message, "the shop's message box (`anims=`): `m<k>=` a note with that text as animation k, `b<k>=` a button at rest, `lit<k>=` a lit button; the others plain notes"},
    {"shop_part", Shop_Part, "a part of the shop's scroll bar: `part=` up, down, thumb, track, marker or coin"},
    {"shop_room", Shop_Room, "the room behind the shop's or the card table's screen: `room=` shop or cards"},
    {"dealer", Shop_Dealer, "the card table's dealer: `coat=` steel or red"},
    // ---- Walk scenes: the act-2 country ----
    {"ep2a_house", Ep2a_House, "a cottage roof from above: `colour=` red, brown, grey or blue tiles"},
    {"ep2a_barn", Ep2a_Barn, "a barn roof from above: boards, a ridge, a loft hatch"},
    {"ep2a_haystack", Ep2a_Haystack, "a round haystack"},
    {"ep2a_field_gun", Ep2a_Field_Gun, "a field gun in its pit, still"},
    {"ep2a_gun_pit", Ep2a_Gun_Pit, "the enemy's field gun in a sandbag ring: animation 0 standing, 1 and 2 wrecked and smouldering"},
    {"ep2a_crow", Ep2a_Crow, "a crow: animation 0 sitting and pecking, 1 shot down, 2 flapping off"},
    {"ep2a_steeple", Ep2a_Steeple, "a church tower from above: a slate spire with a cross"},
    {"ep2a_well", Ep2a_Well, "a stone well with its winch"},
    {"ep2a_boat", Ep2a_Boat, "a rowing boat moored along the quay"},
    {"ep2b_truck", Ep2b_Truck, "the escorted lorry from above: animation 0 standing, 1 driving, 2 burnt out"},
    {"ep2b_radar", Ep2b_Radar, "a radio mast on its pad: animation 0 standing, 1 hit, 2 wrecked"},
    {"ep2b_cow", Ep2b_Cow, "a cow: animation 0 grazing, 1 startled, 2 down"},
    {"ep2b_crow", Ep2b_Crow, "a crow on the ground: animation 0 pecking, 1 shot"},
    {"ep2b_gate", Ep2b_Gate, "the fortress gate from above: iron bars between two stone posts, lit by a lamp"},
    {"ep2b_powder", Ep2b_Powder, "a powder keg: animation 0 standing, 1 rocked by a hit, 2 burst"},
    {"ep2b_windmill", Ep2b_Windmill, "a windmill from above, its sails turning"},
    // ---- Walk scenes: the coast, the fortress and the missile complex ----
    {"ep3a_kit", Ep3a_Kit, "the coast's switched things, a sheet of four looks (`look=` antenna, door, gun, rubble, boat, tree, chest, stores or lantern): 0 as it stands, 1 changed (open, lit, swung), 2 wrecked, 3 a second change"},
    {"ep3b_machine", Ep3b_Machine, "the armoured boss of the submarine pen part by part (`look=` silo, silo_wreck, gun, front_gun, cover, cover_wreck, launcher, core or flash; `anims=`): animation 1 of a part its burning wreck"},
    {"ep3b_prop", Ep3b_Prop, "the late coast's, the fortress's and the missile complex's props, one look per animation (`look=` lever, console, missile, plane, fighter, truck, crate, barrel, boat, emplacement, blast_door, cell_door, hatch, deck_hatch, radar, table, prisoner, gangway, pump or tank; `anims=`): shut/open, off/on, whole/hit/wrecked"},
    {"furniture", Furniture, "a piece of the furniture of the underground places and the ship, seen from above, its picture sized to the piece: `look=` sacks, flour, millstone, bunk, stove, table_chairs, desk, radio, workbench, explosives, plunger, cask, reading_table, globe, rug, stairs, ladder, pillar, shells, lockers, bollard, ventilator or lifebuoy"},
};
// clang-format on

bool Dirs_For(const std::string& root, const std::string& image) {
    const size_t slash = image.rfind('/');
    return slash == std::string::npos || writers::Make_Dirs(root + "/" + image.substr(0, slash));
}

} // namespace

const std::vector<Painter_Entry>& Painter_Registry() { return kPainters; }

const Painter_Entry* Find_Painter(const std::string& name) {
    for (const Painter_Entry& p : kPainters)
        if (name == p.name) return &p;
    return nullptr;
}

std::string Painter_Names() {
    std::string s;
    for (const Painter_Entry& p : kPainters) s += (s.empty() ? "" : ", ") + std::string(p.name);
    return s;
}

std::string Painter_List_Text() {
    std::string s;
    for (const Painter_Entry& p : kPainters) s += "- `" + std::string(p.name) + "`: " + p.description + "\n";
    return s;
}

bool Paint_Art(const std::string& root, const std::string& image, const Art_Args& args, std::string& error) {
    auto it = args.find("painter");
    const std::string name = it == args.end() ? "" : it->second;
    const Painter_Entry* p = Find_Painter(name);
    if (p == nullptr) {
        error = "unknown painter '" + name + "' (painters: " + Painter_Names() + ")";
        return false;
    }
    if (!Dirs_For(root, image)) {
        error = "cannot make the folder of " + image;
        return false;
    }
    Arg_Reader r{args, error};
    error.clear();
    const bool ok = p->paint(root, image, r);
    if (!error.empty()) return false;
    if (!ok) error = "could not write " + image;
    return ok;
}

} // namespace painters
