// Placeholder until the effects and reverb windows are built.
#include "effects/effects.h"

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>

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
  SelectRegularChannel = new Fl_Round_Button(30, 24, 70, 15, "Channel");
  SelectRegularChannel->value(1);
  SelectGroupChannel = new Fl_Round_Button(30, 52, 70, 15, "Submix");
  SelectMasterChannel = new Fl_Round_Button(30, 81, 70, 15, "Master");
  RegularNum = new Fl_Spinner(190, 22, 40, 20, "Channel");
  RegularNum->range(1, 110);
  RegularNum->value(1);
  GroupNum = new Fl_Spinner(190, 58, 40, 20, "Submix");
  GroupNum->range(1, 8);
  GroupNum->value(1);
  NameInEffects = new Fl_Output(271, 22, 150, 18);
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
