// The fresh start every test gets: each writable global of the game is registered with its
// start value, and Reset_Game_State brings back what a new process has.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "common/fresh_state.h"
#include "common/game_state.h"
#include "common/world_state.h"
#include "main/startup.h"
#include "platform/platform.h"
#include "support/gl_context.h"

namespace {

// The last name of a qualified one: "audio::(anonymous namespace)::state()::s" -> "s",
// "call_trace[abi:cxx11]" -> "call_trace".
std::string Last_Name(std::string name) {
    if (size_t tag = name.find("[abi:"); tag != std::string::npos) name.erase(tag);
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '(') depth++;
        if (name[i] == ')') depth--;
        if (depth == 0 && name.compare(i, 2, "::") == 0) start = i + 2;
    }
    return name.substr(start);
}

std::string Base_Name(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// What the compiler and its sanitizers add, the standard library's own objects, and the
// registry and its registrars.
bool Not_Game_State(const std::string& name) {
    for (const char* prefix : {"guard variable", "__", ".", "DW.ref", "std::", "typeinfo", "vtable", "fresh_state::"})
        if (name.rfind(prefix, 0) == 0) return true;
    return name.find("fresh_registrar_") != std::string::npos;
}

struct Data_Symbol {
    std::string object; // the archive member, "window.cpp.o"
    std::string name;
    bool local;
};

// The writable data symbols (.data and .bss, not the read-only-after-relocation tables) that
// the game library's objects define, as objdump lists them.
std::vector<Data_Symbol> Writable_Globals_Of_The_Library() {
    std::string cmd = std::string("objdump -t -C ") + VARNOTH_BINARY_DIR + "/libvarnoth_game.a 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    std::vector<Data_Symbol> found;
    if (!p) return found;
    std::string object;
    char line[4096];
    while (std::fgets(line, sizeof line, p)) {
        std::string text(line);
        if (!text.empty() && text.back() == '\n') text.pop_back();
        // "window.cpp.o:     file format elf64-x86-64" starts the symbols of one member;
        // "<value> <7 flag characters> <section>\t<size> <name>" is one symbol.
        if (size_t colon = text.find(":     file format"); colon != std::string::npos) {
            object = text.substr(0, colon);
            continue;
        }
        const size_t space = text.find(' '), tab = text.find('\t');
        if (space == std::string::npos || tab == std::string::npos || tab < space + 10) continue;
        const size_t name_at = text.find(' ', tab);
        if (name_at == std::string::npos) continue;
        const std::string flags = text.substr(space + 1, 7);
        const std::string section = text.substr(space + 9, tab - (space + 9));
        const std::string name = text.substr(name_at + 1);
        if (flags.find('O') == std::string::npos) continue;
        const bool writable = section.rfind(".bss", 0) == 0 ||
                              (section.rfind(".data", 0) == 0 && section.rfind(".data.rel.ro", 0) != 0);
        if (!writable) continue;
        if (Not_Game_State(name)) continue;
        found.push_back(Data_Symbol{object, name, flags[0] == 'l'});
    }
    pclose(p);
    return found;
}

TEST(FreshState, EveryWritableGlobalOfTheGameIsRegistered) {
    std::set<std::string> kept_anywhere;                      // shared names
    std::set<std::pair<std::string, std::string>> kept_in;    // (source file, name) of private ones
    for (const auto& kept : fresh_state::Kept_Globals()) {
        kept_anywhere.insert(Last_Name(kept.name));
        kept_in.insert({Base_Name(kept.file) + ".o", Last_Name(kept.name)});
    }
    const std::vector<Data_Symbol> globals = Writable_Globals_Of_The_Library();
    ASSERT_GT(globals.size(), 500u) << "objdump found too little in the game library";
    std::set<std::string> missing;
    for (const Data_Symbol& g : globals) {
        const std::string name = Last_Name(g.name);
        const bool kept = g.local ? kept_in.count({g.object, name}) > 0 : kept_anywhere.count(name) > 0;
        if (!kept) missing.insert(g.object + ": " + g.name);
    }
    std::string list;
    for (const std::string& m : missing) list += "\n  " + m;
    EXPECT_TRUE(missing.empty()) << "not registered with KEEP_FRESH (or KEEP_FRESH_SHARED):" << list;
}

TEST(FreshState, ResetBringsBackWhatANewProcessHas) {
    // Shared globals, a header's own, a source's private state and the heap arrays.
    sc_width = 1;
    fullscreen = false;
    music_volume = 0.9f;
    a_texture[3].frames = 7;
    Allocate_Records();
    sprite[5].type = 12;
    const int first_draw = (std::srand(1), std::rand());
    std::srand(77);
    // The layers: queued messages, recorded boxes, the clock, the audio double, the window.
    platform::PostMessage(platform::MSG{platform::WM_CLOSE, 0, 0});
    platform::SetRecordMessageBoxes(true, platform::IDNO);
    platform::MessageBox("text", "caption", platform::MB_OK);
    platform::UseVirtualClock(true);
    platform::AdvanceVirtualClock(500);
    audio::UseRecordingDouble(true);
    audio::OpenSoundEffect("data/SFX/click.wav", audio::SINGLE).play();
    ASSERT_TRUE(Test_GL_Context(64, 64));

    Reset_Game_State();

    EXPECT_EQ(sc_width, 1024);
    EXPECT_TRUE(fullscreen);
    EXPECT_FLOAT_EQ(music_volume, 0.4f);
    EXPECT_EQ(a_texture[3].frames, 0);
    EXPECT_EQ(sprite, nullptr);
    EXPECT_EQ(std::rand(), first_draw);
    platform::MSG msg;
    EXPECT_FALSE(platform::PeekMessage(msg));
    EXPECT_TRUE(platform::RecordedMessageBoxes().empty());
    EXPECT_EQ(platform::VirtualClockMs(), 0.0);
    EXPECT_TRUE(audio::RecordedCalls().empty());
    EXPECT_FALSE(audio::DeviceValid());
    EXPECT_FALSE(platform::HasWindow());
    EXPECT_FALSE(platform::HasGLContext());
    // A window opens again after the reset.
    ASSERT_TRUE(Test_GL_Context(64, 64));
}

// Registration keeps the value a global had when it was registered, whatever its kind.
TEST(FreshState, KeepRestoresPlainArraysAndClassTypes) {
    static int numbers[3] = {1, 2, 3};
    static std::string words[2] = {"a", "b"};
    static std::vector<int> list = {4, 5};
    static const fresh_state::Registrar kept(__FILE__, "numbers, words, list", numbers, words, list);
    numbers[1] = 9;
    words[0] = "changed";
    list.clear();
    Reset_Game_State();
    EXPECT_EQ(numbers[1], 2);
    EXPECT_EQ(words[0], "a");
    EXPECT_EQ(list, (std::vector<int>{4, 5}));
}

} // namespace
