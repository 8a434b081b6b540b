// The second half of act one played as a player plays it (mouse-only scheme): walking by
// clicks along a way planned over the map, exits and ladders, visits, conversations, the
// perk page, the tent's night, fights (aim, fire, reload, grenades, food, the ground's
// pickings), the gallery's rounds and the submarine pen's boss. Only the pointer, clicks,
// keys and waiting; the game's state is read, never written.
#pragma once

#include "support/story_player.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "camp/gallery.h"
#include "common/codes.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "content/object_setup.h"

class Act1bStoryGame : public StoryGame {
protected:
    // A story part writes no state: the fixture's helpers that do are not for it.
    void Enter_Scene(int, int, int = 0) = delete;
    void Enter_Camp(int) = delete;
    static void Place_Player(float, float, int = 0) = delete;

    // ---- The act-one chain after the bunkers (missions 4 to 6, the convoy, the act's end) ----

    // The game started as the program starts it: the boot scene, then the title to the menu.
    void Boot_To_The_Menu() {
        ASSERT_TRUE(gl_);
        PlayedGame::Enter_Scene(10, 0);
        ASSERT_TRUE(Run_Until([] { return In(0, 1) && title_sequence >= 6 && stop_camera; }, 90000))
            << "menu not reached: " << episode << "/" << scene;
    }
    // From the menu: Start, the kept slot chosen and opened; the saved game comes back through
    // the camp page (and a briefing's button when one is shown) into its walk scene.
    void Take_Up_Slot(int slot) {
        Click_Sprite(22); // Start
        ASSERT_TRUE(Settle_On(0, 2, 5000)) << "save slots not reached";
        int button = -1;
        for (int i = 0; i < no_sprites; ++i)
            if (sprite[i].type == fe_type::FILE && sprite[i].sector_action == slot) button = i;
        ASSERT_NE(button, -1) << "no button for slot " << slot;
        Click_Sprite(button); // chosen
        ASSERT_EQ(file_selected, button);
        Click_Sprite(button); // and opened
        for (int guard = 0; guard < 6; ++guard) {
            if (Run_Until([] { return game_mode == MODE_WALK && fade >= 1.0f && p1_id != -1 && !next_scene; }, 15000))
                return;
            // A page with a button to go on (a briefing): it is armed after half a second.
            Run(700);
            Click_Sprite(1);
        }
        FAIL() << "the saved game did not come back: " << episode << "/" << scene << Box_Texts();
    }

    // Set while a stretch is played that the player may fall on and take again from his tent.
    static inline bool falls_expected = false;

    static std::string Where() {
        return "at " + std::to_string(episode) + "/" + std::to_string(scene) + " (player " +
               (p1_id != -1 ? std::to_string(PX()) + ", " + std::to_string(PY()) : std::string("none")) + ")" +
               Box_Texts();
    }
    static bool Settled(int e, int s) { return In(e, s) && fade >= 1.0f && (game_mode != MODE_WALK || p1_id != -1); }

    // A click at a world position held over a few ticks (a button-up in the same tick would
    // clear it); the loop stops as soon as stop() holds and the rest of the click is not
    // posted. The view leans toward the pointer, so the pointer is set again on the world
    // position just before the button goes down.
    static bool Click_At(float wx, float wy, const std::function<bool()>& stop = [] { return false; }) {
        Pointer(Pixel_X(wx), Pixel_Y(wy));
        if (Run_Until(stop, 30)) return true;
        const int64_t at = platform::MakeLParam(Pixel_X(wx), Pixel_Y(wy));
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, at});
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, at});
        const bool stopped = Run_Until(stop, 60);
        // The button is let go in any case (held on into the next scene, it would walk the
        // player toward the pointer there).
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, at});
        if (stopped) {
            Run_Passes_Until([] { return false; }, 5);
            return true;
        }
        return Run_Until(stop, 20);
    }

    // The enemies: living units of the other side that are in the scene.
    static bool Enemy(int i) {
        const object& u = sprite[i];
        return i != p1_id && u.type == UNT && u.linked_sprite != player_type && u.score > 0 && !u.turn_off &&
               !u.mouseover && u.sector != UNIT_VEHICLE && On_Screen(u.w + u.box_width / 2, u.z + u.box_height);
    }
    // A point of enemy i's hover box (its body, from the feet up) clear of the HUD, where a
    // click aims at him; false when the HUD hides all of him.
    static bool Aim_Point(int i, float& x, float& y) {
        const object& u = sprite[i];
        for (float fy : {1.5f, 0.7f, 2.5f, 3.3f})
            for (float fx : {0.5f, 0.1f, 0.9f}) {
                x = u.w + u.box_width * fx;
                y = u.z + u.box_height * fy;
                if (Clickable(x, y)) return true;
            }
        return false;
    }
    static constexpr int kPointerOnUnit = 2; // on_selected_man with a unit under the pointer
    // A point of enemy i's body, clear of the HUD, where the pointer offers him as a target
    // (the pointer is moved over him to see); false when none does.
    static bool Aim_Offered(int i, float& x, float& y) {
        const object& u = sprite[i];
        for (float fy : {1.5f, 0.7f, 2.5f, 3.3f})
            for (float fx : {0.5f, 0.1f, 0.9f}) {
                x = u.w + u.box_width * fx;
                y = u.z + u.box_height * fy;
                if (!Clickable(x, y)) continue;
                Pointer(Pixel_X(x), Pixel_Y(y));
                Run(20);
                if (on_selected_man == kPointerOnUnit) return true;
            }
        return false;
    }
    // Whether a world position shows on the screen (clear of its edges).
    static bool On_Screen(float wx, float wy) {
        const int px = Pixel_X(wx), py = Pixel_Y(wy);
        return px > 40 && px < kW - 40 && py > 40 && py < kH - 120;
    }
    static int Nearest_Enemy(float range) {
        int best = -1;
        float d = range;
        for (int i = 0; i < no_sprites; ++i) {
            if (!Enemy(i)) continue;
            const float e = std::hypot(Box_X(i) - PX(), Box_Y(i) - PY());
            if (e < d) d = e, best = i;
        }
        return best;
    }
    // Clicks inventory slot n on the HUD's grid (a left click uses its item: a weapon is
    // equipped, food eaten). False when the grid does not show the slot.
    static bool Use_Slot(int n) {
        const object& h = hud[11 + n];
        if (h.alpha <= 0.0f) return false;
        Click_At(h.x + h.width / 2 - camX, h.y + h.height / 2 - camY);
        Run(50);
        if (std::getenv("STORY_TRACE"))
            std::printf("use slot %d (code %d) at view (%.2f, %.2f) size %.2f x %.2f alpha %.1f: weapon now %d, over hud %d\n", n,
                        player_inv[n], h.x, h.y, h.width, h.height, h.alpha, current_weapon, (int)Over_Hud(h.x + h.width / 2 - camX, h.y + h.height / 2 - camY));
        return true;
    }
    static int Slot_Holding(int code) {
        for (int n = 0; n < 16; ++n)
            if (player_inv[n] == code) return n;
        return -1;
    }
    // The shotgun in hand while it has shells, else the pistol.
    static void Best_Weapon() {
        const int shotgun = Slot_Holding(34), shells = Slot_Holding(36), pistol = Slot_Holding(10);
        const int want = shotgun != -1 && (shells != -1 || player_inv_value2[shotgun] > 0) ? shotgun : pistol;
        if (want != -1 && current_weapon != want) Use_Slot(want);
    }
    // Eats from the inventory while the player is hurt and has food.
    static void Heal_If_Hurt() {
        for (int tries = 0; tries < 4 && p1_id != -1 && sprite[p1_id].score < PLY_VITALITY / 2; ++tries) {
            int food = -1;
            for (int code : {3, 23, 26, 45, 4})
                if (food == -1) food = Slot_Holding(code);
            if (food == -1 || !Use_Slot(food)) return;
        }
    }

    // Picks up what lies on the ground within `range` (what the fallen dropped), as a player
    // does: a click on each item; the player walks to it and takes it.
    static void Pick_Up(float range = 0.8f) {
        for (int round = 0; round < 6 && p1_id != -1 && !next_scene && !ply_dead; ++round) {
            int best = -1;
            float d = range;
            for (int i = 0; i < no_fx; ++i) {
                const object& f = Fx[i];
                if (f.type != PKU || f.mouseover || f.turn_off) continue;
                const float cx = f.x + f.width / 2, cy = f.y + f.height / 2;
                const float e = std::hypot(cx - PX(), cy - PY());
                if (e < d && Clickable(cx, cy) && Open_Ground(Cell_Of(cx, cy))) d = e, best = i;
            }
            if (best == -1) return;
            const object& f = Fx[best];
            Click_At(f.x + f.width / 2, f.y + f.height / 2, [] { return next_scene; });
            Run_Until([best] { return next_scene || Fx[best].turn_off || Fx[best].mouseover; }, 2500);
            if (!Fx[best].turn_off && !Fx[best].mouseover) return; // out of reach: left lying
        }
    }

    // Fights the enemies within `range` of the player, nearest first, as a player does in
    // the mouse-only scheme: the pointer on the enemy's body and a click for each shot (a
    // click with the weapon empty reloads it). False when the player fell or a fight did not
    // end in time.
    static bool Fight(float range = 1.3f, int ms = 60000) {
        int engaged = -1, last_score = 0, stale = 0;
        for (int t = 0; t < ms; t += 120) {
            if (p1_id == -1 || ply_dead || next_scene) return !ply_dead;
            const int e = Nearest_Enemy(range);
            if (e == -1) {
                if (t > 0) { // after a fight: what the fallen dropped, and a meal when hurt
                    Pick_Up();
                    Heal_If_Hurt();
                }
                return true;
            }
            if (reloading) { // a click now would walk him off and break the reload
                Run(100);
                continue;
            }
            if (e != engaged || sprite[e].score != last_score) engaged = e, last_score = sprite[e].score, stale = 0;
            else stale += 120;
            // Out of the weapon's reach: a few steps toward him over open ground.
            const float dx = Box_X(e) - PX(), dy = Box_Y(e) - PY(), d = std::hypot(dx, dy);
            if (stale >= 1500 && d > 0.4f) {
                stale = 0;
                for (float f : {0.5f, 0.35f, 0.65f}) {
                    const float gx = PX() + dx * f, gy = PY() + dy * f;
                    if (!Open_Ground(Cell_Of(gx, gy)) || !Clickable(gx, gy)) continue;
                    Click_At(gx, gy, [] { return next_scene || ply_dead; });
                    Run_Until([] { return next_scene || ply_dead || !sprite[p1_id].moving; }, 1500);
                    break;
                }
                continue;
            }
            // Right on top of him the pointer offers no one to shoot: a few steps back, away
            // from him (or aside where that is blocked), to get him in the sights again.
            if (stale >= 600 && d < 0.4f) {
                stale = 0;
                const float away = std::atan2(-dy, -dx);
                bool stepped = false;
                for (float turn : {0.0f, 0.8f, -0.8f, 1.6f, -1.6f}) {
                    for (float f : {0.5f, 0.35f}) {
                        const float gx = PX() + std::cos(away + turn) * f, gy = PY() + std::sin(away + turn) * f;
                        if (!Open_Ground(Cell_Of(gx, gy)) || !Clickable(gx, gy)) continue;
                        Click_At(gx, gy, [] { return next_scene || ply_dead; });
                        Run_Until([] { return next_scene || ply_dead || !sprite[p1_id].moving; }, 1200);
                        stepped = true;
                        break;
                    }
                    if (stepped) break;
                }
                continue;
            }
            Heal_If_Hurt();
            const object& u = sprite[e];
            // A tough one (an officer) at a throw's distance gets a grenade.
            const int grenades = Slot_Holding(29) != -1 ? Slot_Holding(29) : Slot_Holding(30);
            float gx = 0, gy = 0;
            int crowd = 0;
            for (int i = 0; i < no_sprites; ++i)
                crowd += Enemy(i) && std::hypot(Box_X(i) - PX(), Box_Y(i) - PY()) < 1.0f;
            if ((u.score >= 60 || (u.score >= 40 && crowd >= 2)) && grenades != -1 && d > 0.45f && d < 1.1f && Aim_Point(e, gx, gy)) {
                if (current_weapon != grenades) Use_Slot(grenades);
                if (current_weapon == grenades) {
                    Click_At(gx, gy, [] { return next_scene || ply_dead; });
                    Run_Until([] { return next_scene || ply_dead; }, 400);
                    Best_Weapon();
                    continue;
                }
            }
            Best_Weapon();
            float ax = 0, ay = 0;
            if (!Aim_Point(e, ax, ay)) { // behind the HUD: he comes out of it soon
                Run(100);
                continue;
            }
            // A click only where the pointer offers him as a target: anywhere else it is a
            // step (onto an open hatch, say), not a shot.
            if (!Aim_Offered(e, ax, ay)) {
                Run(60);
                continue;
            }
            Click_At(ax, ay, [] { return next_scene || ply_dead; });
            if (std::getenv("STORY_TRACE"))
                std::printf("fight t=%d enemy %d (st %d) score %d dist %.2f offers %d | player %d target %d status %d weapon %d (%d)\n", t, e,
                            u.status, u.score, std::hypot(Box_X(e) - PX(), Box_Y(e) - PY()), on_selected_man, sprite[p1_id].score,
                            sprite[p1_id].fire_target, sprite[p1_id].status, current_weapon,
                            current_weapon >= 0 ? player_inv[current_weapon] : -1);
            Run(60);
        }
        const int e = Nearest_Enemy(range);
        if (e != -1)
            ADD_FAILURE() << "enemy " << e << " (class " << sprite[e].sector << ", score " << sprite[e].score << ", status "
                          << sprite[e].status << ") at (" << Box_X(e) << ", " << Box_Y(e) << ") stands; the player's score "
                          << (p1_id != -1 ? sprite[p1_id].score : -1) << ", pointer offers " << on_selected_man;
        return false;
    }

    // Whether a world position lies under a HUD panel or button (a click there is the HUD's).
    static bool Over_Hud(float wx, float wy) {
        const float vx = wx + camX, vy = wy + camY;
        for (int i = 0; i < 75; ++i) {
            const object& h = hud[i];
            if (i == 1 || i == 27 || i == 28 || h.alpha <= 0.0f || h.box_width > 1.5f) continue;
            if (vx > h.w - 0.04f && vx < h.w + h.box_width + 0.04f && vy > h.z - 0.04f && vy < h.z + h.box_height + 0.04f)
                return true;
        }
        return false;
    }
    static bool Clickable(float wx, float wy) { return On_Screen(wx, wy) && !Over_Hud(wx, wy); }

    // A round of the shooting gallery played as a player plays it, until it asks for another
    // scene: the pointer on whatever stands up (a bonus item too), a click for each shot, the
    // right button to reload an empty gun; the boss prop when there is one.
    static bool Gallery_Up(int i) {
        const object& o = sprite[i];
        return o.type == MNE && o.sector_action != 23 && o.alpha == 1.0f && o.grab_switch && o.score > 0 && o.status != 30;
    }
    static void Win_Gallery_Round() {
        const int e = episode, s = scene;
        const auto left = [e, s] { return next_scene || !(episode == e && scene == s); };
        for (int guard = 0; guard < 4000 && !left() && !::done; ++guard) {
            if (gallery_clip <= 0 && !gallery_reloading) {
                const int64_t at = Pixels(0.0f, 0.6f);
                platform::PostMessage(platform::MSG{platform::WM_RBUTTONDOWN, 0, at});
                Run_Until(left, 40);
                platform::PostMessage(platform::MSG{platform::WM_RBUTTONUP, 0, at});
                Run_Until([&] { return left() || !gallery_reloading; }, 800);
                continue;
            }
            int target = -1;
            for (int i : {13, 2, 3, 4, 5, 6, 7, 8, 9, 12, 10, 11})
                if (i >= 10 && i <= 11 ? sprite[i].alpha == 1.0f && sprite[i].grab_switch : Gallery_Up(i)) target = i;
            if (gallery_scene == 7)
                for (int b : {33, 34, 35})
                    if (sprite[b].alpha == 1.0f && sprite[b].grab_switch && sprite[b].width > 0.6f &&
                        sprite[b].y + sprite[b].height / 2 < 0.6f)
                        target = b;
            if (target == -1 && gallery_scene == 11 && sprite[32].grab_switch) target = 32;
            if (target == -1) Run_Until(left, 50);
            else Click_Sprite_Until_Request(target, 20, 30, 10);
        }
    }

    // The armoured boss of the submarine pen fought part by part, as a player fights it: the
    // pointer on the part that can be hit now (the silos and their guns, then the front gun,
    // the cover and the core), a click for each shot, a few steps toward it when it cruises
    // out of reach. True once the fight is over and the game moves on.
    // The open cell the player can walk to that lies nearest to (x, y) (the water's edge when
    // (x, y) is out on the water).
    static bool Nearest_Reachable(float x, float y, float& rx, float& ry) {
        const int from = Cell_Of(PX(), PY());
        if (from < 0) return false;
        std::vector<char> seen(GRID_CELLS, 0);
        std::vector<int> queue{from};
        seen[from] = 1;
        int best = from;
        float bd = 1e9f;
        for (size_t q = 0; q < queue.size(); ++q) {
            const int c = queue[q], col = Cell_Column_Of(c), row = Cell_Row_Of(c);
            const float d = std::hypot(Cell_Centre_X(col) - x, Cell_Centre_Y(row) - y);
            if (d < bd) bd = d, best = c;
            for (const auto& [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int n = Cell_Index(col + dc, row + dr);
                if (n < 0 || seen[n] || !Open_Ground(n) || Busy_Cell(n, -1)) continue;
                seen[n] = 1;
                queue.push_back(n);
            }
        }
        rx = Cell_Centre_X(Cell_Column_Of(best));
        ry = Cell_Centre_Y(Cell_Row_Of(best));
        return true;
    }

    // How near the boat's fire comes to (x, y) within the next second or so: the lines its live
    // guns fire along (a player reads them off the turned barrels), carried along with the boat,
    // and the rounds coming down where the player stood. Below about 0.1 a shot finds him.
    static float Boss_Fire_Gap(float x, float y) {
        struct line { int gun; float angle; };
        std::vector<line> lines;
        // Only the bursts that are coming: the guns turn out (steps 2 and 3), the front gun
        // swings round (steps 13 and 14).
        if (title_sequence >= 2 && title_sequence <= 3) lines = {{29, -2.6f}, {30, -2.6f}};
        else if (title_sequence >= 13 && title_sequence <= 14 && boss_front) lines = {{36, -2.6f}};
        else if (title_sequence >= 13 && title_sequence <= 14) lines = {{36, 3.1f}, {36, -1.4f}};
        const float heading = reverse ? 2.52f : -0.62f;
        const float vx = std::cos(heading) * 1.2f * boss_accel, vy = std::sin(heading) * 1.2f * boss_accel;
        float gap = 9.0f;
        for (const line& l : lines) {
            if (sprite[l.gun].score <= 0) continue;
            const float ca = std::cos(l.angle), sa = std::sin(l.angle);
            float first = 0.0f;
            for (int t = 0; t <= 600; t += 200) {
                const float dx = x - (Box_X(l.gun) + vx * t), dy = y - (Box_Y(l.gun) + vy * t);
                const float along = dx * ca + dy * sa, off = dy * ca - dx * sa;
                if (along < 0.0f || along > 4.8f) continue;
                if (t == 0) first = off;
                gap = std::min(gap, (t > 0 && (off > 0) != (first > 0)) ? 0.0f : std::fabs(off));
            }
        }
        for (int i = 0; i < no_fx; ++i) {
            const object& f = Fx[i];
            if (f.sector != 29 || f.turn_off) continue;
            const float cx = f.x + f.width / 2, cy = f.y + f.height / 2;
            gap = std::min(gap, std::max(std::fabs(x - cx), std::fabs(y - cy)) - 0.1f);
        }
        return gap;
    }
    // Steps out of the boat's line of fire (and from under a round coming down) onto open
    // quay, as a player does; true when he moved.
    // Of the spots clear of the fire, the one nearest to (tx, ty) (the part he fights), so
    // that dodging does not drive him off along the quay.
    static bool Dodge_Boss_Fire(const std::function<bool()>& over, float tx = 0.0f, float ty = 0.0f, bool toward = false) {
        const float here = Boss_Fire_Gap(PX(), PY());
        if (here >= 0.18f) return false;
        float bx = 0, by = 0, best = here + 0.05f, near = 1e9f;
        for (float r : {0.3f, 0.45f})
            for (int k = 0; k < 12; ++k) {
                const float x = PX() + r * std::cos(k * 0.5236f), y = PY() + r * std::sin(k * 0.5236f);
                if (!Open_Ground(Cell_Of(x, y)) || !Pen_Clickable(x, y)) continue;
                bool on_part = false; // a click on the boat is a shot, not a step
                for (int i = 27; i <= 39; ++i) {
                    const object& o = sprite[i];
                    on_part |= o.alpha > 0.0f && x > o.w - 0.1f && x < o.w + o.box_width + 0.1f && y > o.z - 0.1f &&
                               y < o.z + o.box_height + 0.1f;
                }
                const float g = Boss_Fire_Gap(x, y);
                if (on_part) continue;
                if (toward && g >= 0.18f) {
                    const float d = std::hypot(x - tx, y - ty);
                    if (d < near) near = d, best = std::max(best, g), bx = x, by = y;
                } else if (near == 1e9f && g > best) {
                    best = g, bx = x, by = y;
                }
            }
        if (best <= here + 0.05f) return false;
        if (std::getenv("STORY_TRACE")) std::printf("boss dodge from %.2f %.2f to %.2f %.2f\n", PX(), PY(), bx, by);
        Click_At(bx, by, over);
        Run_Until([&] { return over() || !sprite[p1_id].moving; }, 800);
        return true;
    }

    // How far off a part of the boat can be and still be hit from the quay (the pen's long
    // shots reach some way farther).
    static constexpr float kBossReach = 2.4f;
    // Points at the farthest spot toward (x, y) that lies on the screen (over the HUD too: the
    // pointer only rests there) and waits while the view leans that way; true when the pointer
    // moved.
    // Whether a click at a world position in the pen lands on the map: on the screen and off
    // the panels, buttons and inventory row the walk HUD answers clicks on.
    static bool Pen_Clickable(float wx, float wy) { return On_Screen(wx, wy) && !StoryGame::Over_Hud(wx + camX, wy + camY); }
    // Where to point at a part: the spot of its box nearest the player (a wide part such as
    // the cover is hit anywhere on it), kept off its rim.
    static bool Boss_Aim_Point(int part, float& x, float& y) {
        const object& o = sprite[part];
        x = std::clamp(PX(), o.w + 0.2f * o.box_width, o.w + 0.8f * o.box_width);
        y = std::clamp(PY(), o.z + 0.2f * o.box_height, o.z + 0.8f * o.box_height);
        return true;
    }
    static bool Lean_Toward(float x, float y, const std::function<bool()>& over) {
        const float px = PX(), py = PY();
        for (float t = 1.0f; t > 0.2f; t -= 0.05f) {
            const float wx = px + (x - px) * t, wy = py + (y - py) * t;
            if (!On_Screen(wx, wy)) continue;
            Pointer(Pixel_X(wx), Pixel_Y(wy));
            Run_Until(over, 250);
            if (std::getenv("STORY_TRACE"))
                std::printf("boss lean toward %.2f %.2f: pointer at %.2f %.2f, the view leans %.2f %.2f\n", x, y, wx, wy,
                            -camX_OFFSET, -camY_OFFSET);
            return true;
        }
        return false;
    }

    static bool Fight_The_Boss(int ms = 900000) {
        const auto over = [] { return next_scene || ply_dead || !(episode == 3 && scene == 20); };
        // To the quay's edge nearest the middle of the boat's run.
        float qx = 0, qy = 0;
        if (Nearest_Reachable((points[2].x + points[3].x) / 2, (points[2].y + points[3].y) / 2, qx, qy))
            Walk_To(qx, qy, 0.2f, over);
        const int start = Now();
        while (Now() - start < ms && !over()) {
            if (lock_player) { // the success pose: the boss is beaten
                Run_Until(over, 200);
                continue;
            }
            // The parts of the boat's present phase, the nearest first.
            const auto live = [](int i) { return sprite[i].score > 0 && sprite[i].grab_switch && sprite[i].alpha > 0.5f; };
            int part = -1;
            float pd = 1e9f;
            for (const auto& phase : {std::vector<int>{27, 28, 29, 30}, {36}, {31}, {33}, {32}}) {
                for (int i : phase) {
                    if (!live(i)) continue;
                    const float d = std::hypot(Box_X(i) - PX(), Box_Y(i) - PY());
                    if (d < pd) pd = d, part = i;
                }
                if (part != -1) break;
            }
            if (part != -1 ? Dodge_Boss_Fire(over, Box_X(part), Box_Y(part), true) : Dodge_Boss_Fire(over)) continue;
            if (part == -1 || reloading) {
                Run_Until(over, 100);
                continue;
            }
            Best_Weapon();
            const object& o = sprite[part];
            float x = 0, y = 0;
            Boss_Aim_Point(part, x, y);
            // Far or off the screen: a few steps along the quay toward the quay's edge nearest
            // to it (the boat comes by again when it cannot be neared).
            if (pd > 1.1f || !Pen_Clickable(x, y)) {
                float ex = 0, ey = 0;
                std::vector<int> way = Nearest_Reachable(x, y, ex, ey) ? Way_To(ex, ey) : std::vector<int>{};
                // On the quay's edge with the part still out of sight (at the ends of the run
                // the boat lies farther out): back to the middle of the run to wait for it.
                if (part == 36 && way.size() < 3 && std::hypot(PX() - qx, PY() - qy) > 0.3f &&
                    !Pen_Clickable(x, y) && !(Lean_Toward(x, y, over) && Boss_Aim_Point(part, x, y) && Pen_Clickable(x, y)))
                    way = Way_To(qx, qy);
                if (std::getenv("STORY_TRACE"))
                    std::printf("boss: part %d at %.2f (clickable %d), the quay's edge %zu cells off\n", part, pd,
                                (int)Pen_Clickable(x, y), way.size());
                // Near the quay's edge: the player's gun carries far across the basin here,
                // farther than the view reaches; a part within reach that lies off the screen
                // is brought into view by pointing toward it (the view leans toward the
                // pointer), then shot.
                if (way.size() < 10 && pd <= kBossReach && (Pen_Clickable(x, y) || Lean_Toward(x, y, over)) &&
                    Boss_Aim_Point(part, x, y) && Pen_Clickable(x, y)) {
                    Click_At(x, y, over);
                    continue;
                }
                if (way.size() < 3) {
                    Run_Until(over, 150);
                    continue;
                }
                size_t k = std::min<size_t>(way.size() - 1, 5);
                const auto at = [&](size_t n) { return std::pair{Cell_Centre_X(Cell_Column_Of(way[n])), Cell_Centre_Y(Cell_Row_Of(way[n]))}; };
                while (k > 1 && (!Pen_Clickable(at(k).first, at(k).second) || Boss_Fire_Gap(at(k).first, at(k).second) < 0.1f)) --k;
                if (std::getenv("STORY_TRACE"))
                    std::printf("boss walk from %.2f %.2f to %.2f %.2f (k %zu) edge %.2f %.2f\n", PX(), PY(), at(k).first, at(k).second, k, ex, ey);
                Click_At(at(k).first, at(k).second, over);
                Run_Until([&] { return over() || !sprite[p1_id].moving || Boss_Fire_Gap(PX(), PY()) < 0.15f; }, 1000);
                continue;
            }
            Click_At(x, y, over);
            if (std::getenv("STORY_TRACE"))
                std::printf("boss t=%d part %d score %d dist %.2f offers %d | player %d step %d\n", Now() - start, part, o.score, pd,
                            on_selected_man, p1_id != -1 ? sprite[p1_id].score : -1, title_sequence);
        }
        return next_scene && !ply_dead;
    }

    // The perk page, opened by the HUD's flashing rank button after a rank up: the points
    // spent on the heart chain (more life, then regeneration), then back to the game.
    static bool Perk_Page_Opened() { return episode == 1 && scene == 141; }
    static void Spend_Perks_And_Return() {
        if (!Perk_Page_Opened()) return;
        Run_Until([] { return In(1, 141) && fade >= 1.0f; }, 5000);
        Run(300);
        for (int k = 0; k < 6 && level_up_points > 0; ++k) {
            Click_Sprite(st_heart < 3 ? 6 : 9);
            Run(200);
        }
        Click_Sprite(1); // "Return^to_game"
        Run_Until([] { return game_mode == MODE_WALK && fade >= 1.0f && p1_id != -1 && !next_scene; }, 10000);
    }

    static bool Open_Ground(int cell) {
        if (cell < 0 || cell >= GRID_CELLS) return false;
        const int c = map_col[cell];
        return c != COL_SOLID && c != COL_SOLID_SHOOTTHRU && c != COL_WATER && c != COL_FOOTPRINT;
    }
    // Whether the pointer on the centre of a cell lies over a person, prop or exit box the
    // mouse code would offer, or inside a trigger's box other than `goal`.
    static bool Busy_Cell(int cell, int goal) {
        const float x = Cell_Centre_X(Cell_Column_Of(cell)), y = Cell_Centre_Y(Cell_Row_Of(cell));
        for (int i = 0; i < no_sprites; ++i) {
            const object& o = sprite[i];
            if (i == goal || o.mouseover || o.turn_off) continue;
            if (o.type == OBJ && o.sector_action > 0 && o.score > 0 && x > o.w - 0.05f && x < o.w + o.box_width + 0.05f &&
                y > o.z - 0.05f && y < o.z + 4 * o.box_height + 0.05f)
                return true;
        }
        for (int k = 0; k < trigger_counter; ++k) {
            const int t = trigger_list[k];
            const object& o = sprite[t];
            if (t == goal) continue;
            if (x > o.w - 0.06f && x < o.w + o.box_width + 0.06f && y > o.z - 0.06f && y < o.z + o.box_height + 0.06f)
                return true;
        }
        return false;
    }
    // The cells of the shortest way over open ground from the player to the cell of (x, y),
    // the player's own first, around the boxes of triggers other than `goal`; empty when
    // there is none.
    static std::vector<int> Way_To(float x, float y, int goal = -1) {
        std::vector<int> way = Way_Over(x, y, goal, false);
        // Waded off the shore in a fight: the way back to dry land goes through the shallows.
        if (way.empty()) way = Way_Over(x, y, goal, true);
        return way;
    }
    static std::vector<int> Way_Over(float x, float y, int goal, bool wading) {
        const int from = Cell_Of(PX(), PY()), to = Cell_Of(x, y);
        if (from < 0 || to < 0) return {};
        std::vector<int> came(GRID_CELLS, -1);
        std::vector<int> queue{from};
        came[from] = from;
        for (size_t q = 0; q < queue.size() && came[to] == -1; ++q) {
            const int c = queue[q], col = Cell_Column_Of(c), row = Cell_Row_Of(c);
            for (const auto& [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int n = Cell_Index(col + dc, row + dr);
                if (n < 0 || came[n] != -1) continue;
                const bool open = Open_Ground(n) || (wading && map_col[n] == COL_WATER);
                if (n != to && (!open || Busy_Cell(n, goal))) continue;
                came[n] = c;
                queue.push_back(n);
            }
        }
        if (came[to] == -1) return {};
        std::vector<int> way;
        for (int c = to; c != from; c = came[c]) way.push_back(c);
        way.push_back(from);
        std::reverse(way.begin(), way.end());
        return way;
    }
    // Walks to (x, y) as a player does on a map larger than the screen: the way is looked up
    // on the map's cells (a player sees where the gaps are), then walked by clicks on the
    // ground along it a few steps apart, each within the screen; enemies that come within
    // reach are fought first. True once he stands within `near` of the goal or stop() holds.
    static bool Walk_To(float x, float y, float near, const std::function<bool()>& stop, int goal = -1) {
        // A fight on the way can leave him off it: the rest of the way is looked up again.
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (!Walk_Once(x, y, stop, goal)) return false;
            if (stop() || std::hypot(x - PX(), y - PY()) < near) return true;
        }
        Shot("story_walk_short");
        ADD_FAILURE() << "the walk to (" << x << ", " << y << ") ended short " << Where();
        return false;
    }
    static bool Walk_Once(float x, float y, const std::function<bool()>& stop, int goal) {
        const std::vector<int> way = Way_To(x, y, goal);
        if (way.empty()) {
            ADD_FAILURE() << "no open way to (" << x << ", " << y << ") " << Where();
            return false;
        }
        int hidden_waits = 0;
        for (size_t k = 4; k < way.size() + 4; k += 4) {
            if (stop()) return true;
            if (Perk_Page_Opened()) {
                Spend_Perks_And_Return();
                return true; // the way is looked up again from where he stands
            }
            if (!Fight()) {
                Shot("story_fight_lost");
                if (ply_dead && falls_expected) return false; // the caller gets him up again
                ADD_FAILURE() << "a fight on the way was lost " << Where() << (ply_dead ? " (the player fell)" : "");
                return false;
            }
            if (stop()) return true;
            // The farthest cell of this stretch that shows well inside the screen and clear of
            // the HUD; else the farthest one in the window off the HUD (a goal by the map's
            // edge); else one nearer him. A click on the HUD works its buttons, not the walk.
            const auto centre = [&](size_t j) {
                return std::pair{Cell_Centre_X(Cell_Column_Of(way[j])), Cell_Centre_Y(Cell_Row_Of(way[j]))};
            };
            const auto clear = [&](size_t j) { return Clickable(centre(j).first, centre(j).second); };
            const auto shown = [&](size_t j) {
                const auto [x, y] = centre(j);
                const int px = Pixel_X(x), py = Pixel_Y(y);
                return px > 4 && px < kW - 4 && py > 4 && py < kH - 4 && !Over_Hud(x, y);
            };
            const size_t last = std::min(k, way.size() - 1);
            size_t at = last;
            while (at > k - 3 && !clear(at)) --at;
            if (!clear(at))
                for (at = last; at > k - 3 && !shown(at);) --at;
            // All of it under a panel (a message over the way): it goes in a moment.
            if (!shown(at) && hidden_waits < 60) {
                ++hidden_waits;
                Run(100);
                k -= 4;
                continue;
            }
            if (!shown(at))
                while (at > 0 && !clear(at)) --at;
            if (!shown(at)) {
                Run(100);
                continue;
            }
            const int cell = way[at];
            const float hx = Cell_Centre_X(Cell_Column_Of(cell)), hy = Cell_Centre_Y(Cell_Row_Of(cell));
            for (int tries = 0; tries < 4 && std::hypot(hx - PX(), hy - PY()) > 0.08f; ++tries) {
                const int health = sprite[p1_id].score;
                if (Click_At(hx, hy, stop)) return true;
                if (Run_Until([&] { return stop() || !sprite[p1_id].moving; }, 4000) && stop()) return true;
                if (std::getenv("STORY_TRACE")) {
                    int near = -1;
                    float nd = 9;
                    for (int i = 0; i < no_sprites; ++i) {
                        const object& u = sprite[i];
                        if (i == p1_id || u.type != UNT || u.linked_sprite == player_type || u.score <= 0 || u.turn_off) continue;
                        const float e = std::hypot(Box_X(i) - PX(), Box_Y(i) - PY());
                        if (e < nd) nd = e, near = i;
                    }
                    std::printf("walk %d/%d at (%.2f, %.2f) health %d; nearest enemy %d at %.2f status %d clickable %d\n",
                                episode, scene, PX(), PY(), sprite[p1_id].score, near, nd, near >= 0 ? sprite[near].status : -1,
                                near >= 0 ? (int)Enemy(near) : -1);
                }
                if (Nearest_Enemy(1.3f) != -1) break; // an enemy near: the fight first
                if (p1_id != -1 && sprite[p1_id].score < health && Nearest_Enemy(2.2f) != -1) {
                    if (!Fight(2.2f)) return false; // shot at from further off: that one first
                    break;
                }
            }
        }
        return true;
    }
    // Walks into trigger t's box (an exit, a ladder) until the scene asks for another.
    static bool Walk_Into(int t) {
        const int e = episode, s = scene;
        for (int k = 0; k < 3; ++k) {
            const bool gone = Walk_Into_Once(t);
            if (!Perk_Page_Opened()) return gone;
            Spend_Perks_And_Return(); // a click on the way hit the rank button
            if (!In(e, s)) return false;
        }
        return false;
    }
    static bool Walk_Into_Once(int t) {
        const object& o = sprite[t];
        const bool ladder = o.type == LAD;
        const auto gone = [ladder] { return next_scene || (ladder && lock_player && tunnel_timer > 0); };
        if (!Walk_To(o.w + o.box_width / 2, o.z + o.box_height / 2, 0.02f, gone, t)) return gone();
        for (int tries = 0; tries < 4 && !gone(); ++tries) {
            Click_At(o.w + o.box_width / 2, o.z + o.box_height / 2, gone);
            Run_Until(gone, 3000);
        }
        return gone();
    }
    // Walks up to object i (a person, a prop) and clicks it; true once opened() holds.
    static bool Visit(int i, const std::function<bool()>& opened) {
        if (!Walk_To(Box_X(i), Box_Y(i) - 0.14f, 0.1f, opened, i) && !opened()) return false;
        for (int tries = 0; tries < 4 && !opened(); ++tries) {
            const object& o = sprite[i];
            if (Click_At(o.w + o.box_width / 2, o.z + o.box_height * 1.5f, opened)) return true;
            Run_Until(opened, 4000);
        }
        return opened();
    }
    // Follows a portrait page's conversation as a player does: each line read and skipped,
    // each question answered by the next of `answers` (true: yes), until the page asks for the
    // next scene. The lines shown, in order.
    static std::vector<std::string> Talk(std::vector<bool> answers) {
        std::vector<std::string> lines;
        int seen = -1;
        const auto closing = [] { return next_scene; };
        for (int guard = 0; guard < 200 && !next_scene && !::done; ++guard) {
            const bool moved = Run_Until(
                [&] { return next_scene || decision == 3 || (text_queue != seen && (counter[0].word[0] || counter[1].word[0])); },
                12000);
            if (next_scene) break;
            if (!moved) {
                ADD_FAILURE() << "the conversation on " << episode << "/" << scene << " stands at line " << text_queue
                              << " after " << lines.size() << " lines";
                break;
            }
            if (decision == 3) {
                if (answers.empty()) {
                    ADD_FAILURE() << "an unexpected question on " << episode << "/" << scene;
                    break;
                }
                const bool yes = answers.front();
                answers.erase(answers.begin());
                seen = -1;
                Click_At(Box_X(yes ? 0 : 6), Box_Y(yes ? 0 : 6), closing);
            } else {
                seen = text_queue;
                for (int slot = 0; slot < 2; ++slot)
                    if (counter[slot].word[0]) lines.push_back(counter[slot].word);
                Run(300);
                Click_At(Box_X(7), Box_Y(7), closing); // Skip text
            }
        }
        EXPECT_TRUE(answers.empty()) << answers.size() << " questions not asked";
        return lines;
    }
    static bool Said(const std::vector<std::string>& lines, const char* text) {
        for (const std::string& l : lines)
            if (l.find(text) != std::string::npos) return true;
        return false;
    }
};
