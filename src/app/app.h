// Start-up, the control window and the top-level commands.
#ifndef CORVESSA_APP_H
#define CORVESSA_APP_H

// The status line TextResponse, its functions and the callback adapters.
#include "status/status.h"

class Fl_Button;
class Fl_Double_Window;
class Fl_Window;
struct Fl_Menu_Item;

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

// Ctrl+Z and Ctrl+Shift+Z: the journal's undo and redo, shown at the cue and
// bank the step touched, with what it did on the status line.
void Undo();
void Redo();

// What the event loop does after every event: the changes made become a step of
// the journal, and the bottom line, the messages and the cue map show what now stands.
void AfterEvent();

void Mix();
// "Quit": the unstored changes kept, then the end, at once, with status 0.
void ProgramExit();
// From now on SIGTERM, SIGHUP and SIGINT end the program as "Quit" does.
void CatchSignals();

// The command line, "corvessa [FOLDER]", "--help" or "--version": goes into
// FOLDER and returns -1 to start, or prints what it has to say and returns the
// exit status (0 for help and version, 2 for a bad argument or folder).
int ReadCommandLine(int argc, char **argv);

// The keys of every window: installed once, at start-up.
void StartKeys();
// A key press in window w before any widget sees it; true when it was taken.
bool KeyFirst(Fl_Window *w);

// Builds the seven windows in start-up order, then the "Mix" window; only the
// control window is shown.
void BuildWindows();

#endif
