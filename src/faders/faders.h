// The faders window: channel banks, strip values, cue editing and names.
#ifndef CORVESSA_FADERS_H
#define CORVESSA_FADERS_H

class Fl_Button;
class Fl_Double_Window;
class Fl_File_Chooser;
class Fl_Input;
class Fl_Output;
class Fl_Spinner;
class Fl_Value_Input;
class Fl_Value_Output;
struct Fl_Menu_Item;

extern Fl_Double_Window *FadersWindow;

// Cue and window controls.
extern Fl_Spinner *TimeIndex, *Bank;
extern Fl_Button *IndexActive, *MixButton3;
extern Fl_Button *MapButton;  // shows the Cue Map
extern Fl_Input *CueName, *MixNameInput;
extern Fl_Value_Input *GuiMin, *GuiSec, *GuiMsec;
extern Fl_Menu_Item menu_Edit[];

// The thirteen strips: 1..10 the bank's channels, 11 its submix, 12 its VCA, 13 the master.
extern Fl_Button *solo1, *solo2, *solo3, *solo4, *solo5, *solo6, *solo7, *solo8, *solo9, *solo10,
    *solo11, *solo12;
extern Fl_Button *mute1, *mute2, *mute3, *mute4, *mute5, *mute6, *mute7, *mute8, *mute9, *mute10,
    *mute11, *mute12;
extern Fl_Value_Output *DispNum1, *DispNum2, *DispNum3, *DispNum4, *DispNum5, *DispNum6, *DispNum7,
    *DispNum8, *DispNum9, *DispNum10, *DispNum11, *DispNum12;
extern Fl_Input *name1, *name2, *name3, *name4, *name5, *name6, *name7, *name8, *name9, *name10,
    *name11, *name12;
extern Fl_Output *name13;
extern Fl_Button *browse1, *browse2, *browse3, *browse4, *browse5, *browse6, *browse7, *browse8,
    *browse9, *browse10;
extern Fl_Button *A1, *A2, *A3, *A4, *A5, *A6, *A7, *A8, *A9, *A10, *A11, *A12, *A13;
extern Fl_Spinner *vol1, *vol2, *vol3, *vol4, *vol5, *vol6, *vol7, *vol8, *vol9, *vol10, *vol11,
    *vol12, *vol13;
extern Fl_Value_Input *ofs1, *ofs2, *ofs3, *ofs4, *ofs5, *ofs6, *ofs7, *ofs8, *ofs9, *ofs10, *ofs11,
    *ofs12, *ofs13;
extern Fl_Value_Input *ramp1, *ramp2, *ramp3, *ramp4, *ramp5, *ramp6, *ramp7, *ramp8, *ramp9,
    *ramp10, *ramp11, *ramp12, *ramp13;
extern Fl_Value_Input *shape1, *shape2, *shape3, *shape4, *shape5, *shape6, *shape7, *shape8,
    *shape9, *shape10, *shape11, *shape12, *shape13;
extern Fl_Value_Input *pan1, *pan2, *pan3, *pan4, *pan5, *pan6, *pan7, *pan8, *pan9, *pan10, *pan11,
    *pan12, *pan13;

// Shown in the name fields of strips 11 and 12 while the bank has no submix or VCA.
extern const char unav[];

Fl_Double_Window *make_window2();

// Strip values, widgets to model: column stores and single-strip stores.
void VolumeToArray();
void OffsetToArray();
void ChannelActiveToArray();
void SoloToArray();
void MuteToArray();
void RampToArray(int strip);
void ShapeToArray(int strip);
void PanToArray(int strip);
void cb_ramp1(), cb_ramp2(), cb_ramp3(), cb_ramp4(), cb_ramp5(), cb_ramp6(), cb_ramp7(), cb_ramp8(),
    cb_ramp9(), cb_ramp10(), cb_ramp11(), cb_ramp12(), cb_ramp13();
void cb_shape1(), cb_shape2(), cb_shape3(), cb_shape4(), cb_shape5(), cb_shape6(), cb_shape7(),
    cb_shape8(), cb_shape9(), cb_shape10(), cb_shape11(), cb_shape12(), cb_shape13();
void cb_pan1(), cb_pan2(), cb_pan3(), cb_pan4(), cb_pan5(), cb_pan6(), cb_pan7(), cb_pan8(),
    cb_pan9(), cb_pan10(), cb_pan11(), cb_pan12(), cb_pan13();
void cb_browse1(), cb_browse2(), cb_browse3(), cb_browse4(), cb_browse5(), cb_browse6(),
    cb_browse7(), cb_browse8(), cb_browse9(), cb_browse10();

// The keys of the window: "auto" of the strip whose control has the focus (0 for
// none), and "Active" of the cue.
int FocusedStrip();
void ToggleAuto();
void ToggleActive();

// The current cue: its time, its active flag and the Edit Index menu.
void StoreTime();
void IndexActiveToArray();
void InsertIndex();
void RemoveIndex();
void Propagate();

// Names.
void StoreNames();
void CueNameToArray();
void StoreMixName();
void ChooseFile(int strip);
void Set_File(Fl_File_Chooser *chooser, void *data);

// Refreshes, model to widgets. StageVolPlateUpdate refreshes the whole window
// for the cue and bank its spinners choose.
void StageVolPlateUpdate();
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

// The chooser opened last and its target, shared with the directory choosers.
extern int BrowseNumber;
extern Fl_File_Chooser *CH;

#endif
