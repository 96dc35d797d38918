// Shared support of the tests of the windows: the windows built once per process,
// and the user's actions on widgets.
#ifndef CORVESSA_TESTUTIL_H
#define CORVESSA_TESTUTIL_H

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Value_Output.H>
#include <FL/Fl_Value_Slider.H>

#include <initializer_list>

#include "app/app.h"
#include "effects/effects.h"
#include "faders/faders.h"
#include "filetest.h"
#include "prefs/prefs.h"
#include "routing/routing.h"
#include "stores/stores.h"

// A test of the windows: the windows built once per process, and put back to
// their first cue, bank and slot for every test.
class ConsoleTest : public FilesTest {
 protected:
  void SetUp() override;
};

// Temporary files a store left behind in the working directory ("faders.txt.XXXXXX").
int TemporaryFiles();

// The status line as shown; the whole text where the line shows a short form of it.
std::string Status();

// Runs a widget's callback as the toolkit would.
void Fire(Fl_Widget *w);
// The user sets a widget's value; then its callback runs.
void Set(Fl_Spinner *w, double v);
void Set(Fl_Valuator *w, double v);
void Set(Fl_Button *w, int on);
void Set(Fl_Input *w, const char *text);

// The faders window at a channel bank and a time index.
void ShowBank(int bank, int timeIndex = 1);
// The effects window on submix n.
void ShowSubmix(int n);

// The values some controls show, separated by spaces: "1 -6.5 Kick".
std::string Values(std::initializer_list<Fl_Widget *> widgets);
// What every window shows, a "window/child path=value" line a control, the status
// line and the time index left out.
std::string Shown();
// Puts into every control but those that choose the view a value other than the
// one it shows, without running callbacks: a control that a later refresh leaves
// alone then differs in Shown().
void Scramble();

// An engine at folder/tarnell4 running the shell text body; Path points at it.
void Engine(const std::string &folder, const std::string &body);

#endif
