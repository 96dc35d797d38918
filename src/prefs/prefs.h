// The preferences window.
#ifndef CORVESSA_PREFS_H
#define CORVESSA_PREFS_H

class Fl_Button;
class Fl_Double_Window;
class Fl_File_Chooser;
class Fl_Input;
class Fl_Round_Button;
class Fl_Spinner;
class Fl_Value_Input;

// ---- the preferences window

extern Fl_Double_Window *PrefsWindow;
extern Fl_Round_Button *PreOn, *PreOff, *outbits16button, *outbits24button, *monobutton;
extern Fl_Value_Input *Preview_Min, *Preview_Length, *Preview_Sec, *Preview_Msec;
extern Fl_Value_Input *Xin_Min, *Xin_Sec, *Xin_Msec, *Xout_Min, *Xout_Sec, *Xout_Msec;
extern Fl_Value_Input *head, *tail, *panlaw;
extern Fl_Button *MixButton, *browseD1, *browseD2, *browseD3;
extern Fl_Input *PathDisplay, *WavDirDisplay, *MixDirDisplay, *LaunchDisplay;
extern Fl_Spinner *dither, *bgcolor;

Fl_Double_Window *make_window3();

// Widget to model.
void PreviewOnSwitch();
void PreviewOffSwitch();
void PreviewToArray();
void XinToArray();
void XoutToArray();
void HeadTailToArray();
void Outbits16ToArray();
void Outbits24ToArray();
void PanlawToArray();
void MonoToArray();
void DitherToArray();
void StorePath();
void StoreWaveDir();
void StoreMixDir();
void StoreLaunch();

// Directory choosers: target 1 is the engine path, 2 the wave-file
// directory, 3 the mix directory. The target travels as the chooser's user data.
void ChooseDirectory(int n);
void Set_Directory(Fl_File_Chooser *chooser, void *target);
void cb_browseD1();
void cb_browseD2();
void cb_browseD3();

// Takes the colour spinner into color (clamped to 0..255) and recolours all windows.
void SetColor();
void cb_bgcolor();

// Model to widgets; also applies the colour.
void UpdatePreferences();

#endif
