#include "app/app.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Output.H>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

#include "cuemap/cuemap.h"
#include "effects/effects.h"
#include "faderfile/faderfile.h"
#include "faders/faders.h"
#include "model/model.h"
#include "prefs/prefs.h"
#include "routing/routing.h"

Fl_Double_Window *ControlWindow;
Fl_Output *TextResponse;
char StoreError[256];

Fl_Menu_Item menu_Recall[] = {
    {"Recall Faders / Effects", 0, Call<StageReadFromFile>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Recall Track Names", 0, Call<ReadTracksFile>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Recall Preferences", 0, Call<ReadPreferencesFile>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Recall All", 0, Call<RecallAll>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0}};

Fl_Menu_Item menu_Store[] = {
    {"Store Faders / Effects", 0, Call<Committed<StageWriteToFile>>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Store Track Names", 0, Call<Committed<WriteTracksFile>>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Store Preferences", 0, Call<Committed<WritePreferencesFile>>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Store All", FL_CTRL + 's', Call<SaveAll>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0}};

// ---- edits still being typed

void CommitEdit() {
  Fl_Input_ *in = dynamic_cast<Fl_Input_ *>(Fl::focus());
  if (in && in->changed()) {
    in->clear_changed();
    in->do_callback();
  }
}

// ---- status line

void ShowStatus() {
  if (TextResponse) TextResponse->value(tbuffer);
}

void ClearStatus() {
  if (TextResponse) TextResponse->value("");
}

void SetStatus(const char *fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  vsnprintf(tbuffer, sizeof tbuffer, fmt, ap);
  va_end(ap);
  ShowStatus();
}

void ClearStoreError() { StoreError[0] = 0; }

void ReportStoreError(const char *fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  vsnprintf(tbuffer, sizeof tbuffer, fmt, ap);
  va_end(ap);
  if (!StoreError[0]) snprintf(StoreError, sizeof StoreError, "%s", tbuffer);
  ShowStatus();
}

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

// The three stores, in order; false when one of them failed.
bool storeAll() {
  ClearStoreError();
  WritePreferencesFile();
  WriteTracksFile();
  StageWriteToFile();
  if (!StoreError[0]) return true;
  SetStatus("%s", StoreError);
  return false;
}

}  // namespace

void SaveAll() {
  CommitEdit();
  if (storeAll()) SetStatus("Save Complete");
}

void RecallAll() {
  StageReadFromFile();
  ReadTracksFile();
  ReadPreferencesFile();
}

void FormEngineCommand(char *out, int size) { snprintf(out, size, "%starnell4", Path); }

namespace {

Fl_Double_Window **const allWindows[] = {&FadersWindow,  &PrefsWindow, &SubWindow,   &EffectsWindow,
                                         &ControlWindow, &VCAWindow,   &ReverbWindow,
                                         &CueMapWindow};

// The pointer of every shown window while the engine runs.
void setCursor(Fl_Cursor c) {
  for (Fl_Double_Window **w : allWindows)
    if (*w && (*w)->shown()) (*w)->cursor(c);
}

// Runs the engine and says how it ended.
void runEngine() {
  char command[sizeof Path + 16];
  FormEngineCommand(command, sizeof command);
  fflush(stdout);
  int status = system(command);
  // The shell reports a child ended by signal n as exit status 128 + n.
  int code = WIFEXITED(status) ? WEXITSTATUS(status) : 0;
  int sig = WIFSIGNALED(status) ? WTERMSIG(status) : code > 128 ? code - 128 : 0;
  if (status == -1)
    SetStatus("Mix failed: the engine command could not be run");
  else if (sig)
    SetStatus("Mix failed: the engine was ended by signal %i", sig);
  else if (code == 127)
    SetStatus("Mix failed: %.200s was not found", command);
  else if (code != 0)
    SetStatus("Mix failed: the engine exited with status %i", code);
  else
    SetStatus("Mix Complete");
}

// Windows close through the window manager, never on Escape.
void closeWindow(Fl_Widget *w, void *) {
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  w->hide();
}

}  // namespace

void Mix() {
  CommitEdit();
  SetStatus("Mixing");
  setCursor(FL_CURSOR_WAIT);
  Fl::flush();
  if (storeAll()) runEngine();
  setCursor(FL_CURSOR_DEFAULT);
}

void ProgramExit() { exit(0); }

void StageVolPlateUpdate() {
  UpdateIndexActive();
  UpdateChannelActive();
  UpdateTime();
  UpdateVolumes();
  UpdatePan();
  UpdateMutes();
  UpdateSolos();
  UpdateDisplayNumbers();
  UpdateCueName();
  UpdateNames();
  UpdateOffset();
  UpdateRamp();
  UpdateShape();
}

Fl_Button *MixButtonAt(int x, int y, int w, int h) {
  Fl_Button *b = new Fl_Button(x, y, w, h, "Mix");
  b->box(FL_ROUND_UP_BOX);
  b->down_box(FL_ROUND_UP_BOX);
  b->shortcut(FL_CTRL + 'm');
  b->labelsize(12);
  b->callback(Call<Mix>);
  return b;
}

// ---- the control window

namespace {

Fl_Button *button(int x, int y, int w, int h, const char *label, int key, Fl_Callback *cb,
                  bool hide) {
  Fl_Button *b = new Fl_Button(x, y, w, h, label);
  b->shortcut(key);
  b->callback(cb);
  if (w == 40) b->labelsize(12);
  if (hide) b->color(45);
  return b;
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
  button(295, 50, 82, 20, "Mix", FL_CTRL + 'm', Call<Mix>, false);
  button(8, 71, 40, 20, "Show", FL_CTRL + 'f', Call<ShowFaders>, false);
  button(198, 127, 40, 20, "Show", FL_CTRL + 'p', Call<ShowPrefs>, false);
  button(103, 71, 40, 20, "Show", FL_CTRL + 'e', Call<ShowEffects>, false);
  button(10, 127, 40, 20, "Show", FL_CTRL + 'g', Call<ShowSubs>, false);
  TextResponse = new Fl_Output(8, 15, 367, 20);
  TextResponse->labelsize(12);
  TextResponse->textsize(12);
  caption(30, 47, "Faders");
  caption(127, 47, "Effects");
  caption(224, 103, "Preferences");
  caption(34, 102, "Subs");
  button(50, 71, 40, 20, "Hide", FL_CTRL + FL_SHIFT + 'f', Call<HideFaders>, true);
  button(145, 71, 40, 20, "Hide", FL_CTRL + FL_SHIFT + 'e', Call<HideEffects>, true);
  button(240, 127, 40, 20, "Hide", FL_CTRL + FL_SHIFT + 'p', Call<HidePrefs>, true);
  button(52, 127, 40, 20, "Hide", FL_CTRL + FL_SHIFT + 'g', Call<HideSubs>, true);
  button(336, 140, 41, 20, "Quit", FL_CTRL + 'q', Call<ProgramExit>, false);
  Fl_Menu_Button *recall = new Fl_Menu_Button(295, 80, 82, 20, "Recall");
  recall->menu(menu_Recall);
  Fl_Menu_Button *store = new Fl_Menu_Button(295, 110, 82, 20, "Store");
  store->menu(menu_Store);
  button(103, 127, 40, 20, "Show", FL_CTRL + 'v', Call<ShowVCAs>, false);
  caption(127, 102, "VCAs");
  button(145, 127, 40, 20, "Hide", FL_CTRL + FL_SHIFT + 'v', Call<HideVCAs>, true);
  button(198, 71, 40, 20, "Show", FL_CTRL + 'r', Call<ShowReverb>, false);
  caption(222, 47, "Reverb");
  button(240, 71, 40, 20, "Hide", FL_CTRL + FL_SHIFT + 'r', Call<HideReverb>, true);
  w->end();
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
  make_window8();
  for (Fl_Double_Window **w : allWindows) (*w)->callback(closeWindow);
}
