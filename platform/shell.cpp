// Shell services: caps-lock state, the single-instance object, the browser.
#include "platform/platform.h"

#include <SDL2/SDL.h>

#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace platform {

bool CapsLockOn() { return (SDL_GetModState() & KMOD_CAPS) != 0; }

// The single-instance object existed only to be created; its result was never tested, so a
// second copy of the game may run. Nothing to create here.
void CreateNamedMutex(const char*) {}

// Hands the address to the desktop's opener (xdg-open) without a shell, in its own session,
// and returns at once; a small thread collects the opener when it ends. Only web addresses
// are handed over, so an address can never be read as an option or a local program.
bool OpenWebAddress(const char* url) {
    if (!url) return false;
    if (std::strncmp(url, "http://", 7) != 0 && std::strncmp(url, "https://", 8) != 0) return false;
    for (const char* c = url; *c; ++c)
        if ((unsigned char)*c < 0x20 || *c == 0x7F) return false;

    posix_spawnattr_t attr;
    if (posix_spawnattr_init(&attr) != 0) return false;
#ifdef POSIX_SPAWN_SETSID
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
#endif
    char program[] = "xdg-open";
    char* argv[] = {program, const_cast<char*>(url), nullptr};
    pid_t pid = 0;
    const int result = posix_spawnp(&pid, program, nullptr, &attr, argv, environ);
    posix_spawnattr_destroy(&attr);
    if (result != 0) return false;
    try {
        std::thread([pid] {
            int status = 0;
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (...) {
        // No thread to spare: the finished opener stays a zombie until the game exits.
    }
    return true;
}

} // namespace platform
