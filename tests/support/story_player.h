// The story played as a player plays it, in parts: each part is a test executable that starts
// from the save slot the part before it left (CTest runs them in order, see
// tests/CMakeLists.txt) and plays on with nothing but the pointer, clicks, keys and waiting.
// The game's state is read to decide where to click and to check what happened, never written.
#pragma once

#include "support/played_game.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "camp/gallery.h"
#include "common/codes.h"
#include "common/game_state.h"
#include "common/input.h"
#include "common/scene_state.h"
#include "common/story_state.h"
#include "common/world_state.h"
#include "content/content_state.h"
#include "content/object_setup.h"
#include "hud/derived_state.h"
#include "hud/hud.h"
#include "hud/player_stats.h"
#include "main/messages.h"
#include "main/mouse_code.h"
#include "world/collision.h"
#include "world/world_clock.h"

class StoryGame : public PlayedGame {
protected:
    // Where a part leaves its save folder for the next part: <build>/story/<part>.
    static std::filesystem::path Story_Dir(const std::string& part) {
        return std::filesystem::path(VARNOTH_BINARY_DIR) / "story" / part;
    }

    // Called once the game has saved itself (Escape saves to the slot in play): keeps the
    // save folder, as the player's machine keeps it between two sessions of play, and the
    // number of the slot in use.
    static void Keep_Story_Save(const std::string& part) {
        namespace fs = std::filesystem;
        ASSERT_NE(current_file, -1) << "no save slot in use";
        const fs::path dir = Story_Dir(part);
        std::error_code ec;
        fs::remove_all(dir, ec);
        fs::create_directories(dir, ec);
        ASSERT_FALSE(ec) << ec.message();
        fs::copy("data/save", dir / "save", fs::copy_options::recursive, ec);
        ASSERT_FALSE(ec) << ec.message();
        std::ofstream(dir / "slot") << current_file;
    }

    // The slot a kept part left, or -1 when that part has not run (or failed).
    static int Kept_Slot(const std::string& part) {
        std::ifstream in(Story_Dir(part) / "slot");
        int slot = -1;
        return (in >> slot) ? slot : -1;
    }

    // Puts the kept save folder of `part` where the game keeps its saves, as a player starting
    // the game again finds it; the game itself is then started and the slot chosen by the test.
    static void Restore_Story_Save(const std::string& part) {
        namespace fs = std::filesystem;
        ASSERT_NE(Kept_Slot(part), -1) << "the story part " << part << " left no save (it must run first)";
        std::error_code ec;
        fs::remove_all("data/save", ec);
        fs::copy(Story_Dir(part) / "save", "data/save", fs::copy_options::recursive, ec);
        ASSERT_FALSE(ec) << ec.message();
    }

    // ---- The player's hands (mouse-only scheme): walking, talking, fighting, saving ----
    // What a player cannot do is not here: the helpers that write the game's state are hidden.
    void Enter_Scene(int, int, int = 0) = delete;
    void Enter_Camp(int) = delete;
    static void Place_Player(float, float, int = 0) = delete;

    // Where the game stands, for failure messages: the scene, the player and any boxes.
    static std::string Where() {
        std::string s = "at " + std::to_string(episode) + "/" + std::to_string(scene);
        if (next_scene) s += " (leaving)";
        if (p1_id != -1 && sprite)
            s += ", the player at (" + std::to_string(PX()) + ", " + std::to_string(PY()) + ") with " +
                 std::to_string(sprite[p1_id].score) + " health";
        return s + Box_Texts();
    }
    static bool Settled_In(int e, int s) { return In(e, s) && fade >= 1.0f && (game_mode != MODE_WALK || p1_id != -1); }
    static bool Requested(int e, int s) { return next_scene && episode == e && scene == s; }

    // The program started as its window starts it (the boot scene), up to the main menu.
    void Boot_To_Menu() {
        ASSERT_TRUE(gl_);
        PlayedGame::Enter_Scene(10, 0);
        ASSERT_TRUE(Run_Until([] { return In(0, 1) && title_sequence >= 6 && stop_camera; }, 90000))
            << "menu not reached: " << Where();
    }
    // From the main menu: Start, the record of save slot `slot` chosen and opened. The game
    // then starts where a loaded game starts (the caller waits for it).
    void Open_Saved_Game(int slot) {
        Click_Sprite(22); // Start
        ASSERT_TRUE(Settle_On(0, 2, 5000)) << "save slots not reached: " << Where();
        int entry = -1;
        for (int i = 0; i < no_sprites; ++i)
            if (sprite[i].type == fe_type::FILE && sprite[i].sector_action == slot) entry = i;
        ASSERT_NE(entry, -1) << "no record of slot " << slot << " on the page";
        Click_Sprite(entry); // choose it
        ASSERT_EQ(file_selected, entry);
        Click_Sprite(entry); // and open it
        ASSERT_TRUE(Run_Until([] { return next_scene || !In(0, 2); }, 5000)) << "the record did not open: " << Where();
        ASSERT_EQ(current_file, slot);
    }
    // A page button: the pointer on it once the page has faded in and the button is armed
    // (the pages arm their buttons half a second after they open), then a click; true once
    // the page asks for the next scene.
    static bool Press_Page_Button(int i) {
        const int e = episode, s = scene;
        const auto left = [e, s] { return Scene_Requested() || episode != e || scene != s; };
        Run_Until([] { return fade >= 1.0f; }, 3000);
        Run(600);
        for (int tries = 0; tries < 3 && !left(); ++tries) {
            Click_Sprite(i);
            Run_Until(left, 500);
        }
        return left();
    }
    // Escape in a walk scene: the game saves itself into the slot in play and opens the
    // pause page.
    void Save_By_Escape() {
        ASSERT_EQ(game_mode, MODE_WALK) << Where();
        Tap(platform::VK_ESCAPE);
        ASSERT_TRUE(Settle_On(1, 53, 5000)) << "the pause page did not open: " << Where();
    }

    // A click on a world position held over a few ticks (a button-up in the same tick would
    // clear it); with `stop`, the loop stops as soon as it holds and the rest of the click is
    // not posted. The view leans toward the pointer, so the pointer is set again on the
    // world position just before the button goes down.
    static bool Click_At(float wx, float wy, const std::function<bool()>& stop = [] { return false; }) {
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, platform::MakeLParam(Pixel_X(wx), Pixel_Y(wy))});
        if (Run_Until(stop, 30)) return true;
        // The view has leant toward the pointer: a spot that has slid under the HUD or off
        // the screen is not clicked (the click would work the HUD).
        if (game_mode == MODE_WALK && !On_Screen(wx, wy)) return Run_Until(stop, 20);
        const int64_t at = platform::MakeLParam(Pixel_X(wx), Pixel_Y(wy));
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, at});
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, at});
        if (Run_Until(stop, 40)) {
            platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, at});
            return true;
        }
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, at});
        return Run_Until(stop, 20);
    }
    static void Point_At(float wx, float wy) {
        platform::PostMessage(
            platform::MSG{platform::WM_MOUSEMOVE, 0, platform::MakeLParam(Pixel_X(wx), Pixel_Y(wy))});
    }
    // A right click (reload) at a world position; beside the player when that lies under the
    // HUD or off the screen.
    static void Right_Click_At(float wx, float wy) {
        if (!On_Screen(wx, wy)) wx = PX() + 0.15f, wy = PY();
        const int64_t at = platform::MakeLParam(Pixel_X(wx), Pixel_Y(wy));
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, at});
        Run(20);
        platform::PostMessage(platform::MSG{platform::WM_RBUTTONDOWN, 0, at});
        Run(40);
        platform::PostMessage(platform::MSG{platform::WM_RBUTTONUP, 0, at});
        Run(10);
    }
    static float Distance_To(float x, float y) { return std::hypot(PX() - x, PY() - y); }
    static float Distance_To(int i) { return Distance_To(Box_X(i), Box_Y(i)); }
    // Whether the point lies on the drawn part of the map (a player only clicks what he sees).
    static bool On_Screen(float wx, float wy) {
        const int px = Pixel_X(wx), py = Pixel_Y(wy);
        return px > 8 && px < kW - 8 && py > 8 && py < kH - 8 && !Over_Hud(wx + camX, wy + camY);
    }
    // Whether a view position lies on the HUD's panels, buttons or inventory grid (a click
    // there works the HUD, not the map).
    static bool Over_Hud(float vx, float vy) {
        if (!hud) return false;
        const auto over = [&](int i) {
            const object& h = hud[i];
            return vx > h.w - 0.04f && vx < h.w + h.box_width + 0.04f && vy > h.z - 0.04f && vy < h.z + h.box_height + 0.04f;
        };
        for (int i : {36, 33, 50, 0, 29, 30, 38, 49, 46, 26})
            if (over(i)) return true;
        for (int i = 11; i <= 26; ++i)
            if (over(i)) return true;
        return false;
    }

    // With STORY_TRACE set, a line on the player's state (for following a long run).
    static void Trace(const std::string& what) {
        if (!std::getenv("STORY_TRACE")) return;
        std::fprintf(stderr, "[story] %s: %d/%d t=%d health %d/%d exp %d/%d rank %d points %d weapon %d grenades %d inv",
                     what.c_str(), episode, scene, Now(), p1_id != -1 ? sprite[p1_id].score : -1, PLY_VITALITY,
                     player_experience, player_exp_level, player_rank, level_up_points, current_weapon, INV_GRENADE_COUNT);
        for (int n = 0; n < 16; ++n) std::fprintf(stderr, " %d:%d/%d", player_inv[n], player_inv_value[n], player_inv_value2[n]);
        std::fprintf(stderr, "\n");
    }

    // ---- Walking ----
    // Ground a walker may cross: no wall, water or footprint, and clear of every exit's box
    // but the one he is going for (a step into another would take him out of the scene).
    static bool Walkable(int cell, int exit = -1) {
        if (!Cell_Index_On_Map(cell)) return false;
        const int c = map_col[cell];
        if (c == COL_SOLID || c == COL_SOLID_SHOOTTHRU || c == COL_WATER || c == COL_FOOTPRINT) return false;
        return !Near_Exit(Cell_Centre_X(Cell_Column_Of(cell)), Cell_Centre_Y(Cell_Row_Of(cell)), exit);
    }
    // Whether (x, y) lies on or beside an exit's box or an open tunnel (other than `exit`).
    static bool Near_Exit(float x, float y, int exit = -1, float margin = 0.12f) {
        // A tunnel cover opens into the tunnels once a shot or a blast breaks it.
        for (int i = 0; i < no_sprites; ++i) {
            const object& o = sprite[i];
            if (o.type == BAG && o.sector == unit_class::TUNNEL && x > o.w - margin && x < o.w + o.box_width + margin &&
                y > o.z - margin && y < o.z + o.box_height + margin)
                return true;
        }
        for (int k = 0; k < trigger_counter; ++k) {
            const int t = trigger_list[k];
            if (t == exit || t < 0 || t >= no_sprites) continue;
            const object& o = sprite[t];
            const float x0 = std::min(o.w, o.x), y0 = std::min(o.z, o.y);
            const float x1 = o.type == LAD ? std::max(o.w + o.box_width, o.x + o.width) : o.w + o.box_width;
            const float y1 = o.type == LAD ? std::max(o.z + o.box_height, o.y + o.height) : o.z + o.box_height;
            if (x > x0 - margin && x < x1 + margin && y > y0 - margin && y < y1 + margin) return true;
        }
        return false;
    }
    // The cells of the shortest way over walkable ground from the player to the first cell
    // that `goal` accepts, the player's own cell first; empty when there is none.
    static std::vector<int> Way_To_Cell(const std::function<bool(int)>& goal, int exit = -1) {
        const int from = Cell_Of(PX(), PY());
        if (from < 0) return {};
        std::vector<int> came(GRID_CELLS, -1);
        std::vector<int> queue{from};
        came[from] = from;
        int end = goal(from) ? from : -1;
        for (size_t q = 0; q < queue.size() && end == -1; ++q) {
            const int c = queue[q], col = Cell_Column_Of(c), row = Cell_Row_Of(c);
            for (const auto& [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int n = Cell_Index(col + dc, row + dr);
                if (n < 0 || came[n] != -1) continue;
                const bool last = goal(n);
                if (!last && !Walkable(n, exit)) continue;
                came[n] = c;
                queue.push_back(n);
                if (last) {
                    end = n;
                    break;
                }
            }
        }
        if (end == -1) return {};
        std::vector<int> way;
        for (int c = end; c != from; c = came[c]) way.push_back(c);
        way.push_back(from);
        std::reverse(way.begin(), way.end());
        return way;
    }
    static float Cell_X(int cell) { return Cell_Centre_X(Cell_Column_Of(cell)); }
    static float Cell_Y(int cell) { return Cell_Centre_Y(Cell_Row_Of(cell)); }
    // Whether the pointer on the centre of a cell lies over a person, prop or enemy the mouse
    // code would offer (a player clicking the ground picks a spot beside them).
    static bool Offers_Something(int cell) {
        const float x = Cell_X(cell), y = Cell_Y(cell);
        for (int i = 0; i < no_sprites; ++i) {
            const object& o = sprite[i];
            if (o.type == LAD && o.grab_switch && !o.turn_off && x > o.x - 0.06f && x < o.w + o.box_width + 0.06f &&
                y > o.y - 0.06f && y < o.z + o.box_height + 0.06f)
                return true; // a ladder or an open tunnel: a click there climbs in
            if (i == p1_id || o.mouseover || o.turn_off || o.score <= 0) continue;
            if (o.type != OBJ && o.type != UNT && o.type != BAG && o.type != DOR) continue;
            if (x > o.w - 0.06f && x < o.w + o.box_width + 0.06f && y > o.z - 0.06f && y < o.z + 4 * o.box_height + 0.06f)
                return true;
        }
        return false;
    }
    // Walks the given way as a player does on a map larger than the screen: clicks on the
    // ground along it a few steps apart, each within the screen and clear of people. True
    // once the player stands on its last cell (within `near`) or stop() holds.
    static bool Walk_Way(const std::vector<int>& way, float near, const std::function<bool()>& stop) {
        if (way.empty()) return stop();
        const float gx = Cell_X(way.back()), gy = Cell_Y(way.back());
        const int e = episode, s = scene;
        int last_health = sprite[p1_id].score;
        size_t k = 0;
        for (int guard = 0; guard < 400; ++guard) {
            if (stop()) return true;
            if (episode != e || scene != s || next_scene || p1_id == -1) return false; // taken elsewhere
            if (Distance_To(gx, gy) < near) return true;
            // The way cell nearest the player, then a spot up to six cells on.
            size_t here = k;
            float best = 1e9f;
            for (size_t j = k; j < way.size() && j < k + 12; ++j) {
                const float d = Distance_To(Cell_X(way[j]), Cell_Y(way[j]));
                if (d < best) best = d, here = j;
            }
            k = here;
            size_t at = std::min(here + 6, way.size() - 1);
            size_t pick = at;
            const auto bad = [](int c) { return Offers_Something(c) || !On_Screen(Cell_X(c), Cell_Y(c)); };
            for (size_t d = 1; d < 6 && bad(way[pick]); ++d) {
                if (at + d < way.size() && !bad(way[at + d])) pick = at + d;
                else if (at >= d && !bad(way[at - d])) pick = at - d;
            }
            const float hx = Cell_X(way[pick]), hy = Cell_Y(way[pick]);
            if (std::getenv("STORY_TRACE") && sprite[p1_id].score != last_health) {
                last_health = sprite[p1_id].score;
                Trace("hurt on the way");
            }
            if (Click_At(hx, hy, stop)) return true;
            const bool there = Run_Until([&] { return stop() || Distance_To(hx, hy) < 0.06f || !sprite[p1_id].moving; }, 5000);
            if (stop()) return true;
            if (!there || Distance_To(hx, hy) > 0.12f) {
                // Not there: a unit or a passing lorry in the way; a step back along the way.
                if (guard % 3 == 2 && here > 0) k = here - 1;
                Run(150);
            }
        }
        return stop() || Distance_To(gx, gy) < near;
    }
    // Walks to (x, y) by clicks along a way planned over the map's cells (a player sees
    // where the gaps are). True once he stands within `near` of it or stop() holds.
    static bool Walk_To(float x, float y, float near = 0.08f, const std::function<bool()>& stop = [] { return false; }) {
        const int to = Cell_Of(x, y), e = episode, s = scene;
        for (int tries = 0; tries < 3; ++tries) {
            const std::vector<int> way = Way_To_Cell([to](int c) { return c == to; });
            if (way.empty()) {
                ADD_FAILURE() << "no open way to (" << x << ", " << y << "); " << Where();
                return false;
            }
            if (Walk_Way(way, near, stop)) return true;
            if (episode != e || scene != s || next_scene || p1_id == -1) break; // taken elsewhere
        }
        ADD_FAILURE() << "the walk to (" << x << ", " << y << ") stopped; " << Where();
        return false;
    }
    // Walks into exit `t` (a trigger box) until the scene asks for the next one.
    static bool Take_Exit(int t) {
        const object& o = sprite[t];
        const int to = Cell_Of(o.w + o.box_width / 2, o.z + o.box_height / 2);
        const int e = episode, s = scene;
        const auto left = [e, s] { return Scene_Requested() || episode != e || scene != s; };
        for (int tries = 0; tries < 3 && !left(); ++tries) {
            const std::vector<int> way = Way_To_Cell([to](int c) { return c == to; }, t);
            if (way.empty()) {
                ADD_FAILURE() << "no open way to exit " << t << "; " << Where();
                return false;
            }
            if (Walk_Way(way, 0.0f, left) || Run_Until(left, 2000)) break;
        }
        if (!left() || (episode == e && scene == s && !next_scene)) {
            ADD_FAILURE() << "exit " << t << " led nowhere; " << Where();
            return false;
        }
        return true;
    }
    // A point over object i's picture where the pointer offers it (the cursor shows it can
    // be used or shot), as a player moves the pointer over it; false when there is none.
    static bool Find_Pick(int i, float& x, float& y, bool head = false) {
        const object& o = sprite[i];
        const float bx = o.w + o.box_width / 2;
        // Over a soldier the top of the box is his head (a shot there hurts twice as much).
        for (float fy : head ? std::initializer_list<float>{3.5f, 3.2f, 1.5f, 2.5f} : std::initializer_list<float>{1.5f, 0.5f, 2.5f, 3.2f})
            for (float fx : {0.0f, -0.3f, 0.3f}) {
                x = bx + o.box_width * fx;
                y = o.z + o.box_height * fy;
                if (!On_Screen(x, y)) continue; // under the HUD, or off the screen
                Point_At(x, y);
                Run(20);
                if (stored_target == i && on_selected_man != 0) return true;
            }
        return false;
    }
    // Walks up to person or prop i and clicks it, until opened() holds (his page is asked
    // for, the switch thrown).
    static bool Visit(int i, const std::function<bool()>& opened) {
        for (int tries = 0; tries < 3 && !opened(); ++tries) {
            const int gc = Cell_Column_Of(Cell_Of(Box_X(i), Box_Y(i))), gr = Cell_Row_Of(Cell_Of(Box_X(i), Box_Y(i)));
            const std::vector<int> way = Way_To_Cell([&](int c) {
                const int dc = std::abs(Cell_Column_Of(c) - gc), dr = std::abs(Cell_Row_Of(c) - gr);
                return dc + dr <= 2 && Walkable(c);
            });
            if (way.empty()) {
                ADD_FAILURE() << "no open way to object " << i << "; " << Where();
                return false;
            }
            if (Walk_Way(way, 0.06f, opened)) {
                if (opened()) return true;
            }
            if (Fallen()) return false; // felled on the way: the caller takes it up again
            float x = 0, y = 0;
            if (!Find_Pick(i, x, y)) {
                ADD_FAILURE() << "the pointer nowhere over object " << i << " offers it; " << Where();
                return false;
            }
            if (Click_At(x, y, opened)) return true;
            if (Run_Until(opened, 5000)) return true;
        }
        if (!opened() && !Fallen()) ADD_FAILURE() << "object " << i << " did not open; " << Distance_To(i) << " from it; " << Where();
        return opened();
    }

    // ---- Talking ----
    // Follows a portrait page's conversation as a player does: each line read and skipped,
    // each question answered by the next of `answers` (true: Accept), until the page asks
    // for the next scene. The lines shown, in order.
    static std::vector<std::string> Follow_Page(std::vector<bool> answers) {
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
                              << " (decision " << decision << ", shown \"" << counter[0].word << "\" \"" << counter[1].word
                              << "\") after " << lines.size() << " lines";
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
                Run(300);
                Click_At(Box_X(yes ? 0 : 6), Box_Y(yes ? 0 : 6), closing); // Accept or Decline
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
    static bool Said(const std::vector<std::string>& lines, const std::string& text) {
        return std::find(lines.begin(), lines.end(), text) != lines.end();
    }
    // Walks up to person i of a walk scene, waits for his page e/s and talks it through;
    // the lines shown. Then the game goes on to wherever the page's close leads.
    std::vector<std::string> Talk_To(int i, int e, int s, std::vector<bool> answers = {}) {
        if (!Visit(i, [=] { return Requested(e, s) || In(e, s); })) return {};
        if (!Settle_On(e, s, 8000)) {
            ADD_FAILURE() << "the page " << e << "/" << s << " did not open; " << Where();
            return {};
        }
        return Follow_Page(std::move(answers));
    }

    // Through the door trigger `door` of a camp into the player's tent, a night's sleep on
    // the cot (he wakes with full health) and out again into the camp.
    void Rest_In_Tent(int door) {
        const int e = episode, s = scene;
        ASSERT_TRUE(Take_Exit(door)) << Where();
        ASSERT_TRUE(Settle_On(1, 25, 10000)) << "the tent not reached: " << Where();
        Run(600);
        Click_Sprite(6); // the cot
        ASSERT_TRUE(Run_Until([] { return was_sleeping; }, 2000)) << Where();
        ASSERT_TRUE(Settle_On(1, 25, 20000)) << Where();
        ASSERT_TRUE(Press_Page_Button(13)) << Where(); // Leave_Tent
        ASSERT_TRUE(Run_Until([=] { return Settled_In(e, s); }, 12000)) << Where();
    }

    // ---- Fighting ----
    // The enemies of the scene still standing: units of the other side, alive.
    static bool Enemy(int i) {
        const object& u = sprite[i];
        return i != p1_id && u.type == UNT && u.linked_sprite != player_type && u.score > 0 && !u.turn_off &&
               !u.mouseover && u.status != 44;
    }
    static int Nearest_Enemy() {
        int best = -1;
        float d = 1e9f;
        for (int i = 0; i < no_sprites; ++i)
            if (Enemy(i) && Distance_To(i) < d) d = Distance_To(i), best = i;
        return best;
    }
    static int Standing_Enemies() {
        int n = 0;
        for (int i = 0; i < no_sprites; ++i) n += Enemy(i);
        return n;
    }
    // Whether nothing solid stands on the straight line from the player to (x, y).
    static bool Clear_Line(float x, float y) {
        const float d = Distance_To(x, y);
        for (float t = 0.05f; t < d; t += 0.05f) {
            const int cell = Cell_Of(PX() + (x - PX()) * t / d, PY() + (y - PY()) * t / d);
            if (cell < 0) return false;
            const int c = map_col[cell];
            if (c == COL_SOLID || c == COL_SOLID_SHOOTTHRU) return false;
        }
        return true;
    }
    static int Weapon_Rounds() { return current_weapon >= 0 && current_weapon < 16 ? player_inv_value2[current_weapon] : 0; }
    // Whether he carries the shotgun (key 2).
    static bool Has_Shotgun() {
        for (int i = 0; i < 16; ++i)
            if (player_inv[i] == 33) return true;
        return false;
    }
    static bool Grenade_In_Hand() {
        return current_weapon >= 0 && current_weapon < 16 && (player_inv[current_weapon] == 28 || player_inv[current_weapon] == 29 || player_inv[current_weapon] == 30);
    }
    // Reloads (the right button) when the weapon in hand is less than half full.
    static void Reload_If_Low() {
        if (current_weapon < 0 || current_weapon >= 16 || reloading || next_weapon != -1 || p1_id == -1) return;
        const int code = player_inv[current_weapon];
        const int full = code == 10 ? 10 : code == 38 || code == 39 ? 30 : 6;
        if (Weapon_Rounds() * 2 >= full) return;
        Right_Click_At(PX() + 0.2f, PY());
        Run_Until([] { return !reloading; }, 4000);
    }
    // Eats from the inventory (a click on the food's slot) when the life bar is low.
    static void Heal_When_Low() {
        if (p1_id == -1 || sprite[p1_id].score > PLY_VITALITY / 2) return;
        for (int n = 0; n < 16; ++n) {
            const int code = player_inv[n];
            if (code != 3 && code != 4 && code != 23 && code != 26 && code != 45) continue;
            const object& h = hud[11 + n];
            const int64_t at = Pixels(h.x + h.width / 2, h.y + h.height / 2);
            platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, at});
            Run(20);
            platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, at});
            Run(40);
            platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, at});
            Run(20);
            return;
        }
    }
    // The rounds he has for the gun whose slots hold `codes`: those loaded and those in the
    // pack (ammunition code `ammo`); -1 when he carries no such gun.
    static int Rounds_For(std::initializer_list<int> codes, int ammo) {
        int loaded = -1, pack = 0;
        for (int n = 0; n < 16; ++n) {
            if (player_inv[n] == ammo) pack += player_inv_value[n];
            for (const int c : codes)
                if (player_inv[n] == c) loaded = std::max(loaded, player_inv_value2[n]);
        }
        return loaded < 0 ? -1 : loaded + pack;
    }
    // The number key of the best gun he has rounds for: the machine gun, the shotgun, the
    // rifle, else the pistol.
    static int Best_Gun_Key() {
        if (Rounds_For({38, 39}, 41) > 0) return 4;
        if (Rounds_For({33, 34}, 36) > 0) return 2;
        if (Rounds_For({6, 7}, 2) > 0) return 5;
        return 1;
    }
    static int Key_Of(int code) {
        switch (code) {
        case 10: return 1;
        case 33: case 34: return 2;
        case 28: case 29: case 30: return 3;
        case 38: case 39: return 4;
        case 6: case 7: return 5;
        default: return 0;
        }
    }
    // The best gun in hand (see Best_Gun_Key), by its number key.
    static void Arm_Best() {
        const int key = Best_Gun_Key();
        if (current_weapon >= 0 && current_weapon < 16 && Key_Of(player_inv[current_weapon]) == key) return;
        Run_Until([] { return next_weapon == -1; }, 2000); // a switch under way ends first
        Take_Weapon(key);
    }
    // Takes out the weapon of number key `digit` (1 pistol, 2 shotgun, 3 grenades, 4 machine
    // gun, 5 rifle).
    static void Take_Weapon(int digit) {
        Tap('0' + digit);
        Run_Until([] { return next_weapon == -1 && !reloading; }, 2000);
    }
    // Throws a grenade at enemy e (he must stand further off than arm's reach): grenades
    // taken out, a click on him, the throw waited for, then back to the weapon in hand.
    static void Throw_Grenade_At(int e) {
        const int back = current_weapon;
        Take_Weapon(3);
        float x = 0, y = 0;
        if (Find_Pick(e, x, y)) Click_At(x, y);
        Run(900);
        if (back >= 0 && back < 16 && back != current_weapon) {
            const int code = player_inv[back];
            Take_Weapon(code == 33 || code == 34 ? 2 : code == 10 ? 1 : code == 38 || code == 39 ? 4 : 5);
        }
    }
    // Shoots object i (a target, a mast) by clicks on it until it falls, reloading with the
    // right button when the weapon is empty; false when it still stands after `clicks`.
    static bool Shoot_Down(int i, int clicks = 40) {
        for (int k = 0; k < clicks && sprite[i].score > 0 && !Scene_Requested(); ++k) {
            if (Weapon_Rounds() <= 0 && !reloading) {
                Right_Click_At(Box_X(i), Box_Y(i));
                Run_Until([] { return !reloading; }, 3000);
            }
            if (Distance_To(i) > 0.47f) {
                // Out of reach: onto open ground from where a shot reaches it.
                const float tx = Box_X(i), ty = Box_Y(i);
                const std::vector<int> way =
                    Way_To_Cell([&](int c) { return std::hypot(Cell_X(c) - tx, Cell_Y(c) - ty) < 0.42f && Walkable(c); });
                if (way.size() >= 2) Walk_Way(way, 0.06f, [i] { return Distance_To(i) < 0.44f || Scene_Requested(); });
            }
            float x = 0, y = 0;
            if (!Find_Pick(i, x, y)) {
                Run(100);
                continue;
            }
            Click_At(x, y);
            Run(250);
        }
        return sprite[i].score <= 0;
    }
    // Fights as a player does until won() holds: the nearest enemy in sight is clicked (the
    // soldier shoots at what is clicked), the weapon reloaded with the right button when it
    // is empty, food eaten when the life bar is low; an enemy out of sight or out of reach is
    // walked toward. False when the player fell or ms passed.
    static bool Fight(const std::function<bool()>& won, int ms, bool grenades = true) {
        const int until = Now() + ms;
        int grenade_pause = 0;
        while (Now() < until) {
            if (won()) return true;
            if (p1_id == -1 || ply_dead || sprite[p1_id].score <= 0 || Scene_Requested()) return won();
            Heal_When_Low();
            int e = Target_Enemy();
            const int nearest = Nearest_Enemy();
            if (nearest == -1) {
                Run(100);
                continue;
            }
            if (Grenade_In_Hand() && next_weapon == -1) Arm_Best(); // a gun for the fight, not a grenade
            if (e == -1) Reload_If_Low(); // a quiet moment: a full magazine for what comes
            if (Weapon_Rounds() <= 0 && !reloading && next_weapon == -1) {
                Right_Click_At(Box_X(nearest), Box_Y(nearest));
                Run_Until([] { return !reloading; }, 3000);
                continue;
            }
            if (e == -1) {
                // Nobody in sight: a few steps along the way toward the nearest.
                const int gc = Cell_Column_Of(Cell_Of(Box_X(nearest), Box_Y(nearest)));
                const int gr = Cell_Row_Of(Cell_Of(Box_X(nearest), Box_Y(nearest)));
                std::vector<int> way = Way_To_Cell([&](int c) {
                    const int dc = std::abs(Cell_Column_Of(c) - gc), dr = std::abs(Cell_Row_Of(c) - gr);
                    return dc + dr <= 1;
                });
                if (way.size() > 4) way.resize(4);
                if (way.size() < 2) {
                    Run(100);
                    continue;
                }
                Click_At(Cell_X(way.back()), Cell_Y(way.back()));
                Run_Until([] { return !sprite[p1_id].moving || Target_Enemy() != -1; }, 800);
                continue;
            }
            // A grenade for a strong one or a bunch, from beyond their reach.
            if (grenades && INV_GRENADE_COUNT > 0 && Now() > grenade_pause) {
                int best = -1;
                for (int i = 0; i < no_sprites; ++i)
                    if (Enemy(i) && Distance_To(i) > 0.55f && Distance_To(i) < 1.3f && On_Screen(Box_X(i), Box_Y(i) + 0.1f) &&
                        Line_Of_Fire(Box_X(i), Box_Y(i)) && (sprite[i].score >= 40 || Enemies_Near(i, 0.4f) >= 2) &&
                        (best == -1 || sprite[i].score * Enemies_Near(i, 0.4f) > sprite[best].score * Enemies_Near(best, 0.4f)))
                        best = i;
                if (best != -1) e = best;
            }
            if (grenades && INV_GRENADE_COUNT > 0 && Now() > grenade_pause && Distance_To(e) > 0.55f && Distance_To(e) < 1.3f &&
                (sprite[e].score >= 40 || Enemies_Near(e, 0.4f) >= 2)) {
                const int before = INV_GRENADE_COUNT;
                Throw_Grenade_At(e);
                if (INV_GRENADE_COUNT == before) grenade_pause = Now() + 3000; // the throw did not go: shoot instead
                continue;
            }
            if (!in_dungeon && Distance_To(e) > 0.46f) {
                // Out of reach in the open (a shot carries about half a unit): straight up to him.
                const float d = Distance_To(e), k = (d - 0.38f) / d;
                const float gx = PX() + (Box_X(e) - PX()) * k, gy = PY() + (Box_Y(e) - PY()) * k;
                const int cell = Cell_Of(gx, gy);
                if (cell >= 0 && Walkable(cell) && On_Screen(Cell_X(cell), Cell_Y(cell))) {
                    Click_At(Cell_X(cell), Cell_Y(cell));
                    Run_Until([e] { return !sprite[p1_id].moving || Distance_To(e) < 0.44f; }, 1500);
                    if (Distance_To(e) <= 0.46f) continue;
                }
            } else if (in_dungeon && Distance_To(e) > 0.47f) {
                // Out of reach indoors: a few steps round the walls along the way to where a shot reaches him.
                const float ex = Box_X(e), ey = Box_Y(e);
                std::vector<int> way = Way_To_Cell([&](int c) { return std::hypot(Cell_X(c) - ex, Cell_Y(c) - ey) < 0.4f && Walkable(c); });
                if (way.size() >= 2) {
                    size_t k = std::min<size_t>(way.size() - 1, 5);
                    while (k > 1 && !On_Screen(Cell_X(way[k]), Cell_Y(way[k]))) --k;
                    Click_At(Cell_X(way[k]), Cell_Y(way[k]));
                    Run_Until([e] { return !Enemy(e) || !sprite[p1_id].moving || Distance_To(e) < 0.45f; }, 1200);
                    continue;
                }
            }
            Fire_At(e);
        }
        return won();
    }
    // One shot at enemy e: the pointer on him (or on whoever stands in front of him) and the
    // button held until the shot goes (a soldier reeling from a hit takes no orders for a
    // moment), then the wait until the weapon is ready again. False when no shot could be
    // aimed.
    static bool Fire_At(int e) {
        float x = 0, y = 0;
        if (!Find_Pick(e, x, y, true)) {
            // Another one standing in front of him: whoever the pointer offers there.
            if (Enemy(stored_target) && (on_selected_man == 2 || on_selected_man == 6)) {
                e = stored_target;
                x = (float)mouseX, y = (float)mouseY;
            } else {
                Run(50);
                return false;
            }
        }
        const int rounds = Weapon_Rounds(), score = sprite[e].score;
        if (!On_Screen(x, y)) {
            Run(20);
            return false;
        }
        const int64_t at = platform::MakeLParam(Pixel_X(x), Pixel_Y(y));
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, at});
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, at});
        Run_Until([&] { return Weapon_Rounds() != rounds || sprite[e].score != score || !Enemy(e) || sprite[p1_id].score <= 0; },
                  400);
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, at});
        Run_Until([e] { return !Enemy(e) || (Now() > sprite[p1_id].reload_timer && !reloading); }, 1500);
        return true;
    }
    // Picks up what the fallen left on the ground within `radius` (a click on each item; the
    // soldier walks over and takes it), as long as no enemy is in sight.
    static void Pick_Up_Drops(float radius = 1.0f) {
        for (int round = 0; round < 8 && Target_Enemy() == -1 && !Scene_Requested(); ++round) {
            int best = -1;
            float d = radius;
            for (int k = 0; k < no_fx; ++k) {
                const object& f = Fx[k];
                if (f.type != PKU || f.mouseover || f.turn_off || f.alpha <= 0.0f) continue;
                const float fx = f.x + f.width / 2, fy = f.y + f.height / 2;
                if (Distance_To(fx, fy) < d && On_Screen(fx, fy) && Line_Of_Fire(fx, fy) && !Near_Exit(fx, fy, -1, 0.2f))
                    d = Distance_To(fx, fy), best = k;
            }
            if (best == -1) return;
            const object& f = Fx[best];
            Click_At(f.x + f.width / 2, f.y + f.height / 2);
            Run_Until([best] { return Fx[best].type != PKU || Fx[best].turn_off || Fx[best].mouseover || Target_Enemy() != -1; },
                      3000);
        }
    }
    // Whether the player has fallen: dead in the scene, or on one of the death pages.
    static bool Fallen() {
        return (episode == 0 && (scene == 8 || (scene >= 14 && scene <= 17))) || ply_dead ||
               (p1_id != -1 && game_mode == MODE_WALK && sprite[p1_id].score <= 0);
    }
    // After a fall: the death page skipped, the revival in the tent, and out into the camp of
    // the act, where he starts again.
    void Get_Up_Again() {
        ++deaths_;
        Trace("fallen");
        ASSERT_TRUE(Run_Until([] { return episode == 0 && (scene == 8 || (scene >= 14 && scene <= 17)) && !next_scene; }, 20000))
            << "no death page: " << Where();
        Press_Page_Button(4); // Skip^scene
        ASSERT_TRUE(Settle_On(1, 25, 20000)) << "not revived in the tent: " << Where();
        ASSERT_TRUE(Press_Page_Button(13)) << Where(); // Leave_Tent
        ASSERT_TRUE(Run_Until([] { return game_mode == MODE_WALK && episode == 2 && fade >= 1.0f && p1_id != -1 && !next_scene; },
                              15000))
            << Where();
    }
    int deaths_ = 0; // times the player fell and got up again

    // The enemy to shoot at: the nearest one on the screen; in the open only one with a clear
    // line of fire, indoors any (a shot passes over the sandbags there).
    static int Target_Enemy() {
        int best = -1;
        float d = 1e9f;
        for (int i = 0; i < no_sprites; ++i)
            if (Enemy(i) && Distance_To(i) < d && On_Screen(Box_X(i), Box_Y(i) + 0.1f) &&
                (in_dungeon || Line_Of_Fire(Box_X(i), Box_Y(i))))
                d = Distance_To(i), best = i;
        return best;
    }
    static int Enemies_Near(int e, float r) {
        int n = 0;
        for (int i = 0; i < no_sprites; ++i) n += Enemy(i) && std::hypot(Box_X(i) - Box_X(e), Box_Y(i) - Box_Y(e)) < r;
        return n;
    }
    // Whether a shot from the player reaches (x, y): walls stop it, and so do sandbags and
    // the like (a man behind them is covered).
    static bool Line_Of_Fire(float x, float y) {
        const float d = Distance_To(x, y);
        for (float t = 0.05f; t < d - 0.1f; t += 0.05f) {
            const int cell = Cell_Of(PX() + (x - PX()) * t / d, PY() + (y - PY()) * t / d);
            if (cell < 0 || map_col[cell] == COL_SOLID || map_col[cell] == COL_SOLID_SHOOTTHRU) return false;
        }
        return true;
    }
    // Whether an enemy stands within `range` with nothing solid between him and the player.
    static bool Enemy_Close(float range = 1.6f) {
        for (int i = 0; i < no_sprites; ++i)
            if (Enemy(i) && Distance_To(i) < range && On_Screen(Box_X(i), Box_Y(i) + 0.1f) && Clear_Line(Box_X(i), Box_Y(i)))
                return true;
        return false;
    }
    // Walks to (x, y) as Walk_To does, stopping to fight every enemy who comes close on the
    // way. True once there or stop() holds; false when the player fell or got nowhere.
    static bool Advance_To(float x, float y, float near = 0.08f, const std::function<bool()>& stop = [] { return false; },
                           bool grenades = true) {
        // The spot itself, or the nearest open ground beside it when it is taken.
        const float r = std::max(near, 0.15f);
        float gx = x, gy = y;
        const auto there = [&] { return Distance_To(x, y) < near || Distance_To(gx, gy) < near; };
        for (int leg = 0; leg < 30; ++leg) {
            if (stop() || there()) return true;
            if (p1_id == -1 || sprite[p1_id].score <= 0) return false;
            if (Enemy_Close()) {
                if (!Fight([&] { return stop() || !Enemy_Close(1.8f); }, 60000, grenades)) return stop();
                Pick_Up_Drops();
                Reload_If_Low();
                continue;
            }
            const std::vector<int> way =
                Way_To_Cell([&](int c) { return std::hypot(Cell_X(c) - x, Cell_Y(c) - y) < r && Walkable(c); });
            if (way.empty()) {
                ADD_FAILURE() << "no open way to (" << x << ", " << y << "); " << Where();
                return false;
            }
            gx = Cell_X(way.back()), gy = Cell_Y(way.back());
            Walk_Way(way, near, [&] { return stop() || Enemy_Close(); });
        }
        if (!stop() && !there()) ADD_FAILURE() << "did not get to (" << x << ", " << y << "); " << Where();
        return stop() || there();
    }

    // ---- Act three on: exits through enemy ground, shooting galleries ----
    // Goes out by exit `t` as a player does where enemies stand on the way: walks toward it
    // fighting whoever comes close, then steps in.
    static bool Fight_To_Exit(int t) {
        const float x = Box_X(t), y = Box_Y(t);
        const int e = episode, s = scene;
        const auto left = [e, s] { return Scene_Requested() || episode != e || scene != s; };
        // The way to the exit's doorstep (its own box is no ground to stop on).
        // He runs for it and fights only whoever stands in the way, close.
        for (int leg = 0; leg < 20 && !left(); ++leg) {
            if (p1_id == -1 || sprite[p1_id].score <= 0) return left();
            Heal_When_Low();
            if (Enemy_Close(0.2f)) {
                Fight_Hard([&] { return left() || !Enemy_Close(0.3f); }, 10000);
                continue;
            }
            const int to = Cell_Of(x, y);
            const std::vector<int> way = Way_To_Cell([to](int c) { return c == to; }, t);
            if (way.empty()) {
                ADD_FAILURE() << "no open way to exit " << t << "; " << Where();
                return false;
            }
            Walk_Way(way, 0.0f, [&] { return left() || Enemy_Close(0.2f); });
            if (!left()) Run_Until(left, 500);
        }
        return left();
    }
    // Fights as Fight does, with the whole kit: a grenade thrown at an enemy further off than
    // arm's reach while any are left, the shotgun for the rest when it is carried.
    static bool Fight_Hard(const std::function<bool()>& won, int ms) {
        const int until = Now() + ms;
        while (Now() < until && !won()) {
            if (p1_id == -1 || ply_dead || sprite[p1_id].score <= 0 || Scene_Requested()) break;
            const int e = Nearest_Enemy();
            if (std::getenv("STORY_TRACE") && e != -1)
                std::printf("  fight %d/%d: health %d, weapon %d, enemy %d (%d) at %.2f, %d standing\n", episode, scene,
                            sprite[p1_id].score, current_weapon >= 0 ? player_inv[current_weapon] : -1, e,
                            sprite[e].score, Distance_To(e), Standing_Enemies());
            if (e != -1 && Carried(29) && Distance_To(e) > 0.35f && Distance_To(e) < 0.9f && sprite[e].score > 20 &&
                On_Screen(Box_X(e), Box_Y(e) + 0.15f) && Clear_Line(Box_X(e), Box_Y(e))) {
                Throw_Grenade_At(e);
                continue;
            }
            Arm_Best();
            Fight(won, 1500);
        }
        return won();
    }
    static bool Carried(int code) {
        for (int n = 0; n < 16; ++n)
            if (player_inv[n] == code) return true;
        return false;
    }

    // After a fall: the death page runs to the revival in the tent, a night's sleep there, and
    // from the tent the player cycles back to where he fell (the scene keeps those he had
    // already beaten).
    static bool Back_From_The_Tent() {
        if (!Run_Until([] { return Settled_In(1, 25); }, 60000)) {
            ADD_FAILURE() << "no revival in the tent; " << Where();
            return false;
        }
        const int e = cycle_episode, s = cycle_scene;
        Run(600);
        // A night's sleep on the cot first: he goes back with full health.
        Click_Sprite(6); // Go to sleep
        if (!Run_Until(Scene_Requested, 3000) || !Run_Until([] { return Settled_In(1, 25); }, 10000)) {
            ADD_FAILURE() << "no sleep after the revival; " << Where();
            return false;
        }
        Run(600);
        if (std::getenv("STORY_TRACE"))
            std::printf("  the tent: %d/%d, %d sprites, mode %d, back to %d/%d, current_main %d (%d), bicycle %d\n", episode,
                        scene, no_sprites, (int)game_mode, e, s, current_main, main_mission[current_main], (int)activate_bicycle);
        // The red button back to the mission when the tent shows it; without one (no mission
        // in hand to go back to), out of the tent into the camp.
        constexpr int kCycle = 35, kLeave = 13;
        const int button = kCycle < no_sprites && sprite[kCycle].alpha >= 1.0f ? kCycle : kLeave;
        // Once a click has asked for the next scene, or it has come, no more clicks: the
        // tent's buttons are gone.
        const auto gone = [] { return Scene_Requested() || !In(1, 25); };
        for (int tries = 0; tries < 3 && !gone(); ++tries) {
            Click_Sprite(button);
            Run_Until(gone, 500);
        }
        if (!Run_Until([] { return game_mode == MODE_WALK && fade >= 1.0f && p1_id != -1 && !next_scene; }, 30000)) {
            ADD_FAILURE() << "not back at " << e << "/" << s << "; " << Where();
            return false;
        }
        return true;
    }
    // In the camp's own tent: a night's sleep (full health), then out to the camp again.
    static bool Sleep_In_The_Tent(int tent_door, int e, int s) {
        if (!Take_Exit(tent_door) || !Run_Until([] { return Settled_In(1, 25); }, 10000)) {
            ADD_FAILURE() << "the tent did not open; " << Where();
            return false;
        }
        Run(600);
        Click_Sprite(6); // Go to sleep
        if (!Run_Until([] { return Scene_Requested(); }, 3000) || !Run_Until([] { return Settled_In(1, 25); }, 10000)) {
            ADD_FAILURE() << "no sleep; " << Where();
            return false;
        }
        Run(600);
        for (int tries = 0; tries < 3 && !Scene_Requested(); ++tries) {
            Click_Sprite(13); // Leave Tent
            Run_Until(Scene_Requested, 500);
        }
        if (!Run_Until([=] { return Settled_In(e, s); }, 10000)) {
            ADD_FAILURE() << "not out of the tent; " << Where();
            return false;
        }
        return true;
    }

    // Whether a window pixel lies on a shown HUD item (the panel, its buttons): a click there
    // is the HUD's, not the ground's.
    static bool Over_Hud(int px, int py) {
        if (!hud || px < 8 || px > kW - 8 || py < 8 || py > kH - 8) return true;
        const float vx = px * 2.0f / kW - 1.0f, vy = 0.75f - py * 1.5f / kH;
        for (int k = 2; k < 75; ++k) {
            const object& h = hud[k];
            if (h.alpha <= 0.0f || h.mouseover || h.width <= 0.0f || h.width > 1.5f) continue;
            if (vx > h.x - 0.02f && vx < h.x + h.width + 0.02f && vy > h.y - 0.02f && vy < h.y + h.height + 0.02f)
                return true;
        }
        return false;
    }
    // Runs to (x, y) over open ground, stopping to fight only whoever comes within arm's
    // reach and eating when the life bar is low; true once within `near`.
    static bool Run_To(float x, float y, float near) {
        // Progress is counted along the way, not as the crow flies: a way round a fence or a
        // hedge leads away from the spot for a while.
        size_t last = SIZE_MAX;
        int stalls = 0;
        for (int leg = 0; leg < 40; ++leg) {
            if (Distance_To(x, y) < near) return true;
            if (p1_id == -1 || sprite[p1_id].score <= 0 || Scene_Requested()) return false;
            Heal_When_Low();
            if (Enemy_Close(0.2f)) {
                Fight_Hard([] { return !Enemy_Close(0.3f); }, 10000);
                continue;
            }
            const int to = Cell_Of(x, y);
            const std::vector<int> way = Way_To_Cell([&](int c) {
                return c == to || (Walkable(c) && std::hypot(Cell_X(c) - x, Cell_Y(c) - y) < near);
            });
            if (std::getenv("STORY_TRACE"))
                std::printf("    run to %.2f, %.2f: %.2f away, way of %zu cells\n", x, y, Distance_To(x, y), way.size());
            if (way.empty()) return false;
            if (way.size() >= last && ++stalls >= 4) break; // no nearer
            if (way.size() < last) stalls = 0;
            last = way.size();
            // A step along the way as far as six cells on, on ground the pointer reaches (not
            // under the HUD's panel or buttons) and where it offers nobody (a click on a man or
            // a cow would shoot at him).
            size_t pick = 0;
            for (size_t j = 1; j < way.size() && j <= 6; ++j)
                if (!Over_Hud(Pixel_X(Cell_X(way[j])), Pixel_Y(Cell_Y(way[j]))) && !Offers_Something(way[j])) pick = j;
            if (pick == 0) break;
            Click_At(Cell_X(way[pick]), Cell_Y(way[pick]));
            Run_Until([&] { return !sprite[p1_id].moving || Enemy_Close(0.2f); }, 3000);
        }
        return Distance_To(x, y) < near;
    }
    // Brings down a standing target (a mast): run up to it, then grenades while any are left
    // (a throw needs some distance), the gun after them.
    static bool Bring_Down(int i) {
        int thrown = 0;
        for (int round = 0; round < 12 && sprite[i].score > 0; ++round) {
            if (p1_id == -1 || sprite[p1_id].score <= 0) return false;
            if (!Run_To(Box_X(i), Box_Y(i) - 0.45f, 0.3f) && Distance_To(i) > 0.8f) continue;
            if (Carried(29) && thrown++ < 2) {
                Throw_Grenade_At(i);
                Run(1500);
                if (std::getenv("STORY_TRACE"))
                    std::printf("    grenade at %d: its health %d, %.2f away\n", i, sprite[i].score, Distance_To(i));
            } else {
                // Space held turns the clicks into shots at the pointer.
                Key(platform::VK_SPACE, true);
                for (int k = 0; k < 16 && sprite[i].score > 0 && p1_id != -1 && sprite[p1_id].score > 0; ++k) {
                    Click_At(Box_X(i), Box_Y(i) + sprite[i].box_height / 2);
                    Run(300);
                    if (std::getenv("STORY_TRACE"))
                        std::printf("    shot at %d: its health %d, %.2f away, rounds %d, weapon %d\n", i, sprite[i].score,
                                    Distance_To(i), Weapon_Rounds(),
                                    current_weapon >= 0 ? player_inv[current_weapon] : -1);
                }
                Key(platform::VK_SPACE, false);
                Run(50);
            }
        }
        return sprite[i].score <= 0;
    }

    // A lever room: each lever that must be on is walked up to and thrown; true once the
    // room's flag says the silo is disarmed.
    static bool Set_Levers(std::vector<bool> on, int flag) {
        if (!Fight_Hard([] { return Standing_Enemies() == 0 || !Enemy_Close(1.5f); }, 120000)) return false;
        for (int l = 0; l < 3 && global_objects[flag] == 0; ++l) {
            const int lever = 43 + l;
            const bool is_on = sprite[lever].anim != sprite[lever].base_anim;
            if (is_on == on[l]) continue;
            const int before = sprite[lever].anim;
            if (!Visit(lever, [=] { return sprite[lever].anim != before; })) return false;
        }
        return Run_Until([=] { return global_objects[flag] == 1; }, 2000) &&
               Run_Until([] { return !lock_player; }, 6000);
    }

    // A shooting gallery played as a player plays it: the figures shot as they come up (and
    // the prizes that pop out), the boss shot at while no figure stands; a click with an
    // empty gun reloads it. True once the gallery asks for the next scene.
    static bool Play_Gallery(int ms, int boss = -1) {
        const auto over = [] { return Scene_Requested() || ::done; };
        const int until = Now() + ms;
        while (Now() < until && !over()) {
            int aim = -1;
            for (int i = 0; i < no_sprites && aim == -1; ++i) {
                const object& o = sprite[i];
                if (o.type == MNE && o.grab_switch && o.score > 0 && o.alpha > 0.5f) aim = i;
            }
            if (aim == -1 && boss != -1 && sprite[boss].grab_switch && sprite[boss].score > 0) aim = boss;
            if (aim == -1) {
                Run_Until(over, 100);
                continue;
            }
            const object& o = sprite[aim];
            Click_At(o.w + o.box_width / 2, o.z + o.box_height / 2, over);
            if (gallery_clip == 0) Run_Until([] { return !gallery_reloading && gallery_clip > 0; }, 1500);
        }
        return over();
    }
};
