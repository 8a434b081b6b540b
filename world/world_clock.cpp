#include "world/world_clock.h"

#include <cstdlib>

#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/sound_requests.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "hud/hud.h"
#include "platform/timer.h"
#include "world/animate.h"
#include "world/collision.h"
#include "world/turning.h"

namespace {

constexpr float FULL_DAY = 100.1f;    // the light of full day
constexpr float NIGHT_LIGHT = 20.0f;  // the light of the night hours
constexpr float DUSK_STEP = 0.326f;   // light change per tenth of a minute at dusk and dawn
constexpr int EVENT_PAUSE = 60000;    // dusk and dawn events fire at most once a minute
constexpr float LAYER_ALPHA = 0.4f;   // alpha of a weather layer at full strength
constexpr float ALPHA_STEP = 0.01f;

constexpr int DUSK_HOUR = 22;
constexpr int DAWN_HOUR = 5;

bool Have_Player() { return Valid_Sprite(p1_id); }

// The HUD items of the current weather's layers; the first one leads the fades.
int Weather_Layers(int layers[2]) {
    if (weather_type == WEATHER_CLOUDS) {
        layers[0] = HUD_CLOUDS;
        return 1;
    }
    layers[0] = HUD_RAIN_A;
    layers[1] = HUD_RAIN_B;
    return 2;
}

// The player says a message at a dusk or dawn event in walk scenes, with its sound.
void Time_Of_Day_Message(int message, bool& sound) {
    if (game_mode != MODE_WALK) return;
    if (p1_id != -1) Display_Message(p1_id, message);
    sound = true;
}

// A lamp or sleeping object's footprint follows its presence when it carries one.
void Set_Present(int i, bool present) {
    object& o = sprite[i];
    o.mouseover = !present;
    if (o.grab_switch) Generate_Object_Collision(i, !present);
}

} // namespace

void Calculate_Light() {
    Trace_Call("Calculate_Light");
    const int now = Now();
    const int t = minutes * 10 + seconds;

    // 1. The weather starts at its hour; the next start is drawn at once.
    if (hours == next_rain && weather == WEATHER_NONE && !in_dungeon) {
        weather = WEATHER_FADE_IN;
        const bool one_in_three = std::rand() % 3 == 0;
        weather_type = (one_in_three && !daytime) ? WEATHER_CLOUDS : WEATHER_RAIN;
        if (weather_type == WEATHER_RAIN) untie_sfx = true;
        next_rain = std::rand() % 5 + hours + 1;
        if (next_rain > 23) next_rain -= 24;
    }

    // 2. Dusk.
    if (!in_dungeon && hours == DUSK_HOUR) {
        Light_Level = 100.0f - DUSK_STEP * t;
        if (minutes > 14 && now > wakeup_timer) {
            daytime = true;
            Turn_On_Lights();
            Sleep_Sprites();
            Time_Of_Day_Message(msg_id::NIGHTTIME, owl_sfx);
            wakeup_timer = now + EVENT_PAUSE;
        }
    }

    // 3. Dawn.
    if (!in_dungeon && hours == DAWN_HOUR) {
        Light_Level = NIGHT_LIGHT + DUSK_STEP * t;
        if (minutes > 14 && now > wakeup_timer) {
            daytime = false;
            shop_special1 = std::rand() % 5;
            shop_special2 = std::rand() % 5;
            shop_special3 = std::rand() % 5;
            shop_special4 = std::rand() % 5;
            Turn_On_Lights();
            Sleep_Sprites();
            Time_Of_Day_Message(msg_id::DAYTIME, wakeup_sfx);
            wakeup_timer = now + EVENT_PAUSE;
        }
    }

    // 4. Limits, and the flat light of the night and day hours.
    if (Light_Level <= 4.0f) Light_Level = NIGHT_LIGHT;
    if (Light_Level >= FULL_DAY) Light_Level = FULL_DAY;
    if (hours >= 23 || hours <= 4) Light_Level = NIGHT_LIGHT;
    if (hours >= 6 && hours <= 21) Light_Level = FULL_DAY;

    // 5. Night runs from 22:15 to 5:14.
    daytime = hours >= 23 || hours <= 5;
    if (hours == DUSK_HOUR && minutes > 14) daytime = true;
    if (hours == DAWN_HOUR && minutes > 14) daytime = false;

    // 6. No daylight reaches a dungeon.
    if (in_dungeon) Light_Level = 0.0f;
}

void Scroll_Clouds(int f_rate) {
    if (!hud) return;
    float su = 0.0003f, sv = 0.0003f;
    constexpr float drift = 0.0001f;
    if (Have_Player() && sprite[p1_id].moving) {
        switch (Convert_Angle_To_Dir(sprite[p1_id].angle)) {
            case dir_code::UP: sv += drift; break;
            case dir_code::DOWN: sv -= drift; break;
            case dir_code::LEFT: su -= drift; break;
            case dir_code::RIGHT: su += drift; break;
            case dir_code::UP_RIGHT: su += drift; sv += drift; break;
            case dir_code::UP_LEFT: su -= drift; sv += drift; break;
            case dir_code::DOWN_RIGHT: su += drift; sv -= drift; break;
            case dir_code::DOWN_LEFT: su -= drift; sv -= drift; break;
            default: break;
        }
    }
    object& c = hud[HUD_CLOUDS];
    for (int k = 0; k < 4; ++k) {
        c.u[k] += f_rate * su;
        c.v[k] += f_rate * sv;
    }
}

void Calculate_Rain(int f_rate) {
    Trace_Call("Calculate_Rain");
    if (!hud) return;
    const int now = Now();
    int layers[2];
    const int n = Weather_Layers(layers);
    const bool clouds = weather_type == WEATHER_CLOUDS;
    object& lead = hud[layers[0]];

    if (weather == WEATHER_FADE_IN) {
        rain_angle = 0.0f;
        if (now > rain_timer) {
            rain_timer = now + 100;
            for (int k = 0; k < n; ++k) hud[layers[k]].alpha += ALPHA_STEP;
            if (clouds && now > rain_angle_timer) {
                Scroll_Clouds(f_rate);
                rain_angle_timer = now + 50;
            }
            // The fade counts in steps of 0.01, so allow for the rounding of the sum.
            if (lead.alpha >= LAYER_ALPHA - 0.001f) {
                weather = WEATHER_RUNNING;
                rain_timer = now + std::rand() % 230000 + 10000;
            }
        }
    } else if (weather == WEATHER_RUNNING) {
        for (int k = 0; k < n; ++k) hud[layers[k]].alpha = LAYER_ALPHA;
        if (!clouds) {
            if (now > rain_angle_timer) {
                rain_angle += 0.1f;
                if (rain_angle > 10.0f) rain_angle = 10.0f;
                rain_angle_timer = now + 50;
            }
        } else if (now > rain_angle_timer) {
            Scroll_Clouds(f_rate);
            rain_angle_timer = now + 100;
        }
        if (now > rain_timer) weather = WEATHER_FADE_OUT;
    } else if (weather == WEATHER_FADE_OUT) {
        if (now > rain_timer) {
            rain_timer = now + 100;
            if (clouds) {
                if (now > rain_angle_timer) {
                    Scroll_Clouds(f_rate);
                    rain_angle_timer = now + 50;
                }
            } else {
                rain_angle -= 0.1f;
                if (rain_angle <= 0.01f) rain_angle = 0.01f;
            }
            for (int k = 0; k < n; ++k) hud[layers[k]].alpha -= ALPHA_STEP;
            if (lead.alpha <= 0.02f) {
                for (int k = 0; k < n; ++k) hud[layers[k]].alpha = 0.0f;
                weather = WEATHER_NONE;
                rain_timer = 0;
                if (!clouds) stop_rain_sfx = 1;
            }
        }
    }
}

void Turn_On_Lights() {
    if (game_mode != MODE_WALK || in_dungeon || !sprite) return;
    const int count = light_count < 0 ? 0 : (light_count > LIGHT_LIST_SIZE ? LIGHT_LIST_SIZE : light_count);
    for (int k = 0; k < count; ++k) {
        const int i = light_list[k];
        if (i < 0 || i >= MAX_SPRITES) continue;
        object& lamp = sprite[i];
        if (lamp.type != OBJ || lamp.sector_action != OBJ_LIGHT) continue;
        const bool night = daytime;
        Set_Sprite(i, lamp.base_anim + (night ? 1 : 0), ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
        lamp.linked_sprite = night ? LIGHT_ON : LIGHT_OFF;
    }
}

void Sleep_Sprites() {
    if (!sprite) return;
    const int count = no_sprites < 0 ? 0 : (no_sprites > MAX_SPRITES ? MAX_SPRITES : no_sprites);
    const bool night = daytime;
    for (int i = 0; i < count; ++i) {
        object& o = sprite[i];
        if (o.type != OBJ || o.rank == sleep_rule::NO) continue;
        switch (o.rank) {
            case sleep_rule::ANIM_PLUS_1:
            case sleep_rule::ANIM_PLUS_2:
                // Without a restart, a frame already showing keeps running.
                Set_Sprite(i, o.base_anim + (night ? o.rank : 0), ANIM_LOOP, ANIM_ARRAY_SPRITE, false);
                break;
            case DAY_ONLY: Set_Present(i, !night); break;
            case NIGHT_ONLY: Set_Present(i, night); break;
            default: break;
        }
    }
}
