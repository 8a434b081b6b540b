#include "main/front_end.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "audio/audio.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/config.h"
#include "content/content_state.h"
#include "content/save_slots.h"
#include "content/snapshots.h"
#include "hud/hud.h"
#include "main/frame_loop.h"
#include "main/messages.h"
#include "main/music.h"
#include "main/sound_bank.h"
#include "main/window.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "world/animate.h"

namespace {

constexpr int NO_ITEM = 99;   // menu_item when no button is under the mouse
constexpr int CAPTION = 5;    // text slot of the caption
constexpr int MAX_CAPTION_LINES = 2;

// ---- Hover captions -------------------------------------------------------------------------
// Buttons whose caption does not depend on the game state. Buttons with a conditional caption
// are handled in Hover_Caption; codes without a caption have none.
struct fixed_caption {
    int type;
    const char* text;
    int lines;  // line breaks of the caption (the caption slot's length)
    bool left;  // msg_left
};
constexpr fixed_caption FIXED_CAPTIONS[] = {
    {fe_type::QUIT_GAME, "Quit_Game", 0, true},
    {BACK1, "Go Back", 0, false},
    {fe_type::SINGLE, "Single^Player", 1, false},
    {MULTI, "Multi^Player", 1, true},
    {FE_DELETE, "Delete_File", 0, true},
    {FE_OPTIONS, "Options", 0, true},
    {FE_RIFLE, "Locked", 0, true},
    {FE_FLAME, "Infantry^Rifle-man", 1, true},
    {FE_MGUN, "Locked", 0, true},
    {FE_TEXT, "Enter_Name", 0, true},
    {FE_FILE_DELETE, "Delete_File", 0, true},
    {FE_BACK, "Back", 0, true},
    {FE_MUSIC, "Music^Volume", 1, true},
    {FE_SFX, "SFX_Volume", 0, true},
    {FE_INCREASE, "Increase^Bet", 1, true},
    {FE_DECREASE, "Decrease^Bet", 1, true},
    {FE_CREDITS, "Credits", 0, true},
    {FE_MKEYBOARD, "Mouse_and^Keyboard", 1, true},
    {FE_MONLY, "Mouse_Only", 0, true},
    {FE_VERSION1, "Check_for^newer^version!", 2, true},
};

// What hovering a button writes: the caption (nullptr leaves the slot's text as it is), its
// line count, its side, and whether radio_sfx is requested. `has` false: no caption at all.
struct caption {
    bool has = false;
    const char* text = nullptr;
    int lines = 0;
    bool left = true;
    bool radio = true;
};

bool Slot_Number_Ok(int n) { return n >= 0 && n < SAVE_SLOTS; }
bool Sprite_Index_Ok(int i) { return i >= 0 && i < MAX_SPRITES; }

// Gold in the gold slot covers the bet.
bool Gold_Covers_Bet() {
    return current_gold >= 0 && current_gold < 16 && player_inv_value[current_gold] >= bet_size;
}

caption Hover_Caption(const object& b, char* buf, size_t size) {
    caption c;
    for (const fixed_caption& f : FIXED_CAPTIONS)
        if (f.type == b.type) {
            c.has = true;
            c.text = f.text;
            c.lines = f.lines;
            c.left = f.left;
            return c;
        }
    switch (b.type) {
    case fe_type::FILE:
        c.has = true;
        if (b.file_full && Slot_Number_Ok(b.sector_action)) {
            std::snprintf(buf, size, "%.7s^Rank:%i", file_names[b.sector_action], b.rank);
            c.text = buf;
            c.lines = 1;
        } else {
            c.text = "New_Game";
        }
        break;
    case FE_START: {
        static constexpr const char* by_kind[] = {"Back", "Start_Game", "Options", "Credits"};
        c.has = true;
        c.text = (b.onDeath_action >= TYPE_BACK && b.onDeath_action <= TYPE_CREDITS) ? by_kind[b.onDeath_action]
                                                                                   : "Start_Game";
        break;
    }
    case FE_ACCEPT:
        if (decision == 3) c = {true, "Accept", 0, true, true};
        break;
    case FE_DECLINE:
        if (decision == 3) c = {true, "Decline", 0, true, true};
        break;
    case FE_SKIP:
        if (decision != 3) c = {true, "Skip_Text", 0, false, true};
        break;
    case FE_CREATE:
        c.has = true;
        if (create_char) c.text = "Go!";
        else if (scene == 5) c.text = "Enter_Data";
        break;
    case FE_FILE_CREATE:
        c.has = true;
        c.text = create_file ? "Go!" : "Enter_Data";
        break;
    case FE_OPTION_CREATE:
        c.has = true;
        c.text = create_option ? "Save^Changes" : "Make^Changes";
        c.lines = 1;
        break;
    case FE_HIT:
        c.has = true;
        c.radio = false;
        if (b.id == 5) c.text = Gold_Covers_Bet() ? "Deal_cards!" : "Out_Of_Gold!";
        else c.text = "Take_a_card";
        break;
    case FE_STICK:
        c.has = true;
        c.radio = false;
        c.text = b.id == 7 ? "Quit" : "Stay";
        break;
    default: break;
    }
    return c;
}

void Write_Caption(const object& b) {
    char buf[64];
    const caption c = Hover_Caption(b, buf, sizeof buf);
    if (!c.has) return;
    font& slot = counter[CAPTION];
    if (c.text) std::snprintf(slot.word, sizeof slot.word, "%s", c.text);
    slot.length = c.lines > MAX_CAPTION_LINES ? MAX_CAPTION_LINES : c.lines;
    msg_left = c.left;
    if (c.radio) radio_sfx = true;
}

// ---- Highlight animations -------------------------------------------------------------------
void Anim(int i, int anim, int state) { Set_Sprite(i, anim, state, ANIM_ARRAY_SPRITE, false); }

bool Skipped_By_Hover(int type) {
    switch (type) {
    case fe_type::NON: case SCROLL: case FE_MOVE: case FE_GFX: case FE_DUCK: case FE_BULLETHOLE:
    case FE_LOGO: case FE_TARGET: case FE_SHOOTABLE: case FE_FLIP:
        return true;
    default: return false;
    }
}

// Buttons whose animation this step leaves alone when they are not hovered.
bool Keeps_Rest_Animation(int type) {
    switch (type) {
    case FE_MUSIC: case FE_SFX: case FE_CARD: case FE_MKEYBOARD: case FE_MONLY: case FE_VERSION1:
        return true;
    default: return false;
    }
}

// Buttons without a hover animation.
bool Keeps_Hover_Animation(int type) {
    switch (type) {
    case fe_type::NON: case FE_MUSIC: case FE_SFX: case FE_CARD: case FE_TARGET: case FE_SHOOTABLE:
    case FE_FLIP: case FE_MKEYBOARD: case FE_MONLY: case FE_VERSION1:
        return true;
    default: return false;
    }
}

void Rest_Animation(int i) {
    const object& b = sprite[i];
    if (b.type != FE_TEXT) Anim(i, 0, ANIM_LOOP);
    if (b.type == fe_type::FILE && i == file_selected) Anim(i, 2, ANIM_LOOP);
    if (b.type == FE_FLAME && character_selected == 20) Anim(i, 2, ANIM_LOOP);
    if (b.type == FE_CREATE && create_char) Anim(i, 1, ANIM_ONCE);
    if (b.type == FE_OPTION_CREATE && create_option) Anim(i, 1, ANIM_LOOP);
    if (b.type == FE_FILE_CREATE && create_file) Anim(i, 1, ANIM_LOOP);
    if (b.type == FE_FILE_DELETE && delete_file) Anim(i, 1, ANIM_LOOP);
}

void Hover_Animation(int i) {
    const object& b = sprite[i];
    if (b.type != FE_RIFLE && b.type != FE_MGUN) Anim(i, 1, ANIM_LOOP);
    if (b.type == FE_FLAME && character_selected == 20) Anim(i, 2, ANIM_LOOP);
    if (b.type == fe_type::FILE && i == file_selected) Anim(i, 2, ANIM_LOOP);
    if (b.type == FE_CREATE) Anim(i, create_char ? 1 : 0, ANIM_ONCE);
    if (b.type == FE_OPTION_CREATE) Anim(i, create_option ? 1 : 0, ANIM_LOOP);
    if (b.type == FE_FILE_CREATE) Anim(i, create_file ? 1 : 0, ANIM_LOOP);
    if (b.type == FE_FILE_DELETE) Anim(i, delete_file ? 1 : 0, ANIM_LOOP);
}

// ---- Step 1: hover pass ---------------------------------------------------------------------
bool Hover_Level() { return Level != LVL_GALLERY && Level != LVL_CARDS && Level != LVL_SHOP; }

void Hover_Pass() {
    const int count = no_sprites < 0 ? 0 : (no_sprites > MAX_SPRITES ? MAX_SPRITES : no_sprites);
    for (int i = 0; i < count; ++i) {
        object& b = sprite[i];
        if (Skipped_By_Hover(b.type)) continue;
        if (b.type == FE_SKIP) b.alpha = decision == 3 ? 0.0f : 1.0f;
        const bool hovered = b.alpha != 0.0f && !b.mouseover && b.w < mouseX && mouseX < b.w + b.box_width &&
                             b.z < mouseY && mouseY < b.z + b.box_height;
        if (hovered) {
            if (i != m_check) Write_Caption(b);
            if (b.type == FE_SKIP && decision != 3 && mouseleft) {
                radio_sfx = true;
                skip_text = true;
                mouseleft = false;
            }
            Message_Limits();
            m_check = i;
            menu_item = i;
        } else if (i != menu_item && !Keeps_Rest_Animation(b.type)) {
            Rest_Animation(i);
        }
    }
}

// ---- Step 3: click actions ------------------------------------------------------------------
// The message panel (HUD item 2) as a box of the given texture slot, height and top, with the
// two parts of the box (HUD items 40 and 41) beside it.
void Place_Box(int slot, float height, float y, int anim, int state) {
    object& box = hud[2];
    box.alpha = 1.0f;
    box.id = slot;
    box.fx_id = animation_fx[slot];
    box.height = height;
    box.width = message_width;
    box.x = message_x;
    box.y = y;
    Set_Sprite(2, anim, state, ANIM_ARRAY_HUD, true);
    for (int k : {40, 41}) {
        hud[k].y = y - 0.05f;
        hud[k].z = y + 0.025f;
    }
}

void Open_Delete_Box() {
    Place_Box(3, message_height, message_y, 9, ANIM_LOOP);
    Set_Sprite(1, 0, ANIM_ONCE, ANIM_ARRAY_SPRITE, true);
    Set_Sprite(14, 0, ANIM_ONCE, ANIM_ARRAY_SPRITE, true);
    m_check = -1;
    file_to_delete = file_selected;
}

void Open_Options_Box(bool second_page) {
    Place_Box(14, 2 * message_height, message_y - message_height / 2, second_page ? 1 : 0, ANIM_ONCE);
    if (second_page) return;
    hud[42].alpha = 1.0f;
    hud[43].alpha = 1.0f;
    in_options = true;
}

// The slot of the selected save-slot button, or -1.
int Selected_Slot() {
    if (!Sprite_Index_Ok(file_selected)) return -1;
    const int n = sprite[file_selected].sector_action;
    return Slot_Number_Ok(n) ? n : -1;
}

bool Selected_Slot_Full() { return Sprite_Index_Ok(file_selected) && sprite[file_selected].file_full; }

// Opens the selected save slot: continues its saved game, or goes to the name page for a new one.
void Open_Slot() {
    player_type = 0;
    ok_sfx = true;
    current_file = Selected_Slot();
    if (current_file == -1) return;
    if (Selected_Slot_Full()) {
        current_new_game = 0;
        go_ahead = 2;
        next_scene = true;
        if (!LoadLevel(Save_Slot_Path(current_file), false)) {
            // The slot could not be read (the loader has said why): stay on this page.
            next_scene = false;
            go_ahead = 0;
            current_file = -1;
        }
    } else {
        current_new_game = 1;
        episode = 0;
        scene = 5;
        next_scene = true;
    }
}

void Start_New_Game() {
    episode = 1;
    scene = 102;
    current_new_game = 1;
    Start_Game();
    Init_Player();
    next_scene = true;
    fade_out = 10;
    c_fade_out = 10;
    medikit_sfx = true;
    current_char = 0;
    std::snprintf(player_name, sizeof player_name, "%.7s", lvl_text);
    cur_letter = 0;
    std::memset(lvl_text, 0, sizeof lvl_text);
}

void Apply_Options() {
    create_option = false;
    if (changed_video) {
        KillGLWindow();
        if (!CreateGLWindow("Varnoth", new_sc_width, new_sc_height, sc_bits, fullscreen)) {
            // No window to go on with (CreateGLWindow has said why). The configuration keeps
            // the settings that worked; the snapshots of this run go with it.
            Remove_Temps(0);
            Release_Sound_Bank();
            audio::CloseDevice();
            platform::Shutdown();
            std::exit(1);  // a failure, for whoever started the game
        }
    }
    SaveCFG();
    changed_video = false;
    pick_up_sfx = true;
}

void Set_Volume_From_Click(object& b, float& volume) {
    b.width = mouseX - b.x;
    if (b.box_width != 0.0f) volume = b.width / b.box_width;
    create_option = true;
}

void Click(int i) {
    mouseleft = false;
    file_to_delete = -1;
    object& b = sprite[i];
    const int type = b.type;

    if (type == FE_FLAME) {
        if (character_selected != 20) stamp_sfx = true;
        character_selected = 20;
    }
    if (type == FE_VERSION1) platform::OpenWebAddress(VERSION_PAGE_URL);
    if (type == FE_TEXT) text_selected = true;
    if (type == fe_type::FILE) {
        if (file_selected == i) {
            Open_Slot();
        } else {
            stamp_sfx = true;
        }
        file_selected = i;
    }
    if (type == FE_INCREASE) {
        bet_size += 50;
        if (bet_size > 1000) bet_size = 1000;
    }
    if (type == FE_DECREASE) {
        bet_size -= 50;
        if (bet_size <= 49) bet_size = 50;
    }
    if (type == FE_HIT && Gold_Covers_Bet()) card_decision = 1;
    if (type == FE_STICK) card_decision = 2;
    if (type == FE_FILE_DELETE && go_ahead == 0 && delete_file) {
        pick_up_sfx = true;
        if (Selected_Slot_Full()) Open_Delete_Box();
    }
    if (type == FE_FILE_CREATE && go_ahead == 0 && create_file) Open_Slot();
    if (type == FE_CREATE && !next_scene && create_char && scene == 5) Start_New_Game();
    if (type == SECRET) {
        scene = b.score;
        episode = b.linked_sprite;
        next_scene = true;
    }
    if (type == FE_BACK || type == FE_START) {
        scene = b.score;
        episode = b.sector;
        next_scene = true;
        pick_up_sfx = true;
    }
    if (type == FE_MUSIC) {
        Set_Volume_From_Click(b, music_volume);
        update_title = true;
    }
    if (type == FE_SFX) Set_Volume_From_Click(b, sfx_volume);
    if (type == FE_OPTION_CREATE && create_option) Apply_Options();
    if (type == fe_type::LOAD_GAME) {
        sString omg{};
        std::snprintf(omg.s, sizeof omg.s, "OMG");
        if (LoadLevel(omg, false)) {
            new_game_timer = Now() + 1000;
            flash_timer = Now();
            pick_up_sfx = true;
            new_game = true;
            fade_out = 15;
            cutscene = true;
        }
    }
    if (type == FE_ACCEPT && decision == 3) {
        decision = 1;
        text_queue = 0;
    }
    if (type == FE_DECLINE && decision == 3) {
        decision = 2;
        text_queue = 0;
    }
    if (type == fe_type::QUIT_GAME) {
        if (episode == 1) {
            episode = 2;
            scene = 0;
            current_spawn = 8;
            next_scene = true;
        } else {
            done = true;
            quitting = false;
            Stop_End_Snd();
        }
    }
    if (type == FE_OPTIONS) Open_Options_Box(false);
    if (type == MULTI) Open_Options_Box(true);
}

// ---- Page conversations ---------------------------------------------------------------------
struct front_page {
    int episode, scene, conversation;
};
// Tested in this order.
constexpr front_page FRONT_PAGES[] = {
    {1, 0, 1},   {1, 122, 83}, {1, 16, 35}, {1, 19, 40}, {1, 20, 41}, {1, 13, 32}, {1, 14, 33},
    {1, 15, 34}, {1, 9, 29},   {1, 72, 68}, {1, 68, 67}, {1, 91, 78}, {1, 92, 79}, {1, 86, 77},
    {1, 10, 30}, {1, 17, 36},  {1, 11, 31}, {1, 27, 46}, {1, 32, 49}, {1, 33, 50}, {1, 42, 53},
    {1, 43, 59}, {1, 41, 58},  {1, 44, 60}, {1, 45, 61}, {1, 37, 54}, {1, 38, 55}, {1, 46, 63},
    {1, 49, 64}, {1, 74, 69},  {1, 60, 65}, {1, 65, 66}, {1, 83, 74}, {1, 39, 56}, {1, 76, 70},
    {1, 77, 71}, {1, 78, 72},  {1, 81, 73}, {1, 93, 81}, {1, 29, 48}, {1, 40, 57}, {1, 1, 11},
    {1, 28, 47}, {1, 2, 15},   {1, 5, 17},  {1, 3, 16},
    {4, 1, 13},  {4, 3, 12},   {4, 5, 14},
};

} // namespace

void Run_Front_Buttons() {
    Trace_Call("Run_Front_Buttons");
    menu_item = NO_ITEM;
    if (!sprite || !hud) return;

    // 1. hover pass
    if (fade >= 0.7f && Hover_Level()) Hover_Pass();

    // 2. pointer, caption and hover animation
    if (Level != LVL_GALLERY && Level != LVL_CARDS && Level != LVL_FILE_SELECT && Level != LVL_MENU &&
        Level != LVL_SHOP)
        Set_Sprite(1, 0, ANIM_LOOP, ANIM_ARRAY_HUD, false);
    if (Level != LVL_CARDS && Level != LVL_SHOP && !new_game && menu_item == NO_ITEM && !on_some_text) {
        m_check = -1;
        counter[CAPTION].word[0] = 0;
    }
    const bool item = menu_item != NO_ITEM && Sprite_Index_Ok(menu_item);
    if (!new_game && item && !Keeps_Hover_Animation(sprite[menu_item].type)) Hover_Animation(menu_item);

    // 3. click
    if (!next_scene && !new_game && mouseleft && item) Click(menu_item);
}

void Run_Front_Messages(int f_rate) {
    Trace_Call("Run_Front_Messages");
    if (game_mode != MODE_FRONT || fade != 1.0f || next_scene || (episode != 1 && episode != 4)) return;
    // Each row reads the page afresh: a conversation that ends and moves to another page with
    // a row further down runs that one too in this tick.
    for (const front_page& p : FRONT_PAGES)
        if (p.episode == episode && p.scene == scene) Display_Front_Message(p.conversation, f_rate);
}

int Front_Conversation(int e, int s) {
    for (const front_page& p : FRONT_PAGES)
        if (p.episode == e && p.scene == s) return p.conversation;
    return 0;
}
