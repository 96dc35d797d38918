// Where the windows open: where the user last left each one (remembered per user
// under $XDG_CONFIG_HOME/corvessa/, ~/.config/corvessa/ by default), or else beside
// the control window, covering it as little as the screen allows.
#ifndef CORVESSA_PLACES_H
#define CORVESSA_PLACES_H

#include <map>
#include <string>

class Fl_Window;

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

// A window shown for the first time in this session goes to its remembered
// place, or beside the control window; the event loop runs it after every event.
// The control window, before it is shown, only takes a remembered place.
void PlaceWindow(Fl_Window *w);
// Keeps the places of the windows shown in this session, for the next one.
void RememberPlaces();

#endif
