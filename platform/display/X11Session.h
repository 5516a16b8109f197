#pragma once
// What the SDL display asks of the display server that SDL does not tell. Kept in a file of its own:
// the headers it needs bring Xlib's macros, which must not meet the other files of the folder.
struct SDL_Window;

namespace zorvy {

// Whether a window manager runs on the display of window: without one, nobody maximises, stacks or
// focuses the program's windows. Display servers other than X11 always manage their windows.
bool WindowManagerRunningFor(SDL_Window* window);

} // namespace zorvy
