#include "content/compiler/contracts.h"

#include <cstdio>

#include "common/codes.h"
#include "content/compiler/player_needs.h"
#include "content/compiler/scene_compiler.h"

namespace compiler {

namespace {

constexpr int ANY = -1;

Contract Obj(int e, int s, int i, int type, int anims, const char* why) { return {e, s, Expect::object, i, type, anims, why}; }
Contract Pt(int e, int s, int i, int c1, const char* why) { return {e, s, Expect::point, i, c1, 0, why}; }
Contract Slot(int e, int s, int i, int anims, const char* why) { return {e, s, Expect::slot, i, ANY, anims, why}; }
// A type 3 object of a kind (the page it opens, the light it is ...).
Contract Kind(int e, int s, int i, int kind, const char* why) { return {e, s, Expect::object, i, OBJ, 0, why, kind}; }
// A trigger or ladder that leads to a level (sector).
Contract Exit(int e, int s, int i, int type, int sector, int anims, const char* why) {
    return {e, s, Expect::object, i, type, anims, why, ANY, sector};
}

// An object the story needs a player to walk up to and click; `kind` is the kind it has by
// then (its script may set it), ANY for the file's.
Contract Touch(int e, int s, int i, int type, int kind, const char* why) {
    return {e, s, Expect::touch, i, type, 0, why, kind};
}
// A barrier the scene's script takes away as the story goes.
Contract Gate(int e, int s, int i, const char* why) { return {e, s, Expect::gate, i, ANY, 0, why}; }
// An object a mission needs destroyed.
Contract Destroy(int e, int s, int i, int type, const char* why) { return {e, s, Expect::destroy, i, type, 0, why}; }

// Rows for the scene-script sprites with the animations a script starts: a sheet must have
// at least that animation number + 1 animations.
void Sprites(std::vector<Contract>& c, int e, int s, std::initializer_list<int> ids, int anims, const char* why) {
    for (int i : ids) c.push_back(Obj(e, s, i, ANY, anims, why));
}

// The rows of a portrait conversation page: the two portraits that slide in and talk with
// animation 1, the two speech boxes restarted with each line, accept and decline.
void Conversation_Page(std::vector<Contract>& c, int e, int s) {
    c.push_back(Obj(e, s, 0, FE_ACCEPT, 2, "accept a mission"));
    c.push_back(Obj(e, s, 6, FE_DECLINE, 2, "decline a mission"));
    Sprites(c, e, s, {2, 5}, 2, "portrait, talking with animation 1");
    Sprites(c, e, s, {3, 4}, 1, "speech box");
}

std::vector<Contract> Make_Contracts() {
    std::vector<Contract> c;
    // ---- Title (0/0): the picture lit with animation 1, the stamp pressed with animation
    // 1, the bar, three marks shown in turn, a hidden sprite.
    c.push_back(Obj(0, 0, 0, ANY, 2, "title picture, animations 0 and 1"));
    c.push_back(Obj(0, 0, 1, ANY, 2, "stamp, animation 1"));
    c.push_back(Obj(0, 0, 2, ANY, 0, "bar that slides under the name"));
    Sprites(c, 0, 0, {3, 4, 5}, 1, "mark shown in turn");
    c.push_back(Obj(0, 0, 6, ANY, 0, "hidden sprite"));

    // ---- Main menu (0/1): the decorations the script hides and shows, the clickable
    // figure (animations 3 and 4), the duck (1 to 3), the logo (2), the branch the leaf
    // falls from (animation 1), the leaf (0 to 2), the camera's title point, the holes'
    // effect (animation 35 of slot 2) and the menu's choices.
    Sprites(c, 0, 1, {0, 1, 3, 14, 18, 21}, 0, "decoration hidden until the logo lights");
    c.push_back(Obj(0, 1, 4, ANY, 5, "clickable figure, animations 3 and 4"));
    c.push_back(Obj(0, 1, 5, FE_DUCK, 4, "the duck, animations 1 to 3"));
    c.push_back(Obj(0, 1, 6, FE_LOGO, 3, "the logo, animation 2"));
    c.push_back(Obj(0, 1, 19, ANY, 2, "branch, animation 1 with the last hole"));
    c.push_back(Obj(0, 1, 20, ANY, 3, "falling leaf, animations 0 to 2"));
    c.push_back(Pt(0, 1, 0, TITLE_PNT, "the camera glides to the title point"));
    c.push_back(Slot(0, 1, 2, 36, "bullet-hole puffs: effect animation 35 of slot 2"));
    for (int i : {7, 8, 9, 10, 11, 12, 13, 15, 16, 17})
        c.push_back(Obj(0, 1, i, FE_BULLETHOLE, 2, "bullet hole, animation 1"));
    c.push_back(Obj(0, 1, 22, FE_START, 2, "Start: to the save slots"));
    c.push_back(Obj(0, 1, 23, fe_type::LOAD_GAME, 2, "Load game"));
    c.push_back(Obj(0, 1, 24, FE_START, 2, "Options"));
    c.push_back(Obj(0, 1, 25, FE_START, 2, "Credits"));
    c.push_back(Obj(0, 1, 26, fe_type::QUIT_GAME, 2, "Quit"));

    // ---- Save slots (0/2): six slots, back, open and delete; the sprites the light switch
    // freezes (1, 14), the lamp (15), the lamp cycle (17 to 20, 20 with animations 0 to 7),
    // the switch (21); the three looks of a slot.
    for (int i = 3; i <= 8; ++i) c.push_back(Obj(0, 2, i, fe_type::FILE, 0, "save slot"));
    c.push_back(Obj(0, 2, 9, FE_BACK, 2, "back to the menu"));
    c.push_back(Obj(0, 2, 10, FE_FILE_CREATE, 2, "open the selected slot"));
    c.push_back(Obj(0, 2, 11, FE_FILE_DELETE, 2, "delete the selected slot"));
    Sprites(c, 0, 2, {1, 14}, 1, "animation 0 restarted by the delete box");
    c.push_back(Obj(0, 2, 15, ANY, 2, "lamp, animations 0 and 1"));
    Sprites(c, 0, 2, {17, 18, 19}, 0, "lamp of the cycle");
    c.push_back(Obj(0, 2, 20, ANY, 8, "lamp of the cycle, animations 0 to 7"));
    c.push_back(Obj(0, 2, 21, ANY, 2, "light switch, animations 0 and 1"));
    for (int slot : {5, 7, 8}) c.push_back(Slot(0, 2, slot, 3, "save-slot look: rest, lit, selected"));
    c.push_back(Slot(0, 2, 3, 10, "delete box: animation 9 of the message panel"));

    // ---- Name and controls (0/5).
    c.push_back(Obj(0, 5, 2, FE_TEXT, 2, "name field"));
    c.push_back(Obj(0, 5, 3, FE_CREATE, 2, "start the new game"));
    c.push_back(Obj(0, 5, 24, FE_MKEYBOARD, 3, "mouse and keyboard: animations 0 and 2"));
    c.push_back(Obj(0, 5, 25, FE_MONLY, 3, "mouse only: animations 0 and 2"));

    // ---- Options (0/6): each choice lit with animation base + 1; the apply and back
    // buttons; the options box of slot 14.
    Sprites(c, 0, 6, {13, 20, 21, 22, 25, 26, 29, 30, 34}, 2, "option, plain and lit");
    c.push_back(Obj(0, 6, 3, FE_OPTION_CREATE, 2, "apply the options"));
    c.push_back(Slot(0, 6, 14, 2, "options box, animations 0 and 1"));

    // ---- Intro page (0/4): the two vehicles that roll out, the waving duck.
    Sprites(c, 0, 4, {4, 5}, 0, "vehicle rolling out");
    c.push_back(Obj(0, 4, 3, FE_DUCK, 2, "the waving figure, animation 1"));
    // ---- Page 0/7 and the panning pages.
    c.push_back(Obj(0, 7, 4, ANY, 5, "clickable figure, animations 3 and 4"));
    c.push_back(Obj(0, 11, 2, ANY, 0, "panning backdrop"));

    // ---- Death pages: the skip button (sprite 4, lit with animation 1) and the actors.
    for (int s : {8, 14, 15, 16, 17}) c.push_back(Obj(0, s, 4, ANY, 2, "Skip^scene button"));
    c.push_back(Obj(0, 8, 3, ANY, 0, "moves left"));
    c.push_back(Obj(0, 8, 5, FE_DUCK, 2, "the duck, animation 1"));
    c.push_back(Obj(0, 14, 2, ANY, 2, "animation 1"));
    Sprites(c, 0, 14, {3, 7}, 0, "hidden or shown");
    c.push_back(Obj(0, 15, 2, ANY, 2, "animation 1, rises"));
    Sprites(c, 0, 15, {5, 6, 7}, 0, "moves or fades");
    c.push_back(Obj(0, 16, 2, ANY, 2, "animation 1"));
    Sprites(c, 0, 16, {5, 6, 7}, 0, "moves or is shown");

    // ---- Opening intro (1/102 to 1/109): the Skip^Intro button is sprite 2 in each.
    for (int s = 102; s <= 109; ++s) c.push_back(Obj(1, s, 2, ANY, 2, "Skip^Intro button"));
    Sprites(c, 1, 102, {1, 3, 10, 11}, 0, "scroll rest, ship, gulls");
    Sprites(c, 1, 103, {4, 6}, 0, "moves right");
    Sprites(c, 1, 104, {4, 5, 6, 7, 8, 9, 10}, 0, "drifts");
    Sprites(c, 1, 105, {4, 6, 7, 8, 9, 11, 12}, 0, "moves");
    c.push_back(Obj(1, 105, 10, ANY, 2, "animation 1"));
    c.push_back(Obj(1, 106, 5, ANY, 2, "slides in, animation 1"));
    c.push_back(Obj(1, 107, 3, ANY, 0, "moves left"));
    Sprites(c, 1, 108, {3, 4, 5, 6}, 0, "moves left, turns");
    Sprites(c, 1, 109, {5, 9}, 0, "moves");
    c.push_back(Obj(1, 109, 14, ANY, 2, "walks, animation 1"));

    // ---- Camp page (1/5): the conversation's portraits (animations 0 and 1), text boxes,
    // accept and decline; the pacing figure (animations 0 and 1) and its reference.
    c.push_back(Obj(1, 5, 0, FE_ACCEPT, 2, "accept a mission"));
    c.push_back(Obj(1, 5, 6, FE_DECLINE, 2, "decline a mission"));
    Sprites(c, 1, 5, {2, 5}, 2, "portrait, talking with animation 1");
    Sprites(c, 1, 5, {3, 4}, 1, "text box");
    c.push_back(Obj(1, 5, 9, ANY, 0, "the pacing figure's reference"));
    c.push_back(Obj(1, 5, 14, ANY, 2, "pacing figure, animations 0 and 1"));
    // ---- Shooting gallery (1/8): the panel, Back, the figures the wave script raises (up,
    // aiming, shot down, hit, firing, going down), the health and gold they leave, the
    // rounds left (animations 0 to 3), the player's face (up to animation 17) and life bar
    // (animations 14 and 15).
    c.push_back(Obj(1, 8, 0, ANY, 0, "panel that blocks the shots"));
    c.push_back(Obj(1, 8, 1, ANY, 2, "Back button"));
    for (int i : {2, 3, 4, 5, 6, 7, 8, 9, 12, 13}) c.push_back(Obj(1, 8, i, MNE, 6, "target figure"));
    c.push_back(Obj(1, 8, 10, MNE, 2, "health left by figure 12, animation 1"));
    c.push_back(Obj(1, 8, 11, MNE, 1, "gold left by figure 9, animation 0"));
    Sprites(c, 1, 8, {17, 18}, 4, "rounds left, animations 0 to 3");
    c.push_back(Obj(1, 8, 19, ANY, 0, "panel element"));
    c.push_back(Obj(1, 8, 20, ANY, 18, "the player's face, animations up to 17"));
    c.push_back(Obj(1, 8, 21, ANY, 16, "life bar, animations 14 and 15"));

    // ---- Conversation pages of act one, in the camp and on the way. The commander's tent (1/0) slides in
    // as her portrait and switches to the lamplit picture of slot 16 at night; its captured
    // flag (13) is hidden until the enemy runs. The kennels (1/20) hide the dog (9) until
    // he is found. The map page (1/62) slides its map (1) up and has a skip button (2).
    for (int s : {0, 1, 2, 3, 9, 10, 11, 13, 14, 15, 16, 17, 19, 20, 27, 28, 29, 32, 33, 37, 38, 40, 41, 42, 43,
                  44, 45, 46, 60})
        Conversation_Page(c, 1, s);
    c.push_back(Slot(1, 0, 16, 2, "the tent at night, silent and talking"));
    c.push_back(Obj(1, 0, 13, ANY, 0, "shown once the enemy runs"));
    c.push_back(Obj(1, 20, 9, ANY, 0, "the dog, hidden until found"));
    c.push_back(Obj(1, 62, 1, ANY, 0, "slides up into place"));
    c.push_back(Obj(1, 62, 2, ANY, 2, "Skip^Scene button"));
    // ---- Sleep page (1/57), briefings (1/118, 1/139), pause (1/53), perks (1/141).
    c.push_back(Obj(1, 57, 2, ANY, 2, "Skip^Scene button"));
    c.push_back(Obj(1, 57, 4, ANY, 0, "slides in"));
    for (int s : {118, 139}) c.push_back(Obj(1, s, 1, ANY, 2, "Start^the_fight! button"));
    c.push_back(Obj(1, 53, 0, ANY, 2, "Quit^and_save button"));
    c.push_back(Obj(1, 53, 2, ANY, 2, "Return^to_game button"));
    Sprites(c, 1, 53, {6, 8}, 2, "decoration, animation 1");
    c.push_back(Obj(1, 141, 1, ANY, 2, "Return^to_game button"));
    Sprites(c, 1, 141, {6, 7, 8, 9, 10, 11, 12, 13, 14}, 4, "perk, animations 0 to 3 by level");
    c.push_back(Obj(1, 141, 15, ANY, 16, "points left, an animation per count"));
    for (int slot = 19; slot <= 24; ++slot) c.push_back(Slot(1, 141, slot, 4, "unlocked perk look"));
    c.push_back(Slot(1, 141, 8, 4, "locked perk look"));

    // ---- Tent (1/25): the doll and the lantern (lit and dark looks), the furniture, the
    // page buttons lit with animation 1, the room by day and by night, the player (animation
    // 7 when badly hurt), the life bar (14 and 15), the star effect (animation 8 of slot 39).
    Sprites(c, 1, 25, {1, 3}, 2, "animation 0 lit, 1 dark");
    Sprites(c, 1, 25, {4, 12, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 37}, 0,
            "furniture shown once banked");
    Sprites(c, 1, 25, {5, 6, 13, 36}, 2, "page button, lit with animation 1");
    Sprites(c, 1, 25, {7, 35}, 0, "page button");
    c.push_back(Obj(1, 25, 8, ANY, 2, "the room, animation 0 by day, 1 by night"));
    c.push_back(Obj(1, 25, 10, ANY, 8, "the player, animation 7 when badly hurt"));
    c.push_back(Obj(1, 25, 11, ANY, 16, "life bar, animations 14 and 15"));
    c.push_back(Slot(1, 25, 39, 9, "star effect: animation 8"));

    // ---- Card albums (1/18): the return and album buttons lit with animation 1, the card
    // places (a card's picture is animation slot + 2 of the album's sheet, slot 8, 9 or 10),
    // the prize backdrop, the frame, the arriving card's stars (animation 8 of slot 22).
    Sprites(c, 1, 18, {1, 16, 17, 18}, 2, "page button, lit with animation 1");
    Sprites(c, 1, 18, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, 0, "card place");
    Sprites(c, 1, 18, {15, 19}, 0, "prize backdrop and button frame");
    for (int slot = 8; slot <= 10; ++slot) c.push_back(Slot(1, 18, slot, 14, "album sheet: cards as animations 2 to 13"));
    c.push_back(Slot(1, 18, 22, 9, "star effect: animation 8"));
    // ---- Single card (1/54): the Back^to_album button and the card that slides in.
    c.push_back(Obj(1, 54, 1, ANY, 2, "Back^to_album button"));
    c.push_back(Obj(1, 54, 3, ANY, 0, "the card, slides in"));
    // ---- Medal box (1/24): the return and layer buttons, the medal places with the won
    // medals as animations 2 to 17.
    Sprites(c, 1, 24, {1, 15, 16, 17}, 2, "page button, lit with animation 1");
    Sprites(c, 1, 24, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, 18, "medal place, won medal animations 2 to 17");
    // ---- Statistics pages (1/26 and 1/52): the return button.
    c.push_back(Obj(1, 26, 1, ANY, 2, "Return^to_Tent button"));
    c.push_back(Obj(1, 52, 1, ANY, 2, "Return^to_game button"));
    // ---- Tunnels (1/31): the lamp (animation 1 dark), the drip, the way back to the camp,
    // the destinations (animation 1 played when open), the network buttons, the markers.
    c.push_back(Obj(1, 31, 2, ANY, 2, "lamp, animations 0 and 1"));
    c.push_back(Obj(1, 31, 3, ANY, 1, "water drip, animation 0"));
    c.push_back(Obj(1, 31, 4, ANY, 0, "the way back to the camp"));
    Sprites(c, 1, 31, {5, 6, 7, 8}, 2, "destination, animation 1 when open");
    Sprites(c, 1, 31, {10, 11, 12}, 2, "network button, lit with animation 1");
    Sprites(c, 1, 31, {15, 16, 17}, 0, "mission marker");
    // ---- Return to camp (1/143), burning camp (1/48) and the raid's conversation (1/49).
    c.push_back(Obj(1, 143, 0, ANY, 2, "Skip^scene button"));
    c.push_back(Obj(1, 48, 9, ANY, 0, "slides in"));
    c.push_back(Obj(1, 49, 0, FE_ACCEPT, 2, "accept"));
    c.push_back(Obj(1, 49, 6, FE_DECLINE, 2, "decline"));
    Sprites(c, 1, 49, {2, 5}, 2, "portrait, talking with animation 1");
    Sprites(c, 1, 49, {3, 4}, 1, "text box");
    // ---- Travel to the boot camp (1/59): the Skip^Scene button and the night shown by day
    // or night. Story page 1/119 (armed Skip^Page) and course briefing 1/120 (Start^the_fight!).
    c.push_back(Obj(1, 59, 2, ANY, 2, "Skip^Scene button"));
    c.push_back(Obj(1, 59, 9, ANY, 0, "shown only at night"));
    c.push_back(Obj(1, 119, 1, ANY, 2, "Skip^Page button"));
    c.push_back(Obj(1, 120, 1, ANY, 2, "Start^the_fight! button"));
    // ---- Travel and story cut-scenes: each skip button lit with animation 1 (1/79 has none),
    // the sprites their scripts move, the pigeon of 1/56 and 1/58 (animation 0 flying right,
    // 1 left), the submarine scene's boat, bubbles and sailor (1/34).
    for (int s : {56, 58, 61, 63, 66, 67, 75, 80, 85, 88, 89, 94, 110})
        c.push_back(Obj(1, s, 2, ANY, 2, "Skip^Scene button"));
    for (int s : {55, 84, 87, 90}) c.push_back(Obj(1, s, 3, ANY, 2, "Skip^Scene button"));
    for (int s : {47, 111}) c.push_back(Obj(1, s, 4, ANY, 2, "Skip^Scene button"));
    c.push_back(Obj(1, 34, 8, ANY, 2, "Skip^Scene button, lit with the line"));
    for (int s : {56, 58}) {
        c.push_back(Obj(1, s, 1, ANY, 0, "the pigeon flies across it"));
        c.push_back(Obj(1, s, 9, ANY, 2, "pigeon, animation 0 to the right, 1 to the left"));
    }
    c.push_back(Obj(1, 84, 8, ANY, 0, "creeps down and to the right"));
    Sprites(c, 1, 90, {1, 5, 6}, 0, "comes in from the left");
    Sprites(c, 1, 110, {3, 4}, 0, "crosses the view");
    c.push_back(Obj(1, 63, 1, ANY, 0, "slides up into place"));
    c.push_back(Obj(1, 94, 5, ANY, 0, "sinks as it pulls up"));
    c.push_back(Obj(1, 47, 2, ANY, 0, "flung up, falls back and grows"));
    c.push_back(Obj(1, 34, 2, ANY, 1, "slides in, animation 0 played once"));
    c.push_back(Obj(1, 34, 3, ANY, 0, "shown with text slot 0"));
    c.push_back(Obj(1, 34, 4, ANY, 3, "shown with the line, animation 2 once"));
    c.push_back(Obj(1, 34, 5, ANY, 2, "slides in hidden, animation 0 once, then 1"));
    // ---- Short story scenes (1/125 to 1/136): the main figure (sprite 6) starts animation 1
    // after four seconds (1/131 keeps it still); the sprites that slide.
    for (int s : {125, 126, 127, 128, 129, 130, 132, 133, 134, 135, 136})
        c.push_back(Obj(1, s, 6, ANY, 2, "main figure, animation 1"));
    c.push_back(Obj(1, 131, 6, ANY, 0, "main figure, held still"));
    Sprites(c, 1, 126, {3, 10}, 0, "sprite 10 crosses past sprite 3");
    Sprites(c, 1, 127, {7, 8, 9, 10, 11, 12, 13, 14}, 0, "comes in to an anchor by the main figure");
    Sprites(c, 1, 129, {9, 10, 11, 12, 13, 14, 15}, 0, "falls");
    Sprites(c, 1, 130, {8, 9}, 0, "moves away");
    Sprites(c, 1, 135, {7, 8}, 0, "flies off");

    // ---- Card table (1/4): the Hit and Stay buttons and their looks, the dealer's figure
    // (animations 0 and 2 to 4), the sprites switched with the buttons, the bet buttons, a
    // card for each of the ten places (animation = face, 0 to 13).
    c.push_back(Obj(1, 4, 0, FE_HIT, 2, "Hit button: deal or take a card"));
    c.push_back(Obj(1, 4, 4, FE_STICK, 2, "Stay button: quit or stay"));
    c.push_back(Obj(1, 4, 3, ANY, 5, "dealer, animations 0, 2, 3 and 4"));
    Sprites(c, 1, 4, {5, 19, 20}, 0, "shown and hidden with the deal");
    for (int slot = 5; slot <= 8; ++slot) c.push_back(Slot(1, 4, slot, 2, "Hit and Stay looks"));
    c.push_back(Obj(1, 4, 19, FE_INCREASE, 2, "raise the bet"));
    c.push_back(Obj(1, 4, 20, FE_DECREASE, 2, "lower the bet"));
    for (int i = 6; i <= 15; ++i) c.push_back(Obj(1, 4, i, FE_CARD, 14, "card of one place, animation by face"));

    // ---- Shops (1/7 buy, 1/30 upgrade): the mode buttons (rest 0, lit 1), the mode banner
    // (0 buy, 1 sell, 2 upgrade), the eight rows (0 lit, 1 dimmed, 2 at rest, 3 lit and
    // dimmed), the scroll bar, the page's back button, the display board (pictures up to
    // 29) and the page markers; the message box's sheet in slot 3.
    for (int s : {7, 30}) {
        Sprites(c, 1, s, {0, 2, 3, 4}, 2, "mode button, animations 0 and 1");
        c.push_back(Obj(1, s, 6, ANY, 3, "mode banner, animations 0 to 2"));
        Sprites(c, 1, s, {7, 8, 9, 10, 11, 12, 13, 14}, 4, "list row, animations 0 to 3");
        Sprites(c, 1, s, {15, 16}, 0, "scroll arrow");
        c.push_back(Obj(1, s, 17, ANY, 0, "end of the thumb's run"));
        c.push_back(Obj(1, s, 18, ANY, 0, "scroll thumb"));
        c.push_back(Obj(1, s, 19, ANY, 0, "back button of an upgrade page"));
        c.push_back(Obj(1, s, 20, ANY, 30, "display board, pictures 0 to 29"));
        Sprites(c, 1, s, {21, 22, 23, 24}, 1, "page marker");
        c.push_back(Slot(1, s, 3, 18, "message box: notes 0, 6, 7, 8; OK 14, 15; Cancel 16, 17"));
    }

    // ---- Camp area (2/0): the spawn points the briefings and the return to camp send the
    // player to, the figure whose look follows the time of day, and the walk sheets: the
    // player by weapon and wading (every animation of the unit chain, up to 58), the effects
    // sheet (every effect and ground-item animation, up to 89), the figures (up to 19).
    c.push_back(Pt(2, 0, 30, CAM_P1, "spawn point of the first briefing"));
    c.push_back(Pt(2, 0, 0, CAM_P1, "spawn point of the alarm briefing"));
    c.push_back(Pt(2, 0, 1, CAM_P1, "spawn point on the return to camp"));
    c.push_back(Pt(2, 0, 4, CAM_P1, "spawn point of the later briefings"));
    c.push_back(Pt(2, 0, 10, CAM_P1, "spawn point on the return from the coast"));
    c.push_back(Obj(2, 0, 15, UNT, 20, "figure shown with animation 4 or 19 by the time of day"));
    for (int slot : {15, 16, 17, 30, 31}) c.push_back(Slot(2, 0, slot, 59, "the player's sheet"));
    c.push_back(Slot(2, 0, 2, 90, "effects and drops sheet"));
    c.push_back(Slot(2, 0, 29, 20, "one-animation figures"));
    c.push_back(Slot(2, 0, 14, 2, "vehicle shadows, animation 1"));
    // The rest of the hub's spawn points: back from a camp page's quit (8), from the
    // upgrade, trader, pay, casino and map pages (9, 12, 13, 14, 27).
    c.push_back(Pt(2, 0, 8, CAM_P1, "spawn point after leaving a camp page"));
    c.push_back(Pt(2, 0, 9, CAM_P1, "spawn point back from the upgrade page"));
    c.push_back(Pt(2, 0, 12, CAM_P1, "spawn point back from the trader"));
    c.push_back(Pt(2, 0, 13, CAM_P1, "spawn point back from the pay and card pages"));
    c.push_back(Pt(2, 0, 14, CAM_P1, "spawn point back from the casino and the kennels"));
    c.push_back(Pt(2, 0, 27, CAM_P1, "spawn point back from the map page"));
    // The camp's script: the headquarters mark whose code it switches, the markers it lights
    // by mission and story flag, the sprites its target arrow points at, the dugout shut
    // (animation 0) or open (2), the barrier it hides, the tent door it shuts.
    c.push_back(Pt(2, 0, 5, ANY, "headquarters mark, code switched by the story"));
    for (int p : {7, 26, 31, 32, 35}) c.push_back(Pt(2, 0, p, ANY, "objective marker lit by the mission"));
    c.push_back(Exit(2, 0, 42, LAD, 31, 3, "dugout to the tunnels, animations 0 and 2"));
    c.push_back(Obj(2, 0, 72, ANY, 0, "barrier hidden once the player has slept"));
    c.push_back(Gate(2, 0, 72, "barrier hidden once the player has slept"));
    c.push_back(Exit(2, 0, 70, TRI, 6, 0, "exit to the training ground"));
    c.push_back(Exit(2, 0, 73, TRI, 50, 0, "exit to the coast road"));
    c.push_back(Exit(2, 0, 123, TRI, 28, 0, "door of the player's tent"));
    c.push_back(Kind(2, 0, 140, OBJ_BETSY, "the commander"));
    // The camp's people and boards, each opening its page.
    struct Page_Kind {
        int index, kind;
        const char* why;
    };
    static constexpr Page_Kind pages[] = {
        {43, OBJ_DRILL, "drill sergeant"},     {44, OBJ_WAGES, "paymaster"},   {45, OBJ_CASINO, "casino"},
        {46, OBJ_GALLERY, "shooting gallery"}, {47, OBJ_CARD_START, "cards"},  {48, OBJ_PATCHES, "surgery"},
        {49, OBJ_DOGMATE, "kennels"},          {50, OBJ_UPGRADE, "armourer"},  {51, OBJ_DODGYDAN, "trader"},
        {52, OBJ_SPY, "signals hut"},          {53, OBJ_STARTUP, "recruit"},   {54, OBJ_MAP, "map board"},
        {55, OBJ_MEDALBOX, "medal case"},
    };
    for (const Page_Kind& p : pages) c.push_back(Kind(2, 0, p.index, p.kind, p.why));

    // ---- Training ground (3/1): the way back to the camp (9), the yard gate that opens
    // (62, animation 1), the drill sergeant (68), the road east (70) and its barriers (71,
    // 72), the course gate (73, 74), the course walls (76, 77), the range sign (78); the
    // silo mission's marker (5) and the spawn points of the course briefing, the sergeant's
    // page and the knife pages; the targets' sheet (splintered: animation 2).
    c.push_back(Obj(3, 1, 9, TRI, 0, "trigger back to the camp"));
    c.push_back(Obj(3, 1, 62, ANY, 2, "yard gate, animation 1 when opened"));
    c.push_back(Obj(3, 1, 68, OBJ, 0, "the drill sergeant"));
    c.push_back(Obj(3, 1, 70, TRI, 0, "trigger of the road east"));
    Sprites(c, 3, 1, {71, 72}, 0, "barrier of the road east, removed once the course is passed");
    Sprites(c, 3, 1, {73, 74}, 0, "course gate, removed while on the course");
    Sprites(c, 3, 1, {76, 77}, 0, "course wall, shown once the sergeant has met the recruit");
    c.push_back(Obj(3, 1, 78, ANY, 0, "range sign, hidden once the course is passed"));
    c.push_back(Pt(3, 1, 5, GLOBAL_MAP_PNT, "marker of the road east"));
    c.push_back(Pt(3, 1, 1, CAM_P1, "spawn point from the camp"));
    c.push_back(Pt(3, 1, 6, CAM_P1, "spawn point at the start of the course"));
    c.push_back(Pt(3, 1, 7, CAM_P1, "spawn point of the knife pages"));
    c.push_back(Slot(3, 1, 25, 3, "training targets: standing, hit, splintered"));

    // ---- The northern roads of episode 2 and the convoy (2/6 to 2/11, 3/4).
    // The boot road (2/6): north to the boot camp's lorry, south to the act's camp.
    c.push_back(Exit(2, 6, 0, TRI, 53, 0, "road north to the boot camp"));
    c.push_back(Exit(2, 6, 1, TRI, 0, 0, "road south to the act's camp"));
    for (int p : {0, 1}) c.push_back(Pt(2, 6, p, CAM_P1, "spawn point at an end of the road"));
    // The beach road (2/7): west to the camp, east to the beach, the pillbox hatch.
    c.push_back(Exit(2, 7, 0, TRI, 0, 0, "road west to the act's camp"));
    c.push_back(Exit(2, 7, 1, TRI, 50, 0, "road east to the beach landing"));
    c.push_back(Exit(2, 7, 2, LAD, 31, 3, "pillbox hatch to the tunnels, shown open"));
    for (int p : {0, 1, 2}) c.push_back(Pt(2, 7, p, CAM_P1, "spawn point on the beach road"));
    // The fortress (2/8): the gateway its script arms at night (0), the gate it hides (7),
    // the hatch it opens into the tunnels with the third animation (8), the marker (2), the
    // spawn point the trench gallery's travel page names (4).
    c.push_back(Exit(2, 8, 0, TRI, 63, 0, "gateway into the fort, armed at night"));
    c.push_back(Obj(2, 8, 7, ANY, 1, "gate drawn back at night for the fortress mission"));
    c.push_back(Gate(2, 8, 7, "gate drawn back at night for the fortress mission"));
    c.push_back(Exit(2, 8, 8, BAG, unit_class::TUNNEL, 3, "hatch, a tunnel cover: animation 2 when open"));
    c.push_back(Pt(2, 8, 2, GLOBAL_MAP_PNT, "marker of the fortress mission"));
    c.push_back(Pt(2, 8, 4, CAM_P1, "spawn point from the trench gallery's travel page"));
    c.push_back(Exit(2, 8, 1, TRI, 17, 0, "road south to the roadway"));
    c.push_back(Exit(2, 8, 2, TRI, 58, 0, "trench west to the trench gallery"));
    // The farms (2/9): the hatches its script opens (293, 294), the windmill door it arms
    // (297) and the chain it takes off (323), the three masts broken with animation 1 or 2,
    // the markers 1 to 4, the spawn point of the fork's travel page (0), the patrols' sheets.
    for (int i : {293, 294}) c.push_back(Exit(2, 9, i, BAG, unit_class::TUNNEL, 3, "well hatch, a tunnel cover: animation 2 when open"));
    c.push_back(Exit(2, 9, 297, TRI, 4, 0, "windmill door, armed for the windmill mission"));
    c.push_back(Obj(2, 9, 323, ANY, 0, "chain before the windmill, hidden for its mission"));
    for (int i : {320, 321, 322}) c.push_back(Obj(2, 9, i, BAG, 3, "radio mast: standing, broken, wrecked"));
    for (int p : {1, 2, 3, 4}) c.push_back(Pt(2, 9, p, GLOBAL_MAP_PNT, "marker lit by the farms' script"));
    c.push_back(Pt(2, 9, 0, CAM_P1, "spawn point from the fork's travel page"));
    c.push_back(Exit(2, 9, 0, TRI, 70, 0, "lane back to the fork road"));
    // The sheets the area's patrols are drawn with (fortress and farms both send them in).
    for (int s : {8, 9})
        for (int slot : {18, 20, 25, 28}) c.push_back(Slot(2, s, slot, 1, "sheet of the spawned patrols"));
    // The camps of acts 3 and 4 (2/10, 2/11): the spawn points the briefings and the return
    // to camp send the player to, the walk sheets, the exits the act-3 arrow points at (17,
    // 49), the commander the arrows point at once a mission is done (91, 123), the markers
    // the act-3 script lights, the people and boards, and the act-4 traffic's looks.
    for (int s : {10, 11}) {
        for (int p : {0, 1, 4, 8, 9, 10, 12, 13, 14, 27, 30})
            c.push_back(Pt(2, s, p, CAM_P1, "spawn point of the hub"));
        for (int slot : {15, 16, 17, 30, 31}) c.push_back(Slot(2, s, slot, 59, "the player's sheet"));
        c.push_back(Slot(2, s, 2, 90, "effects and drops sheet"));
        c.push_back(Slot(2, s, 29, 20, "one-animation figures"));
        c.push_back(Exit(2, s, 17, TRI, 17, 0, "lane south to the roadway"));
        c.push_back(Exit(2, s, 49, TRI, 1, 0, "lane south to the highway"));
        c.push_back(Exit(2, s, 70, TRI, 38, 0, "outer road west to the boot road"));
        c.push_back(Exit(2, s, 73, TRI, 39, 0, "outer road east to the beach road"));
        c.push_back(Exit(2, s, 42, LAD, 31, 3, "dugout to the tunnels, shown open"));
        c.push_back(Exit(2, s, 92, TRI, 28, 0, "door of the player's tent"));
        struct Page_Kind {
            int index, kind;
        };
        static constexpr Page_Kind pages[] = {{43, OBJ_DRILL},     {44, OBJ_WAGES},   {45, OBJ_CASINO},
                                              {46, OBJ_GALLERY},   {47, OBJ_CARD_START}, {48, OBJ_PATCHES},
                                              {93, OBJ_DOGMATE},   {50, OBJ_UPGRADE}, {51, OBJ_DODGYDAN},
                                              {52, OBJ_SPY},       {53, OBJ_STARTUP}, {54, OBJ_MAP},
                                              {55, OBJ_MEDALBOX}};
        for (const Page_Kind& p : pages) c.push_back(Kind(2, s, p.index, p.kind, "camp page"));
    }
    for (int p : {26, 31}) c.push_back(Pt(2, 10, p, GLOBAL_MAP_PNT, "marker lit by the act-3 camp's script"));
    c.push_back(Exit(2, 10, 91, TRI, 40, 0, "the commander's door, the arrow's target once a mission is done"));
    c.push_back(Kind(2, 11, 123, OBJ_BETSY, "the commander, the arrow's target once a mission is done"));
    for (int i = 74; i <= 79; ++i) c.push_back(Obj(2, 11, i, BUD, 8, "traffic: looks 0 to 7"));
    for (int p = 40; p <= 45; ++p) c.push_back(Pt(2, 11, p, ANY, "start or end point of the traffic"));
    // ---- Story pages: the later acts' conversation pages and the credits' cast pages
    // (portraits, speech boxes, accept and decline); the act-four tent (1/122) with its night
    // picture of slot 16 and the flag it hides; the briefings' buttons (sprite 2 on the timed
    // pages, sprite 1 on the armed ones), the alarm light (5: animations 1 and 2) and the
    // figure that rises and shouts (6) of 1/51, the padlock of 1/82 (4: animations 1 and
    // 2); the panorama the act-four start pans (0/12).
    for (int s : {39, 65, 68, 72, 74, 76, 77, 78, 81, 83, 86, 91, 92, 93, 122}) Conversation_Page(c, 1, s);
    for (int s : {1, 3, 5}) Conversation_Page(c, 4, s);
    c.push_back(Slot(1, 122, 16, 2, "the tent at night, silent and talking"));
    c.push_back(Obj(1, 122, 13, ANY, 0, "hidden in act four"));
    for (int s : {51, 64, 82, 117}) c.push_back(Obj(1, s, 2, ANY, 2, "Start^the_fight! button"));
    for (int s : {121, 124, 142}) c.push_back(Obj(1, s, 1, ANY, 2, "Start^the_fight! button"));
    for (int s : {138, 140}) c.push_back(Obj(1, s, 1, ANY, 2, "Skip^Page button"));
    c.push_back(Obj(1, 51, 5, ANY, 3, "alarm light, animations 1 and 2"));
    c.push_back(Obj(1, 51, 6, ANY, 2, "slides in and out, animation 1"));
    c.push_back(Obj(1, 82, 4, ANY, 3, "padlock, animations 1 and 2"));
    c.push_back(Obj(0, 12, 2, ANY, 0, "panning backdrop"));
    // ---- The coast of episode 3 (3/0, 3/2 to 3/16): the beach (3/3) with the ways into
    // bunkers A and C its script shuts (27, 29), the tunnel hatches it opens (third
    // animation), the bunkers' lanterns it darkens (animation - 1), the boat, the cave's rock
    // fall (base 1, shown + 2), the bunker doors (+ 1), the masts and the lorry (+ 1), the
    // convoy road's way out and the markers it lights; the travel's spawn point 0. The
    // bunkers' store doors shown open (3/5 164, 3/6 234, 3/7 170), the cave's explosives,
    // back way and rock fall, the cook's corner marker, the charges of basement C, the
    // cellar's conversation spawn, the cove's chest, the orchard's trees (base 2, shown - 2),
    // the bay's hatch, and the convoy road's switch, drums and marker.
    c.push_back(Exit(3, 3, 27, TRI, 10, 0, "way into bunker A, shut by the script"));
    c.push_back(Exit(3, 3, 29, TRI, 12, 0, "way into bunker C, shut by the script"));
    c.push_back(Exit(3, 3, 180, TRI, 8, 0, "the convoy road"));
    for (int i : {28, 33, 190, 191}) c.push_back(Exit(3, 3, i, BAG, unit_class::TUNNEL, 3, "tunnel cover, animation 2 when open"));
    Sprites(c, 3, 3, {50, 52, 54}, 2, "lantern of a bunker, animation 1 darkened to 0");
    Sprites(c, 3, 3, {82, 83, 113, 135, 138, 161, 181, 182}, 0, "object shown or hidden by the script");
    Sprites(c, 3, 3, {137, 179}, 2, "object switched to animation 1");
    for (int i : {177, 178}) c.push_back(Obj(3, 3, i, BAG, 3, "radio mast: standing, broken, wrecked"));
    c.push_back(Obj(3, 3, 142, ANY, 4, "rock fall, animation 1 shown as 3"));
    Sprites(c, 3, 3, {163, 165}, 3, "bunker door, animation 1 shown as 2");
    for (int p : {6, 7, 8, 15, 16, 19, 26, 27, 32}) c.push_back(Pt(3, 3, p, GLOBAL_MAP_PNT, "objective marker"));
    c.push_back(Pt(3, 3, 0, CAM_P1, "spawn point of the travel down the coast"));
    c.push_back(Pt(3, 3, 21, CAM_P1, "arrival from the deck gallery's Back"));
    c.push_back(Obj(3, 5, 164, ANY, 2, "store door of bunker A, animation 1 when open"));
    c.push_back(Obj(3, 6, 234, ANY, 2, "store door of bunker B, animation 1 when open"));
    c.push_back(Obj(3, 7, 170, ANY, 2, "store door of bunker C, animation 1 when open"));
    Sprites(c, 3, 9, {16, 17, 21}, 0, "cave object hidden by the script");
    for (int i : {16, 21}) c.push_back(Gate(3, 9, i, "cave: explosives or rock fall the script clears away"));
    c.push_back(Pt(3, 2, 3, GLOBAL_MAP_PNT, "marker of the fortress mission"));
    c.push_back(Obj(3, 12, 121, ANY, 0, "charges of the windmill mission"));
    c.push_back(Pt(3, 13, 13, CAM_P1, "spawn point of the conversation"));
    c.push_back(Obj(3, 14, 132, ANY, 2, "the chest, animation 1 once opened"));
    Sprites(c, 3, 15, {10, 11, 12}, 3, "fruit tree, animation 2 shown as 0");
    c.push_back(Obj(3, 16, 36, ANY, 3, "tunnel hatch, opened with animation 2"));
    c.push_back(Obj(3, 4, 131, SWI, 0, "the destination switch"));
    Sprites(c, 3, 4, {79, 105, 106, 107}, 0, "drum hit by a tripwire");
    c.push_back(Pt(3, 4, 8, ANY, "marker that follows the vehicle"));
    // ---- Shooting gallery rounds (1/21 to 1/115) and the gallery's finale (1/99, 1/100,
    // 1/101, 1/144, 1/123). Every round: the panel, Back, the rounds left, the face and the
    // life bar as in 1/8, the explosions of slot 2 (puffs 12, splinters 54) and slot 21.
    for (int s : {21, 22, 23, 69, 70, 71, 73, 95, 96, 97, 98, 112, 113, 114, 115}) {
        c.push_back(Obj(1, s, 0, ANY, 0, "panel that blocks the shots"));
        c.push_back(Obj(1, s, 1, ANY, 2, "Back button"));
        Sprites(c, 1, s, {17, 18}, 4, "rounds left, animations 0 to 3");
        c.push_back(Obj(1, s, 19, ANY, 0, "panel element"));
        c.push_back(Obj(1, s, 20, ANY, 18, "the player's face, animations up to 17"));
        c.push_back(Obj(1, s, 21, ANY, 16, "life bar, animations 14 and 15"));
        c.push_back(Slot(1, s, 2, 55, "effects: shot puff 12, crate splinters 54"));
        c.push_back(Slot(1, s, 21, 1, "explosion of a ball or a pigeon, animation 0"));
    }
    // The figures each round's wave script raises (up, aiming, shot down, hit, firing, going
    // down) and the health and gold that figures 12 and 9 leave.
    struct Round {
        int scene;
        std::vector<int> figures;
    };
    static const Round rounds[] = {
        {21, {4, 5, 6, 7, 8, 9, 12, 13}},    {22, {2, 4, 6, 7, 8, 9, 12, 13}}, {23, {2, 4, 5, 6, 7, 8, 9, 12, 13}},
        {69, {2, 5, 6, 7, 8, 13}},           {70, {4, 5, 6, 7, 8, 9, 12, 13}}, {71, {2, 4, 5, 6, 7, 8, 13}},
        {73, {4, 6, 8}},                     {95, {4, 6, 8}},                  {96, {4, 6, 8}},
        {97, {4, 6, 8}},                     {98, {2, 4, 5, 6, 7, 8, 13}},
    };
    for (const Round& r : rounds) {
        for (int i : r.figures) c.push_back(Obj(1, r.scene, i, MNE, 6, "target figure"));
        c.push_back(Obj(1, r.scene, 10, MNE, 2, "health left by figure 12, animation 1"));
        c.push_back(Obj(1, r.scene, 11, MNE, 1, "gold left by figure 9, animation 0"));
    }
    // The boss bars (1/23, 1/73, 1/98); the cannons of 1/73 (fired with animation 1), their
    // balls, the depth of a hit and a fresh ball's size; the iron-bound crate of 1/70 (hit
    // and broken with animations 1 and 2); the engine gondola of 1/98 (animations 1 to 3 as
    // it burns); the clay pigeons (animation 1 shattered).
    c.push_back(Obj(1, 23, 29, ANY, 16, "boss bar"));
    c.push_back(Obj(1, 73, 32, ANY, 16, "boss bar"));
    c.push_back(Obj(1, 98, 31, ANY, 16, "boss bar"));
    c.push_back(Obj(1, 73, 27, ANY, 0, "depth at which a ball hits the player"));
    Sprites(c, 1, 73, {28, 29, 30}, 2, "cannon, animation 1 when it fires");
    for (int i : {33, 34, 35}) c.push_back(Obj(1, 73, i, HLP, 1, "cannon ball"));
    c.push_back(Obj(1, 73, 36, ANY, 0, "size of a fresh ball"));
    c.push_back(Obj(1, 70, 29, HLP, 3, "iron-bound crate with a first-aid kit"));
    c.push_back(Obj(1, 98, 32, HLP, 4, "engine gondola, animations 0 to 3"));
    for (int s : {112, 113, 114, 115})
        for (int i : {28, 32, 33}) c.push_back(Obj(1, s, i, HLP, 2, "clay pigeon, animation 1 shattered"));
    // The finale: the Skip^Scene button (sprite 2) of each; 1/99 the airship breaking up
    // (animation 1), the fires and the gondola; 1/100 the faller and the wreckage; 1/101 the
    // aeroplane (animation 1 with the player aboard) and the faller; 1/144 the marker, the
    // fortress (animation 1 burning), the wreck and the explosion (animation 0).
    for (int s : {99, 100, 101, 144, 123}) c.push_back(Obj(1, s, 2, ANY, 2, "Skip^Scene button"));
    c.push_back(Obj(1, 99, 3, ANY, 2, "the airship, animation 1 breaking up"));
    Sprites(c, 1, 99, {4, 5, 6, 7, 8, 9, 10, 12}, 0, "shown and hidden with the explosions");
    Sprites(c, 1, 100, {3, 9, 10, 11, 12, 13, 14, 15, 16}, 0, "falls");
    c.push_back(Obj(1, 101, 4, ANY, 2, "the aeroplane, animation 1 with the player aboard"));
    c.push_back(Obj(1, 101, 5, ANY, 0, "falls into the aeroplane"));
    c.push_back(Obj(1, 144, 5, ANY, 0, "the box the wreck strikes"));
    c.push_back(Obj(1, 144, 8, ANY, 2, "the fortress, animation 1 burning"));
    c.push_back(Obj(1, 144, 9, ANY, 0, "the wreck, grows and glides down"));
    c.push_back(Obj(1, 144, 10, ANY, 1, "the explosion, animation 0"));
    // ---- Episode 2, the south of the act-2 country: the highway (2/1), the village (2/2),
    // the act-2 camp (2/3), the roadway (2/4) and the coastal town (2/5). The spawn points
    // that exits, travel scenes, conversations and the tunnel map send the player to; the
    // markers and sprites the level events switch; the sheets of the units the open country
    // brings (gunners in slot 18, officers in 20, dogs in 25).
    for (int p : {0, 1, 11}) c.push_back(Pt(2, 1, p, CAM_P1, "spawn point: training ground, agent's page, tunnel"));
    for (int p : {2, 4, 5, 7, 10}) c.push_back(Pt(2, 1, p, ANY, "silo mission marker"));
    for (int i : {0, 234, 236, 238}) c.push_back(Obj(2, 1, i, TRI, 0, "compound gate, switched off until opened"));
    Sprites(c, 2, 1, {233, 235, 237, 239}, 0, "compound gate's barrier, hidden as the mission passes it");
    c.push_back(Obj(2, 1, 145, ANY, 0, "the agent, hidden unless the silo mission is on"));
    c.push_back(Obj(2, 1, 181, ANY, 0, "hidden while the player is sent to the control block"));
    for (int i : {241, 302}) c.push_back(Exit(2, 1, i, BAG, unit_class::TUNNEL, 3, "tunnel cover, animation 2 when open"));
    for (int slot : {18, 20, 25}) c.push_back(Slot(2, 1, slot, 1, "sheet of the units the open country brings"));
    for (int p : {23, 24, 32, 40, 41})
        c.push_back(Pt(2, 2, p, CAM_P1, "spawn point: tunnels, the nun's pages, the roadway"));
    for (int p : {33, 35, 36, 37, 38, 39}) c.push_back(Pt(2, 2, p, ANY, "village mission marker"));
    for (int i : {10, 336, 337, 338}) c.push_back(Obj(2, 2, i, BAG, 2, "mission target, animation 1 when broken"));
    for (int i : {333, 334, 379}) c.push_back(Exit(2, 2, i, BAG, unit_class::TUNNEL, 3, "tunnel cover, animation 2 when open"));
    c.push_back(Obj(2, 2, 335, ANY, 0, "the nun, hidden unless her mission is on"));
    c.push_back(Obj(2, 2, 340, ANY, 0, "trench road barrier, hidden once the trench mission is given"));
    c.push_back(Gate(2, 2, 340, "trench road barrier, hidden once the trench mission is given"));
    for (int slot : {18, 20}) c.push_back(Slot(2, 2, slot, 1, "sheet of the units the open country brings"));
    for (int p : {0, 1, 2, 4, 9, 10, 12, 13, 14, 27})
        c.push_back(Pt(2, 3, p, CAM_P1, "spawn point: briefings, return to camp, tunnels, camp pages"));
    for (int p : {26, 30}) c.push_back(Pt(2, 3, p, ANY, "objective marker lit by the mission"));
    c.push_back(Exit(2, 3, 17, TRI, 67, 0, "the track to the roadway"));
    c.push_back(Exit(2, 3, 26, LAD, 31, 3, "the dugout into the tunnels"));
    c.push_back(Exit(2, 3, 91, TRI, 40, 0, "the commander's door"));
    for (int p : {0, 1, 3}) c.push_back(Pt(2, 4, p, CAM_P1, "spawn point: from the camp, the farms, the gun"));
    for (int p : {2, 5}) c.push_back(Pt(2, 4, p, ANY, "road marker lit by the mission"));
    c.push_back(Obj(2, 4, 26, TRI, 0, "the farm road, switched off before the third act"));
    c.push_back(Obj(2, 4, 32, TRI, 0, "the village road"));
    c.push_back(Kind(2, 4, 13, OBJ_ARTY, "the artillery officer"));
    for (int p : {0, 3, 4}) c.push_back(Pt(2, 5, p, CAM_P1, "spawn point: tunnel, the general's and the fat man's pages"));
    c.push_back(Kind(2, 5, 0, OBJ_GENERAL, "the general"));
    c.push_back(Kind(2, 5, 1, OBJ_FATMAN, "the fat quartermaster"));
    // ---- Late coast, fortress and missile complex (3/18 to 3/37): the exits with the levels
    // they lead to, the spawn points other scenes name, the sprites and markers the level
    // events address, and the boss of the submarine pen.
    c.push_back(Exit(3, 18, 0, TRI, 30, 0, "boat yard: west to the bay"));
    c.push_back(Exit(3, 18, 1, TRI, 35, 0, "boat yard: north to the cliffs"));
    c.push_back(Kind(3, 18, 2, OBJ_BATTLESHIP, "boat yard: the battleship's gangway"));
    c.push_back(Kind(3, 18, 3, OBJ_MAP, "boat yard: the map board (map 3)"));
    c.push_back(Obj(3, 18, 28, ANY, 3, "boat yard: tunnel hatch, opened with its animation 2"));
    c.push_back(Pt(3, 18, 0, CAM_P1, "boat yard: arrival from the tunnels"));
    c.push_back(Exit(3, 19, 0, TRI, 32, 0, "battleship: down the gangway to the boat yard"));
    c.push_back(Kind(3, 19, 13, OBJ_BATTLESHIP, "battleship: the spy, hidden once he has paid"));
    c.push_back(Obj(3, 19, 17, ANY, 2, "battleship: hatch to the lower decks, shut with animation 1"));
    c.push_back(Exit(3, 19, 18, TRI, 33, 0, "battleship: way down to the lower decks' gallery"));
    c.push_back(Pt(3, 19, 1, CAM_P1, "battleship: arrival from the spy's page"));
    Sprites(c, 3, 20, {11, 41, 43, 46, 48, 49}, 2, "sub pen: wrecked by the boss's shots, animation 1");
    for (int i : {27, 28}) c.push_back(Obj(3, 20, i, BAG, 5, "boss silo: launch animation 4"));
    for (int i : {29, 30}) c.push_back(Obj(3, 20, i, BAG, 7, "boss gun: animations 4 to 6"));
    c.push_back(Obj(3, 20, 31, BAG, 2, "boss cover, wrecked with animation 1"));
    c.push_back(Obj(3, 20, 32, BAG, 8, "boss launcher: animations 5 to 7"));
    c.push_back(Obj(3, 20, 33, BAG, 2, "boss core, wrecked with animation 1"));
    c.push_back(Obj(3, 20, 36, BAG, 13, "boss front gun: animations 10 to 12"));
    Sprites(c, 3, 20, {34, 35, 37, 38, 39}, 0, "boss muzzle flash");
    c.push_back(Slot(3, 20, 33, 1, "the silos' wreck sheet: the slot after theirs"));
    c.push_back(Slot(3, 20, 35, 2, "the cover's wreck sheet: the slot after its own, animation 1"));
    c.push_back(Pt(3, 20, 0, CAM_P1, "sub pen: arrival from the cut-scene"));
    c.push_back(Pt(3, 20, 2, ANY, "sub pen: one end of the boss's run"));
    c.push_back(Pt(3, 20, 3, ANY, "sub pen: the other end of the boss's run"));
    c.push_back(Exit(3, 21, 0, TRI, 32, 0, "cliffs: down to the boat yard"));
    c.push_back(Exit(3, 21, 1, TRI, 36, 0, "cliffs: into the secret laboratory"));
    c.push_back(Kind(3, 21, 4, OBJ_MAP, "cliffs: the map board (map 2)"));
    c.push_back(Kind(3, 21, 3, OBJ_SPY, "cliffs: the spy"));
    c.push_back(Obj(3, 21, 14, ANY, 3, "cliffs: tunnel hatch, opened with its animation 2"));
    c.push_back(Pt(3, 21, 5, CAM_P1, "cliffs: arrival from the spy's page"));
    c.push_back(Exit(3, 22, 0, TRI, 35, 0, "laboratory: up to the cliffs"));
    c.push_back(Exit(3, 22, 1, TRI, 37, 0, "laboratory: down to the lower laboratory"));
    Sprites(c, 3, 22, {123, 124}, 0, "laboratory: store door, opened from the switch room");
    for (int i : {4, 5}) c.push_back(Pt(3, 22, i, GLOBAL_MAP_PNT, "laboratory: marker of the alarm"));
    c.push_back(Exit(3, 23, 0, TRI, 36, 0, "lower laboratory: up to the laboratory"));
    c.push_back(Exit(3, 23, 1, TRI, 34, 0, "lower laboratory: down to the submarine pen"));
    c.push_back(Obj(3, 23, 132, ANY, 2, "lower laboratory: alarm lamp, animation 1"));
    Sprites(c, 3, 23, {151, 184}, 0, "lower laboratory: barrier removed by the alarm");
    for (int i : {179, 180}) c.push_back(Kind(3, 23, i, OBJ_SWITCH, "lower laboratory: store door switch"));
    c.push_back(Kind(3, 23, 2, OBJ_MADMAN, "lower laboratory: the Professor"));
    for (int i : {151, 184}) c.push_back(Gate(3, 23, i, "lower laboratory: barrier the alarm removes"));
    for (int i = 185; i <= 189; ++i) c.push_back(Obj(3, 23, i, UNT, 0, "lower laboratory: soldier of the alarm"));
    for (int i : {2, 3}) c.push_back(Pt(3, 23, i, GLOBAL_MAP_PNT, "lower laboratory: marker of the alarm"));
    c.push_back(Pt(3, 23, 1, CAM_P1, "lower laboratory: arrival from the Professor's page"));
    for (int i = 6; i <= 15; ++i) c.push_back(Obj(3, 24, i, BAG, 3, "first line: gun emplacement, wrecked with animation 2"));
    for (int i : {11, 12, 13}) c.push_back(Pt(3, 24, i, GLOBAL_MAP_PNT, "first line: marker of a group of guns"));
    c.push_back(Pt(3, 24, 0, CAM_P1, "first line: arrival from the tunnels"));
    c.push_back(Exit(3, 24, 1, TRI, 57, 0, "first line: on to the second line"));
    for (int i : {71, 72, 73}) c.push_back(Obj(3, 25, i, BAG, 3, "second line: heavy gun, wrecked with animation 2"));
    c.push_back(Pt(3, 25, 15, GLOBAL_MAP_PNT, "second line: marker of the guns"));
    c.push_back(Exit(3, 25, 0, TRI, 56, 0, "second line: back to the first line"));
    c.push_back(Exit(3, 25, 1, TRI, 61, 0, "second line: through the breach into the library"));
    c.push_back(Pt(3, 26, 4, GLOBAL_MAP_PNT, "library: marker of the vault door"));
    c.push_back(Exit(3, 26, 1, TRI, 62, 0, "library: into the vaults"));
    for (int i : {37, 102, 103, 112, 121}) c.push_back(Obj(3, 27, i, UNT, 0, "vaults: guard"));
    c.push_back(Obj(3, 27, 126, ANY, 0, "vaults: steel door over the stair"));
    c.push_back(Kind(3, 27, 127, OBJ_SWITCH, "vaults: lever of the steel door"));
    c.push_back(Exit(3, 27, 128, TRI, 63, 0, "vaults: the stair down (the jailer's page)"));
    for (int i = 6; i <= 11; ++i) c.push_back(Pt(3, 27, i, ANY, "vaults: patrol point"));
    c.push_back(Pt(3, 27, 12, GLOBAL_MAP_PNT, "vaults: marker of the stair"));
    c.push_back(Obj(3, 28, 11, OBJ, 2, "dungeon: the prisoner, rescued by walking up to him"));
    c.push_back(Touch(3, 28, 11, OBJ, OBJ_RESCUE, "dungeon: the prisoner, a rescue once the jailer falls"));
    c.push_back(Obj(3, 28, 14, UNT, 0, "dungeon: the jailer"));
    c.push_back(Pt(3, 28, 0, CAM_P1, "dungeon: arrival from the jailer's page"));
    Sprites(c, 3, 29, {1, 22, 23}, 0, "airfield: shown with the final mission");
    c.push_back(Kind(3, 29, 2, OBJ_AIRPLANE, "airfield: the plane home"));
    c.push_back(Kind(3, 29, 3, OBJ_CLAY, "airfield: the clay-pigeon stand"));
    c.push_back(Exit(3, 29, 4, TRI, 72, 0, "airfield: down into the control bunker"));
    c.push_back(Pt(3, 29, 1, GLOBAL_MAP_PNT, "airfield: marker of the final mission"));
    for (int i : {2, 3}) c.push_back(Pt(3, 29, i, CAM_P1, "airfield: arrival by plane (2) or from the pigeons (3)"));
    Sprites(c, 3, 30, {79, 80, 81, 82, 83}, 0, "control bunker: technician, gone once the control room falls");
    for (int i = 84; i <= 88; ++i) c.push_back(Obj(3, 30, i, UNT, 0, "control bunker: guard brought in"));
    for (int i : {8, 9}) c.push_back(Pt(3, 30, i, GLOBAL_MAP_PNT, "control bunker: marker"));
    c.push_back(Exit(3, 30, 0, TRI, 64, 0, "control bunker: up to the airfield"));
    c.push_back(Exit(3, 30, 1, TRI, 73, 0, "control bunker: to the control room"));
    c.push_back(Exit(3, 30, 2, TRI, 74, 0, "control bunker: to the first silo"));
    c.push_back(Kind(3, 31, 1, OBJ_COMMAND, "control room: the commander"));
    c.push_back(Pt(3, 31, 1, CAM_P1, "control room: arrival from the commander's page"));
    for (int i : {2, 3}) c.push_back(Pt(3, 31, i, GLOBAL_MAP_PNT, "control room: marker"));
    c.push_back(Exit(3, 31, 0, TRI, 72, 0, "control room: back to the control bunker"));
    for (int s : {32, 34}) {
        for (int i : {2, 3}) c.push_back(Pt(3, s, i, GLOBAL_MAP_PNT, "silo: marker of the lever room or the way on"));
        c.push_back(Exit(3, s, 1, TRI, s + 43, 0, "silo: to its lever room"));
        c.push_back(Exit(3, s, 2, TRI, s + 44, 0, "silo: on to the next silo"));
    }
    for (int s : {33, 35}) {
        for (int i : {43, 44, 45}) c.push_back(Kind(3, s, i, OBJ_SWITCH1, "lever room: lever, off 0 and on 1"));
        for (int i : {1, 2}) c.push_back(Pt(3, s, i, GLOBAL_MAP_PNT, "lever room: marker"));
        c.push_back(Exit(3, s, 0, TRI, s + 41, 0, "lever room: back to its silo"));
    }
    c.push_back(Pt(3, 36, 8, GLOBAL_MAP_PNT, "super-silo: marker of the stair"));
    c.push_back(Exit(3, 36, 1, TRI, 79, 0, "super-silo: down to the launch floor"));
    c.push_back(Pt(3, 37, 2, GLOBAL_MAP_PNT, "launch floor: marker of the last door"));
    c.push_back(Exit(3, 37, 1, TRI, 80, 0, "launch floor: the last door (too late)"));
    // ---- The windmill (3/0): the captive the windmill mission rescues.
    c.push_back(Kind(3, 0, 31, OBJ_SCARECROW, "windmill: the captive, his page 1/86"));
    // ---- The mess hut's cellar (3/2): the cook who fits the player out for the fortress.
    c.push_back(Kind(3, 2, 16, OBJ_CHEF, "cellar: the cook, his page 1/76"));

    // ---- What the missions and the tunnels need destroyed: a shot or a blast must damage it.
    struct Target {
        int episode, scene;
        std::vector<int> indices;
        const char* why;
    };
    static const Target targets[] = {
        {3, 3, {177, 178}, "beach: radio mast of the signals mission"},
        {2, 9, {320, 321, 322}, "farms: radio mast of the radar mission"},
        {2, 2, {10, 336, 337, 338}, "village: target of the gun mission"},
        {3, 24, {6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, "first line: gun emplacement"},
        {3, 25, {71, 72, 73}, "second line: heavy gun"},
        {3, 28, {14}, "dungeon: the jailer"},
        {3, 3, {28, 33, 190, 191}, "beach: tunnel cover"},
        {2, 1, {241, 302}, "highway: tunnel cover"},
        {2, 2, {333, 334, 379}, "village: tunnel cover"},
        {2, 8, {8}, "fortress: tunnel cover"},
        {2, 9, {293, 294}, "farms: tunnel cover"},
    };
    for (const Target& t : targets)
        for (int i : t.indices) c.push_back(Destroy(t.episode, t.scene, i, ANY, t.why));
    return c;
}

const char* Kind_Name(Expect e) {
    switch (e) {
    case Expect::object: return "object";
    case Expect::point: return "point";
    case Expect::slot: return "texture slot";
    case Expect::touch:
    case Expect::destroy:
    case Expect::gate: return "object";
    }
    return "?";
}

// Animations of the sheet of texture slot `slot`; -1 for a slot without a sheet.
int Slot_Anims(const writers::SceneFiles& s, int slot, const std::string& root) {
    if (slot < 0 || slot >= (int)s.textures.size() || !Animated_Kind(s.textures[slot].kind)) return -1;
    return Anim_Count(root + "/" + s.textures[slot].name + ".dat");
}

} // namespace

const std::vector<Contract>& Contracts() {
    static const std::vector<Contract> table = Make_Contracts();
    return table;
}

std::vector<int> Rows(int episode, int scene, Expect what) {
    std::vector<int> out;
    for (const Contract& c : Contracts())
        if (c.episode == episode && c.scene == scene && c.what == what) out.push_back(c.index);
    return out;
}

int Anim_Count(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "r");
    if (!f) return -1;
    float w, h;
    int column, frames, anims = -1;
    if (std::fscanf(f, "%f %f %d %d %d", &w, &h, &column, &frames, &anims) != 5) anims = -1;
    std::fclose(f);
    return anims;
}

bool Check_Contracts(int episode, int scene, const writers::SceneFiles& s, const std::string& root,
                     std::string& error) {
    error.clear();
    for (const Contract& c : Contracts()) {
        if (c.episode != episode || c.scene != scene) continue;
        std::string broken;
        const std::string where = "scene " + std::to_string(episode) + "/" + std::to_string(scene) + ": " +
                                  Kind_Name(c.what) + " " + std::to_string(c.index) + " (" + c.why + "): ";
        switch (c.what) {
        case Expect::object: {
            if (c.index >= (int)s.objects.size()) {
                broken = "missing (the scene has " + std::to_string(s.objects.size()) + " objects)";
                break;
            }
            const writers::ObjectRec& o = s.objects[c.index];
            if (c.code != ANY && o.type != c.code)
                broken = "type " + std::to_string(o.type) + ", expected " + std::to_string(c.code);
            else if (c.kind != ANY && o.sector_action != c.kind)
                broken = "kind " + std::to_string(o.sector_action) + ", expected " + std::to_string(c.kind);
            else if (c.sector != ANY && o.sector != c.sector)
                broken = "sector " + std::to_string(o.sector) + ", expected " + std::to_string(c.sector);
            else if (c.kind != ANY && Slot_Anims(s, o.id, root) <= o.anim + 1)
                broken = "slot " + std::to_string(o.id) + " has no animation " + std::to_string(o.anim + 1) +
                         " to play when the player walks up";
            else if (c.anims > 0) {
                const int n = Slot_Anims(s, o.id, root);
                if (n < c.anims)
                    broken = "slot " + std::to_string(o.id) + " has " + (n < 0 ? std::string("no animations")
                                                                          : std::to_string(n) + " animations") +
                             ", expected at least " + std::to_string(c.anims);
            }
            break;
        }
        case Expect::point:
            if (c.index >= (int)s.points.size())
                broken = "missing (the scene has " + std::to_string(s.points.size()) + " points)";
            else if (c.code != ANY && s.points[c.index].c1 != c.code)
                broken = "code " + std::to_string(s.points[c.index].c1) + ", expected " + std::to_string(c.code);
            break;
        case Expect::touch:
        case Expect::destroy:
        case Expect::gate: {
            if (c.index >= (int)s.objects.size()) {
                broken = "missing (the scene has " + std::to_string(s.objects.size()) + " objects)";
                break;
            }
            const writers::ObjectRec& o = s.objects[c.index];
            if (c.code != ANY && o.type != c.code)
                broken = "type " + std::to_string(o.type) + ", expected " + std::to_string(c.code);
            else if (c.kind != ANY && c.what != Expect::touch && o.sector_action != c.kind)
                broken = "kind " + std::to_string(o.sector_action) + ", expected " + std::to_string(c.kind);
            else if (c.what == Expect::touch) {
                // As the story has it when he must click it: its script may give it its kind.
                writers::ObjectRec as = o;
                if (c.kind != ANY) as.sector_action = c.kind;
                Selectable(as, broken);
            }
            else if (c.what == Expect::destroy)
                Takes_Damage(o, broken);
            break;
        }
        case Expect::slot:
            if (c.index >= (int)s.textures.size())
                broken = "missing (the scene has " + std::to_string(s.textures.size()) + " slots)";
            else if (c.anims > 0) {
                const int n = Slot_Anims(s, c.index, root);
                if (n < c.anims)
                    broken = (n < 0 ? std::string("no animations") : std::to_string(n) + " animations") +
                             ", expected at least " + std::to_string(c.anims);
            }
            break;
        }
        if (!broken.empty()) error += where + broken + "\n";
    }
    if (!error.empty()) error.pop_back();
    return error.empty();
}

} // namespace compiler
