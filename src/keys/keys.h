// The keys of every window: undo and redo, Store All and Mix, the cue map and
// messages windows, and paging through the time indexes and banks.
#ifndef CORVESSA_KEYS_H
#define CORVESSA_KEYS_H

class Fl_Window;

// Installs them, once, at start-up.
void StartKeys();

// A key press in window w before any widget sees it; true when it was taken.
bool KeyFirst(Fl_Window *w);
// A shortcut that no widget took; true when it was taken.
bool KeyLast();

#endif
