// The effects window, effect parameters, the reverb window and the whole-GUI refresh.
#ifndef CORVESSA_EFFECTS_H
#define CORVESSA_EFFECTS_H

class Fl_Button;
class Fl_Double_Window;
class Fl_Output;
class Fl_Round_Button;
class Fl_Spinner;
class Fl_Value_Slider;

extern Fl_Double_Window *EffectsWindow, *ReverbWindow;

// Effects window: which slot is shown (CNL, in the model).
extern Fl_Round_Button *SelectRegularChannel, *SelectGroupChannel, *SelectMasterChannel;
extern Fl_Spinner *RegularNum, *GroupNum;
extern Fl_Output *NameInEffects;
extern Fl_Button *MixButton1;

// Effects window: one toggle (column 0) and its sliders (columns 1..) per effect.
extern Fl_Button *comp0, *rms0, *nlc0, *lim0, *fxg0, *lshelf0, *band1_0, *band2_0, *hshelf0,
    *hpass0, *rev_state, *trev_state;
extern Fl_Value_Slider *comp1, *comp2, *comp3, *comp4;
extern Fl_Value_Slider *rms1, *rms2, *rms3, *rms4;
extern Fl_Value_Slider *nlc1, *nlc2, *nlc3;
extern Fl_Value_Slider *lim1, *fxg1, *hpass1, *rev_send, *trev_send;
extern Fl_Value_Slider *lshelf1, *lshelf2, *lshelf3;
extern Fl_Value_Slider *band1_1, *band1_2, *band1_3;
extern Fl_Value_Slider *band2_1, *band2_2, *band2_3;
extern Fl_Value_Slider *hshelf1, *hshelf2, *hshelf3;

// Reverb window: the global settings of the two reverbs.
extern Fl_Value_Slider *rev_rtn, *trev_rtn, *rev_size, *trev_taps, *trev_size, *Rev_LP1,
    *Rev_HP1, *rev_width, *rev_positionX, *rev_positionY, *rev_positionZ;
extern Fl_Button *Rev_LP0, *Rev_HP0;

Fl_Double_Window *make_window1();
Fl_Double_Window *make_window7();

// Selection callbacks: choose the shown slot and load it.
void ChangetoRegular();
void ChangetoGroup();
void ChangetoMaster();
void ChangeChannel();

// Stores: one effect block of the shown slot into its table (the two reverbs
// also store their global settings).
void ComptoArray();
void RmstoArray();
void NlctoArray();
void LimtoArray();
void FXGtoArray();
void LshelftoArray();
void Band1toArray();
void Band2toArray();
void HshelftoArray();
void HpassToArray();
void ReverbToArray();
void TreverbToArray();

// Model to widgets: the effect controls of slot CNL and the whole reverb window.
void UpdateEffects();
// The name field shows the slot that the selectors and spinners choose.
void UpdateEffectsName();

// Copies the whole model into every window (refresh.cpp).
void UpdateGUI();

#endif
