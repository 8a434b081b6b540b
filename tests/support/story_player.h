// The story played as a player plays it, in parts: each part is a test executable that starts
// from the save slot the part before it left (CTest runs them in order, see
// tests/CMakeLists.txt) and plays on with nothing but the pointer, clicks, keys and waiting.
// The game's state is read to decide where to click and to check what happened, never written.
#pragma once

#include "support/played_game.h"

#include <filesystem>
#include <fstream>
#include <string>

#include "content/content_state.h"
#include "common/codes.h"
#include "common/scene_state.h"
#include "camp/gallery.h"
#include "camp/gallery_waves.h"
#include "hud/inventory.h"
#include "render/render_inputs.h"
#include "world/collision.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

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

    // ---- Act three and on: the boot and a kept slot, walks, people, pages and fights ----
    // (player-only drivers: the pointer, clicks, keys and waiting; the state is only read)

    // The program starting: it loads the boot scene, whose script leads to the title and the
    // menu; then Start, the kept slot selected and opened. The game goes where the save says.
    void Boot_And_Open_Slot(int slot) {
        ASSERT_TRUE(gl_);
        PlayedGame::Enter_Scene(10, 0); // what the start-up does before the first frame
        ASSERT_TRUE(Run_Until([] { return In(0, 1) && title_sequence >= 6 && stop_camera; }, 90000))
            << "menu not reached: " << episode << "/" << scene;
        Open_Slot_From_Menu(slot);
    }
    void Open_Slot_From_Menu(int slot) {
        Story_Click(Box_X(22), Box_Y(22)); // Start
        ASSERT_TRUE(Settle_On(0, 2, 5000)) << "save slots not reached";
        int button = -1;
        for (int i = 0; i < no_sprites; ++i)
            if (sprite[i].type == fe_type::FILE && sprite[i].sector_action == slot) button = i;
        ASSERT_NE(button, -1) << "no button for slot " << slot;
        Story_Click(Box_X(button), Box_Y(button)); // select it
        Story_Click(Box_X(button), Box_Y(button), [] { return next_scene; }); // and open it
        ASSERT_TRUE(Run_Until([] { return episode != 0 && fade >= 1.0f && !next_scene; }, 8000))
            << "the slot did not open: " << episode << "/" << scene;
    }

    // A click held over a few ticks (a button-up in the same tick would clear it); the loop
    // stops as soon as stop() holds and the rest of the click is not posted. The view leans
    // toward the pointer, so the pointer is set again just before the button goes down.
    static bool Story_Click(float wx, float wy, const std::function<bool()>& stop = [] { return false; }) {
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, platform::MakeLParam(Pixel_X(wx), Pixel_Y(wy))});
        if (Run_Until(stop, 30)) return true;
        const int64_t at = platform::MakeLParam(Pixel_X(wx), Pixel_Y(wy));
        platform::PostMessage(platform::MSG{platform::WM_MOUSEMOVE, 0, at});
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONDOWN, 0, at});
        if (Run_Until(stop, 60)) return true;
        platform::PostMessage(platform::MSG{platform::WM_LBUTTONUP, 0, at});
        return Run_Until(stop, 20);
    }
    static std::string Where() {
        std::string w = "at " + std::to_string(episode) + "/" + std::to_string(scene);
        if (p1_id != -1) w += " standing at (" + std::to_string(PX()) + ", " + std::to_string(PY()) + ")";
        return w + Box_Texts();
    }
    static bool Settled_In(int e, int s) { return In(e, s) && fade >= 1.0f; }

    // Whether the pointer on a spot would offer a person, prop or unit (a player clicks the
    // ground beside them when he only means to walk).
    static bool Offers_Something(float x, float y) {
        for (int i = 0; i < no_sprites; ++i) {
            const object& o = sprite[i];
            if (o.mouseover || o.turn_off || o.score <= 0) continue;
            if (o.type != OBJ && o.type != UNT && o.type != DOR && o.type != BAG) continue;
            if (x > o.w - 0.06f && x < o.w + o.box_width + 0.06f && y > o.z - 0.06f && y < o.z + 4 * o.box_height + 0.06f)
                return true;
        }
        return false;
    }
    static bool Open_Cell(int cell) {
        if (!Cell_Index_On_Map(cell)) return false;
        const int c = map_col[cell];
        return c != COL_SOLID && c != COL_SOLID_SHOOTTHRU && c != COL_WATER && c != COL_FOOTPRINT;
    }
    // The cells of the shortest way over open ground from the player to (x, y), the player's
    // own first; empty when there is none. (A player sees where the gaps are.)
    static std::vector<int> Way_To(float x, float y) {
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
                if (n != to && !Open_Cell(n)) continue;
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
    // Walks to (x, y) by clicking the ground along the way a few cells apart, each click
    // within the screen; `during` runs between the clicks (a fight on the way). True once he
    // stands within `near` of the goal or stop() holds.
    static bool Story_Walk_To(float x, float y, float near, const std::function<bool()>& stop,
                              const std::function<void()>& during = [] {}) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (p1_id == -1) return stop();
            const std::vector<int> way = Way_To(x, y);
            if (way.empty()) {
                ADD_FAILURE() << "no open way to (" << x << ", " << y << ") " << Where();
                return false;
            }
            for (size_t k = 4; k < way.size() + 4; k += 4) {
                const size_t at = std::min(k, way.size() - 1);
                size_t pick = at;
                auto offers = [&](size_t j) {
                    return Offers_Something(Cell_Centre_X(Cell_Column_Of(way[j])), Cell_Centre_Y(Cell_Row_Of(way[j])));
                };
                for (size_t d = 1; d < 4 && offers(pick); ++d) {
                    if (at + d < way.size() && !offers(at + d)) pick = at + d;
                    else if (at >= d && !offers(at - d)) pick = at - d;
                }
                const int cell = way[pick];
                const float hx = Cell_Centre_X(Cell_Column_Of(cell)), hy = Cell_Centre_Y(Cell_Row_Of(cell));
                for (int tries = 0; tries < 3 && p1_id != -1 && std::hypot(hx - PX(), hy - PY()) > 0.08f; ++tries) {
                    during();
                    if (stop()) return true;
                    if (Story_Click(hx, hy, stop)) return true;
                    if (Run_Until([&] { return stop() || p1_id == -1 || !sprite[p1_id].moving; }, 4000) && stop())
                        return true;
                }
                if (p1_id == -1) return stop();
            }
            if (stop() || std::hypot(x - PX(), y - PY()) < near) return true;
        }
        return stop();
    }
    // Walks onto exit i (a trigger box) until it has asked for its scene, fighting off the
    // enemies that come into sight on the way.
    static bool Take_Exit(int i) {
        const float x = Box_X(i), y = Box_Y(i);
        if (!Story_Walk_To(x, y, 0.03f, Scene_Requested, [] { Fight_Off(4000, Scene_Requested); })) return false;
        return Scene_Requested() || Run_Until(Scene_Requested, 3000);
    }
    // Walks up in front of sprite i and clicks it until opened() holds.
    static bool Visit(int i, const std::function<bool()>& opened) {
        const float x = Box_X(i), y = Box_Y(i);
        for (const float dy : {-0.14f, 0.14f}) {
            for (const float dx : {0.0f, -0.14f, 0.14f}) {
                const int c = Cell_Of(x + dx, y + dy);
                if (!Open_Cell(c)) continue;
                if (!Story_Walk_To(x + dx, y + dy, 0.05f, opened, [&] { Fight_Off(4000, opened); })) continue;
                if (opened()) return true;
                for (int k = 0; k < 3; ++k) {
                    if (Story_Click(Box_X(i), Box_Y(i) + sprite[i].box_height, opened)) return true;
                    if (Run_Until(opened, 3000)) return true;
                }
            }
        }
        return opened();
    }
    // Follows a portrait page's conversation as a player does: each line read and skipped,
    // each question answered by the next of `answers` (true: Accept), until the page asks for
    // the next scene (or the game ends). The lines shown, in order.
    static std::vector<std::string> Talk_Through(std::vector<bool> answers) {
        std::vector<std::string> lines;
        int seen = -1;
        const auto closing = [] { return next_scene || ::done; };
        for (int guard = 0; guard < 200 && !closing(); ++guard) {
            const bool moved = Run_Until(
                [&] {
                    return closing() || decision == 3 ||
                           (text_queue != seen && (counter[0].word[0] || counter[1].word[0]));
                },
                15000);
            if (closing()) break;
            if (!moved) {
                ADD_FAILURE() << "the conversation stands at line " << text_queue << " " << Where();
                break;
            }
            if (decision == 3) {
                if (answers.empty()) {
                    ADD_FAILURE() << "an unexpected question " << Where();
                    break;
                }
                const bool yes = answers.front();
                answers.erase(answers.begin());
                seen = -1;
                Run(300);
                Story_Click(Box_X(yes ? 0 : 6), Box_Y(yes ? 0 : 6), closing);
            } else {
                seen = text_queue;
                for (int slot = 0; slot < 2; ++slot)
                    if (counter[slot].word[0]) lines.push_back(counter[slot].word);
                Run(200);
                Story_Click(Box_X(7), Box_Y(7), closing); // Skip text
            }
        }
        EXPECT_TRUE(answers.empty()) << answers.size() << " questions not asked " << Where();
        return lines;
    }
    static bool Said(const std::vector<std::string>& lines, const std::string& text) {
        return std::find(lines.begin(), lines.end(), text) != lines.end();
    }

    // The enemies a player sees: living units of the other side on the screen.
    static bool Is_Foe(int i) {
        const object& o = sprite[i];
        return i != p1_id && o.type == UNT && o.score > 0 && !o.mouseover && !o.turn_off && p1_id != -1 &&
               o.linked_sprite != player_type && o.sector != UNIT_BIRD && o.alpha > 0.1f;
    }
    // Whether a window pixel lies on a shown HUD item (the panel, the buttons, the quit
    // button): a click there is the HUD's, not the world's.
    static bool Over_Hud(int px, int py) {
        if (!hud) return false;
        const float vx = px * 2.0f / kW - 1.0f, vy = 0.75f - py * 1.5f / kH;
        for (int k = 2; k < 75; ++k) {
            const object& h = hud[k];
            if (h.alpha <= 0.0f || h.mouseover || h.width <= 0.0f || h.width > 1.5f) continue;
            if (vx > h.x - 0.03f && vx < h.x + h.width + 0.03f && vy > h.y - 0.03f && vy < h.y + h.height + 0.03f)
                return true;
        }
        return false;
    }
    static bool On_Screen(float x, float y) {
        const int px = Pixel_X(x), py = Pixel_Y(y);
        return px > 60 && px < kW - 60 && py > 60 && py < kH - 60 && !Over_Hud(px, py);
    }
    static int Nearest_Foe(float within) {
        int best = -1;
        float d_best = within;
        for (int i = 0; i < no_sprites; ++i) {
            if (!Is_Foe(i) || !On_Screen(Box_X(i), Box_Y(i)) || !On_Screen(Box_X(i), sprite[i].z + 2 * sprite[i].box_height))
                continue;
            const float d = std::hypot(Box_X(i) - PX(), Box_Y(i) - PY());
            if (d < d_best) {
                d_best = d;
                best = i;
            }
        }
        return best;
    }
    // One round of a fight: the pointer on the nearest foe, a click (the soldier turns and
    // fires; an empty weapon reloads). False when no foe is in sight.
    // The weapon for a foe at distance d: grenades (key 3) for a strong one further off while
    // any are left, else the shotgun (key 2) when it is carried, else the pistol (key 1).
    static int Carried(int code) {
        int n = 0;
        for (int i = 0; i < 16; ++i)
            if (player_inv[i] == code) n += std::max(1, player_inv_value[i]);
        return n;
    }
    static void Arm_For(int foe) {
        const float d = std::hypot(Box_X(foe) - PX(), Box_Y(foe) - PY());
        const int equipped = current_weapon >= 0 ? player_inv[current_weapon] : -1;
        int want_key = '1', want_code = 10;
        if (Carried(29) > 0 && d > 0.3f && sprite[foe].score > 30) {
            want_key = '3';
            want_code = 29;
        } else if (Carried(33) > 0 || Carried(34) > 0) {
            want_key = '2';
            want_code = 34;
        }
        const bool has = equipped == want_code || (want_code == 34 && equipped == 33);
        if (!has) {
            Tap(want_key);
            Run(200);
        }
    }
    static bool Shoot_Nearest(float within = 1.2f) {
        if (p1_id == -1) return false;
        const int f = Nearest_Foe(within);
        if (f == -1) return false;
        Arm_For(f);
        if (std::getenv("VARNOTH_STORY_LOG"))
            std::printf("    armed: %d/%d weapon %d, aim at pixel %d,%d\n", episode, scene,
                        current_weapon >= 0 ? player_inv[current_weapon] : -1, Pixel_X(Box_X(f)),
                        Pixel_Y(sprite[f].z + 2 * sprite[f].box_height));
        if (p1_id == -1 || !Is_Foe(f)) return true;
        const object& o = sprite[f];
        Story_Click(o.w + o.box_width / 2, o.z + 2 * o.box_height);
        Run(150);
        return true;
    }
    // Fights until no foe is within reach or stop() holds, at most ms.
    static void Fight_Off(int ms, const std::function<bool()>& stop = [] { return false; }) {
        for (int t = 0; t < ms && p1_id != -1 && !stop(); t += 250) {
            if (std::getenv("VARNOTH_STORY_LOG")) {
                const int f = Nearest_Foe(1.2f);
                if (f != -1)
                    std::printf("  fight %d/%d: hp %d, weapon %d, foe %d (class %d, hp %d) at %.2f\n", episode, scene,
                                sprite[p1_id].score, current_weapon >= 0 ? player_inv[current_weapon] : -1, f,
                                sprite[f].sector, sprite[f].score,
                                std::hypot(Box_X(f) - PX(), Box_Y(f) - PY()));
            }
            if (!Shoot_Nearest()) break;
            if (std::getenv("VARNOTH_STORY_LOG"))
                std::printf("    -> %d/%d hp %d grenades %d\n", episode, scene, p1_id != -1 ? sprite[p1_id].score : -1,
                            Carried(29));
        }
    }

    // Brings a standing prop (a mast, a tank) down: walks within `range` of it, then points
    // at it and clicks, again and again, until it falls.
    static bool Shoot_Down(int i, float range = 0.6f) {
        for (int round = 0; round < 6 && sprite[i].score > 0 && p1_id != -1; ++round) {
            if (std::hypot(Box_X(i) - PX(), Box_Y(i) - PY()) > range) {
                const float x = Box_X(i), y = Box_Y(i);
                Story_Walk_To(x, y - 0.3f, range, [&] { return std::hypot(x - PX(), y - PY()) < range; },
                              [] { Fight_Off(3000); });
            }
            for (int shot = 0; shot < 60 && sprite[i].score > 0 && p1_id != -1; ++shot) {
                if (Shoot_Nearest(0.8f)) continue; // a foe close by first
                Story_Click(Box_X(i), Box_Y(i) + sprite[i].box_height);
                Run(250);
            }
        }
        return sprite[i].score <= 0;
    }

    // A shooting gallery played to its end: the raised figures shot as they come up (and the
    // prizes that pop out), a boss shot at while no figure stands; an empty gun reloads by a
    // click. Returns once the gallery has asked for the next scene, or after ms.
    static bool Play_Gallery(int ms, int boss = -1) {
        const auto over = [] { return Scene_Requested() || ::done; };
        for (int t = 0; t < ms && !over(); t += 100) {
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
            Story_Click(o.w + o.box_width / 2, o.z + o.box_height / 2, over);
            if (gallery_clip == 0) Run_Until([] { return !gallery_reloading && gallery_clip > 0; }, 1500);
        }
        return over();
    }
};
