#pragma once
// What SDL hands over from an input method, for the tests on a real X server: the text being
// composed (SDL_TEXTEDITING, with the caret's place in it), then the committed text (SDL_TEXTINPUT).
#include <SDL.h>

#include <cstring>

namespace zorvy::test {

inline void PushText(Uint32 type, const char* text, int start = 0) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_TEXTINPUT) {
        std::strncpy(e.text.text, text, sizeof e.text.text - 1);
    } else {
        std::strncpy(e.edit.text, text, sizeof e.edit.text - 1);
        e.edit.start = start;
    }
    SDL_PushEvent(&e);
}

} // namespace zorvy::test
