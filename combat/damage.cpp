#include "combat/damage.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

#include "combat/combat.h"
#include "common/call_trace.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/records.h"
#include "common/scene_state.h"
#include "common/sound_requests.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/scene_loader.h"
#include "hud/hud.h"
#include "main/keyboard.h"
#include "main/messages.h"
#include "main/mouse_code.h"
#include "platform/timer.h"
#include "world/collision.h"
#include "world/effects.h"
#include "world/particles.h"

namespace {

// Speech-bubble ids shown by a hit.
constexpr int MESSAGE_MERCY = 26;
constexpr int MESSAGE_SIGHT = 20;
constexpr int MESSAGE_RESCUE = 32;


bool Is_Water_Tile(int t) { return t >= 480 && t <= 483; }

float Centre_X(const object& o) { return o.w + o.box_width / 2; }
float Centre_Y(const object& o) { return o.z + o.box_height / 2; }

// Hit points never wrap: a score is taken down (or up) as far as an int reaches.
void Take_Points(object& victim, long long points) {
    long long s = (long long)victim.score - points;
    if (s < INT_MIN) s = INT_MIN;
    if (s > INT_MAX) s = INT_MAX;
    victim.score = (int)s;
}

// A float damage value truncated to an int, kept within range (NaN counts as 0).
long long Truncate(float v) {
    if (!(v == v)) return 0;
    if (v >= 2.0e9f) return 2000000000LL;
    if (v <= -2.0e9f) return -2000000000LL;
    return (long long)v;
}

// map_col mark of a water cell a body fell or was pushed into.
constexpr char COL_PUSHED_WATER = 8;

// The map_col mark of the cell under a point after a body fell or was pushed there;
// points off the map leave the grid alone.
void Mark_Cell(float x, float y, char mark) {
    int cell = Cell_Of(x, y);
    if (cell < 0) return;
    map_col[cell] = Is_Water_Tile(tiles[cell]) ? COL_PUSHED_WATER : mark;
}

// The burning or knife effect left on a fallen unit.
void Body_Effect(const object& v, int anim) {
    New_FX({.x = v.x, .y = v.y - 0.0001f, .w = v.w, .z = v.z, .anim = anim, .anim_state = 1, .box_width = v.width,
            .box_height = v.height, .width = v.width, .height = v.height, .priority = 2, .type = 15, .tex_id = 2});
}

bool One_Of(int v, std::initializer_list<int> set) {
    for (int s : set)
        if (v == s) return true;
    return false;
}

// Pushes the victim one small step away from the shooter's centre, each axis only where the
// way is free. The shooter is a record, so a hit from the reserved shooter can use its copy.
void Knock_Back_From(const object& s, int guy_shot) {
    Trace_Call("Knock_Back");
    object& v = sprite[guy_shot];
    const float sx = Centre_X(s), sy = Centre_Y(s);
    const float vx = Centre_X(v), vy = Centre_Y(v);
    int cell = Cell_Of(vx, vy);
    if (cell >= 0) map_col[cell] = COL_FREE;

    const float angle = std::atan2(vy - sy, vx - sx);
    const float dx = std::cos(angle) * 1.2f * 0.03f;
    const float dy = std::sin(angle) * 1.2f * sc_ratio * 0.03f;
    object moved = v;
    moved.x += dx;
    moved.w += dx;
    if (Test_Collision(moved, 0.0f, 0.0f, false, guy_shot, false) == 0) {
        v.x += dx;
        v.w += dx;
    }
    moved = v;
    moved.y += dy;
    moved.z += dy;
    if (Test_Collision(moved, 0.0f, 0.0f, false, guy_shot, false) == 0) {
        v.y += dy;
        v.z += dy;
    }
    Mark_Cell(Centre_X(v), Centre_Y(v), v.score > 0 ? (char)COL_FOOTPRINT : (char)COL_FREE);
}

} // namespace

bool Man_Shot(int guy_status, int guy_shot, int guy_shooting, int bullet_type, int f_rate) {
    Trace_Call("Man_Shot");
    if (!Valid_Sprite(guy_shot)) return false;

    // 1. Set-up.
    int torso_targeted = 1;
    int damage_factor = 1;
    bool double_damage = false;
    bool shot_hit_armour = false;
    int exp_gain = 0;
    long long enemy_strength = 0;

    // A hit without a real shooter (hazards, scripts) comes from the reserved shooter. Its
    // fields are only written while slot 749 is not a live sprite of the scene; otherwise a
    // private copy stands in so the scene's last sprite is not overwritten.
    const bool reserved = !Valid_Sprite(guy_shooting);
    if (reserved) guy_shooting = RESERVED_SHOOTER;
    object reserved_copy{};
    object* shooter_rec = &sprite[guy_shooting];
    if (reserved) {
        if (no_sprites > RESERVED_SHOOTER) {
            reserved_copy = sprite[RESERVED_SHOOTER];
            shooter_rec = &reserved_copy;
        }
        shooter_rec->rank = 1;
        shooter_rec->sector = UNIT_BOSS;
        shooter_rec->linked_sprite = 1;
        shooter_rec->score = 10;
    }
    const object& shooter = *shooter_rec;
    object& victim = sprite[guy_shot];

    const bool player_present = Valid_Sprite(p1_id);
    const bool by_player = player_present && !reserved && guy_shooting == p1_id;
    const bool victim_is_player = player_present && guy_shot == p1_id;
    const int vclass = victim.sector;
    const int now = Now();

    if (bullet_type != SHOT_ORDINARY) targeted = 1;
    if (bullet_type == SHOT_SPREAD_CLOSE && shooter.sector == UNIT_SHOTGUN) bullet_type = SHOT_SPREAD_FAR;
    if (bullet_type == SHOT_SPREAD_FAR) targeted = 2;
    if (vclass == UNIT_BOSS && victim.score <= 25) damage_factor = 2;
    if ((bullet_type == SHOT_SPREAD_CLOSE || bullet_type == SHOT_SPREAD_FAR) && by_player && has_double_barrel &&
        has_shotgun_equipped &&
        double_shot)
        double_damage = true;

    // 2. Enemy hit strength.
    if (p1_id != -1 && !by_player) {
        enemy_strength = 6 + 2LL * shooter.rank;
        if (shooter.sector == CHIEF) enemy_strength = (long long)(enemy_strength * 1.5);
        if (shooter.sector == UNIT_SHOTGUN) torso_targeted = targeted;
        if (shooter.sector == UNIT_BOSS) enemy_strength = 4;
        if (shooter.sector == DOG) enemy_strength = 15;
        if (bullet_type == SHOT_SPREAD_FAR) enemy_strength = 12;
        if (bullet_type == SHOT_SPREAD_CLOSE) enemy_strength = 25;
        if (bullet_type == SHOT_BURNING) enemy_strength = 4;
        if (bullet_type == SHOT_FIRE_ROUND) {
            if (st_fire_rounds >= 1 && st_fire_rounds <= 3) enemy_strength = 2 + 2 * st_fire_rounds;
            if (victim_is_player) enemy_strength = 1;
        }
        if (bullet_type == SHOT_GAS) {
            if (st_gas >= 1 && st_gas <= 3) enemy_strength = 1 + st_gas;
            if (victim_is_player) enemy_strength = 1;
        }
    }

    // 3. Ordinary damage.
    const bool ordinary = !One_Of(guy_status, {ATTACK_BLAST, ATTACK_LIGHT_BLAST, STATUS_KNIFE, 63, STATUS_THROWING}) &&
        bullet_type != SHOT_THORNS;
    if (ordinary) {
        if (victim.linked_sprite == player_type) {
            long long enemy_damage = enemy_strength;
            if (victim_is_player) {
                player_health = (float)victim.score;
                enemy_damage = enemy_strength - PLY_DEFENSE / 4;
                victim.heal_timer = now + 3000;
            }
            if (enemy_damage < 1) enemy_damage = 1;
            Take_Points(victim, enemy_damage);
        }
        if (victim.linked_sprite != player_type && !by_player) {
            long long enemy_damage = enemy_strength;
            if (enemy_damage < 1) enemy_damage = 1;
            Take_Points(victim, enemy_damage);
        }
        if (by_player) {
            sprite[p1_id].factor = 1.15f;
            torso_targeted = targeted;
            if (vclass == MONKEY || vclass == DOG || vclass == UNIT_BARREL) torso_targeted = 1;

            // 4. The player's damage; no minimum.
            const long long fp = PLY_FIREPOWER, df = damage_factor;
            const long long full = double_damage ? (2 * fp) / df : fp / df;
            const long long half = double_damage ? ((fp / 2) * 2) / df : (fp / 2) / df;
            const long long quad = double_damage ? (4 * fp) / df : (2 * fp) / df;
            const bool armoured = One_Of(vclass, {UNIT_ARMOUR_HEAD, UNIT_ARMOUR_FULL, UNIT_ARMOUR_TURRET,
                                                  UNIT_ARMOUR_TANK, UNIT_MORTAR, SHIELD});
            if (!armoured || has_armour_piercing) Take_Points(victim, torso_targeted == 2 ? half : full);
            const int zone = torso_targeted;
            switch (vclass) {
            case UNIT_ARMOUR_HEAD:
                if (zone == 0 || zone == 2) Take_Points(victim, full);
                else if (zone == 1) { Take_Points(victim, 2); ric2_sfx = true; }
                break;
            case UNIT_MORTAR:
                if (zone == 0 || zone == 1) Take_Points(victim, full);
                else if (zone == 2) ric2_sfx = true;
                break;
            case SHIELD:
                if (!has_armour_piercing) {
                    bool through = One_Of(victim.status, {STATUS_HIT, STATUS_HIT_HARD, STATUS_DOWNED}) || (zone == 2 &&
                        bullet_type != SHOT_SPREAD_FAR);
                    if (through) {
                        if (zone == 2) Take_Points(victim, half);
                        else if (zone == 0) Take_Points(victim, quad);
                        else if (zone == 1) Take_Points(victim, full);
                    } else {
                        Take_Points(victim, 1);
                        ric2_sfx = true;
                        shot_hit_armour = true;
                    }
                }
                break;
            case UNIT_BOSS: ric2_sfx = true; break;
            case UNIT_ARMOUR_FULL: Take_Points(victim, 1); ric2_sfx = true; break;
            case UNIT_ARMOUR_TURRET: Take_Points(victim, 2); ric2_sfx = true; break;
            case UNIT_ARMOUR_TANK: Take_Points(victim, 1); ric2_sfx = true; break;
            default: break;
            }
            torso_targeted = targeted;
            if (torso_targeted == 0 && !One_Of(vclass, {UNIT_ARMOUR_FULL, UNIT_ARMOUR_TURRET, UNIT_ARMOUR_TANK, SHIELD}))
                Take_Points(victim, full);
        }
    }

    // 5. Fixed hits.
    const long long df = damage_factor;
    if (bullet_type == SHOT_KILL) victim.score = 0;
    if (bullet_type == SHOT_THORNS) Take_Points(victim, 40 / df);
    if (guy_status == ATTACK_BLAST && !lock_player) {
        if (bullet_type == SHOT_GRENADE_BLAST) {
            if (!victim_is_player) Take_Points(victim, 60);
            else Take_Points(victim, Truncate(stat_fire_defense * (current_char == 0 ? 20 : 15)) / df);
        } else if (bullet_type == SHOT_ROUND_BLAST) {
            Take_Points(victim, victim_is_player ? Truncate(stat_fire_defense * 10) / df : 60);
        } else {
            Take_Points(victim, victim_is_player ? Truncate(stat_fire_defense * 15) / df : 15);
        }
    }
    if (guy_status == ATTACK_LIGHT_BLAST && !lock_player)
        Take_Points(victim, victim_is_player ? Truncate(stat_fire_defense * 15) / df : 15);
    if (guy_status == STATUS_KNIFE || guy_status == 63) {
        if (vclass == UNIT_ARMOUR_TURRET || vclass == UNIT_ARMOUR_TANK) {
            Take_Points(victim, 1);
            ric2_sfx = true;
        } else {
            Take_Points(victim, 60 / df);
        }
    }

    // 6. Still alive: the hit flash.
    if (victim.score > 0) {
        victim.flash_target = true;
        victim.flash_timer = now + 30;
        if (victim_is_player) {
            start_healing = false;
            start_healing_timer = 0;
        }
        if (flash_on == guy_shot) {
            victim.alpha = 1.0f;
            flash_on = -1;
        }
    }

    // 7. Destruction.
    if (!lock_player && vclass != UNIT_BOSS && !(vclass == UNIT_MORTAR && targeted == 2) &&
        (victim.score <= 0 || victim.type == BAG || victim.type == DOR) &&
        !One_Of(victim.status, {STATUS_DYING, STATUS_BODY, STATUS_BODY_FADING, STATUS_BODY_SUNK, STATUS_CAUGHT}) &&
            !victim.building) {
        // 7.1 The player's death.
        if (victim_is_player && player_type == 0) {
            game_condition = 2;
            ply_dead = true;
            reset_map_timer = now + 4000;
            Calculate_Lifebar();
            if (current_main > 0 && current_main < (int)(sizeof(main_mission) / sizeof(main_mission[0])) &&
                main_mission[current_main] == 2) {
                cycle_episode = episode;
                cycle_scene = scene;
                cycle_spawn = last_spawn;
                activate_bicycle = true;
            }
        }
        // 7.2 A unit falls.
        if (victim.type == UNT) {
            int r = rand() % 4;
            if (guy_status == ATTACK_BLAST || guy_status == ATTACK_LIGHT_BLAST || (by_player &&
                bullet_type == SHOT_SPREAD_CLOSE) ||
                (by_player && torso_targeted == 0))
                r = 1;
            if (vclass == UNIT_SHOTGUN) r = 0;
            const bool begs = r == 0 && !One_Of(guy_status, {STATUS_KNIFE, 63, STATUS_THROWING}) && !victim.mercy &&
                !victim_is_player &&
                              !One_Of(vclass, {UNIT_BIRD, MONKEY, DOG, UNIT_RESCUE, UNIT_BOSS}) &&
                              !(vclass == BOMBER && victim.onDeath_action == TURRET) && !has_rifle_equipped;
            if (begs) {
                victim.status = STATUS_DOWNED;
                if (!One_Of(vclass, {UNIT_SKELETON, UNIT_DEAD_CHIEF, UNIT_SHARK})) {
                    Display_Message(guy_shot, MESSAGE_MERCY);
                    wound_sfx = true;
                }
                victim.all_timer = now + 2000;
                victim.score = 1;
                victim.mercy = true;
            } else {
                if (vclass == UNIT_RESCUE) fail_condition++;
                victim.grenaded = 1;
                if (guy_status == ATTACK_BLAST) victim.grenaded = 2;
                if (bullet_type == SHOT_BURNING || bullet_type == SHOT_FIRE_ROUND) victim.grenaded = 2;
                if (by_player && vclass == UNIT_MORTAR1) {
                    victim.grenaded = 2;
                    Shell_Landed(victim.x + victim.width / 2, victim.y, -1, f_rate, -1);
                }
                if (by_player && guy_status != STATUS_KNIFE && has_pistol_equipped && st_fire_rounds != 0)
                    Body_Effect(victim, 47);
                victim.status = STATUS_DYING;
                victim.dflash_timer = 1;
                victim.death_flash = true;
                if (guy_status == STATUS_KNIFE) {
                    Create_Gibs_Effect(guy_shot);
                    splatted_sfx = true;
                    Body_Effect(victim, 59);
                    if (!victim_is_player) Knock_Back_From(shooter, guy_shot);
                    victim.splatted = true;
                }
                if (in_dungeon && victim.linked_sprite != player_type) {
                    enemy_count--;
                    if (Level == LVL_CELLAR) cellar_kill_count++;
                    if (episode == 3 && scene >= 5 && scene <= 7 && global_objective[scene - 5] == 0 &&
                        p1_id != -1 && (enemy_count == 15 || enemy_count == 10 || enemy_count == 5))
                        Display_Message(p1_id, MESSAGE_SIGHT);
                }
                victim.all_timer = now + ((vclass == UNIT_SKELETON || vclass == UNIT_DEAD_CHIEF) ? 1500 : 1000);
                Mark_Cell(Centre_X(victim), Centre_Y(victim), COL_FREE);
                if (!victim_is_player && vclass != UNIT_MORTAR && !(vclass == BOMBER && victim.onDeath_action != MOVABLE))
                    Knock_Back_From(shooter, guy_shot);

                if (victim.rank >= 4) exp_gain = 25;
                else if (victim.rank == 3) exp_gain = 20;
                else if (victim.rank == 2) exp_gain = 15;
                else if (victim.rank == 1) exp_gain = 10;
                if (vclass == CHIEF || vclass == SHIELD) exp_gain += 5;
                if (vclass == UNIT_SHOTGUN) exp_gain += 10;

                if (by_player && player_type == 0) {
                    Calculate_Exp(p1_id, exp_gain);
                    if (guy_status == STATUS_KNIFE) player_knife_count++;
                    player_kill_count++;
                    if (st_kill != 0) {
                        Calculate_Health(st_kill);
                        Calculate_Lifebar();
                        bump_player_timer = now + 100;
                        bump_player = true;
                    }
                    if (vclass == DOG) player_dog_kill_count++;
                    if (One_Of(Level, {2, 23, 61, 62})) {
                        if (vclass == GUNNER) player_soldier_kill_count++;
                        if (vclass == CHIEF) player_chief_kill_count++;
                        if (vclass == UNIT_MORTAR1) player_mortar_kill_count++;
                    }
                    if (Level == 65) {
                        if (vclass == GUNNER) player_scout_kill_count++;
                        if (vclass == CHIEF) player_ss_kill_count++;
                    }
                    if (vclass == UNIT_SKELETON || vclass == UNIT_DEAD_CHIEF) player_zombie_kill_count++;
                    player_msg_count++;
                    if (player_msg_count > 14) {
                        Display_Message(p1_id, MESSAGE_RESCUE);
                        player_msg_count = 0;
                    }
                }

                if (!victim_is_player) {
                    if (vclass == UNIT_SHOTGUN || vclass == CHIEF) Spawn_Pickup(guy_shot, 16);
                    else if (vclass != DOG) Spawn_Pickup(guy_shot, 0);
                    if (episode == 3 && scene == 28 && global_objects[80] == 0) {
                        victim.linked_sprite = 26;
                        Spawn_Pickup(guy_shot, 15);
                        global_objects[80] = 1;
                    }
                }

                if (!One_Of(vclass, {20, 21, 22, 29, 34, 41, 40, 1}) ||
                    (vclass == BOMBER && (victim.onDeath_action == MOVABLE || victim.onDeath_action == UNMOVABLE))) {
                    if (guy_status == STATUS_KNIFE) gargle_sfx = true;
                    else step_sfx = true;
                }
                if (vclass == UNIT_BIRD) crow1_sfx = true;
                if (vclass == UNIT_SHARK) destroy_sfx = true;
                if (vclass == MONKEY) monkey_sfx = true;
                if (vclass == DOG) dogdie_sfx = true;
                if (vclass == UNIT_SKELETON || vclass == UNIT_DEAD_CHIEF) destroy_sfx = true;

                if (vclass == UNIT_MORTAR ||
                    (vclass == BOMBER && (victim.onDeath_action == TURRET || victim.onDeath_action == TANK_TOP))) {
                    New_FX({.x = victim.x - 0.1f, .y = victim.y - 0.1f, .w = victim.w, .z = victim.z, .anim = 37,
                            .anim_state = 1, .box_width = 0.1f, .box_height = 0.1f, .width = 0.4f, .height = 0.6f,
                            .priority = 1, .type = 15, .tex_id = 2});
                    destroy_sfx = true;
                }
            }
            // Common tail of the fall.
            victim.moving = false;
            if (victim_is_player && player_type == 0) {
                victim.end_x = -1;
                victim.end_y = -1;
            }
            Reset_Build_Types(guy_shot);
        }
        // 7.3 to 7.5: objects.
        if (victim.type == BAG) Hit_Bag_Object(guy_status, guy_shot, guy_shooting, f_rate, torso_targeted, exp_gain);
        if (victim.type == DOR) {
            Hit_Door_Object(guy_status, guy_shot, guy_shooting, f_rate);
            Release_From_Container(guy_shot);
        }
        victim.selected = false;
    }

    // 8. Pain of a unit that lives.
    if (victim.type == UNT && !lock_player && !(vclass == UNIT_MORTAR && targeted == 2) && victim.score > 0 &&
        victim.status != STATUS_DOWNED && victim.status != STATUS_LAST_CHANCE && !victim.building) {
        const bool piercing = !One_Of(bullet_type, {SHOT_BURNING, SHOT_FIRE_ROUND, SHOT_GAS});
        if (piercing && vclass != UNIT_SHOTGUN && !shot_hit_armour && victim.status != STATUS_HIT) Rank_Timer(guy_shot,
            STATUS_HIT);
        if (piercing && !shot_hit_armour && victim.status != 52) victim.status = STATUS_HIT;
        if (victim_is_player && player_type == 0) Calculate_Lifebar();
        if (piercing && p1_id != -1 && !shot_hit_armour && torso_targeted == 2) {
            const bool small = vclass == MONKEY || vclass == DOG;
            if (!small || (victim_is_player && !player_in_water)) {
                victim.status = STATUS_HIT_HARD;
                Rank_Timer(guy_shot, STATUS_HIT_HARD);
            } else {
                victim.status = STATUS_HIT;
                Rank_Timer(guy_shot, STATUS_HIT);
            }
        }
        if (vclass == UNIT_BIRD) crow2_sfx = true;
        if (vclass == MONKEY) monkey_sfx = true;
        if (vclass == DOG) dogdie_sfx = true;
        if (!shot_hit_armour && !victim_is_player && !One_Of(vclass, {20, 21, 22, 29, 14, 34, 41}) &&
            !(vclass == BOMBER && victim.onDeath_action == TURRET))
            emypain_sfx = true;
        if (victim_is_player) emypain_sfx = true;
        // Turn on the attacker; a hit without a real shooter has no one to turn to.
        if (piercing && bullet_type != SHOT_GRENADE_BLAST && !victim_is_player && guy_shot != guy_shooting &&
            !reserved) {
            victim.mov_x = victim.end_x = Centre_X(shooter);
            victim.mov_y = victim.end_y = Centre_Y(shooter);
            victim.turning = false;
            victim.fire_target = guy_shooting;
        }
    }

    // 9. Tail.
    if (!lock_player) {
        victim.update = true;
        if (victim.type != BAG && victim.type != DOR) victim.anim_state = 0;
    }
    return false;
}

void Knock_Back(int guy_shooting, int guy_shot, int f_rate) {
    (void)f_rate;
    if (!Valid_Sprite(guy_shooting) || !Valid_Sprite(guy_shot)) return;
    Knock_Back_From(sprite[guy_shooting], guy_shot);
}
