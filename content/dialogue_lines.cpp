#include "content/dialogue_lines.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/world_state.h"
#include "content/content_state.h"
#include "content/text_reader.h"
#include "platform/platform.h"

namespace {

struct Line {
    int face;
    char a[256];
    char b[256];
};

struct DialogueFile {
    int lines = 0, groups = 0;
    int entries[MAX_TEXT_GROUPS] = {};
    int frames[MAX_TEXT_GROUPS][MAX_GROUP_ENTRIES] = {};
    Line line[MAX_TEXT_LINES];
};

bool ReadDialogue(TextReader& r, DialogueFile& d) {
    if (!r.Int(d.lines) || !r.Int(d.groups)) return false;
    if (d.lines < 0 || d.lines > MAX_TEXT_LINES || d.groups < 0 || d.groups > MAX_TEXT_GROUPS) return false;
    for (int g = 0; g < d.groups; ++g)
        if (!r.Int(d.entries[g]) || d.entries[g] < 0 || d.entries[g] > MAX_GROUP_ENTRIES) return false;
    for (int g = 0; g < d.groups; ++g)
        for (int k = 0; k < d.entries[g]; ++k)
            if (!r.Int(d.frames[g][k])) return false;
    for (int i = 0; i < d.lines; ++i)
        if (!r.Int(d.line[i].face) || !r.Token(d.line[i].a) || !r.Token(d.line[i].b)) return false;
    // Nothing follows the last line: more values mean a text was written with a blank in it
    // and every value after it has shifted.
    return r.AtEnd();
}

void Slot(font& f, float x, float y, float w, float h, float alpha) {
    f.x = x;
    f.y = y;
    f.width = w;
    f.height = h;
    f.alpha = alpha;
}

} // namespace

namespace {
DialogueFile dialogue_file; // the file being read: one load at a time
KEEP_FRESH(dialogue_file);
} // namespace

bool LoadText(sString sfilename) {
    std::memset(counter, 0, sizeof(counter));
    TextReader r(std::string(sfilename.s) + ".txt");
    DialogueFile& d = dialogue_file;
    d = DialogueFile{};
    if (!r.is_open() || !ReadDialogue(r, d)) {
        platform::MessageBox("Couldn't load sceneX.txt", "ERROR", platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return false;
    }
    for (int g = 0; g < d.groups; ++g) {
        multi_txt[g] = d.entries[g];
        for (int k = 0; k < d.entries[g]; ++k) multi_frames[g][k] = d.frames[g][k];
    }
    for (int i = 0; i < d.lines; ++i) {
        hud_face_id[i] = d.line[i].face;
        std::memcpy(hud_text_A[i].s, d.line[i].a, sizeof(hud_text_A[i].s));
        std::memcpy(hud_text_B[i].s, d.line[i].b, sizeof(hud_text_B[i].s));
    }

    for (font& f : counter) f.alpha = 1.0f;
    const bool game = game_mode == MODE_GAME;
    Slot(counter[0], -0.85f, 0.75f, 0.02f, 0.05f, 1.0f);
    Slot(counter[1], 0.7f, 0.75f, 0.02f, 0.05f, 1.0f);
    if (game) {
        std::snprintf(counter[0].word, sizeof(counter[0].word), "0");
        std::snprintf(counter[1].word, sizeof(counter[1].word), "0");
    }
    Slot(counter[2], game ? 0.0f : -0.7f, game ? -0.65f : 0.88f, 0.02f, 0.04f, 1.0f);
    Slot(counter[3], -0.74f, -0.83f, 0.035f, 0.07f, 1.0f);
    Slot(counter[4], 0.0f, 0.0f, 0.02f, 0.06f, 1.0f);
    Slot(counter[5], 0.84f, -0.87f, 0.02f, 0.04f, 1.0f);
    Slot(counter[6], -0.95f, 0.85f, 0.02f, 0.04f, 1.0f);
    const float ys[6] = {0.25f, 0.1f, -0.05f, -0.2f, -0.35f, -0.5f};
    for (int k = 0; k < 6; ++k) Slot(counter[7 + k], -0.5f, ys[k], 0.03f, 0.06f, 0.0f);

    for (font& f : cine_text) f.alpha = 1.0f;
    Slot(cine_text[0], 0.0f, -0.8f, 0.015f, 0.03f, 1.0f);
    Slot(cine_text[1], 0.0f, -0.9f, 0.015f, 0.03f, 1.0f);
    cine_text[0].id = 0;
    cine_text[1].id = 0;
    return true;
}
