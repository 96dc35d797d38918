// Start-up, the control window, the top-level commands and the status line.
#ifndef CORVESSA_APP_H
#define CORVESSA_APP_H

class Fl_Button;
class Fl_Widget;
class Fl_Double_Window;
class Fl_Output;
struct Fl_Menu_Item;

// Adapts a parameterless command to a toolkit callback: w->callback(Call<Mix>).
template <void (*F)()>
void Call(Fl_Widget *, void *) {
  F();
}

// Stores the text field being typed into, as if it had lost the focus, so that
// a store run from another window or by a shortcut keeps what was typed.
void CommitEdit();
template <void (*F)()>
void Committed() {
  CommitEdit();
  F();
}

extern Fl_Double_Window *ControlWindow;
extern Fl_Output *TextResponse;
extern Fl_Menu_Item menu_Recall[], menu_Store[];

Fl_Double_Window *make_window4();

void ShowFaders();
void HideFaders();
void ShowEffects();
void HideEffects();
void ShowPrefs();
void HidePrefs();
void ShowSubs();
void HideSubs();
void ShowVCAs();
void HideVCAs();
void ShowReverb();
void HideReverb();

// The round "Mix" button (Ctrl+M) that the faders, effects and preferences windows carry.
Fl_Button *MixButtonAt(int x, int y, int w, int h);

void SaveAll();
void RecallAll();
void Mix();
void ProgramExit();
void StageVolPlateUpdate();

// Builds the seven windows in start-up order, then the "Mix" window; only the
// control window is shown.
void BuildWindows();

// The status line. Messages are formatted into tbuffer and shown in TextResponse.
void SetStatus(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
void ShowStatus();   // shows tbuffer as it stands
void ClearStatus();  // empties the line

// A store that fails reports here: the message is shown and kept in StoreError
// (the first failure since the last ClearStoreError), so that "Store All" and
// "Mix" can keep it instead of claiming success.
extern char StoreError[256];
void ClearStoreError();
void ReportStoreError(const char *fmt, ...) __attribute__((format(printf, 1, 2)));

// The engine command Mix runs: Path followed at once by "tarnell4".
void FormEngineCommand(char *out, int size);

#endif
