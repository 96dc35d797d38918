// The control window, the top-level commands and start-up.
#include "app/app.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Spinner.H>
#include <cstdio>
#include <cstdlib>

#include "cuemap/cuemap.h"
#include "effects/effects.h"
#include "faderfile/faderfile.h"
#include "faders/faders.h"
#include "keepwindows/keepwindows.h"
#include "messages/messages.h"
#include "messageswindow/messageswindow.h"
#include "mix/mix.h"
#include "model/model.h"
#include "places/places.h"
#include "prefs/prefs.h"
#include "routing/routing.h"
#include "stores/stores.h"
#include "typed/typed.h"
#include "undo/undo.h"
#include "where/where.h"

Fl_Menu_Item menu_Recall[] = {
    {"Recall Faders / Effects", 0, Call<StageReadFromFile>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Recall Track Names", 0, Call<ReadTracksFile>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Recall Preferences", 0, Call<ReadPreferencesFile>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Recall All", 0, Call<RecallAll>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Revert All", 0, Call<RevertAll>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"History", FL_CTRL + 'h', Call<ShowHistory>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Compare with Stored", FL_CTRL + 'd', Call<ShowCompare>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0}};

Fl_Menu_Item menu_Store[] = {
    {"Store Faders / Effects", 0, Call<Committed<StageWriteToFile>>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Store Track Names", 0, Call<Committed<WriteTracksFile>>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Store Preferences", 0, Call<Committed<WritePreferencesFile>>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Store All", FL_CTRL + 's', Call<SaveAll>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0}};

// ---- show and hide

namespace {

void showWindow(Fl_Double_Window *w) {
  if (w) w->show();
}

void hideWindow(Fl_Double_Window *w) {
  if (w) w->hide();
}

}  // namespace

void ShowFaders() { showWindow(FadersWindow); }
void HideFaders() { hideWindow(FadersWindow); }
void ShowEffects() { showWindow(EffectsWindow); }
void HideEffects() { hideWindow(EffectsWindow); }
void ShowPrefs() {
  UpdatePreferences();
  showWindow(PrefsWindow);
}
void HidePrefs() { hideWindow(PrefsWindow); }
void ShowSubs() { showWindow(SubWindow); }
void HideSubs() { hideWindow(SubWindow); }
void ShowVCAs() { showWindow(VCAWindow); }
void HideVCAs() { hideWindow(VCAWindow); }
void ShowReverb() { showWindow(ReverbWindow); }
void HideReverb() { hideWindow(ReverbWindow); }

// ---- commands

namespace {

Fl_Double_Window **const allWindows[] = {&FadersWindow,  &PrefsWindow, &SubWindow,   &EffectsWindow,
                                         &ControlWindow, &VCAWindow,   &ReverbWindow, &MessagesWindow,
                                         &CueMapWindow, &UnstoredWindow, &HistoryWindow, &CompareWindow};

void showStep(const StepShown &s) {
  if (s.moved) {
    if (s.cue >= 0 && TimeIndex) TimeIndex->value(s.cue + 1);
    if (s.bank >= 0 && Bank) Bank->value(s.bank);
    StageVolPlateUpdate();
    UpdateGUI();
  }
  SetStatus("%s", s.status.c_str());
}

void recordStep() {
  Fl_Widget *focus = Fl::focus();
  RecordStep(focus, dynamic_cast<Fl_Input_ *>(focus) != nullptr);
}

}  // namespace

void Undo() {
  recordStep();
  showStep(UndoStep());
}

void Redo() {
  recordStep();
  showStep(RedoStep());
}

void AfterEvent() {
  recordStep();
  ShowWhere();
  UpdateMessages();
  if (CueMapWindow && CueMapWindow->visible()) CueMapCheck();
  KeepCheck();
  for (Fl_Double_Window **w : allWindows) PlaceWindow(*w);
  for (Fl_Double_Window *w : {MixWindow, ChangedWindow}) PlaceWindow(w);
}

namespace {

// The pointer of every shown window while the engine runs.
void setCursor(Fl_Cursor c) {
  for (Fl_Double_Window **w : allWindows)
    if (*w && (*w)->shown()) (*w)->cursor(c);
}

// Windows close through the window manager, never on Escape; closing the control
// window ends the program as "Quit" does.
void closeWindow(Fl_Widget *w, void *) {
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  if (w == ControlWindow) ProgramExit();
  w->hide();
}

}  // namespace

void Mix() {
  if (EngineRunning()) return;
  CommitEdit();
  SetStatus("Mixing");
  setCursor(FL_CURSOR_WAIT);
  Fl::flush();
  if (StoreAllFiles()) {
    SetStatus("Mixing");  // while the engine runs, not the last store's bytes
    RunEngine();
  }
  setCursor(FL_CURSOR_DEFAULT);
}

void ProgramExit() {
  KeepUnstored();
  RememberPlaces();
  exit(0);
}

// ---- the control window

namespace {

const Fl_Color HideColour = 45;

Fl_Button *button(int x, int y, int w, const char *label, int key, Fl_Callback *cb) {
  Fl_Button *b = new Fl_Button(x, y, w, 20, label);
  b->shortcut(key);
  b->callback(cb);
  return b;
}

// The small buttons that show and hide a window, in pairs under its caption.
void showButton(int x, int y, int key, Fl_Callback *cb) {
  button(x, y, 40, "Show", key, cb)->labelsize(12);
}

void hideButton(int x, int y, int key, Fl_Callback *cb) {
  Fl_Button *b = button(x, y, 40, "Hide", key, cb);
  b->labelsize(12);
  b->color(HideColour);
}

void caption(int x, int y, const char *label) {
  Fl_Box *b = new Fl_Box(x, y, 32, 16, label);
  b->color(48);
  b->labelcolor(215);
  b->labelsize(12);
}

}  // namespace

Fl_Double_Window *make_window4() {
  Fl_Double_Window *w = ControlWindow = new Fl_Double_Window(390, 175, "Corvessa");
  w->color(97);
  button(295, 50, 82, "Mix", FL_CTRL + 'm', Call<Mix>);
  showButton(8, 71, FL_CTRL + 'f', Call<ShowFaders>);
  showButton(198, 127, FL_CTRL + 'p', Call<ShowPrefs>);
  showButton(103, 71, FL_CTRL + 'e', Call<ShowEffects>);
  showButton(10, 127, FL_CTRL + 'g', Call<ShowSubs>);
  TextResponse = new Fl_Output(8, 15, 367, 20);
  TextResponse->labelsize(12);
  TextResponse->textsize(12);
  caption(30, 47, "Faders");
  caption(127, 47, "Effects");
  caption(224, 103, "Preferences");
  caption(34, 102, "Subs");
  hideButton(50, 71, FL_CTRL + FL_SHIFT + 'f', Call<HideFaders>);
  hideButton(145, 71, FL_CTRL + FL_SHIFT + 'e', Call<HideEffects>);
  hideButton(240, 127, FL_CTRL + FL_SHIFT + 'p', Call<HidePrefs>);
  hideButton(52, 127, FL_CTRL + FL_SHIFT + 'g', Call<HideSubs>);
  button(336, 140, 41, "Quit", FL_CTRL + 'q', Call<ProgramExit>);
  Fl_Menu_Button *recall = new Fl_Menu_Button(295, 80, 82, 20, "Recall");
  recall->menu(menu_Recall);
  Fl_Menu_Button *store = new Fl_Menu_Button(295, 110, 82, 20, "Store");
  store->menu(menu_Store);
  showButton(103, 127, FL_CTRL + 'v', Call<ShowVCAs>);
  caption(127, 102, "VCAs");
  hideButton(145, 127, FL_CTRL + FL_SHIFT + 'v', Call<HideVCAs>);
  showButton(198, 71, FL_CTRL + 'r', Call<ShowReverb>);
  caption(222, 47, "Reverb");
  hideButton(240, 71, FL_CTRL + FL_SHIFT + 'r', Call<HideReverb>);
  WhereLineAt(8, 152, 322, 18);
  CompareLinkAt(8, 152, 322, 18);
  w->end();
  PlaceWindow(w);
  w->show();
  return w;
}

void BuildWindows() {
  make_window1();
  make_window2();
  make_window3();
  make_window5();
  make_window6();
  make_window7();
  make_window4();
  make_window9();   // "Messages"
  make_window10();  // "Cue Map"
  make_window12();  // "Unstored Changes"
  make_window13();  // "History"
  make_window14();  // "Compare"
  for (Fl_Double_Window **w : allWindows) (*w)->callback(closeWindow);
  for (Fl_Double_Window **w : allWindows) StoreAsTyped(*w);
  // The buttons of the other windows that run the shell's commands.
  for (Fl_Button *b : {MixButton1, MixButton3, MixButton}) b->callback(Call<Mix>);
  MapButton->callback(Call<ShowCueMap>);
  make_window8();   // the "Mix" window, closed by "Cancel"
  make_window11();  // "Changed on disk"
}
