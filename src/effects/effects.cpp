// The effects window and its slot selection, the effect stores and the reverb window.
#include "effects/effects.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Value_Slider.H>
#include <cstring>

#include "status/status.h"
#include "model/model.h"
#include "routing/routing.h"

Fl_Double_Window *EffectsWindow, *ReverbWindow;
Fl_Button *MixButton1;
Fl_Round_Button *SelectRegularChannel, *SelectGroupChannel, *SelectMasterChannel;
Fl_Spinner *RegularNum, *GroupNum;
Fl_Output *NameInEffects;

Fl_Button *comp0, *rms0, *nlc0, *lim0, *fxg0, *lshelf0, *band1_0, *band2_0, *hshelf0, *hpass0,
    *rev_state, *trev_state;
Fl_Value_Slider *comp1, *comp2, *comp3, *comp4;
Fl_Value_Slider *rms1, *rms2, *rms3, *rms4;
Fl_Value_Slider *nlc1, *nlc2, *nlc3;
Fl_Value_Slider *lim1, *fxg1, *hpass1, *rev_send, *trev_send;
Fl_Value_Slider *lshelf1, *lshelf2, *lshelf3;
Fl_Value_Slider *band1_1, *band1_2, *band1_3;
Fl_Value_Slider *band2_1, *band2_2, *band2_3;
Fl_Value_Slider *hshelf1, *hshelf2, *hshelf3;

Fl_Value_Slider *rev_rtn, *trev_rtn, *rev_size, *trev_taps, *trev_size, *Rev_LP1, *Rev_HP1,
    *rev_width, *rev_positionX, *rev_positionY, *rev_positionZ;
Fl_Button *Rev_LP0, *Rev_HP0;

namespace {

struct SliderSpec {
  const char *label;
  double step, init;
};

// One effect block: a toggle for column 0 of the slot's row, a slider per parameter column.
struct Block {
  const Effect &effect;
  Fl_Button **toggle;
  Fl_Value_Slider **slider[4];
  int row, col;  // place in the window
  Fl_Callback *cb;
  SliderSpec sliders[4];
};

// In window order: dynamics row, equaliser row, bottom row, each left to right.
enum { COMP, RMS, NLC, LIM, LSHELF, BAND1, BAND2, HSHELF, HPASS, FXG, REV, TREV, NBLOCKS };

const Block blocks[NBLOCKS] = {
    {Effects[FX_COMP], &comp0, {&comp1, &comp2, &comp3, &comp4}, 0, 0, Call<ComptoArray>,
     {{"threshold", 0.1, 0},
      {"attack", 0.1, 10},
      {"release", 1, 200},
      {"ratio", 0.1, 1.5}}},
    {Effects[FX_RMS], &rms0, {&rms1, &rms2, &rms3, &rms4}, 0, 1, Call<RmstoArray>,
     {{"threshold", 0.1, 0},
      {"attack", 0.1, 10},
      {"release", 1, 200},
      {"ratio", 0.1, 1.5}}},
    {Effects[FX_NLC], &nlc0, {&nlc1, &nlc2, &nlc3}, 0, 2, Call<NlctoArray>,
     {{"threshold", 0.1, 0},
      {"sample window", 1, 300},
      {"ratio", 0.1, 2}}},
    {Effects[FX_LIM], &lim0, {&lim1}, 0, 3, Call<LimtoArray>,
     {{"threshold", 0.1, 0}}},
    {Effects[FX_LSHELF], &lshelf0, {&lshelf1, &lshelf2, &lshelf3}, 1, 0, Call<LshelftoArray>,
     {{"Hz", 1, 100}, {"dB", 0.1, 0}, {"Q", 0.1, 1}}},
    {Effects[FX_BAND1], &band1_0, {&band1_1, &band1_2, &band1_3}, 1, 1, Call<Band1toArray>,
     {{"Hz", 1, 500}, {"dB", 0.1, 0}, {"Q", 0.1, 1}}},
    {Effects[FX_BAND2], &band2_0, {&band2_1, &band2_2, &band2_3}, 1, 2, Call<Band2toArray>,
     {{"Hz", 1, 2000}, {"dB", 0.1, 0}, {"Q", 0.1, 1}}},
    {Effects[FX_HSHELF], &hshelf0, {&hshelf1, &hshelf2, &hshelf3}, 1, 3, Call<HshelftoArray>,
     {{"Hz", 1, 8000}, {"dB", 0.1, 0}, {"Q", 0.1, 1}}},
    {Effects[FX_HP], &hpass0, {&hpass1}, 2, 0, Call<HpassToArray>,
     {{"Hz", 1, 100}}},
    {Effects[FX_FXG], &fxg0, {&fxg1}, 2, 1, Call<FXGtoArray>,
     {{"dB", 0.1, 0}}},
    {Effects[FX_REV], &rev_state, {&rev_send}, 2, 2, Call<ReverbToArray>,
     {{"chan send level", 0.1, 0}}},
    {Effects[FX_TREV], &trev_state, {&trev_send}, 2, 3, Call<TreverbToArray>,
     {{"chan send level", 0.1, 0}}},
};

// The order in which a slot is loaded.
const int loadOrder[NBLOCKS] = {COMP, RMS, NLC, LIM, FXG, LSHELF, BAND1, BAND2, HSHELF, HPASS,
                                REV, TREV};

// Toggles start 120 apart; the sliders hang below them, one pixel in.
const int toggleY[3] = {125, 340, 520};
const int sliderY[3][4] = {{157, 197, 237, 276}, {373, 413, 453}, {553}};

// A reverb window control: a slider, or a toggle for an on flag, and the global value it holds.
struct ReverbControl {
  Fl_Value_Slider **slider;
  Fl_Button **toggle;
  const char *label;
  int x, y;
  double step, init;
  int tap;          // 1: belongs to the tap reverb
  float *value;
  int followsSlot;  // 1: reloaded whenever the effects window changes its slot
};

// In window (and focus) order.
const ReverbControl reverbControls[] = {
    {&rev_rtn, 0, "master rev return", 13, 160, 0.1, 0, 0, &Prtn[0], 1},
    {&trev_rtn, 0, "master trev return", 13, 208, 0.1, 0, 1, &Ptrtn[0], 1},
    {&rev_size, 0, "room length (ft)", 155, 160, 10, 150, 0, &Prtn[1], 1},
    {&trev_taps, 0, "tap count", 297, 208, 1, 3, 1, &Ptrtn[2], 1},
    {&trev_size, 0, "room length (ft)", 155, 208, 10, 125, 1, &Ptrtn[1], 1},
    {&Rev_LP1, 0, "Hz", 155, 47, 1, 7000, 0, &Prlp[1], 0},
    {&Rev_HP1, 0, "Hz", 13, 47, 1, 150, 0, &Prhp[1], 0},
    {0, &Rev_LP0, "Low Pass", 155, 21, 0, 0, 0, &Prlp[0], 0},
    {0, &Rev_HP0, "High Pass", 13, 21, 0, 0, 0, &Prhp[0], 0},
    {&rev_width, 0, "width", 297, 47, 1, 50, 0, &Prev_width, 0},
    {&rev_positionX, 0, "position: front / back", 13, 94, 1, 37, 0, &Prev_position[0], 0},
    {&rev_positionY, 0, "position: left / right", 155, 94, 1, 39, 0, &Prev_position[1], 0},
    {&rev_positionZ, 0, "position: floor / ceiling", 297, 93, 1, 43, 0,
     &Prev_position[2], 0},
};

// An on flag as the toggles show it: truncated toward zero, non-zero is on.
// Written without a float-to-int conversion, which is undefined for huge values.
int isOn(float f) { return f >= 1.0f || f <= -1.0f; }

bool slotValid() { return CNL >= 0 && CNL < NSLOTS; }

// ---- building

Fl_Button *toggle(int x, int y, int h, const char *label, Fl_Callback *cb) {
  Fl_Button *b = new Fl_Button(x, y, 100, h, label);
  b->type(FL_TOGGLE_BUTTON);
  b->box(FL_ROUND_UP_BOX);
  b->down_box(FL_ROUND_DOWN_BOX);
  b->selection_color(229);
  b->labelsize(11);
  b->callback(cb);
  return b;
}

Fl_Value_Slider *slider(int x, int y, const char *label, double min, double max, double step,
                        double init, Fl_Callback *cb) {
  Fl_Value_Slider *s = new Fl_Value_Slider(x, y, 100, 20, label);
  s->type(FL_HOR_SLIDER);
  s->labelsize(10);
  s->labelcolor(215);
  s->range(min, max);
  s->step(step);
  s->value(init);
  s->when(FL_WHEN_RELEASE);
  s->callback(cb);
  return s;
}

void buildSliders(int from, int to) {
  for (int i = from; i < to; i++) {
    const Block &b = blocks[i];
    for (int c = 0; c < b.effect.values; c++) {
      const SliderSpec &s = b.sliders[c];
      const Accepted &a = b.effect.accepts[c];
      *b.slider[c] = slider(31 + 120 * b.col, sliderY[b.row][c], s.label, a.lo, a.hi, s.step, s.init, b.cb);
    }
  }
}

void buildToggles(int from, int to) {
  for (int i = from; i < to; i++) {
    const Block &b = blocks[i];
    *b.toggle = toggle(30 + 120 * b.col, toggleY[b.row], 20, b.effect.label, b.cb);
  }
}

Fl_Round_Button *selector(int y, const char *label, int on, Fl_Callback *cb) {
  Fl_Round_Button *r = new Fl_Round_Button(30, y, 70, 15, label);
  r->type(FL_TOGGLE_BUTTON);
  r->down_box(FL_DOWN_BOX);
  r->labelcolor(215);
  r->value(on);
  r->callback(cb);
  return r;
}

Fl_Spinner *spinner(int y, const char *label, double max) {
  Fl_Spinner *s = new Fl_Spinner(190, y, 40, 20, label);
  s->range(1, max);
  s->step(1);
  s->value(1);
  s->textsize(12);
  s->labelcolor(215);
  s->callback(Call<ChangeChannel>);
  return s;
}

// ---- model to widgets and back

void storeRow(const Block &b) {
  if (!slotValid()) return;
  float *row = b.effect.table + CNL * NGROUPS;
  row[0] = (*b.toggle)->value() ? 1.0f : 0.0f;
  for (int c = 0; c < b.effect.values; c++) row[c + 1] = (float)(*b.slider[c])->value();
}

void loadRow(const Block &b) {
  if (!slotValid()) return;
  const float *row = b.effect.table + CNL * NGROUPS;
  (*b.toggle)->value(isOn(row[0]));
  for (int c = 0; c < b.effect.values; c++) (*b.slider[c])->value(row[c + 1]);
}

void storeBlock(int i) {
  storeRow(blocks[i]);
  ClearStatus();
}

// A reverb's per-slot send, then its global settings.
void storeReverb(int i, int tap) {
  storeRow(blocks[i]);
  for (const ReverbControl &c : reverbControls) {
    if (c.tap != tap) continue;
    if (c.slider)
      *c.value = (float)(*c.slider)->value();
    else
      *c.value = (*c.toggle)->value() ? 1.0f : 0.0f;
  }
  ClearStatus();
}

// The effect controls of slot CNL, and the reverb window: all of it, or
// only the returns, room lengths and tap count that follow the slot.
void loadEffects(bool allReverb) {
  for (int i : loadOrder) loadRow(blocks[i]);
  for (const ReverbControl &c : reverbControls) {
    if (!allReverb && !c.followsSlot) continue;
    if (c.slider)
      (*c.slider)->value(*c.value);
    else
      (*c.toggle)->value(isOn(*c.value));
  }
}

// ---- slot selection

// A spinner value truncated toward zero and kept within lo..hi.
int slotFrom(double v, int lo, int hi) {
  if (!(v >= lo)) return lo;
  if (v >= hi) return hi;
  return (int)v;
}

// The chosen selector switches the others off; switching one off falls back to Channel.
void selectOnly(Fl_Round_Button *me, Fl_Round_Button *a, Fl_Round_Button *b) {
  if (me->value()) {
    a->value(0);
    b->value(0);
  } else {
    SelectRegularChannel->value(1);
  }
}

// Sets CNL from the selectors and spinners and loads that slot.
void selectSlot(bool fromSpinner) {
  if (SelectRegularChannel->value()) CNL = slotFrom(RegularNum->value(), 1, NCHANNELS);
  if (SelectGroupChannel->value()) {
    double g = GroupNum->value() + SubSlot(0);
    if (g >= FIRST_VCA && fromSpinner) GroupNum->value(NGROUPS);
    CNL = slotFrom(g, FIRST_SUB, FIRST_VCA - 1);
  }
  if (SelectMasterChannel->value()) CNL = MASTER;
  if (!slotValid()) return;
  NameInEffects->value(NameBuffer[CNL], (int)strnlen(NameBuffer[CNL], sizeof NameBuffer[0]));
  loadEffects(false);
}

}  // namespace

void ChangetoRegular() {
  selectOnly(SelectRegularChannel, SelectGroupChannel, SelectMasterChannel);
  selectSlot(false);
}

void ChangetoGroup() {
  selectOnly(SelectGroupChannel, SelectRegularChannel, SelectMasterChannel);
  selectSlot(false);
}

void ChangetoMaster() {
  selectOnly(SelectMasterChannel, SelectRegularChannel, SelectGroupChannel);
  selectSlot(false);
}

void ChangeChannel() { selectSlot(true); }

void ComptoArray() { storeBlock(COMP); }
void RmstoArray() { storeBlock(RMS); }
void NlctoArray() { storeBlock(NLC); }
void LimtoArray() { storeBlock(LIM); }
void FXGtoArray() { storeBlock(FXG); }
void LshelftoArray() { storeBlock(LSHELF); }
void Band1toArray() { storeBlock(BAND1); }
void Band2toArray() { storeBlock(BAND2); }
void HshelftoArray() { storeBlock(HSHELF); }
void HpassToArray() { storeBlock(HPASS); }
void ReverbToArray() { storeReverb(REV, 0); }
void TreverbToArray() { storeReverb(TREV, 1); }

Fl_Double_Window *make_window1() {
  Fl_Double_Window *w = EffectsWindow = new Fl_Double_Window(520, 620, "Effects");
  w->box(FL_UP_BOX);
  w->color(97);
  w->selection_color(7);
  SelectRegularChannel = selector(24, "Channel", 1, Call<ChangetoRegular>);
  SelectGroupChannel = selector(52, "Submix", 0, Call<ChangetoGroup>);
  SelectMasterChannel = selector(81, "Master", 0, Call<ChangetoMaster>);
  RegularNum = spinner(22, "Channel", 110);
  GroupNum = spinner(58, "Submix", 8);
  buildSliders(COMP, HPASS);
  MixButton1 = MixButtonAt(271, 58, 80, 24);
  NameInEffects = new Fl_Output(271, 22, 150, 18);
  NameInEffects->textsize(12);
  buildSliders(HPASS, REV);
  buildToggles(COMP, REV);
  buildSliders(REV, NBLOCKS);
  buildToggles(REV, NBLOCKS);
  w->end();
  return w;
}

Fl_Double_Window *make_window7() {
  Fl_Double_Window *w = ReverbWindow = new Fl_Double_Window(410, 255, "Reverb");
  w->color(97);
  for (const ReverbControl &c : reverbControls) {
    Fl_Callback *cb = c.tap ? Call<TreverbToArray> : Call<ReverbToArray>;
    if (c.slider) {
      const Accepted &a = ReverbSettingOf(c.value)->accepts;
      *c.slider = slider(c.x, c.y, c.label, a.lo, a.hi, c.step, c.init, cb);
    } else {
      *c.toggle = toggle(c.x, c.y, 19, c.label, cb);
    }
  }
  w->end();
  return w;
}

void UpdateEffects() { loadEffects(true); }

namespace {

bool on(Fl_Round_Button *b) { return b && b->value(); }

}  // namespace

void UpdateEffectsName() {
  int s = -1;
  if (on(SelectRegularChannel)) s = CNL;
  if (on(SelectGroupChannel) && GroupNum) {
    double g = GroupNum->value();
    if (g >= 1 && g < NGROUPS + 1) s = SubSlot((int)g);
  }
  if (on(SelectMasterChannel)) s = MASTER;
  if (NameInEffects && s >= 0 && s < NSLOTS) NameInEffects->value(NameBuffer[s]);
}
