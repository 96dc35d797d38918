// The faders window: channel banks, strip values, cue editing and names.
#ifndef CORVESSA_FADERS_H
#define CORVESSA_FADERS_H

class Fl_Double_Window;
class Fl_File_Chooser;
class Fl_Input;
class Fl_Spinner;

extern Fl_Double_Window *FadersWindow;
extern Fl_Spinner *TimeIndex, *Bank;
extern Fl_Input *MixNameInput;

Fl_Double_Window *make_window2();

// Refreshes, model to widgets.
void UpdateIndexActive();
void UpdateChannelActive();
void UpdateTime();
void UpdateVolumes();
void UpdatePan();
void UpdateMutes();
void UpdateSolos();
void UpdateDisplayNumbers();
void UpdateCueName();
void UpdateNames();
void UpdateOffset();
void UpdateRamp();
void UpdateShape();
void UpdateMixName();

void StoreMixName();

// The chooser opened last and its target, shared with the directory choosers.
extern int BrowseNumber;
extern Fl_File_Chooser *CH;

#endif
