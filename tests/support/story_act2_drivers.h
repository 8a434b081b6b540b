// The second act's drivers of the played story: walks by clicks along ways planned over the
// collision grid, exits, people and props used, conversations and picture pages played
// through, fights (the best gun in hand, aimed at the head where the pointer offers it,
// reloads between foes), grenades thrown from beside a target, the shooting gallery's rounds
// and the trader's shop. Like the shared fixture they only move the pointer, click, press keys
// and wait; the game's state is read, never written.
#pragma once

#include "support/story_player.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "camp/gallery.h"
#include "camp/shop_screen.h"
#include "camp/shop_stock.h"
#include "common/codes.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/object_setup.h"
#include "hud/inventory.h"
#include "hud/weapons.h"
#include "main/mouse_code.h"
#include "platform/timer.h"

class Act2_Player : public StoryGame {
protected:
    // Enemies the player cannot get at, left be until the time given (by sprite).
    static inline std::vector<int> ignored_until = std::vector<int>(MAX_SPRITES, 0);
    // Whether a walk stops to fight the enemies that have seen the player.
    static inline bool defend_on_walks = true;

    // Whether a walker may cross cell c: open ground, and outside every exit's box but the
    // one he is heading for (a step into another would take him out of the scene).
    static bool Open_Cell(int c, int exit_wanted) {
        if (c < 0 || map_col[c] != COL_FREE) return false;
        const float x = Cell_Centre_X(Cell_Column_Of(c)), y = Cell_Centre_Y(Cell_Row_Of(c));
        for (int k = 0; k < trigger_counter; ++k) {
            const int i = trigger_list[k];
            if (i == exit_wanted) continue;
            const object& t = sprite[i];
            if (x > t.w - 0.08f && x < t.w + t.box_width + 0.08f && y > t.z - 0.08f && y < t.z + t.box_height + 0.08f)
                return false;
        }
        return true;
    }
    // The cells of the shortest way over open ground from the player to a cell within `near`
    // of (tx, ty) (inside exit `exit_wanted`'s box when that is given); empty when none.
    static std::vector<int> Plan_Way(float tx, float ty, float near, int exit_wanted = -1) {
        const int from = Cell_Of(PX(), PY());
        if (from < 0) return {};
        auto arrived = [&](int c) {
            const float x = Cell_Centre_X(Cell_Column_Of(c)), y = Cell_Centre_Y(Cell_Row_Of(c));
            if (exit_wanted != -1) {
                const object& t = sprite[exit_wanted];
                return x > t.w + 0.02f && x < t.w + t.box_width - 0.02f && y > t.z + 0.02f && y < t.z + t.box_height - 0.02f;
            }
            return std::hypot(x - tx, y - ty) <= near;
        };
        std::vector<int> came(GRID_CELLS, -1);
        std::vector<int> queue{from};
        came[from] = from;
        int end = arrived(from) ? from : -1;
        for (size_t q = 0; q < queue.size() && end == -1; ++q) {
            const int c = queue[q], col = Cell_Column_Of(c), row = Cell_Row_Of(c);
            for (const auto& [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int n = Cell_Index(col + dc, row + dr);
                if (n < 0 || came[n] != -1 || !Open_Cell(n, exit_wanted)) continue;
                came[n] = c;
                queue.push_back(n);
                if (arrived(n)) {
                    end = n;
                    break;
                }
            }
        }
        if (end == -1) return {};
        std::vector<int> way;
        for (int c = end; c != from; c = came[c]) way.push_back(c);
        std::reverse(way.begin(), way.end());
        return way;
    }
    // Whether the window pixel (px, py) lies on the open map, where a click walks.
    // (Not on a HUD panel: the boxes the mouse code tests, in view units.)
    static bool On_Map_Pixel(int px, int py) {
        if (px < 30 || px > kW - 30 || py < 30 || py > kH - 30) return false;
        const float vx = ((float)px / (kW / 2) - 1.0f) * zoom_factor;
        const float vy = (1.0f - (float)py / (kH / 2)) * zoom_factor * sc_ratio;
        for (int k : {36, 33, 50, 0, 29, 30, 38, 49, 46, 26}) {
            const object& h = hud[k];
            if (vx > h.w - 0.03f && vx < h.w + h.box_width + 0.03f && vy > h.z - 0.03f && vy < h.z + h.box_height + 0.03f)
                return false;
        }
        // Nor on the pack's slots (a click there uses what lies in it).
        for (int k = 11; k <= 26; ++k) {
            const object& h = hud[k];
            if (h.alpha <= 0.0f) continue;
            if (vx > h.x - 0.03f && vx < h.x + h.width + 0.03f && vy > h.y - 0.03f && vy < h.y + h.height + 0.03f)
                return false;
        }
        return true;
    }

    // A click on a world position, the pointer set again just before the button goes down
    // (the view leans toward the pointer).
    static void Click_World(float wx, float wy) {
        Pointer(Pixel_X(wx), Pixel_Y(wy));
        Run(30);
        const int64_t at = platform::MakeLParam(Pixel_X(wx), Pixel_Y(wy));
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, at});
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, at});
        Run(40);
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, at});
        Run(10);
    }
    static bool Requested() { return next_scene || next_scene1 != -1 || lock_player; }


    // Walks by clicks on open ground, a few cells at a time along a way planned over the
    // collision grid, until the player is within `near` of (tx, ty) or, with an exit given,
    // until that exit has asked for its scene. False when he gets stuck or a scene is asked
    // for on the way.
    static bool Walk_To(float tx, float ty, float near, int exit_wanted = -1, int ms = 60000) {
        Run_Until([] { return !lock_player || next_scene || next_scene1 != -1; }, 6000); // a success pose holds him
        const int e0 = episode, s0 = scene;
        auto left = [&] { return Requested() || episode != e0 || scene != s0 || p1_id == -1; };
        int stuck = 0;
        for (int t = 0; t < ms && stuck < 6;) {
            if (left()) return exit_wanted != -1;
            if (exit_wanted == -1 && std::hypot(PX() - tx, PY() - ty) <= near) return true;
            // Grenades in hand would be thrown by a click on the ground: the gun first.
            if (current_weapon >= 0 && (player_inv[current_weapon] == 29 || player_inv[current_weapon] == 30)) Arm();
            if (defend_on_walks) Defend();
            if (defend_on_walks && Threat(1.0f) == -1) Top_Up();
            if (left()) return exit_wanted != -1;
            const std::vector<int> way = Plan_Way(tx, ty, near, exit_wanted);
            if (way.empty()) {
                ++stuck;
                Run(300);
                t += 300;
                continue;
            }
            // The farthest cell of the way (at most 6 cells on) that a click can reach.
            size_t k = std::min<size_t>(way.size(), 6);
            int px = 0, py = 0;
            float x = 0, y = 0;
            // (Where the pointer offers nothing: over a man or a gun a click attacks.)
            size_t fallback = 0;
            for (; k > 0; --k) {
                x = Cell_Centre_X(Cell_Column_Of(way[k - 1]));
                y = Cell_Centre_Y(Cell_Row_Of(way[k - 1]));
                px = Pixel_X(x), py = Pixel_Y(y);
                if (!On_Map_Pixel(px, py)) continue;
                if (!fallback) fallback = k;
                Pointer(px, py);
                Run(15);
                if (on_selected_man == 0) break;
            }
            if (k == 0 && fallback) {
                k = fallback;
                x = Cell_Centre_X(Cell_Column_Of(way[k - 1]));
                y = Cell_Centre_Y(Cell_Row_Of(way[k - 1]));
            }
            if (k == 0) {
                ++stuck;
                Run(100);
                t += 100;
                continue;
            }
            // The last step into an exit: its middle (a cell's centre may lie on its edge),
            // then a little further in each time the step ends short of it.
            if (exit_wanted != -1 && k == way.size()) {
                static const float nudge[][2] = {{0, 0}, {0, 0.25f}, {0, -0.25f}, {0.25f, 0}, {-0.25f, 0}};
                const object& t = sprite[exit_wanted];
                x = Box_X(exit_wanted) + nudge[stuck % 5][0] * t.box_width;
                y = Box_Y(exit_wanted) + nudge[stuck % 5][1] * t.box_height;
                ++stuck;
            }
            const float before = std::hypot(PX() - x, PY() - y);
            Trace("walk: click (%.2f, %.2f) toward (%.2f, %.2f), player (%.2f, %.2f)", x, y, tx, ty, PX(), PY());
            Click_World(x, y);
            const bool there = Run_Until([&] {
                return left() || std::hypot(PX() - x, PY() - y) < 0.07f || (defend_on_walks && Threat(0.7f) != -1);
            }, 2500);
            t += 2580;
            if (exit_wanted != -1 && k == way.size()) continue; // counted above
            if (!there && std::hypot(PX() - x, PY() - y) > before - 0.05f) ++stuck;
            else stuck = 0;
        }
        if (exit_wanted != -1) return left();
        return std::hypot(PX() - tx, PY() - ty) <= near;
    }
    static bool Walk_Into_Exit(int trigger, int ms = 60000) {
        return Walk_To(Box_X(trigger), Box_Y(trigger), 0.0f, trigger, ms) && Requested();
    }

    // Walks up to object i and clicks it where the pointer offers it until its contact asks
    // for a scene (or `done` holds).
    static bool Use_Object(int i, const std::function<bool()>& done = [] { return next_scene; }, int ms = 60000) {
        Walk_To(Box_X(i), Box_Y(i), 0.45f, -1, ms);
        if (done()) return true;
        Trace("use %d: player at %.2f from it", i, Gap_To(i));
        for (int tries = 0; tries < 6 && !done(); ++tries) {
            const object& o = sprite[i];
            bool offered = false;
            float x = 0, y = 0;
            for (float fy : {0.5f, 0.3f, 0.7f, 0.15f, 0.85f}) {
                for (float fx : {0.5f, 0.3f, 0.7f}) {
                    x = o.x + o.width * fx;
                    y = o.y + o.height * fy;
                    Pointer(Pixel_X(x), Pixel_Y(y));
                    Run(20);
                    if (stored_target == i) {
                        offered = true;
                        break;
                    }
                }
                if (offered) break;
            }
            if (!offered) {
                Trace("use %d: the pointer over it does not offer it", i);
                return false;
            }
            Click_World(x, y);
            Run_Until(done, 3000);
        }
        return done();
    }

    // Plays a conversation page to its end: the line cut short with "Skip text" once shown,
    // the question answered (1 Accept, 2 Decline). True when it asked for the next scene.
    static bool Talk_Through(int answer = 1, int ms = 120000) {
        const int e0 = episode, s0 = scene;
        auto left = [&] { return next_scene || episode != e0 || scene != s0; };
        auto find = [](int type) {
            for (int i = 0; i < no_sprites; ++i)
                if (sprite[i].type == type) return i;
            return -1;
        };
        for (int t = 0; t < ms && !left();) {
            if (decision == 3) {
                const int b = find(answer == 2 ? FE_DECLINE : FE_ACCEPT);
                if (b == -1) return false;
                Run(300);
                Click(View_X(Box_X(b)), View_Y(Box_Y(b)));
                t += 370;
                continue;
            }
            const int skip = find(FE_SKIP);
            if (hud_sequence == 2 && skip != -1 && text_queue >= 1 && text_queue <= 100 &&
                (counter[0].word[0] || counter[1].word[0])) {
                Run_Until(left, 250);
                Click(View_X(Box_X(skip)), View_Y(Box_Y(skip)));
                t += 320;
            } else {
                Run_Until(left, 50);
                t += 50;
            }
        }
        return left();
    }
    // Waits on a picture page until it asks for its scene, skipping it with its button when
    // it has one.
    static bool Through_Page(int ms = 30000) {
        const int e0 = episode, s0 = scene;
        auto left = [&] { return next_scene || episode != e0 || scene != s0; };
        Run_Until(left, 700); // a page's button is armed after half a second
        if (!left()) {
            // The briefings' "Start the fight!" (sprite 1), else a picture page's "Skip Scene".
            const bool briefing = episode == 1 && (scene == 118 || scene == 139);
            const int px = briefing ? View_X(Box_X(1)) : View_X(0.75f), py = briefing ? View_Y(Box_Y(1)) : View_Y(-0.59f);
            Pointer(px, py);
            Run_Until(left, 60);
            if (!left()) Click(px, py);
        }
        return Run_Until(left, ms);
    }
    // Lets requests play out until scene e/s is on and bright (the pages between, picture
    // pages and conversations, are played through).
    static bool Arrive_In(int e, int s, int ms = 60000) {
        for (int t = 0; t < ms; t += 50) {
            if (In(e, s) && fade >= 1.0f && (game_mode != MODE_WALK || p1_id != -1)) return true;
            if (next_scene || fade < 1.0f) {
                Run_Until([] { return !next_scene && fade >= 1.0f; }, 50);
                continue;
            }
            if (episode == 1 && gallery_mode_active && game_mode == MODE_FRONT) {
                Win_Gallery_Round();
                continue;
            }
            if (In(1, 25)) { // the tent (where a dead player wakes up): out to the camp
                Run(800);
                Click(View_X(Box_X(13)), View_Y(Box_Y(13)));
                Run_Until([] { return next_scene; }, 2000);
                continue;
            }
            if (episode == 1 && game_mode == MODE_FRONT && hud_sequence > 0) {
                Talk_Through(1, ms);
                continue;
            }
            if ((episode == 1 || episode == 0) && game_mode != MODE_WALK) {
                Through_Page(ms);
                continue;
            }
            Run(50);
        }
        return In(e, s) && fade >= 1.0f;
    }

    // With STORY_TRACE set, a line on the progress of the drivers (on stderr).
    template <typename... A>
    static void Trace(const char* fmt, A... a) {
        if (!std::getenv("STORY_TRACE")) return;
        std::fprintf(stderr, "[%d/%d %.0fms] ", episode, scene, (double)TimerGetTime());
        std::fprintf(stderr, fmt, a...);
        std::fputc('\n', stderr);
    }
    // An enemy of the scene that stands and fights.
    static bool Enemy_Alive(int i) {
        if (i < 0 || i >= no_sprites || p1_id == -1 || i == p1_id) return false;
        const object& u = sprite[i];
        return u.type == UNT && u.linked_sprite != player_type && u.score > 0 && !u.turn_off &&
               u.status != 30 && u.status != 31 && u.status != 44;
    }
    static float Gap_To(int i) { return std::hypot(Box_X(i) - PX(), Box_Y(i) - PY()); }
    // The nearest enemy within `range` of the player that has seen him (or any within `range`
    // when `seen_only` is false); -1 none.
    static int Threat(float range, bool seen_only = true) {
        int best = -1;
        for (int i = 0; i < no_sprites; ++i) {
            if (!Enemy_Alive(i) || Gap_To(i) > range || ignored_until[i] > (int)TimerGetTime()) continue;
            if (seen_only && !sprite[i].spotted && sprite[i].fire_target != p1_id) continue;
            if (best == -1 || Gap_To(i) < Gap_To(best)) best = i;
        }
        return best;
    }
    // The inventory slot holding one of `codes`, -1 none.
    static int Slot_Holding(std::initializer_list<int> codes) {
        for (int n = 0; n < 16; ++n)
            for (int c : codes)
                if (player_inv[n] == c) return n;
        return -1;
    }
    // A left click on inventory slot n (HUD item 11 + n): eats, reads or takes the item in hand.
    static void Click_Slot(int n) {
        const object& h = hud[11 + n];
        const int64_t at = Pixels(h.x + h.width / 2, h.y + h.height / 2);
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, at});
        Run(30);
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, at});
        Run(30);
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, at});
        Run(20);
    }
    // Eats from the pack while the player is low and has food.
    static void Heal_If_Low(int below) {
        for (int k = 0; k < 4 && p1_id != -1 && sprite[p1_id].score > 0 && sprite[p1_id].score < below; ++k) {
            const int food = Slot_Holding({3, 4, 23, 26, 45});
            if (food == -1) return;
            Click_Slot(food);
        }
    }
    // Takes the weapon of one of `codes` in hand (a click on its slot); false when none is carried.
    static bool Take_In_Hand(std::initializer_list<int> codes) {
        const int n = Slot_Holding(codes);
        if (n == -1) return false;
        if (current_weapon == n || (current_weapon == n + 1 && player_inv[n + 1] == player_inv[n] + 1)) return true;
        Click_Slot(n);
        Run(200);
        return current_weapon != -1 && (current_weapon == n || current_weapon == n + 1);
    }
    // Fights enemy e until it is down or gone: the pointer on its head (a head shot hurts most;
    // a shotgun aims at the body whatever), a click fires at it (an empty gun is reloaded by
    // the click), and the player eats when he is low.
    // The shells in the pack (loaded or not).
    static int Shells() {
        int n = 0;
        for (int k = 0; k < 16; ++k)
            if (player_inv[k] == 36) n += player_inv_value[k];
        if (current_weapon >= 0 && (player_inv[current_weapon] == 33 || player_inv[current_weapon] == 34))
            n += player_inv_value2[current_weapon];
        return n;
    }
    // The shotgun in hand while there are shells for it, else the pistol (the number keys).
    // Rounds of ammunition code `ammo` in the pack and loaded in a gun of `slots`.
    static int Rounds_Of(int ammo, std::initializer_list<int> slots) {
        int n = 0, loaded = 0;
        for (int k = 0; k < 16; ++k) {
            if (player_inv[k] == ammo) n += player_inv_value[k];
            for (int c : slots)
                if (player_inv[k] == c) loaded = std::max(loaded, player_inv_value2[k]);
        }
        return n + loaded;
    }
    // Rounds for the rifle in the pack and in it.
    static int Rifle_Rounds() {
        int n = 0;
        for (int k = 0; k < 16; ++k)
            if (player_inv[k] == 2) n += player_inv_value[k];
        if (current_weapon >= 0 && (player_inv[current_weapon] == 6 || player_inv[current_weapon] == 7))
            n += player_inv_value2[current_weapon];
        else if (const int r = Slot_Holding({7}); r != -1)
            n += player_inv_value2[r];
        return n;
    }
    // The best gun with rounds in hand: the rifle, the shotgun, else the pistol (number keys).
    static void Arm() {
        for (int k = 0; k < 4; ++k) {
            const int in_hand = current_weapon >= 0 ? player_inv[current_weapon] : -1;
            char key = '1';
            if (Slot_Holding({6, 7}) != -1 && Rifle_Rounds() > 0) key = '5';
            else if (Slot_Holding({38, 39}) != -1 && Rounds_Of(41, {38, 39}) > 0) key = '4';
            else if (Slot_Holding({33, 34, 35}) != -1 && Shells() > 0) key = '2';
            const bool holds = key == '5'   ? (in_hand == 6 || in_hand == 7)
                               : key == '4' ? (in_hand == 38 || in_hand == 39)
                               : key == '2' ? (in_hand == 33 || in_hand == 34)
                                            : in_hand == 10;
            if (holds) return;
            Run_Until([] { return next_weapon == -1; }, 2000); // a switch under way ends first
            Tap(key);
            Run_Until([] { return next_weapon == -1; }, 2000);
            Run(100);
        }
    }
    // A right click on the map: the gun in hand is reloaded.
    static void Reload() {
        const int64_t at = platform::MakeLParam(kW / 2, kH / 2 + 60);
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, at});
        Run(20);
        platform::PostMessage(platform::MSG{platform::WM_RBUTTONDOWN, 0, at});
        Run(30);
        platform::PostMessage(platform::MSG{platform::WM_RBUTTONUP, 0, at});
        Run(250);
    }
    // Reloads a gun that is less than half full while there are rounds for it (between fights).
    static void Top_Up() {
        if (p1_id == -1 || reloading || current_weapon < 0) return;
        const int code = player_inv[current_weapon];
        const int reserve = code == 10                   ? 13
                            : (code == 33 || code == 34) ? 36
                            : (code == 6 || code == 7)   ? 2
                            : (code == 38 || code == 39) ? 41
                                                         : -1;
        if (reserve == -1 || Slot_Holding({reserve}) == -1) return;
        if (player_inv_value2[current_weapon] * 2 >= GUN_CAPACITY) return;
        Reload();
        Run_Until([] { return !reloading; }, 3500);
    }
    static bool Fight(int e, int ms = 30000, int heal_below = 45) {
        Arm();
        {
            const int gs = Slot_Holding({29, 30});
            Trace("fight %d (class %d, score %d) at %.2f, player %d, in hand %d, grenades %d", e, sprite[e].sector,
                  sprite[e].score, Gap_To(e), p1_id != -1 ? sprite[p1_id].score : -1,
                  current_weapon >= 0 ? player_inv[current_weapon] : -1, gs >= 0 ? player_inv_value[gs] : 0);
        }
        int last_score = sprite[e].score, still = 0;
        for (int t = 0; t < ms && Enemy_Alive(e) && p1_id != -1 && !Requested();) {
            // No harm done for a while: nearer by the grid, then leave him be for a time.
            if (sprite[e].score < last_score) last_score = sprite[e].score, still = 0;
            if (++still % 12 == 0) {
                if (still >= 36) {
                    ignored_until[e] = (int)TimerGetTime() + 15000;
                    Trace("fight %d: out of reach", e);
                    return false;
                }
                const bool defend = defend_on_walks;
                defend_on_walks = false;
                Walk_To(Box_X(e), Box_Y(e), 0.35f, -1, 4000);
                defend_on_walks = defend;
            }
            Heal_If_Low(heal_below);
            if (current_weapon < 0 || (player_inv_value2[current_weapon] <= 0 && !reloading)) Arm();
            if (current_weapon >= 0 && player_inv_value2[current_weapon] <= 0 && !reloading) {
                Reload();
                t += 300;
            }
            const object& u = sprite[e];
            // The head if the pointer can be put on it there, else the body, else the legs.
            const float x = u.w + u.box_width / 2;
            int px = Pixel_X(x), py = -1;
            for (float h : {3.5f, 2.0f, 0.5f})
                if (On_Map_Pixel(px, Pixel_Y(u.z + u.box_height * h))) {
                    py = Pixel_Y(u.z + u.box_height * h);
                    break;
                }
            if (py < 0) { // off the view: toward it first
                const bool defend = defend_on_walks;
                defend_on_walks = false;
                Walk_To(Box_X(e), Box_Y(e), Gap_To(e) * 0.6f, -1, 3000);
                defend_on_walks = defend;
                t += 3000;
                continue;
            }
            Pointer(px, py);
            Run(20);
            if (stored_target != e) { // another's box over his: the pointer along his picture
                for (float h : {2.0f, 1.0f, 0.5f, 3.0f}) {
                    const int qy = Pixel_Y(u.z + u.box_height * h);
                    if (!On_Map_Pixel(px, qy)) continue;
                    Pointer(px, qy);
                    Run(15);
                    if (stored_target == e) {
                        py = qy;
                        break;
                    }
                }
            }
            const int64_t at = platform::MakeLParam(px, py);
            platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, at});
            const bool machine = current_weapon >= 0 && (player_inv[current_weapon] == 38 || player_inv[current_weapon] == 39);
            Run_Until([&] { return !Enemy_Alive(e) || Requested(); }, machine ? 600 : 40); // a machine gun fires while held
            platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, at});
            Run_Until([&] { return !Enemy_Alive(e) || Requested(); }, 250);
            t += 310;
            Trace("  shot at %d: its score %d at %.2f, player %d status %d target %d weapon %d rounds %d", e,
                  sprite[e].score, Gap_To(e), sprite[p1_id].score, sprite[p1_id].status, sprite[p1_id].fire_target,
                  current_weapon, current_weapon >= 0 ? player_inv_value2[current_weapon] : -1);
        }
        Trace("fight %d over: score %d, player %d", e, sprite[e].score, p1_id != -1 ? sprite[p1_id].score : -1);
        return !Enemy_Alive(e);
    }
    // Fights every enemy that has seen the player within `range`.
    static void Defend(float range = 0.8f) {
        for (int k = 0; k < 20; ++k) {
            const int e = Threat(range);
            if (e == -1 || p1_id == -1 || Requested()) return;
            Fight(e, 20000);
        }
    }

    // Blows up the unit-like object g (a gun, a tunnel cover) with a grenade thrown from a
    // few steps off: the grenades taken in hand (key 3), the pointer on it until it offers
    // it as a target, a click. False when no grenade is left or it still stands.
    static bool Blow_Up(int g, int tries = 3) {
        for (int k = 0; k < tries && sprite[g].score > 0 && p1_id != -1; ++k) {
            // Up beside it: above it the pointer offers the gun itself, and a click there
            // attacks instead of walking.
            const object& b = sprite[g];
            const float cy = b.z + b.box_height / 2;
            if (!Walk_To(b.w - 0.2f, cy, 0.2f, -1, 30000) && !Walk_To(b.w + b.box_width + 0.2f, cy, 0.2f, -1, 30000) &&
                !Walk_To(Box_X(g), b.z - 0.25f, 0.2f, -1, 30000))
                Walk_To(Box_X(g), Box_Y(g), 0.55f, -1, 30000);
            if (p1_id == -1 || Requested()) return false;
            const int grenades = Slot_Holding({29, 30});
            if (grenades == -1) {
                Trace("blow up %d: no grenade left", g);
                return false;
            }
            if (current_weapon != grenades) {
                Tap('3');
                Run(600);
            }
            const object& o = sprite[g];
            bool offered = false;
            float x = 0, y = 0;
            for (float fy : {0.5f, 0.3f, 0.7f, 0.15f}) {
                x = o.w + o.box_width / 2;
                y = o.z + o.box_height * fy;
                Pointer(Pixel_X(x), Pixel_Y(y));
                Run(20);
                if (stored_target == g) {
                    offered = true;
                    break;
                }
            }
            Trace("blow up %d (score %d) from %.2f: offered %d, grenades %d", g, o.score, Gap_To(g), offered,
                  player_inv_value[grenades]);
            Click_World(x, y);
            if (std::getenv("STORY_TRACE")) Shot("blow_up_" + std::to_string(g) + "_" + std::to_string(k));
            Run_Until([g] { return sprite[g].score <= 0; }, 3000);
            Trace("blow up %d: score %d after the throw", g, sprite[g].score);
        }
        Arm();
        return sprite[g].score <= 0;
    }

    // ---- The shooting gallery, as a player wins a round: the pointer on what stands up, a
    // click (one round), the right button to reload an empty gun; a cannon ball shot as it
    // comes down into view. Plays rounds until the gallery is left.
    static bool Gallery_Figure_Up(int i) {
        const object& o = sprite[i];
        return o.type == MNE && o.sector_action != 23 && o.alpha == 1.0f && o.grab_switch && o.score > 0 &&
               o.status != 30;
    }
    static void Gallery_Click(int i) {
        const int64_t at = platform::MakeLParam(Pixel_X(Box_X(i)), Pixel_Y(Box_Y(i)));
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, at});
        Run_Until([] { return next_scene; }, 20);
        if (next_scene) return;
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, at});
        Run_Until([] { return next_scene; }, 30);
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, at});
        Run_Until([] { return next_scene; }, 10);
    }
    static void Win_Gallery_Round() {
        const int s0 = scene;
        auto left = [s0] { return next_scene || episode != 1 || scene != s0; };
        for (int guard = 0; guard < 6000 && !left() && !::done; ++guard) {
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
                if (i >= 10 && i <= 11 ? sprite[i].alpha == 1.0f && sprite[i].grab_switch : Gallery_Figure_Up(i)) target = i;
            if (gallery_scene == 7)
                for (int b : {33, 34, 35})
                    if (sprite[b].alpha == 1.0f && sprite[b].grab_switch && sprite[b].width > 0.6f &&
                        sprite[b].y + sprite[b].height / 2 < 0.6f)
                        target = b;
            if (target == -1 && gallery_scene == 11 && sprite[32].grab_switch) target = 32;
            if (target == -1) Run_Until(left, 50);
            else Gallery_Click(target);
        }
        Trace("gallery round %d over: health %d", s0, old_health);
    }

    // ---- The trader's shop (1/7): a good bought as a player buys it: its row clicked, the
    // box's OK; then "Return to camp". False when the good is not in stock or not bought.
    static bool Buy_In_Shop(int code) {
        if (!In(1, 7)) return false;
        Run(800);
        int row = -1;
        for (int k = 0; k < 8; ++k)
            if (shop[shop_row + k] == code) row = k;
        if (row == -1) {
            Trace("shop: %d not in stock", code);
            return false;
        }
        Click(View_X(Box_X(7 + row)), View_Y(Box_Y(7 + row)));
        Run(400);
        const object& ok = hud[40];
        Trace("shop: row %d clicked, box %.1f, ok at %.2f %.2f", row, hud[2].alpha, ok.x, ok.y);
        const int64_t at = Pixels(ok.x + ok.width / 2, ok.y + ok.height / 2);
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, at});
        Run(60);
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, at});
        Run(40);
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, at});
        Run(300);
        return true;
    }
    static void Leave_Shop() {
        Click(View_X(Box_X(2)), View_Y(Box_Y(2))); // "Return to camp"
        Run_Until([] { return next_scene; }, 2000);
    }
};
