// Message boxes. Every box is written to stderr as "caption: text"; on a real screen it is
// also shown with SDL's own box. Without a screen (the offscreen or dummy video driver, no
// display) or with VARNOTH_NO_MESSAGE_BOXES set, nothing waits: OK boxes return IDOK and
// Yes/No boxes IDYES. Tests record the boxes instead and choose the Yes/No answer.
#include "platform/platform.h"
#include "platform/sdl_window.h"
#include "common/fresh_state.h"

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

bool recording = false;
int recorded_answer = IDYES;
std::vector<RecordedBox> recorded;
KEEP_FRESH(recording, recorded_answer, recorded);

constexpr unsigned MB_TYPEMASK = 0x0F;
constexpr unsigned MB_ICONMASK = 0xF0;

Uint32 IconFlags(unsigned flags) {
    switch (flags & MB_ICONMASK) {
    case MB_ICONSTOP: return SDL_MESSAGEBOX_ERROR;
    case MB_ICONEXCLAMATION: return SDL_MESSAGEBOX_WARNING;
    default: return SDL_MESSAGEBOX_INFORMATION;
    }
}

} // namespace

int MessageBox(const char* text, const char* caption, unsigned flags) {
    if (!text) text = "";
    if (!caption) caption = "";
    const bool yes_no = (flags & MB_TYPEMASK) == MB_YESNO;
    if (recording) {
        recorded.push_back(RecordedBox{text, caption, flags});
        return yes_no ? recorded_answer : IDOK;
    }
    std::fprintf(stderr, "%s: %s\n", caption, text);
    std::fflush(stderr);
    const int unattended = yes_no ? IDYES : IDOK;
    if (std::getenv("VARNOTH_NO_MESSAGE_BOXES") || !DisplayAvailable()) return unattended;

    // A full-screen window hides its box; the pointer must be free to reach the buttons.
    SDL_Window* parent = GameSDLWindow();
    if (parent) SDL_SetWindowGrab(parent, SDL_FALSE);
    const int cursor = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_ShowCursor(SDL_QUERY) : -1;
    if (cursor >= 0) SDL_ShowCursor(SDL_ENABLE);
    int answer = unattended;
    if (!yes_no) {
        SDL_ShowSimpleMessageBox(IconFlags(flags), caption, text, parent);
    } else {
        const SDL_MessageBoxButtonData buttons[] = {
            {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, IDYES, "Yes"},
            {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDNO, "No"},
        };
        SDL_MessageBoxData data{};
        data.flags = IconFlags(flags);
        data.window = parent;
        data.title = caption;
        data.message = text;
        data.numbuttons = 2;
        data.buttons = buttons;
        int chosen = -1;
        if (SDL_ShowMessageBox(&data, &chosen) == 0) answer = chosen == IDYES ? IDYES : IDNO; // closed: No
    }
    if (cursor >= 0) SDL_ShowCursor(cursor);
    return answer;
}

void SetRecordMessageBoxes(bool record, int answer) {
    recording = record;
    recorded_answer = answer;
}

const std::vector<RecordedBox>& RecordedMessageBoxes() { return recorded; }

void ClearRecordedMessageBoxes() { recorded.clear(); }

} // namespace platform
