// Where the windows open: where the user last left each one (remembered per user
// under $XDG_CONFIG_HOME/corvessa/, ~/.config/corvessa/ by default), or else beside
// the control window, covering it as little as the screen allows.
#ifndef CORVESSA_PLACES_H
#define CORVESSA_PLACES_H

#include <FL/Fl_Double_Window.H>

#include <map>
#include <string>

struct Place {
  int x, y, w, h;
};
using Places = std::map<std::string, Place>;  // by window title

// The remembered places as text: a line "x y width height title" a window.
// Reading passes over every line it cannot take whole.
std::string PlacesText(const Places &places);
Places ReadPlacesText(const std::string &text);
// The file they are remembered in; "" when there is no folder for it.
std::string PlacesFile();

// A place for a window of w x h (its frame) within screen, beside control
// (its frame): right of it, below, left or above; where none fits, the one
// that covers it least.
Place PlaceBeside(const Place &control, const Place &screen, int w, int h);

// Before a window is shown for the first time: its remembered place, or one
// beside the control window. The control window only takes a remembered one.
void PlaceWindow(Fl_Window *w);
// Keeps the places of the windows shown in this session, for the next one.
void RememberPlaces();

// A command that shows the window *W, placed first: Placed<ShowCueMap, &CueMapWindow>.
template <void (*Show)(), Fl_Double_Window **W>
void Placed() {
  PlaceWindow(*W);
  Show();
}

#endif
