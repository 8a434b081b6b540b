#include "camp/stats_screen.h"

#include "camp/camp_conventions.h"
#include "combat/medals.h"
#include "common/call_trace.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "hud/hud.h"
#include "hud/item_names.h"
#include "render/font.h"
#include "world/animate.h"

namespace {

constexpr int RETURN_BUTTON = 1;
constexpr int SECRETS = 4, MEDALS = 12, CARDS = 12;  // what the completion counts

// One text column of the page: placed at y 0.6, glyphs 0.018 by 0.05, shown.
void Place_Column(int i, float x) {
    counter[i].x = x;
    counter[i].y = 0.6f;
    counter[i].width = 0.018f;
    counter[i].height = 0.05f;
    counter[i].alpha = 1.0f;
}

// The rank name appended to the middle column; empty past the last rank.
const char* Rank_Name(int rank) {
    if (rank == 0 || rank == 1) return "_Grunt";
    if (rank >= 2 && rank <= 5) return "_Private";
    if (rank >= 6 && rank <= 9) return "_Sargeant";
    if (rank >= 10 && rank <= 13) return "_Lieutenant";
    if (rank >= 14 && rank <= 17) return "_Captain";
    if (rank >= 18 && rank <= 21) return "_Colonel";
    if (rank >= 22 && rank <= 25) return "_Major";
    if (rank >= 26 && rank <= 29) return "_General";
    return "";
}

} // namespace

void Run_Stats(int) {
    Trace_Call("Run_Stats");

    // Left column: gold, kills, deaths and the play time as _hh:mm:ss.
    const int gold =
        current_gold >= 0 && current_gold < 16 ? player_inv_value[current_gold] : 0;
    Text_Printf(0, "Gold^_%i^Kill_count^_%i^Times_died^_%i^Game_time^%s%i:%s%i:%s%i", gold,
                player_kill_count, player_death_count, player_hours <= 9 ? "_0" : "_",
                player_hours, player_minutes <= 9 ? "0" : "", player_minutes,
                player_seconds <= 9 ? "0" : "", player_seconds);
    Place_Column(0, -0.68f);

    int secrets = 0, medals = 0, cards = 0;
    for (int i = 0; i < SECRETS; ++i)
        if (global_objects[i] == 1) ++secrets;
    for (int i = 0; i < MEDALS; ++i)
        if (global_medals[i] == 1) ++medals;
    for (int i = 0; i < CARDS; ++i)
        if (global_cards[i] != 0) ++cards;

    Text_Printf(1, "Secrets^_%i of 4^Medals^_%i of 12^Cards^_%i of 12^Rank^%s", secrets, medals,
                cards, Rank_Name(player_rank));
    Place_Column(1, -0.08f);

    const int complete =
        (int)((float)(secrets + medals + cards) / (float)(SECRETS + MEDALS + CARDS) * 100.0f);
    const float distance = (float)player_miles + (float)player_walked / 3280.0f;
    if (player_miles == 0)
        Text_Printf(2, "Crates^_%i^Knived^_%i^Walked^_%ift^Complete^_%i\300", player_crate_count,
                    player_knife_count, player_walked, complete);
    else
        Text_Printf(2, "Crates^_%i^Knived^_%i^Walked^_%0.1fkm^Complete^_%i\300",
                    player_crate_count, player_knife_count, distance, complete);
    Place_Column(2, 0.48f);

    Camp_Blank_Tooltip();

    if (sprite == nullptr || sprite[RETURN_BUTTON].alpha != 1.0f) return;
    const bool hovered = Camp_Hover_Sprite(RETURN_BUTTON);
    Set_Sprite(RETURN_BUTTON, hovered ? 1 : 0, ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
    if (!hovered) return;
    Camp_Tooltip("Return^to_game", BOX_TWO_LINES, false);
    if (mouseleft) {
        scene = stats_scene;
        episode = stats_episode;
        in_stats = true;
        next_scene = true;
        mouseleft = false;
    }
}
