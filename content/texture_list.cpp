#include "content/texture_list.h"

#include <cstring>
#include <vector>

#include <GL/gl.h>

#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/error_box.h"
#include "content/text_reader.h"
#include "content/tga_loader.h"
#include "render/texture_opacity.h"
#include "world/world_clock.h"

namespace {

// Loads name + ".tga" for a slot of the given kind.
bool LoadSlotImage(Texture& tex, const std::string& name, int kind) {
    const std::string path = name + ".tga";
    return Kind_Is_Keyed(kind) ? sLoadTGA(&tex, path.c_str()) : LoadTGA(&tex, path.c_str());
}

// Uploads a decoded image into a new texture name and frees its pixels.
void Upload(Texture& tex, unsigned int& name, bool linear) {
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    const GLint filter = linear ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    // Rows of a decoded image are packed: an RGB row of odd width is not padded to 4 bytes.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const GLenum format = tex.bpp == 24 ? GL_RGB : GL_RGBA;
    glTexImage2D(GL_TEXTURE_2D, 0, (GLint)format, (GLsizei)tex.width, (GLsizei)tex.height, 0, format,
                 GL_UNSIGNED_BYTE, tex.imageData);
    Note_Texture_Opacity(name, tex.imageData, (unsigned long)tex.width * tex.height, format == GL_RGB ? 3 : 4);
    delete[] tex.imageData;
    tex.imageData = nullptr;
}

// The values an animation definition carries, read in full before any is applied.
struct AnimDefinition {
    float width, height;
    int column, frames, no_of_anims;
    bool rythm;
    int anim_frames[150];
    int delay[150];
    int anims[150][150];
};

bool ReadAnimDefinition(TextReader& r, AnimDefinition& d) {
    if (!r.Real(d.width) || !r.Real(d.height) || !r.Int(d.column) || !r.Int(d.frames) || !r.Int(d.no_of_anims) ||
        !r.Flag(d.rythm))
        return false;
    if (d.frames < 1 || d.frames > 150 || d.column < 1 || d.column > d.frames || d.no_of_anims < 0 ||
        d.no_of_anims > 150)
        return false;
    for (int a = 0; a < d.no_of_anims; ++a)
        if (!r.Int(d.anim_frames[a]) || d.anim_frames[a] < 0 || d.anim_frames[a] > 150) return false;
    for (int k = 0; k < d.frames; ++k)
        if (!r.Int(d.delay[k])) return false;
    for (int a = 0; a < d.no_of_anims; ++a)
        for (int k = 0; k < d.anim_frames[a]; ++k)
            if (!r.Int(d.anims[a][k]) || d.anims[a][k] < 0 || d.anims[a][k] >= 150) return false;
    return true;
}

// Backgrounds of the stats screen's return scene.
const char* WarpBackground(int e, int s) {
    auto in = [s](std::initializer_list<int> l) {
        for (int v : l)
            if (v == s) return true;
        return false;
    };
    if (e == 3) {
        if (in({2, 26, 27, 28})) return "Data/gallery/fortress_bg";
        if (in({3, 14, 16, 17, 18, 21})) return "Data/gallery/bg_beach";
        if (s == 4) return "Data/gallery/bg_farms1";
        if (in({5, 6, 7, 19, 20}) || (s >= 30 && s <= 37)) return "Data/gallery/bunker_bg";
        if (in({9, 22})) return "Data/gallery/bg_cave";
        if (in({11, 12, 13})) return "Data/gallery/straw_bg";
        if (in({23, 29})) return "Data/gallery/secret_lab";
        if (in({24, 25})) return "Data/gallery/tunnel_bg3";
    } else if (e == 2) {
        if (s == 1) return "Data/gallery/bg_front";
        if (s == 2) return "Data/gallery/bg_village";
        if (s == 4 || s == 9) return "Data/gallery/bg_farms1";
        if (s == 5) return "Data/gallery/bg_beach";
        if (s == 8) return "Data/gallery/bg_garden";
    }
    return nullptr;
}

// Picks by the player's character: 0 keeps the name.
void ByChar(std::string& n, const char* c1, const char* c2) {
    if (current_char == 1 && c1) n = c1;
    else if (current_char == 2 && c2) n = c2;
}

AnimDefinition anim_definition; // large; one load at a time
KEEP_FRESH(anim_definition);

} // namespace

sString Make_sString(const char* s) {
    sString out{};
    std::strncpy(out.s, s, sizeof(out.s) - 1);
    return out;
}

std::string Swap_Texture_Name(const std::string& name) {
    std::string n = name;
    const bool night = daytime;
    if (n == "Data/gallery/bg_warp") {
        if (const char* bg = WarpBackground(stats_episode, stats_scene)) n = bg;
    }
    if (n == "Data/chars/green_gunner1") {
        if (current_char == 1) n = "Data/chars/green_trench1";
        if (global_objects[60] != 1) n = "Data/chars/green_gunner_case";
    }
    if (n == "Data/chars/green_gunner") ByChar(n, "Data/chars/green_trench", nullptr);
    if (n == "Data/chars/green_gunner2") ByChar(n, "Data/chars/green_trench2", nullptr);
    if (n == "Data/chars/green_gunner3") ByChar(n, "Data/chars/green_trench3", nullptr);
    if (n == "Data/chars/green_gunnerW") ByChar(n, "Data/chars/green_trenchW", nullptr);
    if (n == "Data/hud/faces") ByChar(n, "Data/hud/faces2", "Data/hud/faces3");
    if (n == "Data/front/back_head") ByChar(n, "Data/front/back_head2", "Data/front/back_head3");
    if (n == "Data/front/char2" && global_objects[58] == 0) n = "Data/front/char4";
    if (n == "Data/front/char3" && global_objects[59] == 0) n = "Data/front/char5";
    if (n == "Data/chars/casino") ByChar(n, "Data/chars/trench", "Data/chars/sniper");
    if (n == "Data/chars/mud") ByChar(n, "Data/chars/mud1", "Data/chars/mud2");
    if (n == "Data/level10/cave_fx0" && global_objects[27] == 1) {
        if (Level == 15) n = "Data/level10/cave_fx1";
        else if (Level == 36) n = "Data/level10/cave_fx2";
        else if (Level == 37) n = "Data/level10/cave_fx3";
    }
    if (n == "Data/level11/church_fx1" && global_objects[33] == 1) n = "Data/level11/church_fx2";
    if (n == "Data/chars/falling1") ByChar(n, "Data/chars/falling2", "Data/chars/falling3");
    if (n == "Data/gallery/pillow") ByChar(n, "Data/gallery/pillow1", "Data/gallery/pillow2");
    if (n == "Data/gallery/pistol") ByChar(n, "Data/gallery/pistol1", nullptr);
    if (n == "Data/chars/tnt") ByChar(n, "Data/chars/tnt1", "Data/chars/tnt2");
    if (n == "Data/gallery/news_recruit") {
        if (current_act == 2) n = "Data/gallery/news_recruit1";
        else if (current_act == 3) n = "Data/gallery/news_recruit2";
        else if (current_act == 4) n = "Data/gallery/news_recruit3";
    }
    if (n == "Data/chars/dead") ByChar(n, "Data/chars/dead1", "Data/chars/dead2");
    if (n == "Data/cards/card" && card_selected >= 1 && card_selected <= 36 && global_cards[card_selected - 1] != 0)
        n = "Data/cards/card" + std::to_string(card_selected);
    if (night) {
        if (n == "Data/gallery/bg_beach") n = "Data/gallery/bg_beachN";
        if (n == "Data/gallery/sarge_hq") n = "Data/gallery/sarge_hqN";
        if (n == "Data/gallery/bg_front") n = "Data/gallery/bg_frontN";
        if (n == "Data/gallery/bg_village") n = "Data/gallery/bg_villageN";
        if (n == "Data/gallery/jack_bg") n = "Data/gallery/jack_bgN";
        if (n == "Data/gallery/bg_farms1") n = "Data/gallery/bg_farms1N";
        if (n == "Data/gallery/bg_garden") n = "Data/gallery/bg_gardenN";
    }
    if (n == "Data/gallery/tent_bg") {
        if (current_act == 2) n = night ? "Data/gallery/tent_bgN" : "Data/gallery/tent_bgD";
        else if (current_act == 3) n = "Data/gallery/tent_bg3";
    }
    if (n == "Data/gallery/tents2") {
        if (current_act == 2) n = "Data/gallery/tents1";
        else if (current_act == 3) n = "Data/gallery/tents3";
    }
    if (n == "Data/chars/dogman" && current_act == 2) n = "Data/chars/dogmanD";
    if (n == "Data/chars/wages" && current_act == 2) n = "Data/chars/battleship";
    if (n == "Data/gallery/tune_tent") {
        if (current_act == 2) n = "Data/gallery/tune_tentB";
        else if (current_act == 3) n = "Data/gallery/tune_tent3";
    }
    if (n == "Data/gallery/tent_hqD" && night) n = "Data/gallery/tent_hqN";
    if (n == "Data/gallery/tent_hq" && current_act == 3) n = "Data/gallery/tent_hq3";
    if (n == "Data/gallery/tunnel_bg") {
        if (tunnel_page == 2) n = "Data/gallery/tunnel_bg1";
        else if (tunnel_page == 3) n = "Data/gallery/tunnel_bg3";
    }
    if (n == "Data/front/cloth") {
        if (medal_page == 2) n = "Data/front/cloth1";
        else if (medal_page == 3) n = "Data/front/cloth3";
    }
    return n;
}

int LoadAnim(sString sfilename, int texture_id, int the_tex_id) {
    int sheet = the_tex_id;
    if (the_tex_id == -1) {
        if (g_fx_id >= MAX_ANIM_SHEETS) { // every sheet is taken: refuse, overwrite none
            Error_Box("Couldn't load texture.dat");
            return -1;
        }
        sheet = g_fx_id;
    } else if (the_tex_id < 0 || the_tex_id >= MAX_ANIM_SHEETS) {
        Error_Box("Couldn't load texture.dat");
        return -1;
    }
    animation_texture& t = a_texture[sheet];
    t.id = texture_id;

    TextReader r(std::string(sfilename.s) + ".dat");
    if (!r.is_open()) {
        Error_Box("Couldn't load texture.dat");
    } else {
        AnimDefinition& d = anim_definition;
        if (!ReadAnimDefinition(r, d)) {
            Error_Box("Couldn't load texture.dat");
        } else {
            t.width = d.width;
            t.height = d.height;
            t.column = d.column;
            t.frames = d.frames;
            t.no_of_anims = d.no_of_anims;
            t.rythm = d.rythm;
            for (int a = 0; a < d.no_of_anims; ++a) t.anim_frames[a] = d.anim_frames[a];
            for (int k = 0; k < d.frames; ++k) t.delay[k] = d.delay[k];
            for (int a = 0; a < d.no_of_anims; ++a)
                for (int k = 0; k < d.anim_frames[a]; ++k) t.anims[a][k] = d.anims[a][k];
        }
    }
    if (the_tex_id == -1) {
        ++g_fx_id;
        return g_fx_id - 1;
    }
    return the_tex_id;
}

bool LoadGLTextures(sString sfilename, bool delete_textures) {
    g_fx_id = 0;
    if (delete_textures && texID && numsubmtls > 0) {
        Forget_Texture_Opacity(texID, numsubmtls);
        glDeleteTextures(numsubmtls, texID);
    }
    // The previous array goes either way; without deletion its names belonged to a context
    // that is gone. Nothing may keep pointing at it.
    delete[] texID;
    texID = nullptr;
    numsubmtls = 0;

    TextReader r(std::string(sfilename.s) + ".txd");
    if (!r.is_open()) {
        Error_Box("Couldn't load sceneX.txd");
        return false;
    }
    int count = 0;
    bool good = r.Int(count) && count >= 0 && count <= MAX_TEXTURE_SLOTS;
    std::vector<int> kinds;
    std::vector<std::string> names;
    if (good) {
        kinds.resize(count);
        names.resize(count);
        char name[256];
        for (int i = 0; i < count && good; ++i) {
            good = r.Int(kinds[i]) && r.Token(name);
            if (good) names[i] = name;
        }
    }
    if (!good) {
        Error_Box("Couldn't load sceneX.txd");
        return false;
    }

    numsubmtls = count;
    texID = new unsigned int[count > 0 ? count : 1]();
    std::memset(texture_fx, 0, sizeof(texture_fx));
    for (int i = 0; i < count; ++i) {
        texture_fx[i] = kinds[i];
        names[i] = Swap_Texture_Name(names[i]);
    }
    std::memset(animation_fx, 0, sizeof(animation_fx));

    for (int i = 0; i < count; ++i) {
        if (Kind_Is_Animated(texture_fx[i])) {
            animation_fx[i] = LoadAnim(Make_sString(names[i].c_str()), i, -1);
            if (animation_fx[i] < 0) return false; // more animated slots than sheets
        } else {
            animation_fx[i] = -1;
        }
        Texture tex{};
        if (!LoadSlotImage(tex, names[i], texture_fx[i])) return false;
        Upload(tex, texID[i], sc_blur);
    }
    return true;
}

bool Change_Texture(sString sfilename, int loop) {
    if (!texID || loop < 0 || loop >= numsubmtls) {
        Error_Box("Invalid texture slot");
        return false;
    }
    int sheet = 0;
    for (int k = 0; k < g_fx_id && k < MAX_ANIM_SHEETS; ++k)
        if (a_texture[k].id == loop) sheet = k;
    Forget_Texture_Opacity(&texID[loop], 1);
    glDeleteTextures(1, &texID[loop]);
    texID[loop] = 0;
    const int kind = texture_fx[loop];
    if (Kind_Is_Animated(kind))
        animation_fx[loop] = LoadAnim(sfilename, loop, sheet);
    else
        animation_fx[loop] = -1;
    Texture tex{};
    if (!LoadSlotImage(tex, sfilename.s, kind)) return false;
    Upload(tex, texID[loop], true);
    return true;
}
