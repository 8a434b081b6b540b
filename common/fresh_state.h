// A fresh start without a fresh process: every global of the game back to the value it has
// when the program starts.
//
// Every global is registered once, at static initialisation, with KEEP_FRESH: the globals
// that a folder's headers share in that folder's fresh_globals.cpp (common/'s in
// common/fresh_state.cpp), the private ones of a source beside their definitions in that
// source. Registration copies the global's start value; Reset_Game_State copies every start
// value back. A global that is not registered keeps whatever the last test left in it, so the
// fresh-state test compares the registry with the writable data of the game library and names
// any global missing from it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

// Puts the whole game back to the state a fresh process has: frees the record arrays and the
// texture-name array, closes the window and its context and the audio device, empties the
// platform's message queue and recorded boxes, leaves the virtual clock, restores every
// registered global and reseeds rand() with 1. Every test starts with it.
void Reset_Game_State();

namespace fresh_state {

struct Kept_Global {
    std::string file; // the source that registered it
    std::string name;
    const void* address;
    size_t size;
    std::function<void()> restore;
};

// Every global registered so far, in registration order (the registry is not game state).
std::vector<Kept_Global>& Kept_Globals();

template <class T>
void Keep(const char* file, std::string name, T& var) {
    static_assert(!std::is_const_v<T>, "constants need no reset");
    std::function<void()> restore;
    if constexpr (std::is_trivially_copyable_v<T>) {
        auto start = std::make_shared<std::vector<unsigned char>>(sizeof(T));
        std::memcpy(start->data(), (const void*)&var, sizeof(T));
        restore = [&var, start] { std::memcpy((void*)&var, start->data(), sizeof(T)); };
    } else if constexpr (std::is_array_v<T>) {
        using Element = std::remove_all_extents_t<T>;
        constexpr size_t count = sizeof(T) / sizeof(Element);
        auto* first = reinterpret_cast<Element*>(&var);
        auto start = std::make_shared<std::vector<Element>>(first, first + count);
        restore = [first, start] { std::copy(start->begin(), start->end(), first); };
    } else {
        auto start = std::make_shared<T>(var);
        restore = [&var, start] { var = *start; };
    }
    Kept_Globals().push_back(Kept_Global{file, std::move(name), (const void*)&var, sizeof(T), std::move(restore)});
}

// Runs at every reset before the start values are restored: releases what a global holds
// outside the process's own memory (the window, the audio device).
void Release_First(std::function<void()> release);

// A global whose start value cannot simply be copied back (it owns a device, say): `restore`
// brings it back; registered like the others so that the fresh-state test finds it.
template <class T>
void Keep_With(const char* file, std::string name, T& var, std::function<void()> restore) {
    Kept_Globals().push_back(Kept_Global{file, std::move(name), (const void*)&var, sizeof(T), std::move(restore)});
}

// The names as written in the macro's argument list, split at the commas.
std::vector<std::string> Split_Names(const char* names);

struct Registrar {
    template <class... T>
    Registrar(const char* file, const char* names, T&... vars) {
        std::vector<std::string> split = Split_Names(names);
        size_t i = 0;
        (Keep(file, split.at(i++), vars), ...);
    }
};

// Registrars of the two kinds above, for a static object named fresh_registrar_<what>.
struct Kept_By {
    template <class T>
    Kept_By(const char* file, const char* name, T& var, std::function<void()> restore) {
        Keep_With(file, name, var, std::move(restore));
    }
};
struct Released_By {
    explicit Released_By(std::function<void()> release) { Release_First(std::move(release)); }
};

} // namespace fresh_state

#define VARNOTH_FRESH_JOIN2(a, b) a##b
#define VARNOTH_FRESH_JOIN(a, b) VARNOTH_FRESH_JOIN2(a, b)
// Registers globals of this source for Reset_Game_State; write it after their definitions.
#define KEEP_FRESH(...)                                                                       \
    static const ::fresh_state::Registrar VARNOTH_FRESH_JOIN(fresh_registrar_, __LINE__)(     \
        __FILE__, #__VA_ARGS__, __VA_ARGS__)
