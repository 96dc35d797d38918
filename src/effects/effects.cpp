// Placeholder until the effects and reverb windows are built.
#include "effects/effects.h"

#include <FL/Fl_Double_Window.H>

#include "app/app.h"
#include "faders/faders.h"
#include "prefs/prefs.h"
#include "routing/routing.h"

Fl_Double_Window *EffectsWindow, *ReverbWindow;
Fl_Round_Button *SelectRegularChannel, *SelectGroupChannel, *SelectMasterChannel;
Fl_Spinner *RegularNum, *GroupNum;
Fl_Output *NameInEffects;

Fl_Double_Window *make_window1() {
  EffectsWindow = new Fl_Double_Window(520, 620, "Effects");
  EffectsWindow->color(97);
  EffectsWindow->end();
  return EffectsWindow;
}

Fl_Double_Window *make_window7() {
  ReverbWindow = new Fl_Double_Window(410, 255, "Reverb");
  ReverbWindow->color(97);
  ReverbWindow->end();
  return ReverbWindow;
}

void UpdateGUI() {
  ShowStatus();
  UpdateSolos();
  UpdateMutes();
  UpdateVolumes();
  UpdatePan();
  UpdateOffset();
  UpdateRamp();
  UpdateShape();
  UpdateTime();
  UpdateChannelActive();
  UpdateIndexActive();
  UpdateCueName();
  UpdateMixName();
  UpdatePreferences();
  UpdateSubmix();
  UpdateVCA();
  UpdateNames();
}
