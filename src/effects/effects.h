// The effects window, effect parameters, the reverb window and the whole-GUI refresh.
#ifndef CORVESSA_EFFECTS_H
#define CORVESSA_EFFECTS_H

class Fl_Double_Window;
class Fl_Output;
class Fl_Round_Button;
class Fl_Spinner;

extern Fl_Double_Window *EffectsWindow, *ReverbWindow;
extern Fl_Round_Button *SelectRegularChannel, *SelectGroupChannel, *SelectMasterChannel;
extern Fl_Spinner *RegularNum, *GroupNum;
extern Fl_Output *NameInEffects;

Fl_Double_Window *make_window1();
Fl_Double_Window *make_window7();

// Copies the whole model into every window.
void UpdateGUI();

#endif
