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
};
