// The faders window, its strip tables and the bank rule.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Value_Output.H>

#include <cfloat>
#include <cmath>

#include "faders/strip.h"
#include "status/status.h"

Fl_Double_Window *FadersWindow;
Fl_Spinner *TimeIndex, *Bank;
Fl_Button *IndexActive, *MixButton3, *MapButton;
Fl_Input *CueName, *MixNameInput;
Fl_Value_Input *GuiMin, *GuiSec, *GuiMsec;

Fl_Button *solo1, *solo2, *solo3, *solo4, *solo5, *solo6, *solo7, *solo8, *solo9, *solo10, *solo11,
    *solo12;
Fl_Button *mute1, *mute2, *mute3, *mute4, *mute5, *mute6, *mute7, *mute8, *mute9, *mute10, *mute11,
    *mute12;
Fl_Value_Output *DispNum1, *DispNum2, *DispNum3, *DispNum4, *DispNum5, *DispNum6, *DispNum7,
    *DispNum8, *DispNum9, *DispNum10, *DispNum11, *DispNum12;
Fl_Input *name1, *name2, *name3, *name4, *name5, *name6, *name7, *name8, *name9, *name10, *name11,
    *name12;
Fl_Output *name13;
Fl_Button *browse1, *browse2, *browse3, *browse4, *browse5, *browse6, *browse7, *browse8, *browse9,
    *browse10;
Fl_Button *A1, *A2, *A3, *A4, *A5, *A6, *A7, *A8, *A9, *A10, *A11, *A12, *A13;
Fl_Spinner *vol1, *vol2, *vol3, *vol4, *vol5, *vol6, *vol7, *vol8, *vol9, *vol10, *vol11, *vol12,
    *vol13;
Fl_Value_Input *ofs1, *ofs2, *ofs3, *ofs4, *ofs5, *ofs6, *ofs7, *ofs8, *ofs9, *ofs10, *ofs11,
    *ofs12, *ofs13;
Fl_Value_Input *ramp1, *ramp2, *ramp3, *ramp4, *ramp5, *ramp6, *ramp7, *ramp8, *ramp9, *ramp10,
    *ramp11, *ramp12, *ramp13;
Fl_Value_Input *shape1, *shape2, *shape3, *shape4, *shape5, *shape6, *shape7, *shape8, *shape9,
    *shape10, *shape11, *shape12, *shape13;
Fl_Value_Input *pan1, *pan2, *pan3, *pan4, *pan5, *pan6, *pan7, *pan8, *pan9, *pan10, *pan11,
    *pan12, *pan13;

const char unav[] = "(unavailable)";

Fl_Button **const SoloCol[] = {0,      &solo1, &solo2, &solo3,  &solo4,  &solo5,  &solo6,
                               &solo7, &solo8, &solo9, &solo10, &solo11, &solo12, 0};
Fl_Button **const MuteCol[] = {0,      &mute1, &mute2, &mute3,  &mute4,  &mute5,  &mute6,
                               &mute7, &mute8, &mute9, &mute10, &mute11, &mute12, 0};
Fl_Value_Output **const NumCol[] = {0,          &DispNum1,  &DispNum2,  &DispNum3, &DispNum4,
                                    &DispNum5,  &DispNum6,  &DispNum7,  &DispNum8, &DispNum9,
                                    &DispNum10, &DispNum11, &DispNum12, 0};
Fl_Input **const NameCol[] = {0,      &name1, &name2, &name3,  &name4,  &name5,  &name6,
                              &name7, &name8, &name9, &name10, &name11, &name12, 0};
Fl_Button **const BrowseCol[] = {0,         &browse1, &browse2, &browse3, &browse4,
                                 &browse5,  &browse6, &browse7, &browse8, &browse9,
                                 &browse10, 0,        0,        0};
Fl_Button **const ACol[] = {0, &A1, &A2, &A3, &A4, &A5, &A6, &A7, &A8, &A9, &A10, &A11, &A12, &A13};
Fl_Spinner **const VolCol[] = {0,     &vol1, &vol2, &vol3,  &vol4,  &vol5,  &vol6,
                               &vol7, &vol8, &vol9, &vol10, &vol11, &vol12, &vol13};
Fl_Value_Input **const OfsCol[] = {0,     &ofs1, &ofs2, &ofs3,  &ofs4,  &ofs5,  &ofs6,
                                   &ofs7, &ofs8, &ofs9, &ofs10, &ofs11, &ofs12, &ofs13};
Fl_Value_Input **const RampCol[] = {0,      &ramp1, &ramp2, &ramp3,  &ramp4,  &ramp5,  &ramp6,
                                    &ramp7, &ramp8, &ramp9, &ramp10, &ramp11, &ramp12, &ramp13};
Fl_Value_Input **const ShapeCol[] = {0,        &shape1,  &shape2,  &shape3, &shape4,
                                     &shape5,  &shape6,  &shape7,  &shape8, &shape9,
                                     &shape10, &shape11, &shape12, &shape13};
Fl_Value_Input **const PanCol[] = {0,     &pan1, &pan2, &pan3,  &pan4,  &pan5,  &pan6,
                                   &pan7, &pan8, &pan9, &pan10, &pan11, &pan12, &pan13};

// ---- the bank rule

namespace {

// A spinner's value truncated toward zero and kept within lo..hi.
int spinnerInt(Fl_Spinner *s, int lo, int hi) {
  double v = s ? s->value() : lo;
  if (!(v >= lo)) return lo;  // also NaN
  if (v >= hi) return hi;
  return (int)v;
}

}  // namespace

int CurrentCue() { return spinnerInt(TimeIndex, 1, NCUES) - 1; }
int CurrentBank() { return spinnerInt(Bank, 1, 12); }

int StripSlot(int strip, int bank) {
  if (strip >= 1 && strip <= 10) return (bank - 1) * 10 + strip;
  if (strip == SUB_STRIP) return bank <= NGROUPS ? SubSlot(bank) : -1;
  if (strip == VCA_STRIP) return bank <= NGROUPS ? VcaSlot(bank) : -1;
  if (strip == MASTER_STRIP) return MASTER;
  return -1;
}

bool ModelValue(double v, float &out) {
  if (!(std::fabs(v) <= FLT_MAX)) return false;  // NaN, infinite or beyond a float
  out = (float)v;
  return std::isfinite(out);
}

// ---- per-strip forwarding callbacks

#define STRIP_CALLBACKS(n)                \
  void cb_ramp##n() { RampToArray(n); }   \
  void cb_shape##n() { ShapeToArray(n); } \
  void cb_pan##n() { PanToArray(n); }
STRIP_CALLBACKS(1)
STRIP_CALLBACKS(2)
STRIP_CALLBACKS(3)
STRIP_CALLBACKS(4)
STRIP_CALLBACKS(5)
STRIP_CALLBACKS(6)
STRIP_CALLBACKS(7)
STRIP_CALLBACKS(8)
STRIP_CALLBACKS(9)
STRIP_CALLBACKS(10)
STRIP_CALLBACKS(11)
STRIP_CALLBACKS(12)
STRIP_CALLBACKS(13)
#undef STRIP_CALLBACKS

void cb_browse1() { ChooseFile(1); }
void cb_browse2() { ChooseFile(2); }
void cb_browse3() { ChooseFile(3); }
void cb_browse4() { ChooseFile(4); }
void cb_browse5() { ChooseFile(5); }
void cb_browse6() { ChooseFile(6); }
void cb_browse7() { ChooseFile(7); }
void cb_browse8() { ChooseFile(8); }
void cb_browse9() { ChooseFile(9); }
void cb_browse10() { ChooseFile(10); }

namespace {

// clang-format off
Fl_Callback *const RampCb[] = {0,
    Call<cb_ramp1>, Call<cb_ramp2>, Call<cb_ramp3>, Call<cb_ramp4>, Call<cb_ramp5>,
    Call<cb_ramp6>, Call<cb_ramp7>, Call<cb_ramp8>, Call<cb_ramp9>, Call<cb_ramp10>,
    Call<cb_ramp11>, Call<cb_ramp12>, Call<cb_ramp13>};
Fl_Callback *const ShapeCb[] = {0,
    Call<cb_shape1>, Call<cb_shape2>, Call<cb_shape3>, Call<cb_shape4>, Call<cb_shape5>,
    Call<cb_shape6>, Call<cb_shape7>, Call<cb_shape8>, Call<cb_shape9>, Call<cb_shape10>,
    Call<cb_shape11>, Call<cb_shape12>, Call<cb_shape13>};
Fl_Callback *const PanCb[] = {0,
    Call<cb_pan1>, Call<cb_pan2>, Call<cb_pan3>, Call<cb_pan4>, Call<cb_pan5>,
    Call<cb_pan6>, Call<cb_pan7>, Call<cb_pan8>, Call<cb_pan9>, Call<cb_pan10>,
    Call<cb_pan11>, Call<cb_pan12>, Call<cb_pan13>};
Fl_Callback *const BrowseCb[] = {0,
    Call<cb_browse1>, Call<cb_browse2>, Call<cb_browse3>, Call<cb_browse4>, Call<cb_browse5>,
    Call<cb_browse6>, Call<cb_browse7>, Call<cb_browse8>, Call<cb_browse9>, Call<cb_browse10>};
// clang-format on

}  // namespace

Fl_Menu_Item menu_Edit[] = {
    {"Insert Index", 0, Call<InsertIndex>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Remove Index", 0, Call<RemoveIndex>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {"Propagate Index", 0, Call<Propagate>, 0, 0, FL_NORMAL_LABEL, 0, 14, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0}};

// ---- the window

namespace {

const Fl_Color LABEL = 175, FIELD = 49;

// Strip rows: strip 1 at y 177, each next one 30 pixels lower.
int rowY(int strip) { return 177 + 30 * (strip - 1); }

// Column x positions, left to right.
enum {
  X_SOLO = 12,
  X_MUTE = 32,
  X_NUM = 54,
  X_NAME = 92,
  X_BROWSE = 214,
  X_AUTO = 240,
  X_VOL = 272,
  X_OFS = 346,
  X_RAMP = 398,
  X_SHAPE = 450,
  X_PAN = 502
};

// A label above the control, at its left.
void above(Fl_Widget *w, const char *label, int size, Fl_Color c = LABEL) {
  w->label(label);
  w->labelsize(size);
  w->labelcolor(c);
  w->align(FL_ALIGN_TOP_LEFT);
}

// The strip 1 control heads its column.
void heads(Fl_Widget *w, int strip, const char *label) {
  if (strip == 1) above(w, label, 11);
}

Fl_Button *toggle(int x, int y, int w, int h, Fl_Color selection) {
  Fl_Button *b = new Fl_Button(x, y, w, h);
  b->type(FL_TOGGLE_BUTTON);
  b->down_box(FL_DOWN_BOX);
  b->selection_color(selection);
  return b;
}

Fl_Value_Input *valueInput(int x, int y, int w, int h, Fl_Callback *cb) {
  Fl_Value_Input *v = new Fl_Value_Input(x, y, w, h);
  v->color(FIELD);
  v->textsize(12);
  v->callback(cb);
  return v;
}

Fl_Value_Input *timeField(int x, const char *label) {
  Fl_Value_Input *v = valueInput(x, 80, 40, 20, Call<StoreTime>);
  above(v, label, 11);
  v->textfont(FL_HELVETICA_BOLD);
  return v;
}

Fl_Spinner *spinner(int x, int y, int w, const char *label, int top) {
  Fl_Spinner *s = new Fl_Spinner(x, y, w, 24);
  above(s, label, 12);
  s->type(FL_INT_INPUT);
  s->range(1, top);
  s->step(1);
  s->value(1);
  s->textsize(12);
  s->callback(Call<StageVolPlateUpdate>);
  s->when(FL_WHEN_CHANGED);
  return s;
}

void buildCueControls() {
  MixNameInput = new Fl_Input(12, 24, 150, 18);
  above(MixNameInput, "mix name", 12);
  MixNameInput->textsize(12);
  MixNameInput->maximum_size(sizeof MixName - 1);
  MixNameInput->callback(Call<StoreMixName>);

  MixButton3 = MixButtonAt(508, 14, 100, 28);
  MapButton = new Fl_Button(440, 18, 56, 20, "Map");  // the cue map, Ctrl+T
  MapButton->labelsize(12);

  TimeIndex = spinner(12, 80, 50, "time index", NCUES);

  IndexActive = toggle(80, 80, 80, 20, 229);
  IndexActive->label("Active");
  IndexActive->labelsize(12);
  IndexActive->callback(Call<IndexActiveToArray>);

  CueName = new Fl_Input(176, 80, 120, 20);
  above(CueName, "cue name", 12);
  CueName->textsize(12);
  CueName->maximum_size(sizeof CueNameBuffer[0] - 1);
  CueName->callback(Call<CueNameToArray>);

  GuiMin = timeField(430, "min/meas");
  GuiSec = timeField(494, "sec/beat");
  GuiMsec = timeField(558, "msec/tick");

  Fl_Menu_Button *edit = new Fl_Menu_Button(494, 112, 85, 20, "Edit Index");
  edit->labelsize(12);
  edit->labelcolor(LABEL);
  edit->textsize(12);
  edit->menu(menu_Edit);

  Bank = spinner(12, 126, 40, "channel bank", 12);
}

// One loop per column, strip 1 at the top.
void buildStrips() {
  for (int k = 1; k <= VCA_STRIP; k++) {
    Fl_Button *b = *SoloCol[k] = toggle(X_SOLO, rowY(k), 16, 16, 63);
    heads(b, k, "so");
    b->callback(Call<SoloToArray>);
  }
  for (int k = 1; k <= VCA_STRIP; k++) {
    Fl_Button *b = *MuteCol[k] = toggle(X_MUTE, rowY(k), 16, 16, 89);
    heads(b, k, "mu");
    b->callback(Call<MuteToArray>);
  }
  for (int k = 1; k <= VCA_STRIP; k++) {
    Fl_Value_Output *d = *NumCol[k] = new Fl_Value_Output(X_NUM, rowY(k), 30, 18);
    d->textsize(12);
    d->callback(Call<UpdateDisplayNumbers>);
    if (k == 1) d->when(FL_WHEN_CHANGED | FL_WHEN_NOT_CHANGED);
  }
  for (int k = 1; k <= VCA_STRIP; k++) {
    Fl_Input *n = *NameCol[k] = new Fl_Input(X_NAME, rowY(k), 120, 18);
    n->textsize(12);
    n->maximum_size(sizeof NameBuffer[0] - 1);
    n->callback(Call<StoreNames>);
    if (k == SUB_STRIP) above(n, "sub", 10, 3);
    if (k == VCA_STRIP) above(n, "vca", 10, 3);
  }
  name13 = new Fl_Output(X_NAME, rowY(MASTER_STRIP), 120, 18);
  name13->color(FIELD);
  name13->textsize(12);
  name13->when(FL_WHEN_CHANGED);
  for (int k = 1; k <= NBROWSE; k++) {
    Fl_Button *b = *BrowseCol[k] = new Fl_Button(X_BROWSE, rowY(k), 14, 18, "*");
    b->labelcolor(LABEL);
    b->callback(BrowseCb[k]);
  }
  for (int k = 1; k <= NSTRIPS; k++) {
    Fl_Button *b = *ACol[k] = toggle(X_AUTO, rowY(k), 16, 16, 229);
    heads(b, k, "auto");
    b->callback(Call<ChannelActiveToArray>);
  }
  for (int k = 1; k <= NSTRIPS; k++) {
    Fl_Spinner *s = *VolCol[k] = new Fl_Spinner(X_VOL, rowY(k), 58, 20);
    heads(s, k, "volume dB");
    s->type(FL_FLOAT_INPUT);
    s->range(AcceptedVolume.lo, AcceptedVolume.hi);
    s->step(0.1);
    s->value(0);
    s->textfont(FL_HELVETICA_BOLD);
    s->textsize(12);
    s->callback(Call<VolumeToArray>);
    s->when(FL_WHEN_CHANGED);
  }
  for (int k = 1; k <= NSTRIPS; k++)
    heads(*OfsCol[k] = valueInput(X_OFS, rowY(k), 34, 18, Call<OffsetToArray>), k, "offset");
  for (int k = 1; k <= NSTRIPS; k++)
    heads(*RampCol[k] = valueInput(X_RAMP, rowY(k), 34, 18, RampCb[k]), k, "ramp");
  for (int k = 1; k <= NSTRIPS; k++) {
    Fl_Value_Input *v = *ShapeCol[k] = valueInput(X_SHAPE, rowY(k), 34, 18, ShapeCb[k]);
    heads(v, k, "shape");
    v->range(AcceptedShape.lo, AcceptedShape.hi);
    v->value(1);
  }
  for (int k = 1; k <= NSTRIPS; k++) {
    Fl_Value_Input *v = *PanCol[k] = valueInput(X_PAN, rowY(k), 40, 18, PanCb[k]);
    heads(v, k, "pan %");
    v->range(AcceptedPan.lo, AcceptedPan.hi);
    v->step(1);
  }
}

}  // namespace

Fl_Double_Window *make_window2() {
  Fl_Double_Window *w = FadersWindow = new Fl_Double_Window(620, 575, "Faders");
  w->color(97);
  buildCueControls();
  buildStrips();
  DescribeStrips();
  w->end();
  return w;
}
