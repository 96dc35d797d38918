// The keys of every window: undo and redo, Store All and Mix, showing and hiding
// every window, and paging through the time indexes and banks. They are taken
// before any widget sees them, so that none is ever typed into a text field.
#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Spinner.H>

#include <cstring>

#include "app/app.h"
#include "cuemap/cuemap.h"
#include "faders/faders.h"
#include "keepwindows/keepwindows.h"
#include "messages/messages.h"
#include "messageswindow/messageswindow.h"
#include "routing/routing.h"
#include "stores/stores.h"
#include "typed/typed.h"
#include "undo/undo.h"

namespace {

// The spinner that Page Up and Page Down step in window w, with Ctrl or without.
Fl_Spinner *pager(Fl_Window *w, bool ctrl) {
  if (w && w == FadersWindow) return ctrl ? Bank : TimeIndex;
  if (w && w == SubWindow && !ctrl) return SubBank;
  if (w && w == VCAWindow && !ctrl) return VcaBank;
  return nullptr;
}

// While a window is modal (the Mix window during a mix) it alone takes the keys.
int dispatch(int event, Fl_Window *w) {
  if (event == FL_KEYBOARD && !Fl::modal() && KeyFirst(w)) return 1;
  return Fl::handle_(event, w);
}

// The shortcuts of every window: Ctrl+key, and Ctrl+Shift+key where there is one.
const struct {
  int key;
  void (*ctrl)(), (*shift)();
} shortcuts[] = {
    {'s', SaveAll, nullptr},
    {'m', Mix, nullptr},
    {'f', ShowFaders, HideFaders},
    {'e', ShowEffects, HideEffects},
    {'r', ShowReverb, HideReverb},
    {'g', ShowSubs, HideSubs},
    {'v', ShowVCAs, HideVCAs},
    {'p', ShowPrefs, HidePrefs},
    {'t', ShowCueMap, HideCueMap},
    {'l', ShowMessages, HideMessages},
    {'d', ShowCompare, HideCompare},
    {'h', ShowHistory, HideHistory},
};

// The faders window's own: "auto" of the strip with the focus, and "Active".
const struct {
  int key;
  void (*f)();
} faderKeys[] = {{'u', ToggleAuto}, {'i', ToggleActive}};

// The shortcut of the key pressed with Ctrl, or Ctrl and Shift; true when there is one.
bool shortcut(int key, int state) {
  state &= FL_CTRL | FL_SHIFT | FL_ALT | FL_META;
  for (const auto &s : shortcuts) {
    if (key != s.key) continue;
    void (*f)() = state == FL_CTRL ? s.ctrl : state == (FL_CTRL | FL_SHIFT) ? s.shift : nullptr;
    if (f) f();
    return f != nullptr;
  }
  return false;
}

}  // namespace

bool KeyFirst(Fl_Window *w) {
  int key = Fl::event_key(), state = Fl::event_state();
  bool ctrl = state & FL_CTRL;
  if (state & (FL_ALT | FL_META)) return false;
  // The cue map keeps its own edit keys while it has the focus: Ctrl+V pastes there.
  bool mapKey = CueMap && Fl::focus() == CueMap && MapEditMenu->test_shortcut();
  if (ctrl && !mapKey && shortcut(key, state)) return true;
  Fl_Window *top = w ? w->top_window() : nullptr;
  for (const auto &k : faderKeys)
    if (key == k.key && (state & (FL_CTRL | FL_SHIFT)) == FL_CTRL && top && top == FadersWindow) {
      CommitEdit();
      k.f();
      return true;
    }
  if (!ctrl && IsNumberText(Fl::focus()) && strcmp(Fl::event_text(), ",") == 0) {
    Fl_Input_ *in = (Fl_Input_ *)Fl::focus();  // a comma is the decimal point
    in->replace(in->position(), in->mark(), ".", 1);
    return true;
  }
  if (ctrl && (key == 'z' || key == 'y')) {
    // A field being typed into keeps its own typing undo until its edit is stored.
    Fl_Input_ *in = dynamic_cast<Fl_Input_ *>(Fl::focus());
    if (in && in->changed()) return false;
    key == 'y' || (state & FL_SHIFT) ? Redo() : Undo();
    return true;
  }
  if (key == FL_Page_Up || key == FL_Page_Down) {
    Fl_Spinner *s = pager(top, ctrl);
    if (!s) return false;
    CommitEdit();
    s->child(key == FL_Page_Up ? 2 : 1)->do_callback();  // its down or up arrow
    return true;
  }
  return false;
}

void StartKeys() { Fl::event_dispatch(dispatch); }
