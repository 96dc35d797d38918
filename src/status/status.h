// The status line, and the adapters that make commands into toolkit callbacks:
// all that a window's callbacks need in order to report.
#ifndef CORVESSA_STATUS_H
#define CORVESSA_STATUS_H

#include <string>

class Fl_Button;
class Fl_Double_Window;
class Fl_Output;
class Fl_Widget;

// Adapts a parameterless command to a toolkit callback: w->callback(Call<Mix>).
template <void (*F)()>
void Call(Fl_Widget *, void *) {
  F();
}


// The control window, built by the shell, and its status line. Messages are
// formatted into tbuffer and shown in TextResponse.
extern Fl_Double_Window *ControlWindow;
extern Fl_Output *TextResponse;
void SetStatus(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
void ShowStatus();   // shows tbuffer as it stands
void ClearStatus();  // empties the line

// A store or recall that fails reports here: the message is shown and kept in
// StoreError (the first failure since the last ClearStoreError), so that "Store
// All", "Recall All" and "Mix" can keep it instead of claiming success.
extern char StoreError[256];
void ClearStoreError();
void ReportStoreError(const char *fmt, ...) __attribute__((format(printf, 1, 2)));

// A tooltip for the part of w under the pointer, x, y, wd, h in window
// coordinates: shown anew whenever the text changes as the pointer moves; an
// empty text hides it (when the pointer leaves the part or w).
void PointerTip(Fl_Widget *w, int x, int y, int wd, int h, const std::string &text);

// The round "Mix" button (Ctrl+M) that the faders, effects and preferences
// windows carry; the shell gives it its command once the windows are built.
Fl_Button *MixButtonAt(int x, int y, int w, int h);

// Stores the text field being typed into, as if it had lost the focus, so that
// a store run from another window or by a shortcut keeps what was typed.
void CommitEdit();
// A store run alone: what was typed is kept, and no earlier failure is.
template <void (*F)()>
void Committed() {
  CommitEdit();
  ClearStoreError();
  F();
}

#endif
